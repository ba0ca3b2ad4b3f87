#pragma once

#include "platform/ClassBuilder.h"
#include "platform/Object.h"
#include "platform/Variant.h"

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

namespace ov {

class TreeView;
class Node;
using NodeRef = std::shared_ptr<Node>;

// Where Nodes.Add puts a node relative to another.
namespace tvw {
inline constexpr int16_t First = 0;    // first sibling of the relative
inline constexpr int16_t Last = 1;     // last sibling of the relative
inline constexpr int16_t Next = 2;     // right after the relative (the default with a relative)
inline constexpr int16_t Previous = 3; // right before the relative
inline constexpr int16_t Child = 4;    // last child of the relative
} // namespace tvw

// One row of a TreeView. Siblings are linked, so moving between neighbours, adding and removing
// take constant time. Image and SelectedImage hold a key of the tree's image list ("" for none);
// setting a key the bound list lacks is 35601, setting a picture object, Nothing or Empty clears
// the image. Setting Expanded raises the tree's Expand or Collapse when the state changes;
// Selected = true selects the node (without NodeClick). A node removed from its tree keeps its
// values but answers 91 to everything that needs the tree.
class Node : public Object {
    OV_OBJECT(Node)
public:
    Node() = default;
    const std::string& Key() const { return m_key; }
    const std::string& Text() const { return m_text; }
    void setText(const std::string& v) { m_text = v; }
    Variant Tag() const { return m_tag; }
    void letTag(const Variant& v) { m_tag = v; }
    const std::string& Image() const { return m_image; }
    void setImage(const Variant& v);
    const std::string& SelectedImage() const { return m_selectedImage; }
    void setSelectedImage(const Variant& v);
    bool Expanded() const { return m_expanded; }
    void setExpanded(bool v);
    bool Selected() const;
    void setSelected(bool v);
    // Expands every ancestor and scrolls the tree so that the node's row is in view.
    void EnsureVisible();
    // 1-based position in the tree's Nodes (the order nodes were added in, less removed ones).
    int32_t Index() const { return m_index; }

    NodeRef Parent() const;
    NodeRef Child() const;
    NodeRef Next() const;
    NodeRef Previous() const;
    NodeRef FirstSibling() const;
    NodeRef LastSibling() const;
    NodeRef Root() const;
    int32_t Children() const { return m_childCount; }
    // Steps from a top-level node (0) down.
    int32_t level() const;
    TreeView* tree() const { return m_tree; }

    static void describe(ClassBuilder<Node>& b);

private:
    friend class Nodes;
    friend class TreeView;
    TreeView& affirmTree() const;
    std::string imageKey(const Variant& v) const;
    NodeRef ref(Node* n) const { return n ? std::static_pointer_cast<Node>(n->shared_from_this()) : nullptr; }

    TreeView* m_tree = nullptr;
    std::string m_key;
    std::string m_text;
    Variant m_tag;
    std::string m_image;
    std::string m_selectedImage;
    bool m_expanded = false;
    int32_t m_index = 0;
    int32_t m_childCount = 0;
    Node* m_parent = nullptr;
    Node* m_firstChild = nullptr;
    Node* m_lastChild = nullptr;
    Node* m_prev = nullptr;
    Node* m_next = nullptr;
};

// The nodes of one TreeView. Item takes a 1-based position (35600 outside 1..Count) or a key
// (35601 when unknown); keys are compared exactly and found by hash. Add fails with 35601 when the
// relative is not in the tree, 35602 when the key is taken, 35600 for a relative position out of
// range and 5 for a relationship outside 0..4; nothing is added then.
class Nodes : public Object {
    OV_OBJECT(Nodes)
public:
    explicit Nodes(TreeView& tree) : m_tree(&tree) {}
    ~Nodes() override;

    int32_t Count() const { return static_cast<int32_t>(m_items.size()); }
    NodeRef Item(const Variant& index) const;
    // Null when no node has the key.
    Node* find(std::string_view key) const;
    NodeRef Add(const std::optional<Variant>& Relative = {}, const std::optional<int16_t>& Relationship = {},
                const std::optional<std::string>& Key = {}, const std::optional<std::string>& Text = {},
                const std::optional<Variant>& Image = {}, const std::optional<Variant>& SelectedImage = {});
    // Add for code that holds the relative node and image keys already (null relative: top level).
    NodeRef insert(Node* relative, int16_t how, const std::string& key, const std::string& text,
                   const std::string& image = {}, const std::string& selectedImage = {});
    // Removes the node and its whole subtree (the selection moves to the node's parent, next or
    // previous sibling, or none).
    void Remove(const Variant& index);
    void Clear();
    // Top-level nodes, first to last.
    Node* firstRoot() const { return m_firstRoot; }
    const std::vector<NodeRef>& items() const { return m_items; }

    static void describe(ClassBuilder<Nodes>& b);

private:
    friend class TreeView;
    void link(Node& n, Node* parent, Node* before);
    void unlink(Node& n);
    void forget(Node& n);

    TreeView* m_tree;
    std::vector<NodeRef> m_items;
    std::unordered_map<std::string, Node*> m_byKey;
    Node* m_firstRoot = nullptr;
    Node* m_lastRoot = nullptr;
};

} // namespace ov
