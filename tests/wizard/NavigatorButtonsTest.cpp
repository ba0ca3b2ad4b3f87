#include "support/NavigatorFixture.h"

using namespace ov;
using ovtest::NavigatorFixture;

namespace {

constexpr auto Left = ovEn_Button_Position::ovBPLeft;
constexpr auto LeftMiddle = ovEn_Button_Position::ovBPLeftMiddle;
constexpr auto RightMiddle = ovEn_Button_Position::ovBPRightMiddle;
constexpr auto Right = ovEn_Button_Position::ovBPRight;

class ButtonBarTest : public NavigatorFixture {
protected:
    void run(bool useDefaultSet = true) {
        makeForm(Mode::Run);
        threePages(useDefaultSet);
        form->show();
        log.clear();
    }
    std::string state(CommandButton& b) {
        return b.Caption() + (b.Visible() ? " visible" : " hidden") +
               (b.Enabled() ? " enabled" : " disabled") + " tag " + b.Tag() +
               (b.Default() ? " default" : "") + (b.Cancel() ? " cancel" : "");
    }
};

} // namespace

TEST_F(ButtonBarTest, TheDefaultSetAlongAThreePageWizard) {
    run();
    EXPECT_EQ(state(left()), "&Help hidden enabled tag 4");
    EXPECT_EQ(state(leftMiddle()), "< &Back visible disabled tag 1");
    EXPECT_EQ(state(rightMiddle()), "&Next > visible enabled tag 2 default");
    EXPECT_EQ(state(right()), "Cancel visible enabled tag 3 cancel");
    nav->NextClick();
    EXPECT_EQ(state(leftMiddle()), "< &Back visible enabled tag 1");
    EXPECT_EQ(state(rightMiddle()), "&Next > visible enabled tag 2 default");
    nav->NextClick();
    EXPECT_EQ(state(leftMiddle()), "< &Back visible enabled tag 1");
    EXPECT_EQ(state(rightMiddle()), "&Finish visible enabled tag 6 default");
    EXPECT_EQ(nav->RightMiddleButtonRule(), ovEn_Button_Rule::ovBRNext); // the overlay leaves the rule
    form->click(rightMiddle());
    EXPECT_EQ(log.back(), "FinishClick");
    nav->BackClick();
    EXPECT_EQ(state(rightMiddle()), "&Next > visible enabled tag 2 default");
}

TEST_F(ButtonBarTest, ClicksDispatchByTheButtonsRule) {
    run();
    form->click(rightMiddle());
    EXPECT_EQ(current(), 2);
    form->click(leftMiddle());
    EXPECT_EQ(current(), 1);
    log.clear();
    form->click(right());
    EXPECT_EQ(log, (std::vector<std::string>{"CancelClick"}));
    struct Case {
        ovEn_Button_Rule rule;
        const char* event;
    } cases[] = {{ovEn_Button_Rule::ovBRHelp, "HelpClick"},
                 {ovEn_Button_Rule::ovBRExit, "ExitClick"},
                 {ovEn_Button_Rule::ovBRFinish, "FinishClick"},
                 {ovEn_Button_Rule::ovBRCancel, "CancelClick"}};
    for (auto c : cases) {
        log.clear();
        nav->setRightButtonRule(c.rule);
        form->click(right());
        EXPECT_EQ(log, (std::vector<std::string>{c.event}));
    }
    nav->setRightButtonRule(ovEn_Button_Rule::ovBRNone);
    log.clear();
    form->click(right());
    EXPECT_TRUE(log.empty());
}

TEST_F(ButtonBarTest, HelpLeavesTheZOrderAloneOtherClicksBringTheNavigatorToTheFront) {
    run();
    nav->setLeftButtonVisible(true);
    auto& ext = nav->extender();
    ext.ZOrder(1);
    form->click(left());
    EXPECT_EQ(log.back(), "HelpClick");
    EXPECT_EQ(form->zOrder().front(), &ext);
    form->click(right());
    EXPECT_EQ(form->zOrder().back(), &ext);
}

TEST_F(ButtonBarTest, EnterAndEscapeReachTheDefaultAndCancelButtons) {
    run();
    form->pressKey(13);
    EXPECT_EQ(current(), 2);
    log.clear();
    form->pressKey(27);
    EXPECT_EQ(log, (std::vector<std::string>{"CancelClick"}));
}

TEST_F(ButtonBarTest, FinishOverlayOnTheRightButtonAndItsPartialUndo) {
    run();
    nav->setFinishPosition(Right);
    nav->setFinishVisible(true);
    EXPECT_EQ(state(right()), "&Finish visible enabled tag 6 cancel");
    nav->setRightButtonVisible(false);
    nav->setFinishVisible(false);
    EXPECT_EQ(state(right()), "&Finish hidden enabled tag 6 cancel");
    nav->setRightButtonVisible(true);
    nav->setFinishVisible(false);
    EXPECT_EQ(state(right()), "&Finish visible enabled tag 6 cancel");
    nav->NextClick(); // the next page change applies the set again
    EXPECT_EQ(state(right()), "Cancel visible enabled tag 3 cancel");
}

TEST_F(ButtonBarTest, FinishCaptionAndEnabledFollowOnlyWhileTheOverlayIsShown) {
    run();
    nav->setFinishCaption("&Done");
    EXPECT_EQ(rightMiddle().Caption(), "&Next >");
    nav->setFinishVisible(true);
    EXPECT_EQ(rightMiddle().Caption(), "&Done");
    nav->setFinishEnabled(false);
    EXPECT_FALSE(rightMiddle().Enabled());
}

TEST_F(ButtonBarTest, DisablingTheDefaultPositionRemovesTheDefaultEverywhere) {
    run();
    nav->setRightMiddleButtonEnabled(false);
    for (auto p : {Left, LeftMiddle, RightMiddle, Right})
        EXPECT_FALSE(button(p).Default()) << static_cast<int>(p);
    nav->setRightMiddleButtonEnabled(true);
    EXPECT_TRUE(rightMiddle().Default());
    nav->setDefaultButton(Right);
    EXPECT_FALSE(rightMiddle().Default());
    EXPECT_TRUE(right().Default());
    nav->setDefaultButton(ovEn_Button_Position::ovBPNone);
    for (auto p : {Left, LeftMiddle, RightMiddle, Right})
        EXPECT_FALSE(button(p).Default());
}

TEST_F(ButtonBarTest, APageOwnSetWithRuleZeroHidesAndDisablesThatButton) {
    makeForm(Mode::Run);
    threePages(false);
    for (auto& p : pages) {
        p->buttons[3] = ButtonSetting{true, true, "&Close", 0};
        p->buttons[0] = ButtonSetting{true, true, "&Options", 5};
    }
    form->show();
    EXPECT_EQ(state(right()), "Cancel hidden disabled tag 3");
    EXPECT_EQ(state(left()), "&Options visible enabled tag 5");
    // With a page's own set the end of the chain is left alone.
    nav->NextClick();
    nav->NextClick();
    EXPECT_EQ(state(rightMiddle()), "&Next > visible enabled tag 2 default");
}

TEST_F(ButtonBarTest, DisablingTheNavigatorDisablesEveryButtonAndEnablingRestoresFromThePage) {
    run();
    nav->setEnabled(false);
    for (auto p : {Left, LeftMiddle, RightMiddle, Right})
        EXPECT_FALSE(button(p).Enabled());
    EXPECT_FALSE(rightMiddle().Default());
    EXPECT_FALSE(right().Cancel());
    nav->setEnabled(true);
    EXPECT_TRUE(rightMiddle().Enabled());
    EXPECT_TRUE(rightMiddle().Default());
    EXPECT_TRUE(right().Cancel());
    EXPECT_TRUE(leftMiddle().Enabled()); // restored from the default set, not from the chain position
}

TEST_F(ButtonBarTest, PositionWritesAtDesignTimeReachTheMediatorsDefaultSet) {
    makeForm(Mode::Design);
    nav->extender().clearChangedKeys();
    nav->setRightButtonCaption("&Abort");
    nav->setLeftButtonVisible(true);
    nav->setLeftMiddleButtonRule(ovEn_Button_Rule::ovBRExit);
    nav->setRightMiddleButtonEnabled(false);
    EXPECT_EQ(mediator().defaultSet(Right).Caption, "&Abort");
    EXPECT_TRUE(mediator().defaultSet(Left).Visible);
    EXPECT_EQ(mediator().defaultSet(LeftMiddle).Rule, 5);
    EXPECT_FALSE(mediator().defaultSet(RightMiddle).Enabled);
    EXPECT_EQ(nav->extender().changedKeys(),
              (std::vector<std::string>{"RightButtonCaption", "LeftButtonVisible", "LeftMiddleButtonRule",
                                        "RightMiddleButtonEnabled"}));
}

TEST_F(ButtonBarTest, PositionWritesAtRunTimeLastUntilTheNextPageChange) {
    run();
    nav->setRightButtonCaption("&Abort");
    EXPECT_EQ(right().Caption(), "&Abort");
    EXPECT_EQ(mediator().defaultSet(Right).Caption, "Cancel");
    nav->NextClick();
    EXPECT_EQ(right().Caption(), "Cancel");
}

TEST_F(ButtonBarTest, FocusGoesToTheDefaultButtonOnceAfterTheWizardIsShown) {
    makeForm(Mode::Run);
    threePages();
    std::vector<int32_t> focused;
    ScopedConnection c = nav->OnButtonGotFocus.connect(
        [&](ovEn_Button_Position p) { focused.push_back(static_cast<int32_t>(p)); });
    form->show(); // the form focuses the navigator, which hands the focus to its default button
    EXPECT_TRUE(rightMiddle().hasFocus());
    nav->NextClick();
    form->clearFocus();
    nav->extender().SetFocus(); // once only: now the first button that can take it
    EXPECT_TRUE(leftMiddle().hasFocus());
    nav->SetFocusOnButton(Left); // the invisible "&Help": nothing
    EXPECT_TRUE(leftMiddle().hasFocus());
    nav->SetFocusOnButton(Right);
    EXPECT_TRUE(right().hasFocus());
    nav->SetFocusOnButton(static_cast<ovEn_Button_Position>(7));
    EXPECT_EQ(focused, (std::vector<int32_t>{3, 2, 4}));
}
