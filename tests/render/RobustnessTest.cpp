#include "platform/CommandButton.h"
#include "platform/Font.h"
#include "platform/Frame.h"
#include "platform/Image.h"
#include "platform/Label.h"
#include "platform/Line.h"
#include "platform/Picture.h"
#include "platform/PictureBox.h"
#include "render/RenderFixture.h"

namespace ovtest {
namespace {

using namespace ov;

// Whatever a form holds, painting it completes.
using RobustnessTest = SketchFixture;

TEST_F(RobustnessTest, EmptyCaptions) {
    sketch->addChild<CommandButton>("cmdEmpty").setDefault(true);
    sketch->addChild<Label>("lblEmpty").setAutoSize(true);
    auto& wrapped = sketch->addChild<Label>("lblWrapped");
    wrapped.setWordWrap(true);
    wrapped.setAutoSize(true);
    sketch->addChild<Frame>("fraEmpty");
    const Bitmap b = render();
    EXPECT_EQ(b.pixel(150, 150), kFace);
}

TEST_F(RobustnessTest, MissingFontsFallBack) {
    auto missing = Font::create("No Such Font At All", 9, true);
    auto& cmd = sketch->addChild<CommandButton>("cmdFont");
    cmd.setCaption("&Missing");
    cmd.setFont(missing);
    auto& label = place<Label>("lblFont", 0, 50, 1, 1);
    label.setFont(missing);
    label.setAutoSize(true);
    label.setCaption("Missing font");
    EXPECT_GT(inkIn(render(), 0, 50, 300, 20, Rgb{212, 208, 200}).count, 0) << "drawn in the fallback family";
}

TEST_F(RobustnessTest, BrokenPicturesDrawNothing) {
    // A PNG header that promises 10 × 10 pixels, with nothing decodable after it.
    std::string header("\x89PNG\r\n\x1a\n\0\0\0\x0dIHDR\0\0\0\x0a\0\0\0\x0a\x08\x02\0\0\0", 29);
    auto broken = Picture::fromPng(header + "garbage");
    ASSERT_EQ(broken->widthPixels(), 10);
    place<Image>("imgBroken", 10, 10, 1, 1).setPicture(broken);
    auto& stretched = place<Image>("imgStretched", 30, 10, 40, 40);
    stretched.setStretch(true);
    stretched.setPicture(broken);
    auto& box = place<PictureBox>("picBroken", 100, 10, 50, 50);
    box.setPicture(broken);
    box.setBackColor(rgb(255, 255, 0));
    const Bitmap b = render();
    expectColor(b, kFace, {15, 15, 50, 30});
    expectColor(b, Rgb{255, 255, 0}, {125, 35});
    ASSERT_NO_THROW(render()) << "a picture that failed once is not a different failure the second time";
}

TEST_F(RobustnessTest, ZeroSizedAndFarAwayControls) {
    place<CommandButton>("cmdFlat", 10, 10, 0, 0, "Flat");
    place<Label>("lblFar", 0, 0, 50, 20, "far").Move(-1.0e9f, 1.0e9f);
    sketch->addChild<Line>("linFar").setEnds(-1.0e9f, 0, 1.0e9f, px(10));
    place<Frame>("fraTiny", 50, 50, 1, 1, "Tiny");
    addSketch("Empty", 200, 100, 0, 0);
    EXPECT_NO_THROW(render());
}

TEST_F(RobustnessTest, TextThatIsNotUtf8) {
    sketch->addChild<Label>("lblBytes").setCaption("caf\xe9 \xff&\xfe");
    auto& box = sketch->addChild<PictureBox>("picBytes");
    box.Move(px(0), px(40));
    box.Print("\xc3");
    EXPECT_NO_THROW(render());
}

TEST_F(RobustnessTest, RemovedControlIsGone) {
    sketch->addChild<CommandButton>("cmdGone").setDefault(true);
    form->remove("Host");
    EXPECT_EQ(inkIn(render(), 0, 0, 300, 200, kWhite).count, 0);
}

} // namespace
} // namespace ovtest
