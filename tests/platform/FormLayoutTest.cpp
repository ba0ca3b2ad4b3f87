#include "platform/FailureCapture.h"
#include "platform/FormFixture.h"
#include "platform/PlatformFixtures.h"

#include <array>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace ovtest {
namespace {

using ov::ExtenderRef;
using ov::Form;
using ov::Mode;
using Log = std::vector<std::string>;

class FormLayoutTest : public FormFixture {
protected:
    ExtenderRef docked(const ov::FormRef& form, const char* name, int16_t align, float width, float height) {
        auto e = form->add(Probe::kProgId, name);
        e->Move(0, 0, width, height);
        e->setAlign(align);
        return e;
    }
};

TEST_F(FormLayoutTest, InnerSizeAllowsForTheFrameAndTitleBarOfEachBorderStyle) {
    struct Case {
        int16_t style;
        float scaleWidth, scaleHeight;
    } cases[] = {
        {0, 6000, 4500},
        {1, 6000 - 2 * 3 * 15, 4500 - (2 * 3 + 19) * 15},
        {2, 6000 - 2 * 4 * 15, 4500 - (2 * 4 + 19) * 15},
        {3, 6000 - 2 * 3 * 15, 4500 - (2 * 3 + 19) * 15},
        {4, 6000 - 2 * 3 * 15, 4500 - (2 * 3 + 16) * 15},
        {5, 6000 - 2 * 4 * 15, 4500 - (2 * 4 + 16) * 15},
    };
    auto form = Form::create("frmMain", Mode::Design);
    form->Move(0, 0, 6000, 4500);
    for (const auto& c : cases) {
        form->setBorderStyle(c.style);
        EXPECT_FLOAT_EQ(form->ScaleWidth(), c.scaleWidth) << c.style;
        EXPECT_FLOAT_EQ(form->ScaleHeight(), c.scaleHeight) << c.style;
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
    auto form = plainForm(7500, 6000);
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
}

TEST_F(FormLayoutTest, ADockedControlKeepsTheMeasureAlongItsEdgeAndItsPlace) {
    auto form = plainForm(7500, 6000);
    auto first = docked(form, "First", 1, 100, 1000);
    auto second = docked(form, "Second", 1, 100, 500);
    auto bottom = docked(form, "Bottom", 2, 100, 705);
    auto left = docked(form, "Left", 3, 1000, 100);
    // An invisible docked control takes no space.
    first->setVisible(false);
    EXPECT_EQ(box(*first), (Box{0, 0, 7500, 1000}));
    EXPECT_EQ(box(*second), (Box{0, 0, 7500, 500}));
    first->setVisible(true);
    EXPECT_EQ(box(*second), (Box{0, 1000, 7500, 500}));
    EXPECT_EQ(box(*left), (Box{0, 1500, 1000, 6000 - 705 - 1500}));
    first->setVisible(false);
    second->setVisible(false);
    bottom->Move(10, 20, 3000, 900); // place and width belong to the form; the height is taken
    EXPECT_EQ(box(*bottom), (Box{0, 6000 - 900, 7500, 900})) << bottom->Name();
    left->setHeight(50);
    left->setWidth(1200);
    EXPECT_EQ(box(*left), (Box{0, 0, 1200, 6000 - 900})) << left->Name();
    left->setAlign(0); // undocked: free again
    left->Move(5, 5, 100, 100);
    EXPECT_EQ(box(*left), (Box{5, 5, 100, 100})) << left->Name();
    expectRefusals({{[&] { left->setAlign(5); }, "380"}});
}

TEST_F(FormLayoutTest, ResizeIsRaisedAfterDocking) {
    auto form = plainForm(7500, 6000);
    auto top = docked(form, "Top", 1, 100, 600);
    std::vector<float> seen;
    auto c = form->Resize.connect([&] { seen.push_back(top->Width()); });
    form->setWidth(8000);
    form->setWidth(8000); // unchanged: no event
    form->setWindowState(2);
    EXPECT_EQ(seen, (std::vector<float>{8000, 8000}));
    EXPECT_FLOAT_EQ(form->Width(), 8000); // a maximised form keeps its normal size
}

TEST_F(FormLayoutTest, AControlThatHoldsItsFormSizeSettles) {
    auto form = plainForm(7500, 6000);
    auto holder = std::make_shared<Probe>();
    holder->holdFormWidth = 7540;
    holder->logSizes = true;
    auto ext = form->add(holder, "Holder");
    EXPECT_FLOAT_EQ(form->Width(), 7540);
    log().clear();
    form->setWidth(9000);
    EXPECT_FLOAT_EQ(form->Width(), 7540);
    EXPECT_EQ(box(*ext), (Box{0, 6000 - 3600, 7540, 3600})) << ext->Name();
    // Dragged wider: docked at 9000, then put back by its own handler.
    EXPECT_EQ(log(), (Log{"Holder Resize 9000x3600", "Holder Resize 7540x3600"}));
}

TEST_F(FormLayoutTest, ZOrderMovesOneControlToTheFrontOrBack) {
    auto form = plainForm();
    auto a = form->add(Probe::kProgId, "A");
    auto b = form->add(Probe::kProgId, "B");
    auto c = form->add(Probe::kProgId, "C");
    using Z = std::vector<ov::Extender*>;
    EXPECT_EQ(form->zOrder(), (Z{a.get(), b.get(), c.get()}));
    b->ZOrder();
    EXPECT_EQ(form->zOrder(), (Z{a.get(), c.get(), b.get()}));
    c->ZOrder(1);
    EXPECT_EQ(form->zOrder(), (Z{c.get(), a.get(), b.get()}));
    b->ZOrder(0);
    EXPECT_EQ(form->zOrder(), (Z{c.get(), a.get(), b.get()}));
    form->remove("A");
    EXPECT_EQ(form->zOrder(), (Z{c.get(), b.get()}));
    // Creation order is not z-order.
    EXPECT_EQ(form->controls().front(), b);
}

TEST_F(FormLayoutTest, EachDockingChangeLeavesEveryControlWhereAWholeDockingPutsIt) {
    // Controls dock one after another, so a change moves only the changed control and those in front
    // of it; after every step the result must be what docking them all again from the back gives.
    auto form = Form::create("frmMain", Mode::Run);
    form->Move(0, 0, 9000, 7000);
    form->show();
    std::vector<ExtenderRef> controls;
    const int16_t aligns[] = {1, 2, 1, 3, 4, 1, 1, 2, 3, 1, 4, 1};
    for (size_t i = 0; i < std::size(aligns); ++i) {
        controls.push_back(
            docked(form, ("D" + std::to_string(i)).c_str(), aligns[i], 400.0f + 50 * i, 300.0f + 40 * i));
        if (i % 3 == 1) controls.back()->setVisible(false);
    }
    auto boxes = [&] {
        std::vector<std::array<float, 4>> out;
        for (const auto& e : controls)
            out.push_back({e->Left(), e->Top(), e->Width(), e->Height()});
        return out;
    };
    auto expectWholeDockingAgrees = [&](const std::string& step) {
        const auto now = boxes();
        // A form resize docks every control again; going back to the same size must change nothing.
        form->setWidth(form->Width() + 15);
        form->setWidth(form->Width() - 15);
        EXPECT_EQ(boxes(), now) << step;
    };
    expectWholeDockingAgrees("loaded");
    for (int round = 0; round < 3; ++round) {
        for (size_t i = 0; i < controls.size(); ++i) {
            auto& e = controls[(i * 5 + static_cast<size_t>(round)) % controls.size()];
            const std::string name = e->Name() + " round " + std::to_string(round);
            e->setVisible(!e->Visible());
            expectWholeDockingAgrees(name + " visibility");
            e->ZOrder(static_cast<int16_t>((i + static_cast<size_t>(round)) % 2));
            expectWholeDockingAgrees(name + " z-order");
            e->Move(0, 0, e->Width() + 30, e->Height() + 20);
            expectWholeDockingAgrees(name + " size");
        }
    }
}

} // namespace
} // namespace ovtest
