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
    // Each number and the colour read back from it (none: failure 6).
    const std::pair<double, std::optional<OleColor>> cases[] = {
        {255.5, 256}, // halves to even
        {4294967295.0, 0xFFFFFFFFu},
        {4294967295.4, 0xFFFFFFFFu},
        {4294967295.5, {}}, // rounds to 2^32
        {4294967296.0, {}},
        {-1.0, 0xFFFFFFFFu},
        {-2147483648.0, 0x80000000u},
        {-2147483648.5, 0x80000000u}, // rounds to -2^31
        {-2147483648.6, {}},
        {-2147483649.0, {}},
        {std::numeric_limits<double>::quiet_NaN(), {}},
        {std::numeric_limits<double>::infinity(), {}},
    };
    for (const auto& [in, out] : cases) {
        std::optional<OleColor> read;
        EXPECT_EQ(failureNumber([&] { read = Traits::from(Variant(in)); }), out ? 0 : 6) << std::fixed << in;
        EXPECT_EQ(read, out) << std::fixed << in;
    }
    EXPECT_EQ(failureNumber([] { Traits::from(Variant("red")); }), 13);
}

} // namespace
} // namespace ov
