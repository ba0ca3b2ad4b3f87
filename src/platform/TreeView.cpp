#include "platform/TreeView.h"

#include "platform/ImageList.h"
#include "platform/Runtime.h"

#include <algorithm>

namespace ov {

namespace {
constexpr int16_t kKeyEnd = 35, kKeyHome = 36, kKeyLeft = 37, kKeyUp = 38, kKeyRight = 39, kKeyDown = 40;
float pixelsX(int32_t n) {
    return static_cast<float>(n * Runtime::current().twipsPerPixelX());
}
float pixelsY(int32_t n) {
    return static_cast<float>(n * Runtime::current().twipsPerPixelY());
}
} // namespace

const ClassInfo& TreeView::staticClass() {
    return buildClassInfo<TreeView>([](ClassInfo& i) { i.published = false; });
}

void TreeView::describe(ClassBuilder<TreeView>& b) {
    using T = TreeView;
    describeCommon(b, Geometry | Enabling | Focus | Text | Back | Mouse | ToolTip);
    b.property("Nodes", 0x200, &T::NodesVariant);
    b.property("SelectedItem", 0x201, &T::SelectedItemVariant).set(&T::setSelectedItemVariant);
    b.property("HideSelection", 0x202, &T::HideSelection, &T::setHideSelection);
    b.property("LabelEdit", 0x203, &T::LabelEdit, &T::setLabelEdit);
    b.property("TopRow", 0x204, &T::TopRow, &T::setTopRow);
    b.method("StartLabelEdit", 0x205, &T::StartLabelEdit);
    b.method("EndLabelEdit", 0x206, &T::EndLabelEdit, {"Text"});
    b.method("CancelLabelEdit", 0x207, &T::CancelLabelEdit);
    b.event("NodeClick", 0x210, &T::NodeClick, {"Node"});
    b.event("Expand", 0x211, &T::Expand, {"Node"});
    b.event("Collapse", 0x212, &T::Collapse, {"Node"});
    b.event("BeforeLabelEdit", 0x213, &T::BeforeLabelEdit, {"Cancel"});
    b.event("AfterLabelEdit", 0x214, &T::AfterLabelEdit, {"Cancel", "NewString"});
}

TreeView::TreeView() : m_nodes(std::make_shared<Nodes>(*this)) {
    setBackColor(sysColor::WindowBackground);
    setForeColor(sysColor::WindowText);
    // The tree's own reactions come first: connected here, before any owner can connect.
    m_own.emplace_back(
        MouseDown().connect([this](int16_t&, int16_t&, float& x, float& y) { onMouseDown(x, y); }));
    m_own.emplace_back(KeyDown().connect([this](int16_t& key, int16_t&) { onKeyDown(key); }));
}

TreeView::~TreeView() = default;

NodeRef TreeView::SelectedItem() const {
    return m_selected ? std::static_pointer_cast<Node>(m_selected->shared_from_this()) : nullptr;
}

void TreeView::setSelectedItem(const NodeRef& node) {
    if (node && node->tree() != this) throw Failure(err::InvalidPropertyValue);
    m_selected = node.get();
    // A selected node is shown: its collapsed ancestors expand, outermost first.
    std::vector<Node*> closed;
    for (Node* p = m_selected ? m_selected->m_parent : nullptr; p; p = p->m_parent) {
        if (!p->Expanded()) closed.push_back(p);
    }
    for (auto it = closed.rbegin(); it != closed.rend(); ++it)
        (*it)->setExpanded(true);
}

Variant TreeView::SelectedItemVariant() const {
    return m_selected ? Variant(SelectedItem()) : Variant(nullptr);
}

void TreeView::setSelectedItemVariant(const Variant& v) {
    ObjectRef o = v.toObject();
    auto n = std::dynamic_pointer_cast<Node>(o);
    if (o && !n) throwTypeMismatch("Node expected");
    setSelectedItem(n);
}

void TreeView::setLabelEdit(int16_t v) {
    if (v != 0 && v != 1) throw Failure(err::InvalidPropertyValue);
    m_labelEdit = v;
}

// ---- Rows ----

Node* TreeView::nextRow(Node* n) {
    if (n->Expanded() && n->m_firstChild) return n->m_firstChild;
    for (; n; n = n->m_parent) {
        if (n->m_next) return n->m_next;
    }
    return nullptr;
}

Node* TreeView::previousRow(Node* n) {
    if (!n->m_prev) return n->m_parent;
    Node* p = n->m_prev;
    while (p->Expanded() && p->m_lastChild)
        p = p->m_lastChild;
    return p;
}

Node* TreeView::lastRow() const {
    Node* n = m_nodes->m_lastRoot;
    while (n && n->Expanded() && n->m_lastChild)
        n = n->m_lastChild;
    return n;
}

std::vector<Node*> TreeView::visibleRows() const {
    std::vector<Node*> rows;
    for (Node* n = m_nodes->firstRoot(); n; n = nextRow(n))
        rows.push_back(n);
    return rows;
}

float TreeView::rowHeight() const {
    return pixelsY(kRowPixels);
}

int32_t TreeView::rowsInView() const {
    return std::max(1, static_cast<int32_t>((Height() - pixelsY(4)) / rowHeight()));
}

void TreeView::setTopRow(int32_t row) {
    if (row < 0) throw Failure(err::InvalidPropertyValue);
    m_topRow = row;
}

Node* TreeView::nodeAt(float y) const {
    const float inside = y - pixelsY(2);
    if (inside < 0) return nullptr;
    int32_t row = m_topRow + static_cast<int32_t>(inside / rowHeight());
    Node* n = m_nodes->firstRoot();
    for (; n && row > 0; --row)
        n = nextRow(n);
    return n;
}

float TreeView::boxLeft(const Node& n) const {
    return pixelsX(kIndentPixels * n.level() + 6);
}
float TreeView::imageLeft(const Node& n) const {
    return pixelsX(kIndentPixels * (n.level() + 1) + 2);
}
float TreeView::labelLeft(const Node& n) const {
    return imageLeft(n) + (m_imageList ? pixelsX(m_imageList->ImageWidth() + 3) : 0);
}

void TreeView::ensureRowVisible(Node& n) {
    int32_t row = 0;
    for (Node* r = m_nodes->firstRoot(); r && r != &n; r = nextRow(r))
        ++row;
    if (row < m_topRow)
        m_topRow = row;
    else if (row >= m_topRow + rowsInView())
        m_topRow = row - rowsInView() + 1;
}

// ---- Changes the nodes report ----

void TreeView::nodeExpanded(Node& n, bool expanded) {
    // A collapse that hides the selection moves it to the collapsed node, as users expect.
    if (!expanded) {
        for (Node* p = m_selected ? m_selected->m_parent : nullptr; p; p = p->m_parent) {
            if (p == &n) {
                m_selected = &n;
                break;
            }
        }
    }
    NodeRef ref = std::static_pointer_cast<Node>(n.shared_from_this());
    if (expanded)
        Expand(ref);
    else
        Collapse(ref);
}

void TreeView::nodeRemoved(Node* n) {
    if (!n || m_selected == n) m_selected = nullptr;
    if (!n || m_editing == n) m_editing = nullptr;
    if (!n) m_topRow = 0;
}

// ---- Input ----

void TreeView::clickNode(Node& n) {
    if (n.tree() != this) throw Failure(err::InvalidPropertyValue);
    m_selected = &n;
    NodeClick(std::static_pointer_cast<Node>(n.shared_from_this()));
}

void TreeView::onMouseDown(float x, float y) {
    Node* n = nodeAt(y);
    if (!n) return;
    const float box = boxLeft(*n);
    if (n->Children() > 0 && x >= box - pixelsX(1) && x < box + pixelsX(10)) {
        n->setExpanded(!n->Expanded());
        return;
    }
    clickNode(*n);
}

void TreeView::moveTo(Node* n) {
    if (!n || n == m_selected) return;
    ensureRowVisible(*n);
    clickNode(*n);
}

void TreeView::onKeyDown(int16_t key) {
    Node* s = m_selected;
    switch (key) {
    case kKeyHome:
        moveTo(m_nodes->firstRoot());
        break;
    case kKeyEnd:
        moveTo(lastRow());
        break;
    case kKeyUp:
        moveTo(s ? previousRow(s) : m_nodes->firstRoot());
        break;
    case kKeyDown:
        moveTo(s ? nextRow(s) : m_nodes->firstRoot());
        break;
    case kKeyRight:
        if (s && s->Children() > 0) s->Expanded() ? moveTo(s->m_firstChild) : s->setExpanded(true);
        break;
    case kKeyLeft:
        if (s && s->Expanded() && s->Children() > 0)
            s->setExpanded(false);
        else if (s)
            moveTo(s->m_parent);
        break;
    default:
        break;
    }
}

// ---- Label editing ----

void TreeView::StartLabelEdit() {
    if (!m_selected) throw Failure(err::InvalidProcedureCall);
    int16_t cancel = 0;
    BeforeLabelEdit(cancel);
    if (cancel == 0) m_editing = m_selected;
}

void TreeView::EndLabelEdit(const std::string& text) {
    Node* n = std::exchange(m_editing, nullptr);
    if (!n) throw Failure(err::InvalidProcedureCall);
    NodeRef keep = std::static_pointer_cast<Node>(n->shared_from_this());
    int16_t cancel = 0;
    std::string newString = text;
    AfterLabelEdit(cancel, newString);
    if (cancel == 0 && keep->tree() == this) keep->setText(newString);
}

void TreeView::CancelLabelEdit() {
    m_editing = nullptr;
}

} // namespace ov
