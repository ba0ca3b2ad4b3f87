#pragma once

#include "platform/ConstituentControl.h"
#include "platform/TreeNodes.h"

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace ov {

class ImageList;

// The platform's tree view: a hierarchy of Nodes with one selected node, drawn by the renderer from
// what this model says. The model knows which rows show (a collapsed node hides its subtree) and
// where each row, expand box, image and label lies, so that painting and a mouse click agree.
//
// Geometry, in pixels of the current screen (twips per pixel from the runtime): rows are
// kRowPixels high from the top of the control (inside a 2-pixel sunken edge) starting at TopRow; a node
// at level L has its expand box, 9 pixels square, centred kIndentPixels·L + 10 from the left, its
// image (16 pixels) after kIndentPixels·(L + 1) + 2, and its label after the image.
//
// Input. A mouse down on a row's expand box expands or collapses it (Expand or Collapse); anywhere
// else on a row it selects the node and raises NodeClick (also when it was selected). Keys, on key
// down, before the owner's handlers of KeyDown: Up and Down move the selection to the previous and
// next row, Home and End to the first and last row; Right expands a collapsed node with children or
// moves to its first child; Left collapses an expanded node or moves to its parent. Each move raises
// NodeClick on the new node and scrolls it into view. A disabled tree receives nothing.
//
// Label editing (LabelEdit automatic, the default): StartLabelEdit on the selected node raises
// BeforeLabelEdit(Cancel); EndLabelEdit(text) raises AfterLabelEdit(Cancel, NewString) and the node
// takes NewString unless a handler set Cancel; CancelLabelEdit ends without changing the text.
class TreeView : public ConstituentControl {
    OV_OBJECT(TreeView)
public:
    static constexpr int32_t kRowPixels = 18;
    static constexpr int32_t kIndentPixels = 19;

    TreeView();
    ~TreeView() override;

    std::shared_ptr<Nodes> NodesRef() const { return m_nodes; }
    Nodes& nodes() const { return *m_nodes; }
    NodeRef SelectedItem() const;
    // Selects without NodeClick, expanding the node's collapsed ancestors (Expand for each);
    // Nothing clears the selection.
    void setSelectedItem(const NodeRef& node);
    Node* selected() const { return m_selected; }

    // The image list node image keys refer to (none: nodes show no images).
    ImageList* imageList() const { return m_imageList; }
    void setImageList(ImageList* list) { m_imageList = list; }
    // When true (the default) the selected row is drawn grey while the tree does not have the focus.
    bool HideSelection() const { return m_hideSelection; }
    void setHideSelection(bool v) { m_hideSelection = v; }
    // 0 automatic (labels may be edited), 1 manual (StartLabelEdit only from code).
    int16_t LabelEdit() const { return m_labelEdit; }
    void setLabelEdit(int16_t v);

    // ---- Rows ----
    // The nodes whose rows show, top to bottom (ancestors all expanded), in tree order.
    std::vector<Node*> visibleRows() const;
    // The first row in view (0-based) and how many whole rows the control's height holds.
    int32_t TopRow() const { return m_topRow; }
    void setTopRow(int32_t row);
    int32_t rowsInView() const;
    float rowHeight() const;
    // The node whose row is at y (twips from the control's top), or null.
    Node* nodeAt(float y) const;
    // Left edge of the node's expand box, image and label, twips from the control's left.
    float boxLeft(const Node& n) const;
    float imageLeft(const Node& n) const;
    float labelLeft(const Node& n) const;

    // ---- Operations ----
    void StartLabelEdit();
    void EndLabelEdit(const std::string& text);
    void CancelLabelEdit();
    bool editing() const { return m_editing != nullptr; }

    // Selects the node and raises NodeClick, as a user's click on its label does.
    void clickNode(Node& n);

    Event<NodeRef> NodeClick;
    Event<NodeRef> Expand;
    Event<NodeRef> Collapse;
    Event<int16_t&> BeforeLabelEdit;
    Event<int16_t&, std::string&> AfterLabelEdit;

    bool canTakeFocus() const override { return true; }

    static void describe(ClassBuilder<TreeView>& b);

private:
    friend class Node;
    friend class Nodes;
    void nodeExpanded(Node& n, bool expanded);
    // A node left the tree (null: all of them).
    void nodeRemoved(Node* n);
    void ensureRowVisible(Node& n);
    void onMouseDown(float x, float y);
    void onKeyDown(int16_t key);
    void moveTo(Node* n);
    static Node* nextRow(Node* n);
    static Node* previousRow(Node* n);
    Node* lastRow() const;
    Variant NodesVariant() const { return Variant(std::static_pointer_cast<Object>(m_nodes)); }
    Variant SelectedItemVariant() const;
    void setSelectedItemVariant(const Variant& v);

    std::shared_ptr<Nodes> m_nodes;
    Node* m_selected = nullptr;
    Node* m_editing = nullptr;
    ImageList* m_imageList = nullptr;
    bool m_hideSelection = true;
    int16_t m_labelEdit = 0;
    int32_t m_topRow = 0;
    std::vector<ScopedConnection> m_own;
};

} // namespace ov
