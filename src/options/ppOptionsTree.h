#pragma once

#include "options/OptionCollection.h"
#include "options/OptionTypes.h"
#include "platform/PropertyPage.h"
#include "platform/TreeNodes.h"

#include <cstdint>
#include <string>
#include <vector>

namespace ov {

class CommandButton;
class Frame;
class Label;
class TextBox;
class TreeView;

// The design-time editor of an OvTreeBase's option tree (caption "Options tree"). It edits the
// control's own collection (mcolOptions, shared, not copied) and on Apply hands it back through
// AddNodes, which rebuilds the control's tree and marks "TreeContainment" changed. Because the
// collection is shared, an edit reaches it at once: a dialog cancelled after edits leaves the
// control's tree as it was but its collection (what the form saves) edited.
//
//   tvOptions     the tree, loaded for the editor (a page's selected image is "ARROW", Tag the type);
//                 labels can be edited (a rename); imgOptions holds its three images
//   fActions      a frame whose caption tells the selected item's kind: "Container" or "Property Page"
//   cmdAddItem    "&Add item": asks frmAddOptItem ("Add option tree item") for a new item and adds it
//                 under the selected container, or at the top level when the tree is empty or the
//                 last click on the tree fell outside any node; disabled while a page is selected
//   cmdRemove     "&Remove item": removes the selected item with everything below it
//   cmdUp, cmdDown  "Up", "Down": move the selected item before / after its neighbouring sibling
//   lblPageIndex "Input option page index for item:" and txtPageIndex: the selected page's index
//                 (both shown only while a property page is selected)
//
// Keys: a top-level container is "_" + NAME, anything else its parent's key + "\" + NAME (upper
// case). A key the tree already holds is refused with "The Item with name '<name>' is not unique in
// collection" (exclamation) before anything changes. A new page becomes the remembered page of its
// container and the container's ancestors.
//
// Page index edits are checked before another node is chosen and before Apply: an empty or invalid
// index (not 1..32767) shows "You must input option page index", the page's node is selected again,
// the focus goes to txtPageIndex and the click or the Apply goes no further (a refused Apply leaves
// the page changed and the dialog open). A pending index is also taken, or refused, before an add,
// a move or a rename, which would show another value in the box.
//
// A rename (label edit) holding a backslash is refused with "You cannot input slashes in this case"
// and a name another sibling holds with the not-unique message; a blank name, or the same text,
// cancels the edit without a message. Otherwise the item and everything below it are keyed again
// (see renameOption) and the tree is loaded again with the renamed node selected.
//
// Decisions the editor makes for cases the tree's rules leave open:
// - Removing a container repairs its ancestors' remembered pages when they named a removed page
//   (see removeOption), as removing a page does, so the run-time tree never looks for a page that
//   is gone.
// - A click outside any node selects nothing and makes the next item a top-level container: the
//   add dialog then offers the container type only (as for an empty tree), cmdAddItem is enabled.
//   Remove, Up and Down do nothing while no node is selected.
// - The add dialog closed in any other way than by its buttons adds nothing (see frmAddOptItem).
//
// Every edit marks the page changed.
class ppOptionsTree : public PropertyPage {
    OV_OBJECT(ppOptionsTree)
public:
    ppOptionsTree();
    ~ppOptionsTree() override;

    // The first selected control's option collection is loaded into the tree; the first node is
    // selected (an empty collection disables Remove, Up and Down).
    void SelectionChanged() override;
    // Checks a pending page index, then calls AddNodes on the first selected control.
    void ApplyChanges() override;

    TreeView& tvOptions() const;
    Frame& fActions() const;
    CommandButton& cmdAddItem() const;
    CommandButton& cmdRemove() const;
    CommandButton& cmdUp() const;
    CommandButton& cmdDown() const;
    Label& lblPageIndex() const;
    TextBox& txtPageIndex() const;
    // The edited collection (null before a selection).
    const OptionCollectionRef& options() const { return m_options; }

    static void describe(ClassBuilder<ppOptionsTree>& b);

private:
    void buildSurface();
    // Selection state and buttons.
    void refreshSelection();
    void updateUpDown();
    void showPageIndex(const std::string& text);
    void reloadAndSelect(const std::string& key);
    bool pageIndexAccepted();
    // Tree events.
    void onNodeClick(const NodeRef& node);
    void onTreeClick();
    void onExpandCollapse(const NodeRef& node, bool expanded);
    void onAfterLabelEdit(int16_t& cancel, std::string& newString);
    // Buttons (ppOptionsTreeEdits.cpp).
    void addItem();
    void removeItem();
    void moveItem(bool up);
    bool refuseDuplicate(const std::string& key, const std::string& name);

    OptionCollectionRef m_options;
    en_OptionType m_selectedType = en_OptionType::Container;
    std::string m_selectedKey;
    bool m_treeEmpty = true;
    bool m_topLevel = false;
    bool m_indexEdited = false;
    bool m_nodeClicked = false;
    bool m_showingIndex = false; // txtPageIndex written by the page, not typed
    std::vector<ScopedConnection> m_links;
};

} // namespace ov
