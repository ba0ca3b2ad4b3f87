#pragma once

#include "options/CTabManager.h"
#include "options/OptionCollection.h"
#include "options/OptionTypes.h"
#include "platform/Event.h"
#include "platform/TreeNodes.h"
#include "platform/UserControl.h"

#include <cstdint>
#include <string>
#include <vector>

namespace ov {

class CommandButton;
class TreeView;

// The frame of an options dialog: the option tree (tvOptions) on the left, the button bar
// (picButtons with fraTop, cmdCustom, cmdOK, cmdCancel, cmdHelpApply) along the bottom, and on the
// right the client area in which the option pages (OvOptionPage) show one at a time. The control
// never talks to its pages: it tells its tab manager (objTabsManager) which page index shows and
// where the client area lies, and the pages listen.
//
// The tree holds containers (folders) and property pages (leaves standing for a page index).
// Clicking a node raises BeforePageChange(FromPageIndex, ToPageIndex, Cancel) when the clicked key
// differs from the key shown so far; Cancel = true re-selects the previous node and nothing else
// changes. Otherwise the arrow image moves to the page now shown, each container up the chain
// remembers it (strSelectedProperty), AfterPageChange(From, To) is raised and then the page shows.
// A container shows the page last shown under it; clicking one collapses the folder shown before.
//
// Failures: the node-click handler, the button handlers and the property procedures let failures
// reach the caller; AddNodes, resize, show and expand ignore them. Only one OvTreeBase may stand on a
// form: a second one placed at design time shows a message (it is not removed).
class OvTreeBase : public UserControl {
    OV_OBJECT(OvTreeBase)
public:
    OvTreeBase();
    ~OvTreeBase() override;

    // ---- Properties ----
    CTabManagerRef objTabsManager() const { return m_tabs; }
    void setObjTabsManager(const CTabManagerRef& v) { m_tabs = v; }
    OptionCollectionRef mcolOptions() const { return m_options; }
    void setMcolOptions(const OptionCollectionRef& v) { m_options = v; }
    // cmdHelpApply reads HelpApplyCaption when that is not empty, else "Apply" (true) or "Help".
    bool ShowApply() const { return m_showApply; }
    void setShowApply(bool& value);
    // btnOK, btnCancel, btnHelp/btnApply (both cmdHelpApply), btnCustom; other values do nothing.
    void setDefaultButton(en_Buttons& value);
    // Disabling keeps the current key and page; enabling selects them again (or the first page).
    void setTreeEnabled(bool& value);
    std::string CustomCaption() const;
    void setCustomCaption(const std::string& value);
    // Reading also applies the stored value to cmdCustom.Visible.
    bool CustomVisible();
    void setCustomVisible(bool value);
    // The client area (twips): top 6 pixels; left 20 pixels right of the tree; height to 2 pixels
    // above the button bar; width to 10 pixels from the right edge.
    int32_t ClientTop() const;
    int32_t ClientLeft() const;
    int32_t ClientHeight() const;
    int32_t ClientWidth() const;
    std::string FromKey() const { return upperCase(m_fromKey); }
    std::string ToKey() const { return upperCase(m_toKey); }
    std::string CurrentKey() const { return upperCase(m_currentKey); }
    // Trimmed when written; an empty text gives the button back its "Apply"/"Help" caption.
    std::string HelpApplyCaption() const { return m_helpApplyCaption; }
    void setHelpApplyCaption(const std::string& value);

    // ---- Methods ----
    void EnableButton(en_Buttons& Button);
    void DisableButton(en_Buttons& Button);
    // Shows the page with that index; the tree's selection does not change.
    void SetTab(int16_t& TabIndex);
    // Replaces the option tree with colSource (the same collection, not a copy), selects the first
    // page and shows it. Failures are not passed on.
    void AddNodes(OptionCollectionRef& colSource);
    // ovMDIndex: the tab manager's current index; ovMDName: the selected node's text; else Empty.
    Variant CurrentPage(en_Mode ValueMode);

    // ---- Events ----
    Event<> OKClick;
    Event<> CancelClick;
    Event<> HelpClick;
    Event<int16_t, int16_t, bool&> BeforePageChange;
    Event<int16_t, int16_t> AfterPageChange;
    Event<> ApplyClick;
    Event<> CustomClick;

    // Inside the library and for tests: the constituent controls by their designed names.
    TreeView& tvOptions() const;
    CommandButton& button(en_Buttons which) const;
    const std::string& treeContainment() const { return m_treeContainment; }
    // The option-tree node click, as a user's click on the node with that key (upper case) gives it.
    void clickNode(const std::string& key);

    static void describe(ClassBuilder<OvTreeBase>& b);

protected:
    void onInitialize() override;
    void onInitProperties() override;
    void onReadProperties(PropertyBag& bag) override;
    void onWriteProperties(PropertyBag& bag) override;
    void onShow() override;
    void onResize() override;
    void onTerminate() override;

private:
    void buildSurface();
    void layoutButtons();
    void applyHelpApplyCaption();
    void loadOptions(); // LoadTree, the first page, ChangeTab

    // The tree's algorithms.
    void SetNodeImage(const std::string& key, const std::string& image);
    void MakeCurrent(const std::string& key);
    bool ShowContainerPage(const std::string& key);
    std::string SelectFirstPage(const std::string& key);
    void onNodeClick(const NodeRef& node);
    void onExpandCollapse(const NodeRef& node, bool expanded);
    void selectNode(const std::string& key);
    int16_t tabIndexOf(const std::string& key) const;
    const OptionCollection& options() const;
    CTabManager& tabs() const;

    void showApplyByName(bool value) { setShowApply(value); }

    CTabManagerRef m_tabs;
    OptionCollectionRef m_options;
    en_OptionType m_currentType = en_OptionType::Container;
    std::string m_currentKey;
    std::string m_currentName;
    std::string m_currentParentKey;
    std::string m_currentSelectedProperty;
    int16_t m_currentTabIndex = 0;
    bool m_treeEnabled = true;
    std::string m_treeContainment;
    COptionRef m_currentItem;
    int32_t m_lastExpandCollapse = 0;
    std::string m_lastExpandCollapseKey;
    int32_t m_lastKeyDown = 0;
    std::string m_savedKey;
    int16_t m_savedTabIndex = 0;
    int32_t m_defaultButton = 0;
    bool m_showApply = false;
    bool m_customVisible = false;
    std::string m_fromKey;
    std::string m_toKey;
    std::string m_lastShownKey;
    std::string m_helpApplyCaption;
    std::vector<ScopedConnection> m_links;
};

} // namespace ov
