#pragma once

#include "platform/Object.h"

#include <cstddef>
#include <vector>

namespace ov {

// What a collection's NewEnum hands to a host's for-each: a snapshot of the items, walked once.
class Enumerator : public Object {
    OV_OBJECT(Enumerator)
public:
    explicit Enumerator(std::vector<Variant> items) : m_items(std::move(items)) {}

    // The next item, or Empty when the walk is over (check Done()).
    Variant Next();
    bool Done() const { return m_position >= m_items.size(); }
    void Reset() { m_position = 0; }

    static void describe(ClassBuilder<Enumerator>& b);

private:
    std::vector<Variant> m_items;
    size_t m_position = 0;
};

} // namespace ov
