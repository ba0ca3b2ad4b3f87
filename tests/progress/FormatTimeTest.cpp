#include "progress/FormatTime.h"

#include "platform/FailureCapture.h"

#include <gtest/gtest.h>
#include <limits>

namespace ovtest {
namespace {

TEST(FormatTimeTest, TruncatesHoursAndMinutesRoundsSecondsHalfToEvenAndWrapsAtADay) {
    struct Case {
        float seconds;
        const char* text;
    };
    const Case cases[] = {
        {0, "00:00:00"},       {0.5f, "00:00:00"},  {1.5f, "00:00:02"},     {2.5f, "00:00:02"},
        {59.4f, "00:00:59"},   {59.5f, "00:00:00"}, {119.6f, "00:01:00"},   {3599, "00:59:59"},
        {3600, "01:00:00"},    {86399, "23:59:59"}, {86400, "00:00:00"},    {360000, "04:00:00"},
        {-0.4f, "-01:-01:00"}, {-1, "-01:-01:-01"}, {-59.5f, "-01:-01:00"}, {-3725, "-02:-03:-05"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ov::FormatTime(c.seconds), c.text) << c.seconds;
}

TEST(FormatTimeTest, SecondsBeyondTheWholeNumberRangeOverflow) {
    for (float v : {3e9f, -3e9f, std::numeric_limits<float>::quiet_NaN()})
        EXPECT_EQ(ov::test::failureNumber([&] { ov::FormatTime(v); }), ov::err::Overflow) << v;
}

} // namespace
} // namespace ovtest
