#include "platform/TextMetricsService.h"

#include "platform/Font.h"
#include "platform/Runtime.h"

#include <gtest/gtest.h>

namespace {

using ov::Font;
using Lines = std::vector<std::string>;

constexpr float kChar = 82.5f; // the standard 8.25-point font, headless
constexpr float kLine = 198;

TEST(HeadlessTextMetricsTest, WidthIsHalfTheSizeACharacterAndHeightOnePointTwoTimesTheSize) {
    ov::HeadlessTextMetrics m;
    auto standard = Font::standard();
    EXPECT_FLOAT_EQ(m.textWidth(standard, "abc"), 3 * kChar);
    EXPECT_FLOAT_EQ(m.textHeight(standard, "abc"), kLine);
    EXPECT_FLOAT_EQ(m.textWidth(Font::create("Arial", 12, true), "abc"), 3 * 120); // bold changes nothing
    EXPECT_FLOAT_EQ(m.lineHeight(Font::create("Arial", 12)), 288);
    EXPECT_FLOAT_EQ(m.textWidth(nullptr, "ab"), 2 * kChar);
    // Lines: the widest counts, every line is one line high; an empty text is one line high.
    EXPECT_FLOAT_EQ(m.textWidth(standard, "a\r\nabcd\nab"), 4 * kChar);
    EXPECT_FLOAT_EQ(m.textHeight(standard, "a\r\nabcd\nab"), 3 * kLine);
    EXPECT_FLOAT_EQ(m.textHeight(standard, "a\r\r\n"), 3 * kLine);
    EXPECT_FLOAT_EQ(m.textHeight(standard, ""), kLine);
    EXPECT_FLOAT_EQ(m.textWidth(standard, ""), 0);
    // Characters, not bytes.
    EXPECT_FLOAT_EQ(m.textWidth(standard, "\xc3\xa9t\xc3\xa9"), 3 * kChar);
}

TEST(HeadlessTextMetricsTest, TheRuntimeMeasuresThroughTheInstalledService) {
    ov::Runtime rt;
    struct Wide : ov::TextMetricsService {
        float lineWidth(const ov::FontRef&, std::string_view line) const override {
            return 1000.0f * line.size();
        }
        float lineHeight(const ov::FontRef&) const override { return 1; }
    };
    EXPECT_FLOAT_EQ(rt.textMetrics().textWidth(nullptr, "a"), kChar);
    rt.setTextMetrics(std::make_unique<Wide>());
    EXPECT_FLOAT_EQ(rt.textMetrics().textWidth(nullptr, "a"), 1000);
    rt.setTextMetrics(nullptr);
    EXPECT_FLOAT_EQ(rt.textMetrics().textWidth(nullptr, "a"), kChar);
}

TEST(WordWrapTest, BreaksAtTheLastBlankThatFits) {
    ov::HeadlessTextMetrics m;
    auto f = Font::standard();
    struct Case {
        const char* text;
        float chars; // width in characters
        Lines lines;
    } cases[] = {
        {"one two three", 13, {"one two three"}},        // exactly fits
        {"one two three", 12.99f, {"one two", "three"}}, // one twip short
        {"one two three", 7, {"one two", "three"}},
        {"one two three", 6.99f, {"one", "two", "three"}},
        {"one two three", 3, {"one", "two", "three"}},
        {"one two three", 2, {"one", "two", "three"}}, // words longer than the line overflow
        {"unbreakable", 4, {"unbreakable"}},
        {"a  b", 4, {"a  b"}},    // blanks inside a line are kept
        {"a   b", 2, {"a", "b"}}, // blanks at a break are dropped
        {"ab   ", 2, {"ab"}},
        {"  ab cd", 4, {"  ab", "cd"}}, // leading blanks stay with the first word
        {"a\r\nb c", 10, {"a", "b c"}}, // explicit breaks always break
        {"a\n\nb", 10, {"a", "", "b"}},
        {"", 10, {""}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(m.wrap(f, c.text, c.chars * kChar), c.lines) << '"' << c.text << "\" in " << c.chars;
}

} // namespace
