// What the spin box looks like: pixel probes of the selection, the caret, the pressed button and the
// disabled arrows, on a run-time form painted by the renderer.
#include "controls/OvUpDown.h"
#include "platform/Color.h"
#include "platform/Form.h"
#include "platform/Runtime.h"
#include "platform/TextBox.h"
#include "platform/UpDown.h"
#include "render/RenderFixture.h"
#include "render/Renderer.h"

#include <gtest/gtest.h>

namespace ovtest {
namespace {

class SpinPaintTest : public ::testing::Test {
protected:
    ov::Runtime runtime;
    ov::Renderer renderer;
    ov::FormRef form = ov::Form::create("frmPaint", ov::Mode::Run);
    std::shared_ptr<ov::OvUpDown> spin;

    void SetUp() override {
        form->Move(0, 0, 3000, 1500);
        auto ext = form->add("OvComCtl.OvUpDown", "spnCount");
        ext->Move(0, 0, 1500, 330); // 100 x 22 pixels: the buttons at x 84..99, halves of 11 rows
        spin = ext->controlAs<ov::OvUpDown>();
        form->show(); // the focus goes to the text box, which selects its text
    }
    // Pixels of `color` in [x, x + w) × [y, y + h).
    int count(int x, int y, int w, int h, ov::OleColor color) {
        return countIn(renderer.render(*form), x, y, w, h, ov::resolveColor(color));
    }
};

TEST_F(SpinPaintTest, TheSelectionIsHighlightedAndTheCaretStandsAloneWithoutIt) {
    EXPECT_GT(count(2, 2, 78, 18, ov::sysColor::Highlight), 20);
    form->pressKey(39); // Right: the caret after the text, nothing selected
    EXPECT_EQ(count(2, 2, 78, 18, ov::sysColor::Highlight), 0);
    EXPECT_GE(count(70, 2, 12, 18, ov::sysColor::WindowText), 10); // the caret column (and the digit)
}

TEST_F(SpinPaintTest, AHeldButtonLooksPushedInUntilReleased) {
    ov::UpDown& buttons = spin->spinCtl();
    const ov::Rgb raisedCorner = renderer.render(*form).pixel(84, 0);
    EXPECT_EQ(raisedCorner, ov::resolveColor(ov::sysColor::ButtonHighlight));
    form->mouseDown(buttons, 1, 0, 30, 30);
    EXPECT_EQ(renderer.render(*form).pixel(84, 0), ov::resolveColor(ov::sysColor::ButtonShadow));
    EXPECT_EQ(renderer.render(*form).pixel(84, 11),
              ov::resolveColor(ov::sysColor::ButtonHighlight)); // down stays raised
    form->mouseUp(buttons, 1, 0, 30, 30);
    EXPECT_EQ(renderer.render(*form).pixel(84, 0), raisedCorner);
}

TEST_F(SpinPaintTest, DisabledArrowsAreEngravedAndTheBoxTurnsButtonFace) {
    spin->setEnabled(false);
    EXPECT_EQ(count(86, 2, 12, 18, ov::sysColor::ButtonText), 0);
    EXPECT_GT(count(86, 2, 12, 18, ov::sysColor::ButtonShadow), 4);
    EXPECT_GT(count(3, 3, 40, 14, ov::sysColor::ButtonFace), 400);
}

} // namespace
} // namespace ovtest
