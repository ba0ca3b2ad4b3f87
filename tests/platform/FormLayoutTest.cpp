#include "platform/FailureCapture.h"
#include "platform/FormFixture.h"
#include "platform/PlatformFixtures.h"

#include <gtest/gtest.h>

namespace ovtest {
namespace {

using ov::Form;
using ov::Mode;

class FormLayoutTest : public FormFixture {
protected:
    ov::ExtenderRef docked(const ov::FormRef& form, const char* name, int16_t align, float width,
                           float height) {
        auto e = form->add(Probe::kProgId, name);
        e->Move(0, 0, width, height);
        e->setAlign(align);
        return e;
    }
};

TEST_F(FormLayoutTest, InnerSizeAllowsForTheFrameAndTitleBarOfEachBorderStyle) {
    // A border style and the inner width and height of a 6000 x 4500 form.
    const std::tuple<int16_t, float, float> cases[] = {
        {0, 6000, 4500},
        {1, 6000 - 2 * 3 * 15, 4500 - (2 * 3 + 19) * 15},
        {2, 6000 - 2 * 4 * 15, 4500 - (2 * 4 + 19) * 15},
        {3, 6000 - 2 * 3 * 15, 4500 - (2 * 3 + 19) * 15},
        {4, 6000 - 2 * 3 * 15, 4500 - (2 * 3 + 16) * 15},
        {5, 6000 - 2 * 4 * 15, 4500 - (2 * 4 + 16) * 15},
    };
    auto form = Form::create("frmMain", Mode::Design);
    form->Move(0, 0, 6000, 4500);
    for (auto [style, scaleWidth, scaleHeight] : cases) {
        form->setBorderStyle(style);
        EXPECT_FLOAT_EQ(form->ScaleWidth(), scaleWidth) << style;
        EXPECT_FLOAT_EQ(form->ScaleHeight(), scaleHeight) << style;
    }
    // No caption and no control box: no title bar.
    form->setBorderStyle(1);
    form->setCaption("");
    form->setControlBox(false);
    EXPECT_FLOAT_EQ(form->ScaleHeight(), 4500 - 2 * 3 * 15);
    // Pixels follow the screen.
    runtime.setTwipsPerPixel(12, 12);
    EXPECT_FLOAT_EQ(form->ScaleWidth(), 6000 - 2 * 3 * 12);
    // Never negative.
    form->setWidth(10);
    EXPECT_FLOAT_EQ(form->ScaleWidth(), 0);
    // The design-only properties are refused at run time.
    auto run = Form::create("frmRun", Mode::Run);
    expectRefusals({
        {[&] { form->setBorderStyle(6); }, "380"},
        {[&] { form->setScaleMode(3); }, "380"},
        {[&] { form->setScaleMode(1); }, "0"},
        {[&] { form->setWindowState(3); }, "380"},
        {[&] { form->setWidth(-5); }, "380"},
        {[&] { run->setBorderStyle(1); }, "382"},
        {[&] { run->setControlBox(false); }, "382"},
        {[&] { run->let("StartUpPosition", int16_t{2}); }, "382"},
    });
    EXPECT_EQ(run->BorderStyle(), 2);
}

TEST_F(FormLayoutTest, DockedControlsStackFromTheirEdgesInZOrder) {
    auto form = Form::create("frmTest", Mode::Design);
    form->setBorderStyle(0); // no frame: the inner size is the outer size
    form->Move(0, 0, 7500, 6000);
    auto top1 = docked(form, "Top1", 1, 100, 600);
    auto top2 = docked(form, "Top2", 1, 100, 400);
    auto bottom = docked(form, "Bottom", 2, 100, 705);
    auto left = docked(form, "Left", 3, 1000, 100);
    auto right = docked(form, "Right", 4, 800, 100);
    auto loose = form->add(Probe::kProgId, "Loose");
    loose->Move(50, 60, 700, 800);
    EXPECT_EQ(box(*top1), (Box{0, 0, 7500, 600})) << top1->Name();
    EXPECT_EQ(box(*top2), (Box{0, 600, 7500, 400})) << top2->Name();
    EXPECT_EQ(box(*bottom), (Box{0, 6000 - 705, 7500, 705})) << bottom->Name();
    EXPECT_EQ(box(*left), (Box{0, 1000, 1000, 6000 - 705 - 1000})) << left->Name();
    EXPECT_EQ(box(*right), (Box{7500 - 800, 1000, 800, 6000 - 705 - 1000})) << right->Name();
    EXPECT_EQ(box(*loose), (Box{50, 60, 700, 800})) << loose->Name();

    // The form's size, a docked control's height and z-order all re-dock.
    form->Move(0, 0, 9000, 7000);
    EXPECT_EQ(box(*top2), (Box{0, 600, 9000, 400})) << top2->Name();
    EXPECT_EQ(box(*bottom), (Box{0, 7000 - 705, 9000, 705})) << bottom->Name();
    EXPECT_EQ(box(*right), (Box{9000 - 800, 1000, 800, 7000 - 705 - 1000})) << right->Name();
    top1->setHeight(300);
    EXPECT_EQ(box(*top2), (Box{0, 300, 9000, 400})) << top2->Name();
    EXPECT_EQ(box(*left), (Box{0, 700, 1000, 7000 - 705 - 700})) << left->Name();
    top2->ZOrder(1); // to the back: now the outermost
    EXPECT_EQ(box(*top2), (Box{0, 0, 9000, 400})) << top2->Name();
    EXPECT_EQ(box(*top1), (Box{0, 400, 9000, 300})) << top1->Name();
    left->Move(10, 20, 1200, 50); // place and height belong to the form; the width is taken
    EXPECT_EQ(box(*left), (Box{0, 700, 1200, 7000 - 705 - 700})) << left->Name();
    expectRefusals({{[&] { left->setAlign(5); }, "380"}});
}

} // namespace
} // namespace ovtest
