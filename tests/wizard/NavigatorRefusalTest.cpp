// A second navigator placed on a wizard form is refused and leaves the wizard as it was: the form,
// the mediator, the pages and their registration.
#include "support/WizardFixture.h"

#include <tuple>

using namespace ov;

namespace {

using SecondNavigatorTest = ovtest::WizardFixture;

const char* const kRefusal = "Sorry. You can have only one OvWizardNavigator on Form. Please remove the new "
                             "item OvWizardNavigator.";

} // namespace

TEST_F(SecondNavigatorTest, IsRefusedWithoutTouchingTheFormTheMediatorOrThePages) {
    design({"Welcome", "Options"});
    nav->setRightButtonCaption("&Abort");
    const int32_t tabHeight = mediator().TabHeight();
    const float formWidth = form->Width(), formHeight = form->Height();
    const float pageHeight = page("Options")->Height();
    ASSERT_GT(tabHeight, 0);
    ASSERT_EQ(pageHeight, static_cast<float>(tabHeight));
    runtime.headlessMessageBox().clear();

    form->add("OvComCtl.OvWizardNavigator", "Nav2");

    // One message, the refusal: no page complains about a height it was told to take.
    EXPECT_EQ(shownBoxes(), std::vector<std::string>{std::string("OvWizardNavigator | 48 | ") + kRefusal});
    EXPECT_EQ(std::tuple(mediator().TabHeight(), mediator().defaultSet(Right).Caption),
              std::tuple(tabHeight, "&Abort"));
    EXPECT_EQ(std::tuple(form->Width(), form->Height(), page("Welcome")->Height(), page("Options")->Height()),
              std::tuple(formWidth, formHeight, pageHeight, pageHeight));

    // A page placed afterwards takes the wizard's page height, not one the refused navigator made up.
    form->add("OvComCtl.OvWizardTab", "Done");
    EXPECT_EQ(page("Done")->Height(), pageHeight);
    EXPECT_EQ(prompts(), std::vector<std::string>{kRefusal});

    // Removing the refused navigator, as the message asks, keeps the pages registered.
    form->remove("Nav2");
    ASSERT_TRUE(wizardThreadState().registry);
    EXPECT_EQ(registry().Count(), 3);
    EXPECT_EQ(mediator().TabHeight(), tabHeight);
}

TEST_F(SecondNavigatorTest, TheRefusedOneHearsNothingOfThePageChanges) {
    design({"Welcome", "Options"});
    reload(Mode::Run);
    form->show();
    runtime.headlessMessageBox().clear();
    form->add("OvComCtl.OvWizardNavigator", "Nav2");
    auto second = form->control<OvWizardNavigator>("Nav2");
    watch(*second);
    EXPECT_EQ(prompts(), std::vector<std::string>{kRefusal});

    nav->NextClick();
    EXPECT_EQ(nav->CurrentPage()->Name(), "Options");
    // Only the wizard's navigator turned its Next button into Finish on the last page.
    EXPECT_EQ(button(RightMiddle).Caption(), "&Finish");
    EXPECT_EQ(second->button(RightMiddle).Caption(), "&Next >");
    // A page's failure reaches the host once, through the wizard's navigator.
    page("Options")->let("PageMode", 0);
    EXPECT_EQ(errors(),
              (std::vector<std::string>{"OnError 382 Set not supported at runtime Options::PageMode (Let)"}));
}
