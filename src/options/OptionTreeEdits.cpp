#include "options/OptionTreeEdits.h"

#include "options/OvTreeFunctions.h"
#include "platform/Text.h"

#include <algorithm>
#include <unordered_map>
#include <unordered_set>
#include <vector>

namespace ov {

namespace {

using KeySet = std::unordered_set<std::string>; // upper-case keys

// Upper-case keys of every item below `key` (not the item itself), nearest first. A work list
// rather than recursion: a chain of nested folders may be deeper than the call stack.
std::vector<std::string> keysBelow(const OptionCollection& options, const std::string& key) {
    std::unordered_map<std::string, std::vector<const COption*>> byParent;
    for (const COptionRef& o : options)
        byParent[upperCase(o->strParentKey)].push_back(o.get());
    std::vector<std::string> below;
    KeySet seen{upperCase(key)};
    std::vector<std::string> work{upperCase(key)};
    while (!work.empty()) {
        const std::string parent = std::move(work.back());
        work.pop_back();
        auto children = byParent.find(parent);
        if (children == byParent.end()) continue;
        for (const COption* c : children->second) {
            std::string k = upperCase(c->strKey);
            if (!seen.insert(k).second) continue; // a parent chain that loops ends here
            below.push_back(k);
            work.push_back(std::move(k));
        }
    }
    return below;
}

// The key of the first property page whose parent is `parentKey`, or " ".
std::string firstPageUnder(const OptionCollection& options, const std::string& parentKey) {
    for (const COptionRef& o : options) {
        if (o->isPage() && equalsNoCase(o->strParentKey, parentKey)) return o->strKey;
    }
    return " ";
}

// The text after a key's last backslash; for a top-level key "_NAME", NAME.
std::string lastPart(const std::string& key) {
    const size_t slash = key.rfind('\\');
    if (slash != std::string::npos) return key.substr(slash + 1);
    return key.starts_with('_') ? key.substr(1) : key;
}

// A key with its last part left out: "PARENT\" or "_".
std::string stem(const std::string& key) {
    const size_t slash = key.rfind('\\');
    return slash == std::string::npos ? std::string("_") : key.substr(0, slash + 1);
}

Variant at(size_t position) {
    return Variant(static_cast<int32_t>(position));
}

} // namespace

std::string optionKeyFor(const std::string& parentKey, const std::string& name) {
    return upperCase(parentKey == " " ? "_" + name : parentKey + "\\" + name);
}

size_t optionPosition(const OptionCollection& options, std::string_view key) {
    size_t position = 0;
    for (const COptionRef& o : options) {
        ++position;
        if (equalsNoCase(o->strKey, key)) return position;
    }
    return 0;
}

void removeOption(OptionCollection& options, const std::string& key) {
    const COptionRef item = options.Item(Variant(key));
    const std::string parent = item->strParentKey;
    if (item->isPage()) {
        options.Remove(Variant(key));
        if (parent != " " && options.find(parent))
            SetSelectedProperty(options, firstPageUnder(options, parent), parent);
        return;
    }
    const std::vector<std::string> below = keysBelow(options, key);
    // Deepest first, so a child always goes before its parent.
    for (auto k = below.rbegin(); k != below.rend(); ++k) {
        if (options.find(*k)) options.Remove(Variant(*k));
    }
    options.Remove(Variant(key));

    // The run-time tree cannot show a remembered page that is gone: ancestors that named one of the
    // removed pages take the nearest page that is left under the container's parent.
    KeySet removed(below.begin(), below.end());
    removed.insert(upperCase(key));
    const std::string replacement = parent == " " ? std::string(" ") : firstPageUnder(options, parent);
    std::string ancestor = parent;
    for (size_t steps = options.items().count(); ancestor != " " && steps > 0; --steps) {
        const COption* a = options.find(ancestor);
        if (!a) break;
        COption& edited = options.at(ancestor);
        if (removed.contains(upperCase(a->strSelectedProperty))) edited.strSelectedProperty = replacement;
        ancestor = a->strParentKey;
    }
}

void moveOption(OptionCollection& options, const std::string& key, const std::string& anchorKey,
                bool before) {
    const size_t from = optionPosition(options, key);
    if (from == 0 || optionPosition(options, anchorKey) == 0) throw Failure(err::InvalidProcedureCall);
    const COptionRef item = options.Item(at(from));
    const std::string collectionKey = options.items().keyAt(from);
    options.Remove(at(from));
    const size_t anchor = optionPosition(options, anchorKey);
    if (before)
        options.Add(Variant(ObjectRef(item)), collectionKey, at(anchor));
    else
        options.Add(Variant(ObjectRef(item)), collectionKey, std::nullopt, at(anchor));
}

std::string renameOption(OptionCollection& options, const std::string& key, const std::string& newName) {
    const size_t position = optionPosition(options, key);
    if (position == 0) throw Failure(err::InvalidProcedureCall);
    const COptionRef old = options.Item(at(position));
    const std::string newKey = stem(old->strKey) + newName;

    // Old upper-case key -> new key, the renamed item first, then every item below it from its
    // parent's new key.
    std::unordered_map<std::string, std::string> rekeyed{{upperCase(old->strKey), newKey}};
    for (const std::string& k : keysBelow(options, old->strKey)) {
        const COption& o = options.at(k);
        rekeyed.emplace(k, rekeyed.at(upperCase(o.strParentKey)) + "\\" + lastPart(o.strKey));
    }
    KeySet taken;
    for (const auto& [oldKey, fresh] : rekeyed) {
        const COption* holder = options.find(fresh);
        const bool heldByOther = holder && !rekeyed.contains(upperCase(holder->strKey));
        if (heldByOther || !taken.insert(upperCase(fresh)).second) throw Failure(err::DuplicateKey);
    }
    auto renamed = [&](const std::string& k) {
        auto it = rekeyed.find(upperCase(k));
        return it == rekeyed.end() ? k : it->second;
    };

    auto fresh = std::make_shared<COption>();
    fresh->eOptionType = old->eOptionType;
    fresh->strParentKey = old->strParentKey;
    fresh->iTabIndex = old->iTabIndex;
    fresh->strSelectedProperty = old->strSelectedProperty;
    fresh->strName = newName;
    fresh->strKey = newKey;

    // Re-keyed items leave the collection (last first) and come back at their old positions (first
    // first), so every position in between is what it was.
    std::vector<std::pair<size_t, COptionRef>> moved;
    size_t p = 0;
    for (const COptionRef& o : options) {
        ++p;
        COption& item = p == position ? *fresh : *o;
        item.strParentKey = renamed(item.strParentKey);
        item.strSelectedProperty = renamed(item.strSelectedProperty);
        if (p == position)
            moved.emplace_back(p, fresh);
        else if (rekeyed.contains(upperCase(o->strKey)))
            moved.emplace_back(p, o);
    }
    for (auto m = moved.rbegin(); m != moved.rend(); ++m)
        options.Remove(at(m->first));
    for (auto& [pos, item] : moved) {
        if (item != fresh) item->strKey = renamed(item->strKey);
        if (pos <= static_cast<size_t>(options.Count()))
            options.Add(Variant(ObjectRef(item)), item->strKey, at(pos));
        else
            options.Add(Variant(ObjectRef(item)), item->strKey);
    }
    return newKey;
}

} // namespace ov
