#include "options/OvTreeFunctions.h"

#include "platform/TreeView.h"

#include <unordered_map>
#include <vector>

namespace ov {

namespace {
struct Placed {
    const COption* option;
    size_t position; // 1-based, for failure texts
};
} // namespace

void LoadTree(TreeView& tree, const OptionCollection& options, bool editor) {
    Nodes& nodes = tree.nodes();
    nodes.Clear();
    // Each level is the items whose parent key matches (letter case ignored), in collection order;
    // grouping once replaces one scan of the collection per parent.
    std::unordered_map<std::string, std::vector<Placed>> byParent;
    size_t position = 0;
    for (const COptionRef& o : options)
        byParent[upperCase(o->strParentKey)].push_back({o.get(), ++position});

    struct Level {
        const std::vector<Placed>* items;
        size_t next;
    };
    std::vector<Level> stack;
    if (auto top = byParent.find(" "); top != byParent.end()) stack.push_back({&top->second, 0});
    // The walk of the recursive loader, with the levels on a stack of our own: a chain of nested
    // folders may be deeper than the call stack.
    while (!stack.empty()) {
        Level& level = stack.back();
        if (level.next == level.items->size()) {
            stack.pop_back();
            continue;
        }
        const Placed p = (*level.items)[level.next++];
        const COption& o = *p.option;
        const std::string key = upperCase(o.strKey);
        Node* relative = nullptr;
        if (o.isPage() || (nodes.Count() > 0 && o.strParentKey != " ")) {
            relative = nodes.find(upperCase(o.strParentKey));
            if (!relative) {
                throw Failure(err::ElementNotFound, failureText(err::ElementNotFound) + " (option " +
                                                        std::to_string(p.position) + ", key " +
                                                        shown(o.strKey) + ": no parent node " +
                                                        shown(o.strParentKey) + ")");
            }
        }
        NodeRef node;
        if (o.isPage())
            node = nodes.insert(relative, tvw::Child, key, o.strName, {}, editor ? "ARROW" : "");
        else
            node = nodes.insert(relative, relative ? tvw::Child : tvw::Last, key, o.strName, "CLOSEDFOLDER",
                                "CLOSEDFOLDER");
        node->letTag(editor ? Variant(static_cast<int32_t>(o.eOptionType)) : Variant(o.iTabIndex));
        if (auto children = byParent.find(key); children != byParent.end())
            stack.push_back({&children->second, 0});
    }
}

void SetSelectedProperty(const OptionCollection& options, const std::string& value, const std::string& key) {
    COption* o = &options.at(key);
    o->strSelectedProperty = value;
    // Bounded by the collection's size: a parent chain that loops stops once every item was seen.
    for (size_t steps = options.items().count(); o->strParentKey != " " && steps > 0; --steps) {
        o = &options.at(o->strParentKey);
        o->strSelectedProperty = value;
    }
}

bool IsValidIndex(const std::string& text) {
    try {
        return Variant(text).toInt16() > 0;
    } catch (const Failure&) {
        return false;
    }
}

} // namespace ov
