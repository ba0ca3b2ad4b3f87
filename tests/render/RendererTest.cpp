#include "platform/Label.h"
#include "platform/Picture.h"
#include "render/RenderFixture.h"
#include "support/TestFiles.h"

#include <cmath>
#include <filesystem>

namespace ovtest {
namespace {

using namespace ov;

using RendererTest = RenderFixture;

std::pair<int, int> sizeOf(const Bitmap& b) {
    return {b.width(), b.height()};
}

TEST_F(RendererTest, ImageIsTheClientAreaInTheFormsBackColorSystemColoursResolved) {
    Bitmap b = render();
    EXPECT_EQ(sizeOf(b), std::pair(300, 200));
    expectColor(b, kWhite, {0, 0, 299, 199});
    EXPECT_EQ(b.argb(150, 100) >> 24, 0xFFu) << "opaque";
    form->setBackColor(sysColor::ButtonFace);
    EXPECT_EQ(render().pixel(10, 10), kFace);
    form->setBackColor(sysColor::InfoBackground);
    EXPECT_EQ(render().pixel(10, 10), (Rgb{255, 255, 225}));
}

TEST_F(RendererTest, SizeFollowsScaleSizeAndTwipsPerPixel) {
    // The standard wizard form: 7540 × 5775 twips with a sizable border and a title bar.
    auto wizard = Form::create("frmWizard", Mode::Design);
    wizard->setCaption("Setup");
    wizard->Move(0, 0, 7540, 5775);
    EXPECT_EQ(sizeOf(renderer.render(*wizard)), std::pair(int(std::lround(wizard->ScaleWidth() / 15)),
                                                          int(std::lround(wizard->ScaleHeight() / 15))));
    EXPECT_EQ(sizeOf(renderer.render(*wizard)), std::pair(495, 358));
    runtime.setTwipsPerPixel(12, 12); // 120 dpi
    EXPECT_EQ(sizeOf(render()), std::pair(375, 250));
    form->Move(0, 0, 0, 0);
    EXPECT_EQ(sizeOf(render()), std::pair(1, 1)) << "an empty client area still gives one pixel";
}

TEST_F(RendererTest, SurfaceHasItsBackColorAndBorder) {
    auto plain = addSketch("Plain", 10, 10, 40, 30);
    plain->setBackColor(rgb(255, 0, 0));
    auto framed = addSketch("Framed", 100, 10, 40, 30);
    framed->setBackColor(rgb(0, 0, 255));
    framed->setBorderStyle(1);
    Bitmap b = render();
    expectColor(b, kRed, {10, 10, 49, 39});
    expectColor(b, kWhite, {50, 40, 139, 39});
    expectColor(b, kShadow, {100, 10});
    expectColor(b, Rgb{64, 64, 64}, {101, 11});
    expectColor(b, kFace, {138, 38});
    expectColor(b, kBlue, {102, 12});
}

TEST_F(RendererTest, ConstituentControlsStartInsideTheBorder) {
    auto framed = addSketch("Framed", 10, 10, 60, 40);
    framed->setBorderStyle(1);
    auto& l = framed->addChild<Label>("lblCorner");
    l.setBackColor(rgb(255, 0, 0));
    l.Move(0, 0, px(5), px(5));
    Bitmap b = render();
    expectColor(b, kRed, {12, 12});
    expectColor(b, Rgb{64, 64, 64}, {11, 11});
}

TEST_F(RendererTest, ControlsAreDrawnBackToFront) {
    auto back = addSketch("Back", 10, 10, 50, 50);
    back->setBackColor(rgb(255, 0, 0));
    auto front = addSketch("Front", 30, 30, 50, 50);
    front->setBackColor(rgb(0, 0, 255));
    EXPECT_EQ(render().pixel(40, 40), kBlue);
    back->extender().ZOrder(0);
    EXPECT_EQ(render().pixel(40, 40), kRed);
}

TEST_F(RendererTest, ConstituentOutsideItsSurfaceIsClipped) {
    auto host = addSketch("Host", 50, 50, 40, 40);
    auto& l = host->addChild<Label>("lblWide");
    l.setBackColor(rgb(255, 0, 0));
    l.Move(px(-20), px(10), px(100), px(10));
    Bitmap b = render();
    expectColor(b, kRed, {50, 60, 89, 60});
    expectColor(b, kWhite, {49, 60, 90, 60});
}

TEST_F(RendererTest, ControlInsideAContainerControlIsPlacedAndClippedByIt) {
    auto outer = addSketch("Outer", 20, 20, 100, 60);
    outer->setControlContainer(true);
    outer->setBorderStyle(1);
    outer->setBackColor(rgb(0, 0, 255));
    auto inner = addSketch("Inner", 0, 0, 200, 10);
    inner->setBackColor(rgb(255, 0, 0));
    inner->extender().setContainer(outer->extenderRef());
    inner->extender().Move(px(10), px(10));
    // Made after the container, but drawn over it: it sits inside it.
    outer->extender().ZOrder(0);
    Bitmap b = render();
    // Placed from the container's inner corner; the container's border stays, nothing outside it.
    expectColor(b, kRed, {32, 32, 117, 35});
    expectColor(b, kBlue, {31, 31});
    expectColor(b, kFace, {118, 35});
    expectColor(b, kWhite, {125, 35});

    outer->extender().setVisible(false);
    EXPECT_EQ(inkIn(render(), 0, 0, 300, 200, kWhite).count, 0) << "hidden with its container";
}

TEST_F(RendererTest, RenderToPngWritesTheImageAndTheOneShotFunctionMatches) {
    addSketch("Host", 10, 10, 50, 50)->setBackColor(rgb(255, 0, 0));
    const TestFolder dir{"ovcomctl_render_png"};
    const std::string path = (dir / "form.png").string();
    renderer.renderToPng(*form, path);
    auto picture = Picture::load(path);
    EXPECT_EQ(std::pair(picture->widthPixels(), picture->heightPixels()), std::pair(300, 200));
    EXPECT_EQ(renderForm(*form).pixels(), render().pixels()) << "the one-shot function draws the same";
}

TEST_F(RendererTest, PaintingLeavesTheFormAsItWas) {
    auto host = addSketch("Host", 10, 10, 50, 50);
    auto& l = host->addChild<Label>("lblFit");
    l.setAutoSize(true);
    l.setCaption("Fits");
    form->markSaved();
    const auto size = std::pair(l.Width(), l.Height());
    render();
    EXPECT_FALSE(form->needsSaving());
    EXPECT_EQ(std::pair(l.Width(), l.Height()), size);
}

} // namespace
} // namespace ovtest
