#include "options/ppOptionsTree.h"

#include "frame/ErrorReporting.h"
#include "options/OvTreeFunctions.h"
#include "options/TreeImages.h"
#include "platform/CommandButton.h"
#include "platform/Frame.h"
#include "platform/ImageList.h"
#include "platform/Label.h"
#include "platform/MessageBox.h"
#include "platform/TextBox.h"
#include "platform/TreeView.h"

namespace ov {

namespace {

// The designed surface, in twips: the tree on the left, the actions frame on the right; the frame's
// controls are placed relative to the frame.
constexpr float kPageWidth = 5985, kPageHeight = 3720;
constexpr float kMargin = 120, kTreeWidth = 3120;
constexpr float kFrameLeft = kMargin + kTreeWidth + kMargin, kFrameWidth = kPageWidth - kFrameLeft - kMargin;
constexpr float kInset = 180, kButtonHeight = 375, kButtonStep = 480, kButtonWidth = kFrameWidth - 2 * kInset;

en_OptionType typeOf(const Node& n) {
    return n.Tag().toInt32() == 1 ? en_OptionType::PropertyPage : en_OptionType::Container;
}

NodeRef refOf(Node* n) {
    return n ? std::static_pointer_cast<Node>(n->shared_from_this()) : nullptr;
}

} // namespace

const ClassInfo& ppOptionsTree::staticClass() {
    return propertyPageClass<ppOptionsTree>("{7C1D5E43-2A8B-4F6E-9B31-5D0E8A7C4F21}");
}

void ppOptionsTree::describe(ClassBuilder<ppOptionsTree>& b) {
    PropertyPage::describe(b);
}

ppOptionsTree::ppOptionsTree() : PropertyPage("Options tree") {
    buildSurface();
}

ppOptionsTree::~ppOptionsTree() = default;

void ppOptionsTree::buildSurface() {
    setSize(kPageWidth, kPageHeight);
    auto& images = addChild<ImageList>("imgOptions");
    addOptionTreeImages(images);
    auto& tree = addChild<TreeView>("tvOptions");
    tree.setImageList(&images);
    tree.setHideSelection(false);
    tree.Move(kMargin, kMargin, kTreeWidth, kPageHeight - 2 * kMargin);
    tree.setTabIndex(0);

    auto& frame = addChild<Frame>("fActions");
    frame.setCaption("Container");
    frame.Move(kFrameLeft, kMargin - 60, kFrameWidth, kPageHeight - 2 * kMargin + 60);
    const std::pair<const char*, const char*> buttons[] = {
        {"cmdAddItem", "&Add item"}, {"cmdRemove", "&Remove item"}, {"cmdUp", "Up"}, {"cmdDown", "Down"}};
    float top = 300;
    int16_t tab = 1;
    for (auto [name, caption] : buttons) {
        auto& b = addChild<CommandButton>(name, &frame);
        b.setCaption(caption);
        b.setTabIndex(tab++);
        b.Move(kInset, top, kButtonWidth, kButtonHeight);
        top += kButtonStep;
    }
    auto& label = addChild<Label>("lblPageIndex", &frame);
    label.setCaption("Input option page index for item:");
    label.setWordWrap(true);
    label.Move(kInset, top + 60, kButtonWidth, 420);
    auto& index = addChild<TextBox>("txtPageIndex", &frame);
    index.Move(kInset, top + 510, kButtonWidth, 315);
    index.setTabIndex(tab);
    label.setVisible(false);
    index.setVisible(false);

    m_links.emplace_back(tree.NodeClick.connect([this](NodeRef n) { onNodeClick(n); }));
    m_links.emplace_back(tree.Click().connect([this] { onTreeClick(); }));
    m_links.emplace_back(tree.Expand.connect([this](NodeRef n) { onExpandCollapse(n, true); }));
    m_links.emplace_back(tree.Collapse.connect([this](NodeRef n) { onExpandCollapse(n, false); }));
    m_links.emplace_back(tree.AfterLabelEdit.connect(
        [this](int16_t& cancel, std::string& text) { onAfterLabelEdit(cancel, text); }));
    m_links.emplace_back(cmdAddItem().Click().connect([this] { addItem(); }));
    m_links.emplace_back(cmdRemove().Click().connect([this] { removeItem(); }));
    m_links.emplace_back(cmdUp().Click().connect([this] { moveItem(true); }));
    m_links.emplace_back(cmdDown().Click().connect([this] { moveItem(false); }));
    m_links.emplace_back(index.Change.connect([this] {
        if (m_showingIndex) return;
        m_indexEdited = true;
        setChanged(true);
    }));
}

// ---- Property-page events ----

void ppOptionsTree::SelectionChanged() {
    m_options = std::dynamic_pointer_cast<OptionCollection>(firstSelected().get("mcolOptions").toObject());
    if (!m_options) throw Failure(err::ObjectNotSet);
    m_topLevel = m_indexEdited = m_nodeClicked = false;
    TreeView& tree = tvOptions();
    if (m_options->Count() == 0) {
        tree.nodes().Clear();
        for (CommandButton* b : {&cmdRemove(), &cmdUp(), &cmdDown()})
            b->setEnabled(false);
        m_treeEmpty = true;
        refreshSelection();
        return;
    }
    LoadTree(tree, *m_options, true);
    m_treeEmpty = false;
    cmdRemove().setEnabled(true);
    tree.setSelectedItem(tree.nodes().Item(Variant(int32_t{1})));
    updateUpDown();
    refreshSelection();
}

void ppOptionsTree::ApplyChanges() {
    if (!pageIndexAccepted()) {
        refuseApply();
        return;
    }
    Args args{Variant(ObjectRef(m_options))};
    firstSelected().call("AddNodes", args);
}

// ---- Selection state ----

void ppOptionsTree::refreshSelection() {
    Node* n = tvOptions().selected();
    m_indexEdited = false;
    if (!n) {
        // Nothing to show: the next item is a top-level container.
        m_treeEmpty = true;
        fActions().setCaption("Container");
        cmdAddItem().setEnabled(true);
        lblPageIndex().setVisible(false);
        txtPageIndex().setVisible(false);
        return;
    }
    n->setSelected(true);
    m_selectedType = typeOf(*n);
    m_selectedKey = upperCase(n->Key());
    const bool page = m_selectedType == en_OptionType::PropertyPage;
    cmdAddItem().setEnabled(!page); // nothing goes under a page
    fActions().setCaption(page ? "Property Page" : "Container");
    lblPageIndex().setVisible(page);
    txtPageIndex().setVisible(page);
    if (page) showPageIndex(std::to_string(m_options->at(m_selectedKey).iTabIndex));
}

void ppOptionsTree::updateUpDown() {
    Node* n = tvOptions().selected();
    cmdUp().setEnabled(n && n->Previous());
    cmdDown().setEnabled(n && n->Next());
}

void ppOptionsTree::showPageIndex(const std::string& text) {
    m_showingIndex = true;
    txtPageIndex().setText(text);
    m_showingIndex = false;
}

void ppOptionsTree::reloadAndSelect(const std::string& key) {
    TreeView& tree = tvOptions();
    LoadTree(tree, *m_options, true);
    tree.setSelectedItem(refOf(tree.nodes().find(upperCase(key))));
    refreshSelection();
    updateUpDown();
}

bool ppOptionsTree::pageIndexAccepted() {
    if (!m_indexEdited || m_selectedType != en_OptionType::PropertyPage) return true;
    const std::string text = trimBlanks(txtPageIndex().Text());
    if (text.empty() || !IsValidIndex(text)) {
        msgBox("You must input option page index", mb::OkOnly);
        tvOptions().setSelectedItem(refOf(tvOptions().nodes().find(m_selectedKey)));
        ignoreFailures([&] { txtPageIndex().SetFocus(); }); // the page may not be on show
        return false;
    }
    m_options->at(m_selectedKey).iTabIndex = Variant(text).toInt16();
    m_indexEdited = false;
    return true;
}

// ---- Tree events ----

void ppOptionsTree::onNodeClick(const NodeRef& node) {
    m_nodeClicked = true;
    if (!pageIndexAccepted()) return;
    if (typeOf(*node) == en_OptionType::Container) {
        node->setExpanded(!node->Expanded());
        node->setSelectedImage(Variant(node->Expanded() ? "OPENEDFOLDER" : "CLOSEDFOLDER"));
    }
    refreshSelection();
    updateUpDown();
}

void ppOptionsTree::onTreeClick() {
    ignoreFailures([&] {
        if (m_nodeClicked) {
            m_nodeClicked = false;
            m_topLevel = false;
            return;
        }
        // The click fell outside any node: the next container goes to the top level.
        m_topLevel = true;
        tvOptions().setSelectedItem(nullptr);
        cmdAddItem().setEnabled(true);
    });
}

void ppOptionsTree::onExpandCollapse(const NodeRef& node, bool expanded) {
    if (typeOf(*node) == en_OptionType::Container) {
        const Variant image(expanded ? "OPENEDFOLDER" : "CLOSEDFOLDER");
        node->setImage(image);
        node->setSelectedImage(image);
    }
}

// ---- Constituents ----

TreeView& ppOptionsTree::tvOptions() const {
    return child<TreeView>("tvOptions");
}
Frame& ppOptionsTree::fActions() const {
    return child<Frame>("fActions");
}
CommandButton& ppOptionsTree::cmdAddItem() const {
    return child<CommandButton>("cmdAddItem");
}
CommandButton& ppOptionsTree::cmdRemove() const {
    return child<CommandButton>("cmdRemove");
}
CommandButton& ppOptionsTree::cmdUp() const {
    return child<CommandButton>("cmdUp");
}
CommandButton& ppOptionsTree::cmdDown() const {
    return child<CommandButton>("cmdDown");
}
Label& ppOptionsTree::lblPageIndex() const {
    return child<Label>("lblPageIndex");
}
TextBox& ppOptionsTree::txtPageIndex() const {
    return child<TextBox>("txtPageIndex");
}

} // namespace ov
