// Reading a stored value as its property takes it: conversions as a by-name write makes them, ranges,
// and the refusal a bag keeps for whoever filled it.
#include "platform/Font.h"
#include "platform/PropertyBag.h"

#include <gtest/gtest.h>
#include <limits>

using namespace ov;

TEST(PropertyBagReadAsTest, ConvertsLikeAByNameWriteAndKeepsTheFirstRefusal) {
    PropertyBag bag;
    bag.put("Width", Variant("1500"));
    bag.put("gap", Variant(std::numeric_limits<double>::quiet_NaN()));
    bag.put("Visible", Variant("abc"));
    bag.put("Size", Variant(2000000));
    bag.put("Font", Variant(12));

    EXPECT_EQ(bag.readAs<int32_t>("width", 0), 1500); // numeric text converts; keys ignore case
    EXPECT_EQ(bag.readAs<int32_t>("Missing", 7), 7);
    EXPECT_FALSE(bag.refusal());

    EXPECT_EQ(bag.readAs<int32_t>("GAP", 165), 165); // refused: the default
    EXPECT_EQ(bag.readAs<bool>("Visible", true), true);
    EXPECT_EQ(bag.readAs<int32_t>("Size", 5, {0, 1000000}), 5);
    EXPECT_EQ(bag.readAs<FontRef>("Font", nullptr), nullptr);
    ASSERT_TRUE(bag.refusal());
    // The first one is kept, under the key as the bag stores it.
    EXPECT_EQ(bag.refusal()->key, "gap");
    EXPECT_EQ(bag.refusal()->problem, "the Double NaN does not convert to Long");
    bag.clear();
    EXPECT_FALSE(bag.refusal());
}

TEST(PropertyBagReadAsTest, RefusalTexts) {
    struct Case {
        Variant stored;
        std::string problem;
    };
    const Case cases[] = {
        {Variant("abc"), "the String \"abc\" does not convert to Integer"},
        {Variant(40000), "the Long 40000 does not convert to Integer"},
        {Variant(int16_t{-3}), "the Integer -3 is outside 0 to 1"},
        {Variant(1.5), "the Double 1.5 is outside 0 to 1"},
        {Variant(std::string(50, 'x')), "the String \"" + std::string(40, 'x') + "...\" does not convert to Integer"},
        {Variant(std::const_pointer_cast<Font>(Font::create("Arial", 9, false))),
         "the StdFont object does not convert to Integer"},
    };
    for (const Case& c : cases) {
        PropertyBag bag;
        bag.put("BorderStyle", c.stored);
        EXPECT_EQ(bag.readAs<int16_t>("BorderStyle", 0, {0, 1}), 0);
        ASSERT_TRUE(bag.refusal());
        EXPECT_EQ(bag.refusal()->problem, c.problem);
    }
}
