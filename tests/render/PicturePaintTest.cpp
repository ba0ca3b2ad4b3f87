#include "platform/Image.h"
#include "platform/Label.h"
#include "platform/Picture.h"
#include "platform/PictureBox.h"
#include "render/RenderFixture.h"

#include <algorithm>

namespace ovtest {
namespace {

using namespace ov;

// A white sketch at (0, 0) filling the form.
class PicturePaintTest : public WhiteHostFixture {
protected:
    // A picture of w × h pixels, its left half red and its right half blue.
    static PictureRef halves(int w, int h) {
        Bitmap b(w, h);
        for (int y = 0; y < h; ++y) {
            for (int x = 0; x < w; ++x)
                b.pixels()[static_cast<size_t>(y * w + x)] = x < w / 2 ? 0xFFFF0000u : 0xFF0000FFu;
        }
        return Picture::fromPng(b.encodePng());
    }
};

TEST_F(PicturePaintTest, ImageDrawsItsPictureAtItsPlace) {
    auto& img = place<Image>("imgA", 20, 30, 1, 1);
    img.setPicture(Picture::fromPng(solidPng(10, 8, kRed)));
    ASSERT_FLOAT_EQ(img.Width(), px(10));
    // Transparent pixels show what is behind.
    place<Image>("imgClear", 100, 100, 1, 1).setPicture(Picture::fromPng(Bitmap(4, 4).encodePng()));
    Bitmap b = render();
    expectColor(b, kWhite, {101, 101, 19, 30, 30, 30, 20, 38});
    expectColor(b, kRed, {20, 30, 29, 37});
}

TEST_F(PicturePaintTest, StretchFillsTheControlOtherwiseThePictureKeepsItsSize) {
    auto& natural = sketch->addChild<Image>("imgNatural");
    natural.setPicture(halves(10, 10));
    natural.Move(px(10), px(10), px(40), px(40));
    auto& stretched = place<Image>("imgStretched", 100, 10, 40, 40);
    stretched.setStretch(true);
    stretched.setPicture(halves(10, 10));
    Bitmap b = render();
    // An unstretched picture does not grow.
    expectColor(b, kRed, {12, 12});
    expectColor(b, kBlue, {17, 12});
    expectColor(b, kWhite, {25, 25});

    expectColor(b, kRed, {105, 45, 115, 25});
    expectColor(b, kBlue, {125, 25, 138, 48});
    expectColor(b, kWhite, {140, 30, 120, 50});
}

TEST_F(PicturePaintTest, PictureBoxHasASunkenEdgeAndItsPictureInside) {
    auto& box = place<PictureBox>("picBox", 10, 10, 60, 40);
    box.setBackColor(rgb(255, 255, 0));
    box.setPicture(Picture::fromPng(solidPng(5, 5, kRed)));
    auto& flat = place<PictureBox>("picFlat", 100, 10, 60, 40);
    flat.setBorderStyle(0);
    flat.setPicture(Picture::fromPng(solidPng(5, 5, kRed)));
    Bitmap b = render();
    // Without a border the picture starts at the corner; with one, at the inner corner of a sunken edge.
    expectColor(b, kRed, {100, 10, 12, 12, 16, 16});
    expectColor(b, kFace, {105, 15, 68, 48});
    expectColor(b, kShadow, {10, 10});
    expectColor(b, kDarkShadow, {11, 11});
    expectColor(b, kWhite, {69, 49});
    expectColor(b, Rgb{255, 255, 0}, {17, 17});
}

TEST_F(PicturePaintTest, PrintedTextIsDrawnWhereItWasPrinted) {
    auto& box = place<PictureBox>("picPrint", 10, 10, 200, 100);
    box.setBackColor(rgb(255, 255, 255));
    box.setForeColor(rgb(0, 0, 255));
    box.setCurrentX(px(20));
    box.setCurrentY(px(30));
    box.Print("Printed");
    Ink ink = inkIn(render(), 12, 12, 196, 96, kWhite);
    ASSERT_GT(ink.count, 0);
    EXPECT_NEAR(ink.left, 12 + 20, 1);
    EXPECT_GE(ink.top, 12 + 30);
    EXPECT_NEAR(ink.width(), box.TextWidth("Printed") / 15, 1.0);

    box.Cls();
    EXPECT_EQ(inkIn(render(), 12, 12, 196, 96, kWhite).count, 0);
}

TEST_F(PicturePaintTest, ControlsInsideAPictureBoxAreClippedToItsInnerArea) {
    auto& box = place<PictureBox>("picHolder", 10, 10, 60, 40);
    box.setBackColor(rgb(255, 255, 255));
    auto& inside = sketch->addChild<Label>("lblInside", &box);
    inside.setBackColor(rgb(0, 0, 255));
    inside.Move(px(-10), px(5), px(100), px(10));
    Bitmap b = render();
    // The edge stays on both sides, and nothing shows outside the box.
    expectColor(b, kBlue, {12, 17, 67, 17});
    expectColor(b, kDarkShadow, {11, 17});
    expectColor(b, kWhite, {69, 17, 75, 17});
}

TEST_F(PicturePaintTest, HiddenPictureBoxHidesWhatIsInside) {
    auto& box = place<PictureBox>("picHidden", 10, 10, 60, 40);
    sketch->addChild<Label>("lblInside", &box).setBackColor(rgb(0, 0, 255));
    box.setVisible(false);
    EXPECT_EQ(inkIn(render(), 0, 0, 300, 200, kWhite).count, 0);
}

} // namespace
} // namespace ovtest
