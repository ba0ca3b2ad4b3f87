// A page change applies the navigator's whole button set again, a running wizard's page loads too;
// what it leaves unwritten must be what writing would not have changed.
#include "platform/Extender.h"
#include "platform/Form.h"
#include "support/WizardFixture.h"

#include <algorithm>

using namespace ov;

namespace {

using ButtonReapplyTest = ovtest::WizardFixture;

// Once the form is saved (and changed again elsewhere), the next page change tells it of every button
// field again, as a write does;
// a button the host changed by hand gets its set's value back at the next change, even when the
// navigator's own setting is unchanged.
TEST_F(ButtonReapplyTest, ThePageChangeAfterASaveAndAHandChangedButton) {
    runWizard();
    form->click(button(RightMiddle));
    form->markSaved();
    form->control("Page1")->let("BannerTitle", "Welcome back");
    form->click(button(RightMiddle));
    EXPECT_EQ(std::tuple(showing(), form->needsSaving()), std::tuple("Page3", true));
    const std::vector<std::string>& keys = nav->extender().changedKeys();
    for (const char* position : {"LeftButton", "LeftMiddleButton", "RightMiddleButton", "RightButton"}) {
        for (const char* field : {"Visible", "Enabled", "Rule", "Caption"}) {
            const std::string key = std::string(position) + field;
            EXPECT_NE(std::find(keys.begin(), keys.end(), key), keys.end()) << key;
        }
    }
    button(Right).setCaption("Quit");
    button(Left).setVisible(true);
    button(Right).setTag("5");
    button(RightMiddle).setEnabled(false);
    form->click(button(LeftMiddle));
    EXPECT_EQ(showing(), "Page2");
    EXPECT_EQ(states(), (std::vector<std::string>{
                            "&Help hidden enabled tag 4", "< &Back visible enabled tag 1",
                            "&Next > visible enabled tag 2 default", "Cancel visible enabled tag 3 cancel"}));
}

} // namespace
