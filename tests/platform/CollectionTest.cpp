#include "platform/Collection.h"

#include "platform/FailureCapture.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <iterator>
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

Items keys(const Collection<std::string>& c) {
    Items out;
    for (size_t i = 1; i <= c.count(); ++i)
        out.push_back(c.keyAt(i));
    return out;
}

Collection<std::string> abc() {
    Collection<std::string> c;
    c.add("a", "KeyA");
    c.add("b", "KeyB");
    c.add("c", "KeyC");
    return c;
}

TEST(CollectionTest, PositionsStartAtOne) {
    auto c = abc();
    EXPECT_EQ(c.count(), 3u);
    EXPECT_EQ(c.item(1), "a");
    EXPECT_EQ(c.item(3), "c");
    Collection<std::string> empty;
    EXPECT_TRUE(empty.empty());
    for (size_t bad : {size_t{0}, size_t{4}, static_cast<size_t>(-1)}) {
        EXPECT_EQ(failureNumber([&] { c.item(bad); }), 9) << bad;
        EXPECT_EQ(failureNumber([&] { c.keyAt(bad); }), 9) << bad;
        EXPECT_EQ(failureNumber([&] { empty.item(bad == 4 ? 1 : bad); }), 9) << bad;
    }
}

TEST(CollectionTest, KeysIgnoreLetterCaseKeepTheirSpellingAndAMissingOneIs5) {
    auto c = abc();
    EXPECT_EQ(c.item("keyb"), "b");
    EXPECT_EQ(c.item("KEYC"), "c");
    ASSERT_NE(c.find("kEyA"), nullptr);
    EXPECT_EQ(*c.find("kEyA"), "a");
    EXPECT_TRUE(c.contains("KEYA"));
    EXPECT_EQ(keys(c), (Items{"KeyA", "KeyB", "KeyC"}));
    // A missing key is 5.
    EXPECT_EQ(failureNumber([&] { c.item("KeyD"); }), 5);
    EXPECT_EQ(failureNumber([&] { c.item(""); }), 5); // an unkeyed item cannot be found by key
    EXPECT_EQ(c.find("KeyD"), nullptr);
    EXPECT_FALSE(c.contains("Key"));
    EXPECT_EQ(failureNumber([&] { c.remove("KeyD"); }), 5);
    EXPECT_EQ(c.count(), 3u);
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
    };
    for (const auto& t : cases) {
        auto c = abc();
        std::string label = "before " + (t.before ? std::to_string(*t.before) : "-") + " after " +
                            (t.after ? std::to_string(*t.after) : "-");
        int failure = failureNumber([&] { c.add("new", "NewKey", t.before, t.after); });
        if (t.expected.empty()) {
            EXPECT_EQ(failure, 5) << label;
            EXPECT_EQ(values(c), (Items{"a", "b", "c"})) << label;
            EXPECT_FALSE(c.contains("NewKey")) << label; // a refused add leaves no key behind
        } else {
            EXPECT_EQ(failure, 0) << label;
            EXPECT_EQ(values(c), t.expected) << label;
            EXPECT_EQ(c.item("newkey"), "new") << label;
        }
    }
    // Both anchors at once, or any anchor in an empty collection, are refused too.
    auto c = abc();
    EXPECT_EQ(failureNumber([&] { c.add("new", "NewKey", 1, 1); }), 5);
    EXPECT_EQ(values(c), (Items{"a", "b", "c"}));
    EXPECT_FALSE(c.contains("NewKey"));
    for (size_t anchor : {size_t{0}, size_t{1}}) {
        Collection<std::string> empty;
        EXPECT_EQ(failureNumber([&] { empty.add("x", "", anchor); }), 5) << anchor;
        EXPECT_EQ(failureNumber([&] { empty.add("x", "", {}, anchor); }), 5) << anchor;
        EXPECT_TRUE(empty.empty());
    }
}

TEST(CollectionTest, DuplicateKeyIs457EvenInAnotherCase) {
    auto c = abc();
    for (const char* key : {"KeyB", "keyb", "KEYB"}) {
        EXPECT_EQ(failureNumber([&] { c.add("again", key); }), 457) << key;
        EXPECT_EQ(failureNumber([&] { c.add("again", key, 1); }), 457) << key;
    }
    EXPECT_EQ(values(c), (Items{"a", "b", "c"}));
    EXPECT_EQ(c.item("KeyB"), "b");
    // Items without a key never clash.
    c.add("plain");
    c.add("plain");
    EXPECT_EQ(c.count(), 5u);
}

TEST(CollectionTest, RemoveByPositionOrKey) {
    auto c = abc();
    c.remove(2);
    EXPECT_EQ(values(c), (Items{"a", "c"}));
    EXPECT_FALSE(c.contains("KeyB"));
    c.add("b2", "KeyB"); // the key is free again
    c.remove("KEYA");
    EXPECT_EQ(values(c), (Items{"c", "b2"}));
    EXPECT_EQ(keys(c), (Items{"KeyC", "KeyB"}));
    for (size_t bad : {size_t{0}, size_t{3}})
        EXPECT_EQ(failureNumber([&] { c.remove(bad); }), 9) << bad;
    EXPECT_EQ(c.count(), 2u);
    c.remove(1);
    c.remove(1);
    EXPECT_TRUE(c.empty());
    EXPECT_EQ(failureNumber([&] { c.remove(1); }), 9);
}

TEST(CollectionTest, KeyedRemovalKeepsOtherKeysFindable) {
    Collection<std::string> c;
    for (int i = 1; i <= 6; ++i)
        c.add("v" + std::to_string(i), "k" + std::to_string(i));
    c.add("unkeyed", "", 1);
    c.remove("K2");
    c.remove(4); // v4, now at position 4 after the unkeyed item and the removal
    c.remove("k6");
    EXPECT_EQ(values(c), (Items{"unkeyed", "v1", "v3", "v5"}));
    EXPECT_EQ(keys(c), (Items{"", "k1", "k3", "k5"}));
    for (int i : {1, 3, 5})
        EXPECT_EQ(c.item("K" + std::to_string(i)), "v" + std::to_string(i));
    for (int i : {2, 4, 6})
        EXPECT_FALSE(c.contains("k" + std::to_string(i)));
    EXPECT_EQ(c.item(3), "v3");
}

TEST(CollectionTest, IterationFollowsPositions) {
    Collection<std::string> c;
    c.add("third");
    c.add("first", "", 1);
    c.add("second", "", {}, 1);
    c.add("fourth", "", {}, 3);
    EXPECT_EQ(values(c), (Items{"first", "second", "third", "fourth"}));
    Items byPosition;
    for (size_t i = 1; i <= c.count(); ++i)
        byPosition.push_back(c.item(i));
    EXPECT_EQ(byPosition, values(c));
    static_assert(std::forward_iterator<Collection<std::string>::const_iterator>);
    auto second = std::find(c.begin(), c.end(), "second");
    ASSERT_NE(second, c.end());
    EXPECT_EQ(*std::next(second), "third");
    c.clear();
    EXPECT_EQ(c.begin(), c.end());
    EXPECT_FALSE(c.contains(""));
}

} // namespace
} // namespace ov
