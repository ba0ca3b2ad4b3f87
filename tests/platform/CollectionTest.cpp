#include "platform/Collection.h"

#include "platform/FailureCapture.h"

#include <gtest/gtest.h>
#include <optional>
#include <string>
#include <vector>

namespace ov {
namespace {

using test::failureNumber;
using Items = std::vector<std::string>;

Items values(const Collection<std::string>& c) {
    return Items(c.begin(), c.end());
}

Collection<std::string> abc() {
    Collection<std::string> c;
    c.add("a", "KeyA");
    c.add("b", "KeyB");
    c.add("c", "KeyC");
    return c;
}

TEST(CollectionTest, PositionsAndKeysOutsideAreRefused) {
    auto c = abc();
    EXPECT_EQ(failureNumber([&] { c.keyAt(4); }), 9);
    EXPECT_EQ(failureNumber([&] { c.remove(0); }), 9);
    EXPECT_EQ(failureNumber([&] { c.remove("KeyD"); }), 5);
    EXPECT_EQ(values(c), (Items{"a", "b", "c"}));
}

TEST(CollectionTest, AddBeforeOrAfterAPosition) {
    struct Case {
        std::optional<size_t> before;
        std::optional<size_t> after;
        Items expected; // empty: refused with 5
    } cases[] = {
        {0, {}, {}},
        {1, {}, {"new", "a", "b", "c"}},
        {3, {}, {"a", "b", "new", "c"}}, // before the last (count)
        {4, {}, {}},                     // count + 1
        {{}, 0, {}},
        {{}, 1, {"a", "new", "b", "c"}},
        {{}, 3, {"a", "b", "c", "new"}}, // after the last
        {{}, 4, {}},
        {{}, {}, {"a", "b", "c", "new"}}, // neither: at the end
        {1, 1, {}},                       // both
    };
    for (const auto& [before, after, expected] : cases) {
        auto c = abc();
        SCOPED_TRACE("before " + (before ? std::to_string(*before) : "-") + " after " +
                     (after ? std::to_string(*after) : "-"));
        EXPECT_EQ(failureNumber([&] { c.add("new", "NewKey", before, after); }), expected.empty() ? 5 : 0);
        EXPECT_EQ(values(c), expected.empty() ? (Items{"a", "b", "c"}) : expected);
        // A refused add leaves no key behind.
        EXPECT_EQ(c.contains("NewKey") ? c.item("newkey") : "none", expected.empty() ? "none" : "new");
    }
    // Any anchor in an empty collection is refused too.
    for (size_t anchor : {size_t{0}, size_t{1}}) {
        Collection<std::string> empty;
        EXPECT_EQ(failureNumber([&] { empty.add("x", "", anchor); }), 5) << anchor;
        EXPECT_EQ(failureNumber([&] { empty.add("x", "", {}, anchor); }), 5) << anchor;
        EXPECT_TRUE(empty.empty());
    }
}

} // namespace
} // namespace ov
