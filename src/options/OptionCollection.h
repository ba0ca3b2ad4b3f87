#pragma once

#include "options/COption.h"
#include "platform/Collection.h"

#include <cstdint>
#include <optional>
#include <string>

namespace ov {

// The host's general-purpose collection, holding COption items: what OvTreeBase.mcolOptions,
// AddNodes and DecodeOptions hand around. Positions are 1-based, keys compared without letter case
// and found by hash. Item takes a position (9 outside 1..Count) or a key (5 when unknown); Add
// refuses anything but a COption (13) and a key already used (457). Hosts create one as
// "VBA.Collection"; it is not part of the library's type library.
class OptionCollection : public Object {
public:
    static constexpr const char* kClassName = "Collection";
    static const ClassInfo& staticClass();
    const ClassInfo& classInfo() const override { return staticClass(); }

    void Add(const Variant& Item, const std::optional<std::string>& Key = {},
             const std::optional<Variant>& Before = {}, const std::optional<Variant>& After = {});
    int32_t Count() const { return static_cast<int32_t>(m_items.count()); }
    COptionRef Item(const Variant& index) const;
    void Remove(const Variant& index);

    // Typed access inside the library.
    void add(COptionRef item, const std::string& key) { m_items.add(std::move(item), key); }
    const COption* find(std::string_view key) const {
        const COptionRef* o = m_items.find(key);
        return o ? o->get() : nullptr;
    }
    // The item under `key`; 5 when there is none.
    COption& at(std::string_view key) const { return *m_items.item(key); }
    const Collection<COptionRef>& items() const { return m_items; }
    auto begin() const { return m_items.begin(); }
    auto end() const { return m_items.end(); }

    static void describe(ClassBuilder<OptionCollection>& b);

private:
    size_t position(const Variant& v) const;

    Collection<COptionRef> m_items;
};

using OptionCollectionRef = std::shared_ptr<OptionCollection>;

} // namespace ov
