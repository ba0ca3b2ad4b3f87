#pragma once

#include "platform/Failure.h"

#include <optional>
#include <string>

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

// "<number> <description>" of the failure `f` raised, or "" when it raised none.
template <class F>
std::string failureText(F&& f) {
    auto e = failureFrom(f);
    return e ? std::to_string(e->number()) + " " + e->description() : std::string();
}

} // namespace ov::test
