// What one frame may cost: images and decoded pictures are capped, and shapes far larger than the
// image cost what their visible part costs.
#include "platform/CommandButton.h"
#include "platform/FailureCapture.h"
#include "platform/FormFileSamples.h"
#include "platform/Image.h"
#include "platform/Picture.h"
#include "render/RenderFixture.h"

namespace ovtest {
namespace {

using namespace ov;

using ov::test::failureText;

using RenderLimitsTest = RenderFixture;

TEST_F(RenderLimitsTest, AFormBeyondThePixelLimitsFailsBeforeAnythingIsAllocated) {
    struct Case {
        float width, height;
        std::string failure;
    } cases[] = {
        {px(4000), px(4000), ""},
        {px(8192), px(4096), ""},
        {px(8192), px(4097), "7 Out of memory (a form of 8192 x 4097 pixels is more than 33554432 pixels)"},
        {245700, 245700, "7 Out of memory (a form of 16380 x 16380 pixels is more than 33554432 pixels)"},
        {px(16385), px(10), "7 Out of memory (a form of 245775.000000 twips is more than 16384 pixels)"},
    };
    for (const Case& c : cases) {
        form->Move(0, 0, c.width, c.height);
        EXPECT_EQ(failureText([&] { renderer.render(*form); }), c.failure) << c.width << " x " << c.height;
    }
}

TEST_F(RenderLimitsTest, APictureBeyondTheLimitIsNotDecoded) {
    auto sketch = addSketch("Host", 0, 0, 300, 200);
    auto& img = sketch->addChild<Image>("imgHuge");
    // Only the header: decoding it would allocate its size in full before finding the data missing.
    img.setPicture(Picture::fromPng(samplePng(20000, 20000)));
    EXPECT_EQ(failureText([&] { render(); }),
              "7 Out of memory (a picture of 20000 x 20000 pixels is more than 33554432 pixels)");
    img.setPicture(Picture::fromPng(samplePng(8192, 4097)));
    EXPECT_EQ(failureText([&] { render(); }),
              "7 Out of memory (a picture of 8192 x 4097 pixels is more than 33554432 pixels)");
    // A picture within the limit is drawn, and the renderer goes on working after a refusal.
    img.setPicture(Picture::fromPng(solidPng(4, 4, Rgb{255, 0, 0})));
    EXPECT_EQ(render().pixel(1, 1), (Rgb{255, 0, 0}));
}

TEST_F(RenderLimitsTest, AFocusRingMuchWiderThanTheImageKeepsItsRhythmWhereItShows) {
    form = Form::create("frmRun", Mode::Run);
    form->Move(0, 0, px(320), px(240));
    auto sketch = addSketch("Host", 10, 10, 200, 100);
    auto& wide = sketch->addChild<CommandButton>("cmdWide");
    // Two million pixels wide, starting a million pixels left of the image.
    wide.Move(px(-999990), px(10), px(2000000), px(30));
    form->show();
    wide.SetFocus();
    ASSERT_TRUE(wide.hasFocus());
    const Bitmap b = render();
    // The ring runs 4 pixels inside the button: from x = -999976, 1999992 wide, rows 24 and 45. Walked
    // clockwise from its top-left corner, every other pixel is set: on the top row where the distance
    // from that corner is even, on the bottom row where the whole walk to it (top, right side, then
    // back along the bottom) is even.
    const Rgb black{0, 0, 0};
    const Rgb face{212, 208, 200};
    // No side of the ring is in view at (20, 25).
    expectColor(b, black, {20, 24, 208, 24, 21, 45, 209, 45});
    expectColor(b, face, {21, 24, 20, 45, 20, 25});
}

} // namespace
} // namespace ovtest
