// The numeric test and whole-number conversion of typed text, as a spin box reads what was typed.
#include "platform/Variant.h"

#include <gtest/gtest.h>

namespace {

TEST(NumericTextTest, SignsCurrencyGroupsAndExponentsReadAsTheHostReadsThem) {
    struct Case {
        const char* text;
        bool numeric;
        double value;
    };
    const Case cases[] = {
        {" -12 ", true, -12}, {"12-", true, -12}, {"(12)", true, -12}, {"$1,234.50", true, 1234.5},
        {"-$5", true, -5},    {"$-5", true, -5},  {"5 $", true, 5},    {"1.5E3", true, 1500},
        {"2D-1", true, 0.2},  {".5", true, 0.5},  {"&H10", true, 16},  {"1,5", false, 0},
        {"--5", false, 0},    {"-5-", false, 0},  {"(-5)", false, 0},  {"(5", false, 0},
        {"$$5", false, 0},    {"1e", false, 0},   {",123", false, 0},  {"1,234,5", false, 0},
        {"inf", false, 0},    {".", false, 0},
    };
    for (const Case& c : cases) {
        double d = 0;
        EXPECT_EQ(ov::Variant::parseNumber(c.text, d), c.numeric) << c.text;
        if (c.numeric) {
            EXPECT_DOUBLE_EQ(d, c.value) << c.text;
        }
    }
}

TEST(NumericTextTest, WholeNumbersFromTextRoundHalvesToEven) {
    for (auto [text, whole] : {std::pair{"4.5", 4}, {"5.5", 6}, {"-2.5", -2}, {"$7.5", 8}, {"(0.5)", 0}})
        EXPECT_EQ(ov::Variant(text).toInt32(), whole) << text;
}

} // namespace
