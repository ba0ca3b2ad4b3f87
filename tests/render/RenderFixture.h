#pragma once

#include "platform/ClassBuilder.h"
#include "platform/Extender.h"
#include "platform/Form.h"
#include "platform/Runtime.h"
#include "platform/UserControl.h"
#include "render/Bitmap.h"
#include "render/Renderer.h"

#include <gtest/gtest.h>
#include <initializer_list>
#include <memory>
#include <optional>
#include <string>

namespace ov {
// For readable failures of EXPECT_EQ on colours.
inline void PrintTo(const Rgb& c, std::ostream* os) {
    *os << "rgb(" << int(c.r) << ", " << int(c.g) << ", " << int(c.b) << ")";
}
} // namespace ov

namespace ovtest {

// A bare control for the renderer tests, registered as "OvComCtlRenderTest.Sketch": no constituent
// controls of its own; each test adds the ones it draws.
class Sketch : public ov::UserControl {
    OV_OBJECT(Sketch)
public:
    static constexpr const char* kProgId = "OvComCtlRenderTest.Sketch";
    static void registerOnce();
    static void describe(ov::ClassBuilder<Sketch>&) {}
};

// Pixel positions in twips at 15 twips per pixel.
constexpr float px(int pixels) {
    return static_cast<float>(pixels) * 15.0f;
}

// Pixels that differ from a background colour.
struct Ink {
    int left = 0, top = 0, right = 0, bottom = 0; // right and bottom exclusive
    int count = 0;
    int width() const { return right - left; }
    int height() const { return bottom - top; }
};

// The box around the pixels inside [x, x + w) × [y, y + h) that are not `background`, or (inkOf) that
// are `color`.
Ink inkIn(const ov::Bitmap& b, int x, int y, int w, int h, ov::Rgb background);
Ink inkOf(const ov::Bitmap& b, int x, int y, int w, int h, ov::Rgb color);
// How many pixels inside [x, x + w) × [y, y + h) are `color` (or, with `darkerThan`, have a red
// component below it).
int countIn(const ov::Bitmap& b, int x, int y, int w, int h, ov::Rgb color);
int darkIn(const ov::Bitmap& b, int x, int y, int w, int h, int darkerThan = 100);

// A runtime at 15 twips per pixel, a renderer (so text is measured with pango), and a design-time form
// without border or title bar whose client area is 300 × 200 pixels and white.
class RenderFixture : public ::testing::Test {
protected:
    ov::Runtime runtime;
    ov::Renderer renderer;
    ov::FormRef form;

    void SetUp() override;

    // Sites a Sketch at (left, top) with the size given, in pixels.
    std::shared_ptr<Sketch> addSketch(const std::string& name, int left, int top, int width, int height);
    ov::Bitmap render() { return renderer.render(*form); }

    static ov::Rgb rgbOf(ov::OleColor c) { return ov::resolveColor(c); }
    // Every pixel at the (x, y) pairs of `xy` is `color`.
    static void expectColor(const ov::Bitmap& b, ov::Rgb color, std::initializer_list<int> xy) {
        for (auto i = xy.begin(); i != xy.end(); i += 2)
            EXPECT_EQ(b.pixel(i[0], i[1]), color) << "at (" << i[0] << ", " << i[1] << ")";
    }
    // A PNG of w × h pixels, all of one colour.
    static std::string solidPng(int w, int h, ov::Rgb color);
};

// A 300 × 200 pixel sketch "Host" at (0, 0) filling the form, in the button face colour, for tests
// that place the controls they draw on it.
class SketchFixture : public RenderFixture {
protected:
    std::shared_ptr<Sketch> sketch;

    void SetUp() override {
        RenderFixture::SetUp();
        sketch = addSketch("Host", 0, 0, 300, 200);
    }
    // Adds a T to the sketch at (left, top) with the size given, in pixels, and with `caption` if it
    // has one.
    template <class T>
    T& place(const std::string& name, int left, int top, int width, int height,
             const std::string& caption = "") {
        auto& c = sketch->addChild<T>(name);
        c.Move(px(left), px(top), px(width), px(height));
        if constexpr (requires { c.setCaption(caption); }) c.setCaption(caption);
        return c;
    }
};

// The same sketch in white, for tests that draw on a plain ground.
class WhiteHostFixture : public SketchFixture {
protected:
    void SetUp() override {
        SketchFixture::SetUp();
        sketch->setBackColor(ov::rgb(255, 255, 255));
    }
};

// The colours the tests probe for: the system colours as the renderer resolves them, and plain ones.
inline const ov::Rgb kWhite{255, 255, 255}, kBlack{0, 0, 0}, kFace{212, 208, 200}, kShadow{128, 128, 128},
    kDarkShadow{64, 64, 64}, kRed{255, 0, 0}, kGreen{0, 255, 0}, kBlue{0, 0, 255};

} // namespace ovtest
