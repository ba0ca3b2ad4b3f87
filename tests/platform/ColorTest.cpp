#include "platform/Color.h"

#include "platform/FailureCapture.h"
#include "platform/VariantTraits.h"

#include <gtest/gtest.h>
#include <limits>

namespace ov {
namespace {

using test::failureNumber;
using Traits = VariantTraits<OleColor>;

TEST(ColorTest, ResolvesRgbAndSystemColours) {
    struct Case {
        OleColor colour;
        Rgb expected;
    } cases[] = {
        {rgb(1, 2, 3), {1, 2, 3}},
        {0x00FFFFFF, {255, 255, 255}},
        {sysColor::ScrollBar, {200, 200, 200}},
        {sysColor::ButtonFace, {212, 208, 200}},
        {sysColor::Highlight, {10, 36, 106}},
        {sysColor::HighlightText, {255, 255, 255}},
        {sysColor::InfoBackground, {255, 255, 225}}, // the last in the table
        {0x80000019, {0, 0, 0}},                     // past the table: black
        {0x8000FFFF, {0, 0, 0}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(resolveColor(c.colour), c.expected) << std::hex << c.colour;
    EXPECT_TRUE(isSystemColor(sysColor::WindowText));
    EXPECT_FALSE(isSystemColor(rgb(255, 255, 255)));
}

TEST(ColorTest, TravelsAsTheHostsSignedLong) {
    Variant v = Traits::to(sysColor::ButtonFace);
    EXPECT_EQ(v.type(), Variant::Type::Long);
    EXPECT_EQ(v.toInt32(), -2147483633);
    EXPECT_EQ(Traits::from(v), sysColor::ButtonFace);
    EXPECT_EQ(Traits::from(Variant("&H8000000F")), sysColor::ButtonFace);
    EXPECT_EQ(Traits::from(Variant(int32_t{0x00C0C0C0})), rgb(192, 192, 192));
}

TEST(ColorTest, ReadsBackFromEitherRangeRoundingFirst) {
    struct Case {
        double in;
        OleColor out; // 0 with overflow set: failure 6
        bool overflow;
    } cases[] = {
        {0.0, 0, false},
        {255.5, 256, false}, // halves to even
        {4294967295.0, 0xFFFFFFFFu, false},
        {4294967295.4, 0xFFFFFFFFu, false},
        {4294967295.5, 0, true}, // rounds to 2^32
        {4294967296.0, 0, true},
        {-1.0, 0xFFFFFFFFu, false},
        {-2147483648.0, 0x80000000u, false},
        {-2147483648.5, 0x80000000u, false}, // rounds to -2^31
        {-2147483648.6, 0, true},
        {-2147483649.0, 0, true},
    };
    for (const auto& c : cases) {
        if (c.overflow) {
            EXPECT_EQ(failureNumber([&] { Traits::from(Variant(c.in)); }), 6) << std::fixed << c.in;
        } else {
            EXPECT_EQ(Traits::from(Variant(c.in)), c.out) << std::fixed << c.in;
        }
    }
    EXPECT_EQ(failureNumber([] { Traits::from(Variant(std::numeric_limits<double>::quiet_NaN())); }), 6);
    EXPECT_EQ(failureNumber([] { Traits::from(Variant(std::numeric_limits<double>::infinity())); }), 6);
    EXPECT_EQ(failureNumber([] { Traits::from(Variant("red")); }), 13);
}

} // namespace
} // namespace ov
