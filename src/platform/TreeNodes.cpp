#include "platform/TreeNodes.h"

#include "platform/ImageList.h"
#include "platform/TreeView.h"

#include <cmath>

namespace ov {

// ---- Node ----

const ClassInfo& Node::staticClass() {
    return buildClassInfo<Node>([](ClassInfo& i) { i.published = false; });
}

void Node::describe(ClassBuilder<Node>& b) {
    using T = Node;
    b.property("Key", 0x1, &T::Key);
    b.property("Text", 0x0, &T::Text, &T::setText);
    b.property("Tag", 0x2, &T::Tag, &T::letTag).set(&T::letTag);
    b.property("Image", 0x3, &T::Image, &T::setImage).set(&T::setImage);
    b.property("SelectedImage", 0x4, &T::SelectedImage, &T::setSelectedImage).set(&T::setSelectedImage);
    b.property("Expanded", 0x5, &T::Expanded, &T::setExpanded);
    b.property("Selected", 0x6, &T::Selected, &T::setSelected);
    b.method("EnsureVisible", 0x7, &T::EnsureVisible);
    b.property("Index", 0x8, &T::Index);
    b.property("Parent", 0x9, &T::Parent);
    b.property("Child", 0xA, &T::Child);
    b.property("Next", 0xB, &T::Next);
    b.property("Previous", 0xC, &T::Previous);
    b.property("FirstSibling", 0xD, &T::FirstSibling);
    b.property("LastSibling", 0xE, &T::LastSibling);
    b.property("Root", 0xF, &T::Root);
    b.property("Children", 0x10, &T::Children);
}

TreeView& Node::affirmTree() const {
    if (!m_tree)
        throw Failure(err::ObjectNotSet, failureText(err::ObjectNotSet) + " (the node " + shown(m_key) +
                                             " is no longer in a tree)");
    return *m_tree;
}

// A key names an image of the tree's list; anything else (a picture, Nothing, Empty) clears it.
std::string Node::imageKey(const Variant& v) const {
    if (v.isEmpty() || v.isNull() || v.isObject()) return {};
    std::string key = v.toString();
    if (key.empty()) return key;
    ImageList* list = m_tree ? m_tree->imageList() : nullptr;
    if (!list || !list->contains(key))
        throw Failure(err::ElementNotFound,
                      failureText(err::ElementNotFound) + " (image " + shown(key) + ")");
    return key;
}

void Node::setImage(const Variant& v) {
    m_image = imageKey(v);
}
void Node::setSelectedImage(const Variant& v) {
    m_selectedImage = imageKey(v);
}

void Node::setExpanded(bool v) {
    if (v == m_expanded) return;
    m_expanded = v;
    if (m_tree) m_tree->nodeExpanded(*this, v);
}

bool Node::Selected() const {
    return m_tree && m_tree->selected() == this;
}

void Node::setSelected(bool v) {
    TreeView& t = affirmTree();
    if (v)
        t.setSelectedItem(std::static_pointer_cast<Node>(const_cast<Node*>(this)->shared_from_this()));
    else if (t.selected() == this)
        t.setSelectedItem(nullptr);
}

void Node::EnsureVisible() {
    TreeView& t = affirmTree();
    for (Node* p = m_parent; p; p = p->m_parent)
        p->setExpanded(true);
    t.ensureRowVisible(*this);
}

NodeRef Node::Parent() const {
    return ref(m_parent);
}
NodeRef Node::Child() const {
    return ref(m_firstChild);
}
NodeRef Node::Next() const {
    return ref(m_next);
}
NodeRef Node::Previous() const {
    return ref(m_prev);
}

NodeRef Node::FirstSibling() const {
    const Node* n = this;
    while (n->m_prev)
        n = n->m_prev;
    return ref(const_cast<Node*>(n));
}

NodeRef Node::LastSibling() const {
    const Node* n = this;
    while (n->m_next)
        n = n->m_next;
    return ref(const_cast<Node*>(n));
}

NodeRef Node::Root() const {
    const Node* n = this;
    while (n->m_parent)
        n = n->m_parent;
    return ref(const_cast<Node*>(n));
}

int32_t Node::level() const {
    int32_t l = 0;
    for (Node* p = m_parent; p; p = p->m_parent)
        ++l;
    return l;
}

// ---- Nodes ----

const ClassInfo& Nodes::staticClass() {
    return buildClassInfo<Nodes>([](ClassInfo& i) { i.published = false; });
}

void Nodes::describe(ClassBuilder<Nodes>& b) {
    using T = Nodes;
    b.property("Item", 0x0, &T::Item);
    b.property("Count", 0x1, &T::Count);
    b.method("Add", 0x2, &T::Add, {"Relative", "Relationship", "Key", "Text", "Image", "SelectedImage"});
    b.method("Remove", 0x3, &T::Remove, {"Index"});
    b.method("Clear", 0x4, &T::Clear);
}

Nodes::~Nodes() {
    for (auto& n : m_items)
        n->m_tree = nullptr;
}

Node* Nodes::find(std::string_view key) const {
    auto it = m_byKey.find(std::string(key));
    return it == m_byKey.end() ? nullptr : it->second;
}

NodeRef Nodes::Item(const Variant& index) const {
    if (index.isNumeric()) {
        double d = index.toDouble();
        if (!(d >= 1 && d <= static_cast<double>(m_items.size())))
            throw Failure(err::IndexOutOfBounds, "Index out of bounds");
        return m_items[static_cast<size_t>(d) - 1];
    }
    const std::string key = index.toString();
    Node* n = find(key);
    if (!n)
        throw Failure(err::ElementNotFound, failureText(err::ElementNotFound) + " (node " + shown(key) + ")");
    return std::static_pointer_cast<Node>(n->shared_from_this());
}

NodeRef Nodes::Add(const std::optional<Variant>& Relative, const std::optional<int16_t>& Relationship,
                   const std::optional<std::string>& Key, const std::optional<std::string>& Text,
                   const std::optional<Variant>& Image, const std::optional<Variant>& SelectedImage) {
    Node* relative = nullptr;
    if (Relative && !Relative->isEmpty()) relative = Item(*Relative).get();
    // Image keys are checked on a scratch node of this tree before anything changes.
    Node probe;
    probe.m_tree = m_tree;
    return insert(relative, Relationship.value_or(relative ? tvw::Next : tvw::Last), Key.value_or(""),
                  Text.value_or(""), Image ? probe.imageKey(*Image) : std::string(),
                  SelectedImage ? probe.imageKey(*SelectedImage) : std::string());
}

NodeRef Nodes::insert(Node* relative, int16_t how, const std::string& key, const std::string& text,
                      const std::string& image, const std::string& selectedImage) {
    // Everything is checked before anything changes, so a refused add leaves the tree as it was.
    if (how < tvw::First || how > tvw::Child) throw Failure(err::InvalidProcedureCall);
    if (!key.empty() && m_byKey.contains(key))
        throw Failure(err::KeyNotUnique, failureText(err::KeyNotUnique) + " (node " + shown(key) + ")");
    ImageList* list = m_tree->imageList();
    for (const std::string* k : {&image, &selectedImage}) {
        if (!k->empty() && (!list || !list->contains(*k)))
            throw Failure(err::ElementNotFound,
                          failureText(err::ElementNotFound) + " (image " + shown(*k) + ")");
    }
    auto node = std::make_shared<Node>();
    node->m_tree = m_tree;
    node->m_key = key;
    node->m_text = text;
    node->m_image = image;
    node->m_selectedImage = selectedImage;

    Node* parent = relative ? relative->m_parent : nullptr;
    Node* before = nullptr; // null: at the end of the parent's children
    switch (how) {
    case tvw::First:
        before = parent ? parent->m_firstChild : m_firstRoot;
        break;
    case tvw::Next:
        before = relative ? relative->m_next : nullptr;
        break;
    case tvw::Previous:
        before = relative;
        break;
    case tvw::Child:
        parent = relative;
        break;
    default:
        break;
    }
    if (!key.empty()) m_byKey.emplace(key, node.get());
    m_items.push_back(node);
    node->m_index = static_cast<int32_t>(m_items.size());
    link(*node, parent, before);
    return node;
}

void Nodes::link(Node& n, Node* parent, Node* before) {
    n.m_parent = parent;
    Node*& first = parent ? parent->m_firstChild : m_firstRoot;
    Node*& last = parent ? parent->m_lastChild : m_lastRoot;
    n.m_next = before;
    n.m_prev = before ? before->m_prev : last;
    (n.m_prev ? n.m_prev->m_next : first) = &n;
    (before ? before->m_prev : last) = &n;
    if (parent) ++parent->m_childCount;
}

void Nodes::unlink(Node& n) {
    Node*& first = n.m_parent ? n.m_parent->m_firstChild : m_firstRoot;
    Node*& last = n.m_parent ? n.m_parent->m_lastChild : m_lastRoot;
    (n.m_prev ? n.m_prev->m_next : first) = n.m_next;
    (n.m_next ? n.m_next->m_prev : last) = n.m_prev;
    if (n.m_parent) --n.m_parent->m_childCount;
    n.m_prev = n.m_next = nullptr;
}

// Iterative: a chain of nested nodes may be deeper than the stack would like.
void Nodes::forget(Node& root) {
    std::vector<Node*> pending{&root};
    while (!pending.empty()) {
        Node* n = pending.back();
        pending.pop_back();
        for (Node* c = n->m_firstChild; c; c = c->m_next)
            pending.push_back(c);
        if (!n->m_key.empty()) m_byKey.erase(n->m_key);
        m_tree->nodeRemoved(n);
        n->m_tree = nullptr;
        n->m_parent = n->m_firstChild = n->m_lastChild = n->m_prev = n->m_next = nullptr;
        n->m_childCount = 0;
    }
}

void Nodes::Remove(const Variant& index) {
    NodeRef n = Item(index);
    // The selection moves off the subtree first, to the nearest node that stays.
    Node* sel = m_tree->selected();
    for (Node* p = sel; p; p = p->m_parent) {
        if (p == n.get()) {
            Node* next = n->m_next ? n->m_next : n->m_prev ? n->m_prev : n->m_parent;
            m_tree->setSelectedItem(next ? std::static_pointer_cast<Node>(next->shared_from_this())
                                         : nullptr);
            break;
        }
    }
    unlink(*n);
    forget(*n);
    std::erase_if(m_items, [](const NodeRef& x) { return x->m_tree == nullptr; });
    for (size_t i = 0; i < m_items.size(); ++i)
        m_items[i]->m_index = static_cast<int32_t>(i + 1);
}

void Nodes::Clear() {
    m_tree->setSelectedItem(nullptr);
    for (auto& n : m_items) {
        n->m_tree = nullptr;
        n->m_parent = n->m_firstChild = n->m_lastChild = n->m_prev = n->m_next = nullptr;
    }
    m_items.clear();
    m_byKey.clear();
    m_firstRoot = m_lastRoot = nullptr;
    m_tree->nodeRemoved(nullptr);
}

} // namespace ov
