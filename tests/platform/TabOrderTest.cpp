// Tab and Shift+Tab on a running form, headless: the sample spin-box form as a host loads it (three
// spin boxes, the third disabled, and labels that take no focus).
#include "platform/ConstituentControl.h"
#include "platform/Form.h"
#include "platform/FormFile.h"
#include "platform/Runtime.h"
#include "platform/UserControl.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

constexpr int16_t kTab = 9, kBack = 8, kEnd = 35, kUp = 38, kShift = 1, kCtrl = 2;

class TabOrderTest : public ::testing::Test {
protected:
    ov::Runtime runtime;
    ov::FormRef form =
        ov::FormFile::load((std::filesystem::path(__FILE__).parent_path().parent_path().parent_path() /
                            "examples" / "controls.json")
                               .string(),
                           ov::Mode::Run);

    void SetUp() override { form->show(); }
    void TearDown() override { form->unload(); }

    // The spin box whose text box has the focus; "" for none.
    std::string focused() const {
        return form->activeControl()
                   ? form->activeControl()->Name() + (form->focusedChild() ? "" : " surface")
                   : "";
    }
    ov::ConstituentControl& textOf(const char* spin) {
        return *form->control(spin)->control().children().front();
    }
};

TEST_F(TabOrderTest, TabWalksTheReachableStopsAndWrapsShiftTabWalksBack) {
    struct Step {
        int16_t shift;
        const char* expected;
    };
    // spnDuplex is disabled: no stop. The labels take no focus.
    const Step steps[] = {{0, "spnPages"}, {0, "spnCopies"}, {kShift, "spnPages"}, {kShift, "spnCopies"}};
    ASSERT_EQ(focused(), "spnCopies"); // showing the form focused its first stop
    for (const Step& s : steps) {
        SCOPED_TRACE(std::string(s.shift ? "Shift+Tab to " : "Tab to ") + s.expected);
        EXPECT_TRUE(form->pressKey(kTab, s.shift));
        EXPECT_EQ(focused(), s.expected);
    }
    form->control("spnDuplex")->let("Enabled", true);
    form->pressKey(kTab);
    form->pressKey(kTab);
    EXPECT_EQ(focused(), "spnDuplex"); // after spnPages, in creation order
}

TEST_F(TabOrderTest, TheFocusedBoxNeverHearsTabAndLeavingItTakesWhatWasTyped) {
    std::vector<int16_t> heard;
    auto listen = textOf("spnCopies").KeyDown().connect([&](int16_t& key, int16_t&) { heard.push_back(key); });
    ASSERT_EQ(focused(), "spnCopies");
    form->pressKey(kUp);
    form->pressKey(kTab, kCtrl); // Ctrl+Tab is the control's to use
    EXPECT_EQ(heard, (std::vector<int16_t>{kUp, kTab}));
    EXPECT_EQ(focused(), "spnCopies");

    heard.clear();
    for (int16_t key : {kEnd, kBack, kBack, kBack})
        form->pressKey(key);
    form->typeText("42");
    form->pressKey(kTab);
    EXPECT_EQ(focused(), "spnPages");
    EXPECT_EQ(form->control("spnCopies")->get("Value").toInt32(), 42);
    EXPECT_EQ(heard, (std::vector<int16_t>{kEnd, kBack, kBack, kBack, '4', '2'})); // not the Tab that left
}

} // namespace
