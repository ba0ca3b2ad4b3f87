#include "support/WizardFixture.h"

using namespace ov;

namespace {

using ButtonBarTest = ovtest::WizardFixture;
using Log = std::vector<std::string>;

} // namespace

TEST_F(ButtonBarTest, TheDefaultSetAlongAThreePageWizard) {
    runWizard();
    const std::string help = "&Help hidden enabled tag 4", back = "< &Back visible enabled tag 1",
                      next = "&Next > visible enabled tag 2 default",
                      cancel = "Cancel visible enabled tag 3 cancel";
    const struct {
        const char* page;
        Log states; // left to right
    } steps[] = {
        {"Page1", {help, "< &Back visible disabled tag 1", next, cancel}},
        {"Page2", {help, back, next, cancel}},
        {"Page3", {help, back, "&Finish visible enabled tag 6 default", cancel}},
        {"Page2", {help, back, next, cancel}},
    };
    for (size_t i = 0; i < std::size(steps); ++i) {
        SCOPED_TRACE(i);
        if (i == 1 || i == 2) form->click(button(RightMiddle));
        if (i == 3) form->click(button(LeftMiddle));
        EXPECT_EQ(showing(), steps[i].page);
        EXPECT_EQ(states(), steps[i].states);
        if (i == 2) {
            EXPECT_EQ(nav->get("RightMiddleButtonRule").toInt32(), 2); // the overlay leaves the rule
            log.clear();
            form->click(button(RightMiddle));
            EXPECT_EQ(log, (Log{"FinishClick"}));
        }
    }
}

// The Finish overlay takes the right-middle button only: other Next buttons are disabled at the end of
// the chain, and elsewhere follow their position's Enabled setting.
TEST_F(ButtonBarTest, EveryNextButtonIsDisabledOnTheLastPage) {
    design(3);
    nav->setLeftButtonVisible(true);
    nav->setLeftButtonRule(ovEn_Button_Rule::ovBRNext);
    nav->setRightButtonRule(ovEn_Button_Rule::ovBRNext);
    nav->setRightButtonEnabled(false);
    reload(Mode::Run);
    form->show();
    EXPECT_EQ(state(Left), "&Help visible enabled tag 2");
    EXPECT_EQ(state(Right), "Cancel visible disabled tag 2");
    form->click(button(Left));
    form->click(button(Left));
    EXPECT_EQ(showing(), "Page3");
    EXPECT_EQ(states(), (Log{"&Help visible disabled tag 2", "< &Back visible enabled tag 1",
                             "&Finish visible enabled tag 6 default", "Cancel visible disabled tag 2"}));
    EXPECT_TRUE(nav->get("LeftButtonEnabled").toBool()); // the button only, not the stored setting
    form->click(button(LeftMiddle));
    EXPECT_EQ(state(Left), "&Help visible enabled tag 2");
}

TEST_F(ButtonBarTest, ClicksDispatchByTheButtonsRule) {
    runWizard();
    struct Case {
        int32_t rule;
        Log events;
    } cases[] = {
        {3, {"CancelClick"}},
        {4, {"HelpClick"}},
        {5, {"ExitClick"}},
        {6, {"FinishClick"}},
        {2,
         {"Before forward Page2 from Page1 showing Page1", "After forward Page2 from Page1 showing Page2"}},
        {1, {"Before back Page1 from Page2 showing Page2", "After back Page1 from Page2 showing Page1"}},
        {0, {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.rule);
        log.clear();
        nav->let("RightButtonRule", Variant(c.rule));
        form->click(button(Right));
        EXPECT_EQ(log, c.events);
    }
}

TEST_F(ButtonBarTest, HelpLeavesTheZOrderAloneOtherClicksBringTheNavigatorToTheFront) {
    runWizard();
    nav->setLeftButtonVisible(true);
    auto& ext = nav->extender();
    ext.ZOrder(1);
    form->click(button(Left));
    EXPECT_EQ(log, (Log{"HelpClick"}));
    EXPECT_EQ(form->zOrder().front(), &ext);
    form->click(button(Right));
    EXPECT_EQ(form->zOrder().back(), &ext);
}

TEST_F(ButtonBarTest, FinishOverlayItsPartialUndoAndItsCaptionAndEnabledState) {
    runWizard();
    nav->setFinishPosition(Right);
    nav->setFinishVisible(true);
    EXPECT_EQ(state(Right), "&Finish visible enabled tag 6 cancel");
    nav->setRightButtonVisible(false);
    nav->setFinishVisible(false);
    EXPECT_EQ(state(Right), "&Finish hidden enabled tag 6 cancel");
    nav->setRightButtonVisible(true);
    nav->setFinishVisible(false);
    EXPECT_EQ(state(Right), "&Finish visible enabled tag 6 cancel");
    nav->NextClick(); // the next page change applies the set again
    EXPECT_EQ(state(Right), "Cancel visible enabled tag 3 cancel");
    // Caption and enabled state follow only while the overlay is shown (now on the right-middle button).
    nav->setFinishPosition(RightMiddle);
    nav->let("FinishCaption", "&Done");
    EXPECT_EQ(button(RightMiddle).Caption(), "&Next >");
    nav->let("FinishVisible", true);
    EXPECT_EQ(button(RightMiddle).Caption(), "&Done");
    nav->let("FinishEnabled", false);
    EXPECT_FALSE(button(RightMiddle).Enabled());
}

TEST_F(ButtonBarTest, DefaultStateFollowsTheEnabledDefaultPositionOnly) {
    runWizard();
    nav->setRightMiddleButtonEnabled(false);
    EXPECT_EQ(roles(), "--x-xC");
    nav->setRightMiddleButtonEnabled(true);
    EXPECT_EQ(roles(), "--xDC");
    nav->let("DefaultButton", Variant(4));
    EXPECT_EQ(roles(), "--x-B");
    nav->setDefaultButton(ovEn_Button_Position::ovBPNone);
    EXPECT_EQ(roles(), "--x-C");
}

TEST_F(ButtonBarTest, APageWithItsOwnSetShowsItWhileCurrentAndLeavesTheEndOfTheChainAlone) {
    design(3);
    for (const char* name : {"Page2", "Page3"}) {
        auto p = page(name);
        p->setUseDefaultButtonSet(false);
        p->setButtonVisible(Left, true);
        p->setButtonCaption(Left, "&Options");
        p->setButtonRule(Left, ovEn_Button_Rule::ovBRExit);
        p->setButtonCaption(Right, "&Close");
        p->setButtonRule(Right, ovEn_Button_Rule::ovBRNone);
    }
    reload(Mode::Run);
    form->show();
    EXPECT_EQ(state(Right), "Cancel visible enabled tag 3 cancel");
    nav->NextClick();
    EXPECT_EQ(state(Left), "&Options visible enabled tag 5");
    EXPECT_EQ(state(Right), "Cancel hidden disabled tag 3"); // rule 0: hidden, disabled, caption kept
    nav->NextClick();
    EXPECT_EQ(state(RightMiddle), "&Next > visible enabled tag 2 default");
    nav->BackClick();
    nav->BackClick(); // the navigator's set again
    EXPECT_EQ(state(Left), "&Help hidden enabled tag 4");
    EXPECT_EQ(state(Right), "Cancel visible enabled tag 3 cancel");
}

TEST_F(ButtonBarTest, DisablingTheNavigatorDisablesEveryButtonAndEnablingRestoresFromThePage) {
    runWizard();
    nav->let("Enabled", false);
    EXPECT_EQ(roles(), "-x-x-x-x");
    nav->let("Enabled", true);
    // Restored from the default set, not from the chain position: Back is enabled on the first page.
    EXPECT_EQ(states(),
              (Log{"&Help hidden enabled tag 4", "< &Back visible enabled tag 1",
                   "&Next > visible enabled tag 2 default", "Cancel visible enabled tag 3 cancel"}));
}

TEST_F(ButtonBarTest, PositionWritesAtDesignTimeReachTheMediatorsDefaultSetAndThePages) {
    design(0);
    nav->extender().clearChangedKeys();
    nav->let("RightButtonCaption", "&Abort");
    nav->setLeftButtonVisible(true);
    nav->setLeftMiddleButtonRule(ovEn_Button_Rule::ovBRExit);
    nav->setRightMiddleButtonEnabled(false);
    EXPECT_EQ(std::tuple(mediator().defaultSet(Right).Caption, mediator().defaultSet(Left).Visible,
                         mediator().defaultSet(LeftMiddle).Rule, mediator().defaultSet(RightMiddle).Enabled),
              std::tuple("&Abort", true, 5, false));
    EXPECT_EQ(nav->extender().changedKeys(), (Log{"RightButtonCaption", "LeftButtonVisible",
                                                  "LeftMiddleButtonRule", "RightMiddleButtonEnabled"}));
    // A page added now starts from the navigator's current defaults.
    auto p = form->add("OvComCtl.OvWizardTab", "Page1")->controlAs<OvWizardTab>();
    EXPECT_EQ(std::tuple(p->buttonCaption(Right), p->buttonRule(LeftMiddle)),
              std::tuple("&Abort", ovEn_Button_Rule::ovBRExit));
}

TEST_F(ButtonBarTest, FocusGoesToTheDefaultButtonOnceAfterTheWizardIsShown) {
    design(3);
    reload(Mode::Run);
    Log focused;
    ScopedConnection c = nav->on("OnButtonGotFocus", [&](Args& a) { focused.push_back(a[0].toString()); });
    form->show(); // the form focuses the navigator, which hands the focus to its default button
    EXPECT_TRUE(button(RightMiddle).hasFocus());
    nav->NextClick();
    form->clearFocus();
    nav->extender().SetFocus(); // once only: now the first button that can take it
    EXPECT_TRUE(button(LeftMiddle).hasFocus());
    nav->call("SetFocusOnButton", {Variant(1)}); // the invisible "&Help": nothing
    EXPECT_TRUE(button(LeftMiddle).hasFocus());
    nav->SetFocusOnButton(Right);
    EXPECT_TRUE(button(Right).hasFocus());
    nav->SetFocusOnButton(static_cast<ovEn_Button_Position>(7));
    EXPECT_EQ(focused, (Log{"3", "2", "4"}));
}
