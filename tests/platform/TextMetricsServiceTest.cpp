#include "platform/TextMetricsService.h"

#include "platform/Font.h"

#include <gtest/gtest.h>

namespace {

using ov::Font;
using Lines = std::vector<std::string>;

constexpr float kChar = 82.5f; // the standard 8.25-point font, headless

TEST(WordWrapTest, BreaksAtTheLastBlankThatFits) {
    ov::HeadlessTextMetrics m;
    auto f = Font::standard();
    // A text, the width in characters, and the lines it wraps to.
    const std::tuple<const char*, float, Lines> cases[] = {
        {"one two three", 13, {"one two three"}},        // exactly fits
        {"one two three", 12.99f, {"one two", "three"}}, // one twip short
        {"one two three", 7, {"one two", "three"}},
        {"one two three", 6.99f, {"one", "two", "three"}},
        {"one two three", 2, {"one", "two", "three"}}, // words longer than the line overflow
        {"unbreakable", 4, {"unbreakable"}},
        {"a  b", 4, {"a  b"}},    // blanks inside a line are kept
        {"a   b", 2, {"a", "b"}}, // blanks at a break are dropped
        {"ab   ", 2, {"ab"}},
        {"  ab cd", 4, {"  ab", "cd"}}, // leading blanks stay with the first word
        {"a\r\nb c", 10, {"a", "b c"}}, // explicit breaks always break
        {"a\n\nb", 10, {"a", "", "b"}},
        {"", 10, {""}},
        {"\xc3\xa9t\xc3\xa9 ab", 6, {"\xc3\xa9t\xc3\xa9 ab"}}, // characters are measured, not bytes
    };
    for (const auto& [text, chars, lines] : cases)
        EXPECT_EQ(m.wrap(f, text, chars * kChar), lines) << '"' << text << "\" in " << chars;
}

} // namespace
