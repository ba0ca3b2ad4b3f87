#include "platform/Frame.h"
#include "platform/Label.h"
#include "render/PangoTextMetrics.h"
#include "render/RenderFixture.h"

#include <cmath>

namespace ovtest {
namespace {

using namespace ov;

// A sketch at (0, 0) filling the form, in the button face colour.
class FramePaintTest : public RenderFixture {
protected:
    std::shared_ptr<Sketch> sketch;

    void SetUp() override {
        RenderFixture::SetUp();
        sketch = addSketch("Host", 0, 0, 300, 200);
    }
    Frame& frame(const std::string& name, int left, int top, int width, int height,
                 const std::string& caption) {
        auto& f = sketch->addChild<Frame>(name);
        f.Move(px(left), px(top), px(width), px(height));
        f.setCaption(caption);
        return f;
    }
};

TEST_F(FramePaintTest, ThinFrameWithoutCaptionIsAnEtchedSeparator) {
    // Two pixels high, as a wizard draws the line under its banner.
    frame("fraLine", 10, 50, 100, 2, "");
    Bitmap b = render();
    EXPECT_EQ(b.pixel(10, 50), kShadow);
    EXPECT_EQ(b.pixel(60, 50), kShadow);
    EXPECT_EQ(b.pixel(108, 50), kShadow);
    EXPECT_EQ(b.pixel(11, 51), kWhite);
    EXPECT_EQ(b.pixel(60, 51), kWhite);
    EXPECT_EQ(b.pixel(109, 51), kWhite);
    EXPECT_EQ(b.pixel(10, 49), kFace);
    EXPECT_EQ(b.pixel(60, 52), kFace);
}

TEST_F(FramePaintTest, EtchedRingRunsThroughTheCaptionLineAndBreaksForTheCaption) {
    frame("fraOptions", 10, 10, 150, 100, "Options");
    Bitmap b = render();
    const double lineHeight = PangoTextMetrics().lineHeight(Font::standard()) / 15;
    const int ringTop = 10 + static_cast<int>(std::floor(lineHeight / 2));
    EXPECT_EQ(b.pixel(12, ringTop), kShadow) << "ring top, left of the caption";
    EXPECT_EQ(b.pixel(13, ringTop + 1), kWhite);
    EXPECT_EQ(b.pixel(150, ringTop), kShadow) << "ring top, right of the caption";
    EXPECT_EQ(b.pixel(10, 60), kShadow) << "left side";
    EXPECT_EQ(b.pixel(11, 60), kWhite);
    EXPECT_EQ(b.pixel(158, 60), kShadow) << "right side";
    EXPECT_EQ(b.pixel(159, 60), kWhite);
    EXPECT_EQ(b.pixel(60, 108), kShadow) << "bottom";
    EXPECT_EQ(b.pixel(60, 109), kWhite);
    EXPECT_EQ(b.pixel(10, 10), kFace) << "nothing above the ring";
    EXPECT_EQ(b.pixel(16, ringTop), kFace) << "the gap before the caption";

    const double captionWidth = PangoTextMetrics().lineWidth(Font::standard(), "Options") / 15;
    Ink caption = inkIn(b, 16, 10, static_cast<int>(std::ceil(captionWidth)) + 4,
                        static_cast<int>(std::ceil(lineHeight)), kFace);
    ASSERT_GT(caption.count, 0);
    EXPECT_NEAR(caption.left, 18, 1);
    EXPECT_NEAR(caption.width(), captionWidth, 1.5);
}

TEST_F(FramePaintTest, BorderStyleNoneDrawsOnlyTheBackColor) {
    auto& f = frame("fraPlain", 10, 10, 100, 60, "Hidden caption");
    f.setBorderStyle(0);
    f.setBackColor(rgb(255, 255, 0));
    Bitmap b = render();
    EXPECT_EQ(inkIn(b, 10, 10, 100, 60, Rgb{255, 255, 0}).count, 0);
    EXPECT_EQ(b.pixel(9, 9), kFace);
}

TEST_F(FramePaintTest, ControlsInsideAreClippedToTheFrame) {
    auto& f = frame("fraHolder", 10, 10, 100, 60, "");
    auto& inside = sketch->addChild<Label>("lblInside", &f);
    inside.setBackColor(rgb(255, 0, 0));
    inside.Move(px(80), px(20), px(50), px(10));
    Bitmap b = render();
    EXPECT_EQ(b.pixel(90, 30), kRed) << "placed from the frame's corner";
    EXPECT_EQ(b.pixel(109, 30), kRed);
    EXPECT_EQ(b.pixel(110, 30), kFace) << "clipped at the frame's edge";
    EXPECT_EQ(b.pixel(89, 30), kFace);
}

TEST_F(FramePaintTest, DisabledCaptionIsEngraved) {
    auto& f = frame("fraOff", 10, 10, 200, 80, "Disabled caption");
    f.setFont(Font::create("Arial", 14, true));
    f.setEnabled(false);
    Bitmap b = render();
    EXPECT_GT(countIn(b, 16, 10, 184, 25, kWhite), 10);
    EXPECT_EQ(darkIn(b, 16, 10, 184, 25), 0);
}

} // namespace
} // namespace ovtest
