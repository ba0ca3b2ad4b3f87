#include "platform/Color.h"

#include "platform/FailureCapture.h"
#include "platform/VariantTraits.h"

#include <gtest/gtest.h>
#include <limits>

namespace ov {
namespace {

using test::failureNumber;
using Traits = VariantTraits<OleColor>;

TEST(ColorTest, ReadsBackFromEitherRangeRoundingFirst) {
    struct Case {
        double in;
        OleColor out; // 0 with overflow set: failure 6
        bool overflow;
    } cases[] = {
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
