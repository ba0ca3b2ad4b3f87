#include "platform/Frame.h"
#include "platform/Label.h"
#include "render/PangoTextMetrics.h"
#include "render/RenderFixture.h"

#include <cmath>

namespace ovtest {
namespace {

using namespace ov;

using FramePaintTest = SketchFixture;

TEST_F(FramePaintTest, ThinFrameWithoutCaptionIsAnEtchedSeparator) {
    // Two pixels high, as a wizard draws the line under its banner.
    place<Frame>("fraLine", 10, 50, 100, 2, "");
    Bitmap b = render();
    expectColor(b, kShadow, {10, 50, 60, 50, 108, 50});
    expectColor(b, kWhite, {11, 51, 60, 51, 109, 51});
    expectColor(b, kFace, {10, 49, 60, 52});
}

TEST_F(FramePaintTest, EtchedRingRunsThroughTheCaptionLineAndBreaksForTheCaption) {
    place<Frame>("fraOptions", 10, 10, 150, 100, "Options");
    Bitmap b = render();
    const double lineHeight = PangoTextMetrics().lineHeight(Font::standard()) / 15;
    const int ringTop = 10 + static_cast<int>(std::floor(lineHeight / 2));
    // The ring's top left and right of the caption, its left, right and bottom sides, each with its light
    // line inside; nothing above the ring, and a gap before the caption.
    expectColor(b, kShadow, {12, ringTop, 150, ringTop, 10, 60, 158, 60, 60, 108});
    expectColor(b, kWhite, {13, ringTop + 1, 11, 60, 159, 60, 60, 109});
    expectColor(b, kFace, {10, 10, 16, ringTop});

    const double captionWidth = PangoTextMetrics().lineWidth(Font::standard(), "Options") / 15;
    Ink caption = inkIn(b, 16, 10, static_cast<int>(std::ceil(captionWidth)) + 4,
                        static_cast<int>(std::ceil(lineHeight)), kFace);
    ASSERT_GT(caption.count, 0);
    EXPECT_NEAR(caption.left, 18, 1);
    EXPECT_NEAR(caption.width(), captionWidth, 1.5);
}

TEST_F(FramePaintTest, BorderStyleNoneDrawsOnlyTheBackColor) {
    auto& f = place<Frame>("fraPlain", 10, 10, 100, 60, "Hidden caption");
    f.setBorderStyle(0);
    f.setBackColor(rgb(255, 255, 0));
    Bitmap b = render();
    EXPECT_EQ(inkIn(b, 10, 10, 100, 60, Rgb{255, 255, 0}).count, 0);
    EXPECT_EQ(b.pixel(9, 9), kFace);
}

TEST_F(FramePaintTest, ControlsInsideAreClippedToTheFrame) {
    auto& f = place<Frame>("fraHolder", 10, 10, 100, 60, "");
    auto& inside = sketch->addChild<Label>("lblInside", &f);
    inside.setBackColor(rgb(255, 0, 0));
    inside.Move(px(80), px(20), px(50), px(10));
    Bitmap b = render();
    // Placed from the frame's corner and clipped at its edge.
    expectColor(b, kRed, {90, 30, 109, 30});
    expectColor(b, kFace, {110, 30, 89, 30});
}

TEST_F(FramePaintTest, DisabledCaptionIsEngraved) {
    auto& f = place<Frame>("fraOff", 10, 10, 200, 80, "Disabled caption");
    f.setFont(Font::create("Arial", 14, true));
    f.setEnabled(false);
    Bitmap b = render();
    EXPECT_GT(countIn(b, 16, 10, 184, 25, kWhite), 10);
    EXPECT_EQ(darkIn(b, 16, 10, 184, 25), 0);
}

} // namespace
} // namespace ovtest
