#include "platform/ControlArray.h"

#include "InfoPanelFixture.h"
#include "platform/FailureCapture.h"

#include <tuple>

using namespace ov;

namespace ovtest {
namespace {

// Control arrays on a panel already on a form: a designed label array beside the panel's own array of
// library controls.
class ControlArrayTest : public InfoPanelFixture {};

using ov::test::failureNumber;

TEST_F(ControlArrayTest, DesignedElementsStayAndRunTimeCopiesOfElementZeroComeAndGo) {
    ControlArray steps(*panel, "lblStep");
    for (int32_t i = 0; i < 5; ++i) {
        auto& l = steps.addDesigned<Label>(i);
        l.Move(1560, 780 + 240.0f * i, 5655, 195);
        l.setCaption("Step " + std::to_string(i + 1));
    }
    steps.item(0).setFont(Font::create("Arial", 8.25f, true));
    auto& copy = static_cast<Label&>(steps.load(7));
    // A loaded element starts hidden.
    EXPECT_EQ(std::tuple(copy.Name(), copy.Caption(), copy.Font()->Bold(), copy.Top(), copy.Visible()),
              std::tuple("lblStep(7)", "Step 1", true, 780.0f, false));
    EXPECT_EQ(std::tuple(steps.uBound(), steps.count()), std::tuple(7, 6));

    struct Row {
        const char* what;
        std::function<void()> call;
        int32_t number;
    };
    const Row rows[] = {
        {"load a taken index", [&] { steps.load(3); }, 360},
        {"unload a designed element", [&] { steps.unload(2); }, 362},
        {"an element that is not there", [&] { steps.item(6); }, 340},
        {"an index past 32767", [&] { steps.load(32768); }, 340},
        {"a negative index", [&] { steps.load(-1); }, 340},
    };
    for (const Row& r : rows)
        EXPECT_EQ(failureNumber(r.call), r.number) << r.what;
    steps.unload(7);
    EXPECT_EQ(panel->findChild("lblStep(7)"), nullptr);
    EXPECT_EQ(steps.count(), 5);
}

TEST_F(ControlArrayTest, ALibraryElementIsANewControlReadingWhatElementZeroWrites) {
    panel->setTitleColor(0x123456);
    panel->setValueColor(0x00AA00); // not stored by the item: copied as a live value
    ASSERT_EQ(panel->AddInfoLabel("CPU", "1"), 0);
    EXPECT_NE(&item(1), &item(0));
    EXPECT_EQ(
        std::tuple(holder(1).progId(), item(1).TitleColor(), item(1).ValueColor(), item(1).extender().Name()),
        std::tuple("OvComCtl.OvInfoItem", 0x123456u, 0x00AA00u, "ctlInfoItem(1)"));
    EXPECT_EQ(item(1).extender().form(), nullptr) << "its extender belongs to no form";

    // The holder and the inner control's extender agree on what the owner sets.
    holder(1).setToolTipText("cpu load");
    holder(1).Move(45, 700, 4000, 300);
    EXPECT_EQ(std::tuple(item(1).extender().ToolTipText(), item(1).extender().Top(), item(1).Width()),
              std::tuple("cpu load", 700.0f, 4000.0f));
    // The inner control sizing itself moves the holder's bounds.
    item(1).setSize(3000, 255);
    EXPECT_EQ(std::tuple(holder(1).Width(), holder(1).Height()), std::tuple(3000.0f, 255.0f));
    // An aligned holder takes the owner's edge.
    EmbeddedControl& h = holder(0);
    h.setAlign(2);
    EXPECT_EQ(h.Width(), panel->ScaleWidth());
    EXPECT_EQ(h.Top() + h.Height(), panel->ScaleHeight());
    EXPECT_EQ(item(0).extender().Align(), 2);
    EXPECT_EQ(failureNumber([&] { h.setAlign(5); }), 380);
}

} // namespace
} // namespace ovtest
