// The spin box on a run-time order form beside a second spin box and a label, driven as a user and a
// host drive it: keys, typing, leaving the box, clicks on the spin buttons, calls by name and typed.
#include "controls/OvUpDown.h"

#include "platform/Form.h"
#include "platform/HostLabel.h"
#include "platform/PropertyBag.h"
#include "platform/Runtime.h"
#include "platform/TextBox.h"
#include "platform/UpDown.h"
#include "support/ShownBoxes.h"

#include <gtest/gtest.h>
#include <tuple>

namespace ovtest {
namespace {

using ov::OvUpDown;
using ov::Variant;
using Log = std::vector<std::string>;

constexpr int16_t kUp = 38, kDown = 40;

class OvUpDownTest : public ::testing::Test {
protected:
    ov::Runtime runtime;
    ov::FormRef form = ov::Form::create("frmOrder", ov::Mode::Run);
    ov::ExtenderRef qty, pages;
    std::shared_ptr<OvUpDown> spin;
    Log events;
    std::vector<ov::Connection> links;

    void SetUp() override {
        form->add(ov::HostLabel::kProgId, "lblQty")->let("Caption", "&Quantity:");
        qty = form->add("OvComCtl.OvUpDown", "spnQty");
        qty->Move(1200, 0);
        pages = form->add("OvComCtl.OvUpDown", "spnPages");
        pages->Move(1200, 600);
        spin = qty->controlAs<OvUpDown>();
        for (const char* e : {"Change", "UpClick", "DownClick"}) {
            links.push_back(qty->on(e, [this, e](ov::Args&) {
                events.push_back(std::string(e) + " text=" + spin->txtSpin().Text());
            }));
        }
        links.push_back(qty->on("MouseDown", [this](ov::Args& a) {
            events.push_back("MouseDown x=" + a[2].toString() + " y=" + a[3].toString());
        }));
        form->show();
    }
    // Types into the box and moves the focus on to the next spin box.
    void typeAndLeave(const std::string& text) {
        spin->txtSpin().SetFocus();
        spin->txtSpin().setText(text);
        pages->control().child<ov::TextBox>("txtSpin").SetFocus();
    }
};

TEST_F(OvUpDownTest, ArrowKeysStepUnclampedAndWrapAtTheEnds) {
    struct Case {
        int32_t value, increment;
        bool wrap;
        int16_t key;
        int32_t expected;
        bool changes, refused;
    };
    const std::string title = runtime.application().title;
    const Case cases[] = {
        {5, 1, false, kUp, 6, true, false},   {10, 1, false, kUp, 10, false, false},
        {10, 1, true, kUp, 0, true, false},   {0, 1, false, kDown, 0, false, false},
        {0, 1, true, kDown, 10, true, false}, {4, 3, false, kDown, 1, true, false},
        {9, 5, false, kUp, 9, false, true},   {2, 5, true, kDown, 2, false, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.value) + (c.key == kUp ? " up" : " down") + " by " +
                     std::to_string(c.increment) + (c.wrap ? " wrap" : ""));
        qty->let("Value", c.value);
        qty->let("Increment", c.increment);
        qty->let("Wrap", c.wrap);
        spin->txtSpin().SetFocus();
        events.clear();
        runtime.headlessMessageBox().clear();
        form->pressKey(c.key);
        EXPECT_EQ(std::tuple(qty->get("Value").toInt32(), spin->txtSpin().Text(), events.size()),
                  std::tuple(c.expected, std::to_string(c.expected), c.changes ? 1u : 0u));
        const std::string asked = std::to_string(c.key == kUp ? c.value + 5 : c.value - 5);
        EXPECT_EQ(
            shownBoxes(runtime),
            c.refused
                ? std::vector<
                      std::string>{title + " | 16 | Invalid property value (spinCtl: Value " + asked +
                                   " is outside 0 to 10)\r\nClass: OvUpDown\r\nProcedure: txtSpin (KeyDown)"}
                : std::vector<std::string>{});
    }
}

TEST_F(OvUpDownTest, LeavingTheBoxValidatesTheTypedText) {
    qty->let("Min", -50);
    qty->let("Max", 100);
    struct Case {
        const char* typed;
        const char* shown;
        int32_t value;
    };
    const Case cases[] = {
        {"abc", "5", 5},     {"", "5", 5},         {"  250  ", "100", 100}, {"100.0", "100", 100},
        {"-60", "-50", -50}, {"7.5", "8", 8},      {"4.5", "4", 4},         {"5.5", "6", 6},
        {"$12", "12", 12},   {"(3)", "-3", -3},    {"1E1", "10", 10},       {"1,000", "100", 100},
        {"12-", "-12", -12}, {"5 apples", "5", 5},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typed);
        spin->setValue(5);
        typeAndLeave(c.typed);
        EXPECT_EQ(std::tuple(spin->txtSpin().Text(), spin->Value()), std::tuple(c.shown, c.value));
        EXPECT_TRUE(pages->control().child<ov::TextBox>("txtSpin").hasFocus()); // never held back
    }
    EXPECT_TRUE(runtime.headlessMessageBox().shown().empty());
}

TEST_F(OvUpDownTest, ChangeComesBeforeTheBoxShowsTheValueAndOnlyForANewValue) {
    qty->let("Value", 7);
    qty->let("Value", 7);
    spin->setValue(3);
    EXPECT_EQ(events, (Log{"Change text=0", "Change text=7"}));
    EXPECT_EQ(spin->txtSpin().Text(), "3");
    const auto& keys = qty->changedKeys();
    EXPECT_NE(std::find(keys.begin(), keys.end(), "Value"), keys.end());
}

TEST_F(OvUpDownTest, MaxSetsTheTypingLengthFromItsDecimalText) {
    for (auto [max, length] : {std::pair{100, 3}, {-5, 2}, {2147483647, 10}, {10, 2}}) {
        qty->let("Max", max);
        EXPECT_EQ(spin->txtSpin().MaxLength(), length) << max;
    }
    qty->let("Min", -50);
    spin->txtSpin().SetFocus();
    spin->txtSpin().setText("");
    form->typeText("-50");
    EXPECT_EQ(spin->txtSpin().Text(), "-5"); // "-50" cannot be typed
}

TEST_F(OvUpDownTest, IncrementKeepsItsMagnitudeAndEveryReportingProcedureNamesItselfAndRaisesNothing) {
    qty->let("Increment", -2);
    EXPECT_EQ(qty->get("Increment").toInt32(), 2);
    spin->setIncrement(-3);
    EXPECT_EQ(spin->spinCtl().Increment(), 3);
    struct Case {
        std::function<void()> act;
        std::string prompt;
    };
    const std::string invalid = "Invalid property value";
    const Case cases[] = {
        {[&] { spin->setIncrement(INT32_MIN); }, "Overflow\r\nClass: OvUpDown\r\nProcedure: Increment (Let)"},
        {[&] { qty->let("Value", 11); },
         invalid + " (spinCtl: Value 11 is outside 0 to 10)\r\nClass: OvUpDown\r\nProcedure: Value (Let)"},
        {[&] { qty->let("Alignment", 3); },
         invalid + " (txtSpin: Alignment must be 0 to 2)\r\nClass: OvUpDown\r\nProcedure: Alignment (Let)"},
        {[&] { qty->set("Font", nullptr); },
         invalid + " (txtSpin: a control needs a font)\r\nClass: OvUpDown\r\nProcedure: Font (Set)"},
        {[&] { qty->setWidth(200); },
         invalid + " (txtSpin: a size cannot be negative)\r\nClass: OvUpDown\r\nProcedure: Resize\r\nStep: "
                   "txtSpin (Move)"},
    };
    for (const Case& c : cases) {
        runtime.headlessMessageBox().clear();
        EXPECT_NO_THROW(c.act());
        EXPECT_EQ(shownBoxes(runtime),
                  std::vector<std::string>{runtime.application().title + " | 16 | " + c.prompt});
    }
    EXPECT_EQ(spin->Increment(), 3) << "the refused increment left it";
}

TEST_F(OvUpDownTest, SpinButtonClicksStepWrapAndReportMouseFromTheControlsLeft) {
    ov::UpDown& buttons = spin->spinCtl();
    qty->Move(1200, 0, 2130, 330); // the buttons at their designed left, 1890
    qty->let("ToolTipText", "How many copies");
    form->mouseDown(buttons, 1, 0, 30, 60);
    EXPECT_EQ(buttons.pressed(), ov::UpDown::Button::Up);
    form->mouseUp(buttons, 1, 0, 30, 60);
    EXPECT_EQ(buttons.pressed(), ov::UpDown::Button::None);
    EXPECT_EQ(buttons.ToolTipText(), "How many copies");
    form->click(buttons, 30, 250); // lower half
    qty->let("Value", 0);
    qty->let("Wrap", true);
    events.clear();
    form->click(buttons, 30, 250);
    EXPECT_EQ(events, (Log{"Change text=0", "DownClick text=10", "MouseDown x=1920 y=250"}));
    EXPECT_EQ(spin->Value(), 10);
}

TEST_F(OvUpDownTest, GettingTheFocusCopiesTheToolTipAndSelectsAll) {
    qty->let("ToolTipText", "Copies");
    spin->setValue(42 % 10);
    pages->control().child<ov::TextBox>("txtSpin").SetFocus();
    spin->txtSpin().SetFocus();
    EXPECT_EQ(
        std::tuple(spin->txtSpin().ToolTipText(), spin->spinCtl().ToolTipText(), spin->txtSpin().SelLength()),
        std::tuple("Copies", "Copies", 1));
}

TEST_F(OvUpDownTest, DisabledLooksGreyKeepsTheTextSelectableAndTakesNoInput) {
    qty->let("Enabled", false);
    EXPECT_EQ(std::tuple(spin->txtSpin().Locked(), spin->txtSpin().Enabled(), spin->txtSpin().BackColor(),
                         spin->spinCtl().Enabled(), spin->BackColor()),
              std::tuple(true, true, ov::sysColor::ButtonFace, false, ov::sysColor::ButtonFace));
    EXPECT_FALSE(form->click(spin->spinCtl(), 30, 60));
    EXPECT_EQ(spin->Value(), 0);
    qty->let("Enabled", true);
    EXPECT_EQ(std::tuple(spin->txtSpin().Locked(), spin->txtSpin().BackColor()),
              std::tuple(false, ov::sysColor::WindowBackground));
}

TEST_F(OvUpDownTest, ResizeKeepsTheButtonsAtTheRightEdge) {
    qty->Move(1200, 0, 3000, 450);
    EXPECT_EQ(std::tuple(spin->spinCtl().Left(), spin->spinCtl().Height()),
              std::tuple(3000.0f - 240, 450.0f));
    EXPECT_EQ(std::tuple(spin->txtSpin().Left(), spin->txtSpin().Top(), spin->txtSpin().Width()),
              std::tuple(15.0f, 15.0f, 3000.0f - 240 - 45));
}

TEST_F(OvUpDownTest, PropertiesAreWrittenInOrderAndAStoredBoxLoadsLeftAligned) {
    EXPECT_EQ(spin->Alignment(), 1); // a new box
    qty->let("Max", 50);
    qty->let("Value", 20);
    qty->let("Wrap", true);
    ov::PropertyBag bag;
    qty->writeProperties(bag);
    std::vector<std::string> keys;
    for (const auto& e : bag.entries())
        keys.push_back(e.key + "=" + e.value.toString());
    EXPECT_EQ(keys, (std::vector<std::string>{"Max=50", "Value=20", "Alignment=1", "Wrap=True"}));

    ov::PropertyBag stored;
    stored.write("Min", 5);
    stored.write("Max", 10);
    stored.write("Value", 7);
    auto loaded = form->addLoaded("OvComCtl.OvUpDown", "spnLoaded", stored, {});
    auto box = loaded->controlAs<OvUpDown>();
    EXPECT_EQ(std::tuple(box->Alignment(), box->Value(), box->txtSpin().Text(), box->txtSpin().MaxLength()),
              std::tuple(0, 7, "7", 2));
}

} // namespace
} // namespace ovtest
