#include "platform/Font.h"
#include "platform/Label.h"
#include "render/PangoTextMetrics.h"
#include "render/RenderFixture.h"

#include <algorithm>
#include <cmath>

namespace ovtest {
namespace {

using namespace ov;

// A green sketch at (0, 0) filling the form; labels are placed in it.
class LabelPaintTest : public SketchFixture {
protected:
    void SetUp() override {
        SketchFixture::SetUp();
        sketch->setBackColor(rgb(0, 255, 0));
    }
    Label& label(const std::string& name, int left, int top, int width, int height,
                 const std::string& caption = "") {
        return place<Label>(name, left, top, width, height, caption);
    }
};

TEST_F(LabelPaintTest, OpaqueLabelFillsItsBoundsTransparentOneDoesNot) {
    label("lblOpaque", 10, 10, 50, 20).setBackColor(rgb(0, 0, 255));
    auto& clear = label("lblClear", 100, 10, 50, 20);
    clear.setBackColor(rgb(0, 0, 255));
    clear.setBackStyle(0);
    Bitmap b = render();
    expectColor(b, Rgb{0, 0, 255}, {10, 10, 59, 29});
    expectColor(b, kGreen, {60, 30, 120, 20});
}

TEST_F(LabelPaintTest, AlignmentPlacesEachLine) {
    struct Case {
        int16_t alignment;
        const char* name;
        double at; // where the ink's left edge, right edge or middle stands
    } cases[] = {{0, "left", 50}, {1, "right", 250}, {2, "centre", 150}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        auto& l = label(std::string("lbl") + c.name, 50, 40, 200, 20, "Hi");
        l.setBackStyle(0);
        l.setAlignment(c.alignment);
        const Ink ink = inkIn(render(), 0, 40, 300, 20, kGreen);
        ASSERT_GT(ink.count, 0);
        const double edges[] = {double(ink.left), double(ink.right), (ink.left + ink.right) / 2.0};
        EXPECT_NEAR(edges[c.alignment], c.at, 2);
        if (c.alignment == 1) {
            EXPECT_GE(ink.left, 250 - std::ceil(PangoTextMetrics().lineWidth(l.Font(), "Hi") / 15) - 1);
        }
        const std::string name = l.Name();
        sketch->removeChild(name);
    }
}

TEST_F(LabelPaintTest, DisabledTextIsEngraved) {
    auto& l = label("lblOff", 10, 10, 150, 30, "Disabled");
    l.setFont(Font::create("Arial", 14, true));
    l.setBackColor(rgb(212, 208, 200));
    l.setEnabled(false);
    Bitmap b = render();
    EXPECT_GT(countIn(b, 10, 10, 150, 30, kWhite), 10);
    EXPECT_GT(countIn(b, 10, 10, 150, 30, kShadow), 10);
    EXPECT_EQ(darkIn(b, 10, 10, 150, 30), 0);
}

TEST_F(LabelPaintTest, MeasuredWidthIsDrawnWidth) {
    // "Welcome" in Arial 8 bold, the first words of a welcome page: the label sizes itself with the
    // pango metrics the renderer installed, and the drawing fills that size.
    auto& l = label("lblWelcome", 20, 20, 10, 10);
    l.setBackStyle(0);
    l.setFont(Font::create("Arial", 8, true));
    l.setAutoSize(true);
    l.setCaption("Welcome");
    const double measured = l.Width() / 15.0;
    Ink ink = inkIn(render(), 0, 0, 300, 60, kGreen);
    ASSERT_GT(ink.count, 0);
    EXPECT_NEAR(ink.left, 20, 1);
    EXPECT_NEAR(ink.width(), measured, 1.0) << "measured " << measured << " px";
    EXPECT_LE(ink.bottom, 20 + std::ceil(l.Height() / 15.0));
}

TEST_F(LabelPaintTest, WrappedLabelDrawsTheLinesItMeasured) {
    auto& l = label("lblWrap", 10, 10, 80, 10);
    l.setBackStyle(0);
    l.setWordWrap(true);
    l.setAutoSize(true);
    l.setCaption("one two three four five six seven");
    const auto lines = l.lines();
    ASSERT_GE(lines.size(), 3u);
    const double lineHeight = PangoTextMetrics().lineHeight(l.Font());
    EXPECT_FLOAT_EQ(l.Height(), static_cast<float>(lines.size() * lineHeight));
    Ink ink = inkIn(render(), 0, 0, 300, 200, kGreen);
    EXPECT_LE(ink.right, 90) << "no line passes the label's width";
    EXPECT_GT(ink.bottom, 10 + (lines.size() - 1) * lineHeight / 15);
    EXPECT_LE(ink.bottom, 10 + std::ceil(l.Height() / 15));
}

TEST_F(LabelPaintTest, TextIsClippedToTheLabel) {
    auto& l = label("lblNarrow", 10, 10, 12, 20, "Overflowing text");
    l.setBackStyle(0);
    Bitmap b = render();
    EXPECT_GT(inkIn(b, 10, 10, 12, 20, kGreen).count, 0);
    EXPECT_EQ(inkIn(b, 22, 0, 278, 200, kGreen).count, 0);
}

} // namespace
} // namespace ovtest
