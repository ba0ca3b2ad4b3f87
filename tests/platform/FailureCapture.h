#pragma once

#include "platform/Failure.h"

#include <optional>

namespace ov::test {

// Runs `f` and returns the ov::Failure it raised, or nothing when it returned normally. Any other
// exception escapes, so a test sees it as an error rather than as a missing failure.
template <class F>
std::optional<Failure> failureFrom(F&& f) {
    try {
        f();
    } catch (const Failure& e) {
        return e;
    }
    return std::nullopt;
}

// The failure number `f` raised, or 0 when it raised none.
template <class F>
int failureNumber(F&& f) {
    auto e = failureFrom(f);
    return e ? e->number() : 0;
}

} // namespace ov::test
