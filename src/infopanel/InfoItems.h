#pragma once

#include "infopanel/InfoItem.h"
#include "platform/Collection.h"

#include <cstdint>
#include <string>

namespace ov {

// The panel's records, in the order they were added, keyed by name without regard to letter case.
// Failures are the keyed collection's own: a missing name 5, a position outside 1..Count 9, a name
// already used 457.
class InfoItems : public Object {
    OV_OBJECT(InfoItems)
public:
    // By 1-based position or by name.
    InfoItemRef Item(const Variant& IndexKey) const;
    ObjectRef NewEnum() const;
    // A record with Index = Count + 1, appended under sName.
    InfoItemRef Add(const std::string& sName, const std::string& sValue);
    int32_t Count() const { return static_cast<int32_t>(m_items.count()); }
    void Remove(const Variant& IndexKey);
    void Clear() { m_items = {}; }

    // Typed look-up by name: null when there is none.
    InfoItemRef find(std::string_view name) const;

    static void describe(ClassBuilder<InfoItems>& b);

private:
    Collection<InfoItemRef> m_items;
};

} // namespace ov
