#pragma once

#include "platform/Variant.h"

#include <initializer_list>
#include <vector>

namespace ov {

// The arguments of a by-name call or event, 0-based in declaration order. Writes to an argument that
// the member declares by reference come back to the caller (or, for events, to the raiser).
struct Args {
    std::vector<Variant> values;

    Args() = default;
    Args(std::initializer_list<Variant> v) : values(v) {}

    Variant& operator[](size_t i) { return values.at(i); }
    const Variant& operator[](size_t i) const { return values.at(i); }
    size_t size() const { return values.size(); }
    bool empty() const { return values.empty(); }
};

} // namespace ov
