// Writing with the range a property declares mirrors reading with it: a number outside is stored as
// given and refused, so that whoever empties the bag (a form-file save) can refuse what a load would.
#include "platform/PropertyBag.h"

#include <gtest/gtest.h>
#include <limits>

using namespace ov;

TEST(PropertyBagWriteRangeTest, ANumberOutsideIsStoredAndTheFirstRefusalKept) {
    const PropertyBag::Range sizes{0, 1000000};
    struct Case {
        Variant value;
        Variant defaultValue;
        const char* problem; // nullptr: taken
    };
    const Case cases[] = {
        {Variant(0), Variant(1120), nullptr},
        {Variant(1000000), Variant(1120), nullptr},
        {Variant(1120), Variant(1120), nullptr}, // the default: not stored
        {Variant(-1), Variant(1120), "the Long -1 is outside 0 to 1000000"},
        {Variant(1000001), Variant(1120), "the Long 1000001 is outside 0 to 1000000"},
        {Variant(1000000.5), Variant(1120), "the Double 1000000.5 is outside 0 to 1000000"},
        {Variant(std::numeric_limits<double>::quiet_NaN()), Variant(1120),
         "the Double NaN is outside 0 to 1000000"},
        {Variant("2000000"), Variant(1120), nullptr}, // text is no number: the range is the reader's to apply
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.problem ? c.problem : "taken");
        PropertyBag bag;
        bag.write("ButtonWidth", c.value, c.defaultValue, sizes);
        EXPECT_EQ(bag.contains("buttonwidth"), !PropertyBag::sameAsDefault(c.value, c.defaultValue));
        ASSERT_EQ(bag.refusal().has_value(), c.problem != nullptr);
        if (c.problem) {
            EXPECT_EQ(bag.refusal()->key, "ButtonWidth");
            EXPECT_EQ(bag.refusal()->problem, c.problem);
        }
    }

    PropertyBag bag;
    bag.write("ButtonGapTop", Variant(-1000001), Variant(210), {-1000000, 1000000});
    bag.write("ButtonWidth", Variant(2000000), Variant(1120), sizes);
    bag.write("ButtonHeight", Variant(345), Variant(345)); // no range: nothing to refuse
    ASSERT_TRUE(bag.refusal());
    EXPECT_EQ(bag.refusal()->key, "ButtonGapTop");
    EXPECT_EQ(bag.read("ButtonWidth"), Variant(2000000)); // the bag describes the control as it is
    // A read of the same value refuses it the same way.
    PropertyBag loaded;
    loaded.put("ButtonGapTop", Variant(-1000001));
    EXPECT_EQ(loaded.readAs<int32_t>("ButtonGapTop", 210, {-1000000, 1000000}), 210);
    EXPECT_EQ(loaded.refusal()->problem, bag.refusal()->problem);
    bag.clear();
    EXPECT_FALSE(bag.refusal());
}
