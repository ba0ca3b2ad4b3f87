#pragma once

#include "platform/Failure.h"
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

    // A position past the arguments is failure 9, as for any subscript.
    Variant& operator[](size_t i) { return values[checked(i)]; }
    const Variant& operator[](size_t i) const { return values[checked(i)]; }
    size_t size() const { return values.size(); }
    bool empty() const { return values.empty(); }

private:
    size_t checked(size_t i) const {
        if (i >= values.size()) throw Failure(err::SubscriptOutOfRange);
        return i;
    }
};

} // namespace ov
