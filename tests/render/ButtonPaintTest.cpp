#include "platform/CommandButton.h"
#include "platform/Font.h"
#include "render/RenderFixture.h"

#include <algorithm>

namespace ovtest {
namespace {

using namespace ov;

// A sketch at (10, 10) on the white form; its buttons are 80 × 30 pixels, the first at (10, 10) in the
// sketch, that is (20, 20) in the image.
class ButtonPaintTest : public SketchFixture {
protected:
    void SetUp() override {
        SketchFixture::SetUp();
        sketch->extender().Move(px(10), px(10), px(200), px(100));
    }
    CommandButton& button(const std::string& name, int left, const std::string& caption = "") {
        return place<CommandButton>(name, left, 10, 80, 30, caption);
    }
};

TEST_F(ButtonPaintTest, ClassicRaisedEdgeAroundTheFaceInTheButtonsBackColor) {
    button("cmdPlain", 10);
    button("cmdRed", 100).setBackColor(rgb(200, 0, 0));
    Bitmap b = render();
    expectColor(b, Rgb{200, 0, 0}, {150, 35});
    expectColor(b, kWhite, {110, 20});
    const int x = 20, y = 20;
    struct Probe {
        int dx, dy;
        Rgb color;
        const char* where;
    } probes[] = {
        {0, 0, kWhite, "outer top-left corner"},
        {40, 0, kWhite, "outer top edge"},
        {0, 15, kWhite, "outer left edge"},
        {79, 0, kDarkShadow, "top-right corner belongs to the right edge"},
        {0, 29, kDarkShadow, "bottom-left corner belongs to the bottom edge"},
        {79, 29, kDarkShadow, "outer bottom-right corner"},
        {1, 1, kFace, "inner top-left (3D light)"},
        {78, 28, kShadow, "inner bottom-right"},
        {40, 28, kShadow, "inner bottom edge"},
        {78, 15, kShadow, "inner right edge"},
        {40, 15, kFace, "face"},
        {80, 15, kFace, "sketch surface right of the button"},
    };
    for (const auto& p : probes)
        EXPECT_EQ(b.pixel(x + p.dx, y + p.dy), p.color) << p.where;
}

TEST_F(ButtonPaintTest, DefaultButtonHasABlackRingOutsideItsEdge) {
    button("cmdOK", 10).setDefault(true);
    Bitmap b = render();
    // The black ring outside; the raised edge moved one pixel in.
    expectColor(b, kBlack, {20, 20, 99, 49, 60, 20});
    expectColor(b, kWhite, {21, 21});
    expectColor(b, kDarkShadow, {98, 48});
    expectColor(b, kShadow, {97, 47});
}

TEST_F(ButtonPaintTest, CaptionIsCentredInButtonText) {
    button("cmdOK", 10, "OK");
    Bitmap b = render();
    Ink ink = inkIn(b, 23, 23, 74, 24, kFace);
    ASSERT_GT(ink.count, 0);
    EXPECT_NEAR((ink.left + ink.right) / 2.0, 60, 1.5);
    EXPECT_NEAR((ink.top + ink.bottom) / 2.0, 35, 2.5);
    EXPECT_EQ(b.pixel(20, 20), kWhite); // the caption leaves the edge alone
}

TEST_F(ButtonPaintTest, DisabledCaptionIsEngraved) {
    auto& cmd = button("cmdOff", 10, "Off");
    cmd.setEnabled(false);
    cmd.setFont(Font::create("Arial", 12, true));
    Bitmap b = render();
    // Light pixels of the highlight copy, grey ones of the shadow copy over it; no button-text ink. The
    // highlight copy lies one pixel down: its bottom row shows under the shadow copy.
    int light = 0, grey = 0, lightBottom = 0, greyBottom = 0;
    for (int y = 23; y < 47; ++y) {
        for (int x = 23; x < 97; ++x) {
            const Rgb c = b.pixel(x, y);
            if (std::min({c.r, c.g, c.b}) >= 235) ++light, lightBottom = y;
            if (std::max({c.r, c.g, c.b}) <= 160) ++grey, greyBottom = y;
        }
    }
    EXPECT_GT(light, 0);
    EXPECT_GT(grey, 0);
    EXPECT_GT(lightBottom, greyBottom);
    EXPECT_EQ(darkIn(b, 23, 23, 74, 24), 0);
}

TEST_F(ButtonPaintTest, FocusedButtonHasADottedRingAndTheDefaultLook) {
    form = Form::create("frmRun", Mode::Run);
    form->Move(0, 0, px(320), px(240));
    sketch = addSketch("Host", 10, 10, 200, 100);
    auto& ok = button("cmdOK", 10);
    ok.setDefault(true);
    auto& other = button("cmdOther", 100);
    form->show();
    other.SetFocus();
    ASSERT_TRUE(other.hasFocus());
    Bitmap b = render();
    // The focused button (at 110, 20) takes the black ring; the Default button loses it meanwhile.
    expectColor(b, kBlack, {110, 20});
    expectColor(b, kWhite, {20, 20});
    // The focus ring: every other pixel, 4 pixels inside the bounds.
    expectColor(b, kBlack, {114, 24, 116, 24, 114, 26});
    expectColor(b, kFace, {115, 24, 114, 25, 113, 24});
    EXPECT_EQ(b.pixel(24, 24), kFace) << "no focus ring on the other button";

    ok.SetFocus();
    Bitmap again = render();
    expectColor(again, kBlack, {20, 20, 24, 24});
    expectColor(again, kWhite, {110, 20});
}

TEST_F(ButtonPaintTest, AccessKeyMarksAreNotDrawnButUnderlineTheirLetterAndADoubledMarkIsOneAmpersand) {
    button("cmdPlain", 10, "Next");
    button("cmdKey", 100, "&Next");
    Bitmap b = render();
    Ink plain = inkIn(b, 23, 23, 74, 24, kFace);
    Ink key = inkIn(b, 113, 23, 74, 24, kFace);
    ASSERT_GT(plain.count, 0);
    EXPECT_EQ(key.width(), plain.width()) << "the & takes no room";
    EXPECT_GT(key.count, plain.count) << "the underline adds ink";
    EXPECT_GE(key.bottom, plain.bottom);
    // A doubled mark is one ampersand; a lone mark is nothing.
    sketch->child<CommandButton>("cmdPlain").setCaption("&");
    sketch->child<CommandButton>("cmdKey").setCaption("&&");
    b = render();
    EXPECT_EQ(inkIn(b, 23, 23, 74, 24, kFace).count, 0);
    EXPECT_GT(inkIn(b, 113, 23, 74, 24, kFace).count, 0);
}

} // namespace
} // namespace ovtest
