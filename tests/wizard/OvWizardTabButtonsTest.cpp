#include "wizard/OvWizardTabFixture.h"

using namespace ov;
using ovtest::WizardTabFixture;

namespace {

constexpr auto None = ovEn_Button_Rule::ovBRNone;
constexpr auto Back = ovEn_Button_Rule::ovBRBack;
constexpr auto Next = ovEn_Button_Rule::ovBRNext;
constexpr auto Cancel = ovEn_Button_Rule::ovBRCancel;
constexpr auto Help = ovEn_Button_Rule::ovBRHelp;
constexpr auto Exit = ovEn_Button_Rule::ovBRExit;
constexpr auto Finish = ovEn_Button_Rule::ovBRFinish;

PageButtons record(bool visible, bool enabled, std::string caption, ovEn_Button_Rule rule,
                   ovEn_Button_Position position = ovEn_Button_Position::ovBPNone, bool isDefault = false,
                   bool isCancel = false) {
    return {visible, enabled, std::move(caption), rule, position, isDefault, isCancel};
}

// A page with the navigator's standard set: Help (hidden), Back, Next (default), Cancel (cancel).
class WizardTabButtonSetTest : public WizardTabFixture {
protected:
    std::shared_ptr<OvWizardTab> p;
    void SetUp() override {
        p = addPage("Page1");
        ext("Page1").clearChangedKeys();
    }
    std::vector<ovEn_Button_Rule> rules() {
        return {p->buttonRule(Left), p->buttonRule(LeftMiddle), p->buttonRule(RightMiddle),
                p->buttonRule(Right)};
    }
    const std::vector<std::string>& changed() { return ext("Page1").changedKeys(); }
};

} // namespace

TEST_F(WizardTabButtonSetTest, ViewsShowEachPositionWithItsRoles) {
    EXPECT_EQ(p->LeftButton(), record(false, true, "&Help", Help, Left));
    EXPECT_EQ(p->LeftMiddleButton(), record(true, true, "< &Back", Back, LeftMiddle));
    EXPECT_EQ(p->RightMiddleButton(), record(true, true, "&Next >", Next, RightMiddle, true, false));
    EXPECT_EQ(p->RightButton(), record(true, true, "Cancel", Cancel, Right, false, true));
    // By name the record travels by value.
    EXPECT_EQ(p->get("RightButton").toRecord<PageButtons>().Caption, "Cancel");
    // GetButton finds the first position with the rule.
    EXPECT_EQ(p->GetButton(Next), record(true, true, "&Next >", Next, RightMiddle, true, false));
    p->setButtonRule(Left, Next);
    EXPECT_EQ(p->GetButton(Next).Position, Left);
    for (auto missing : {None, Exit, Finish, static_cast<ovEn_Button_Rule>(9)})
        EXPECT_EQ(p->GetButton(missing), PageButtons{}) << static_cast<int>(missing);
}

TEST_F(WizardTabButtonSetTest, WritingAViewStoresEachFieldAndTakesTheRoles) {
    p->setLeftButton(record(true, false, "E&xit", Exit, Right, true, true));
    EXPECT_EQ(p->LeftButton(), record(true, false, "E&xit", Exit, Left, true, true));
    EXPECT_EQ(changed(), (std::vector<std::string>{"LBVisible", "LBEnabled", "LBCaption", "LBRule",
                                                   "DefaultButton", "CancelButton"}));
    // False roles leave the stored positions where they are.
    p->setRightMiddleButton(record(true, true, "&Next >", Next));
    EXPECT_EQ(std::tuple(p->DefaultButton(), p->CancelButton()), std::tuple(1, 1));
}

// SetButton places a record at one of the four positions and answers whether it moved the button that
// had the rule before (to the position written); elsewhere it changes nothing.
TEST_F(WizardTabButtonSetTest, SetButtonKeepsRulesUniqueByMovingTheReplacedButton) {
    for (int32_t position : {0, 5, -1}) {
        PageButtons b = record(true, true, "X", Exit);
        EXPECT_FALSE(p->SetButton(static_cast<ovEn_Button_Position>(position), b)) << position;
    }
    EXPECT_EQ(rules(), (std::vector<ovEn_Button_Rule>{Help, Back, Next, Cancel}));
    EXPECT_TRUE(changed().empty());
    PageButtons finish = record(true, true, "&Finish", Finish);
    EXPECT_FALSE(p->SetButton(RightMiddle, finish)); // an unused rule: only placed
    EXPECT_EQ(rules(), (std::vector<ovEn_Button_Rule>{Help, Back, Finish, Cancel}));
    EXPECT_EQ(p->buttonCaption(RightMiddle), "&Finish");
    PageButtons exit = record(true, true, "E&xit", Cancel);
    EXPECT_TRUE(p->SetButton(Left, exit));
    EXPECT_EQ(rules(), (std::vector<ovEn_Button_Rule>{Cancel, Back, Finish, Help}));
    EXPECT_EQ(std::tuple(p->buttonCaption(Left), p->buttonCaption(Right), p->buttonVisible(Right)),
              std::tuple("E&xit", "&Help", false));
    // By name the record is taken by reference.
    Args args{Variant(static_cast<int32_t>(Right)), Variant::record(record(true, true, "&Back!", Back))};
    EXPECT_TRUE(p->call("SetButton", args).toBool());
    EXPECT_EQ(rules(), (std::vector<ovEn_Button_Rule>{Cancel, Help, Finish, Back}));
    EXPECT_EQ(args[1].toRecord<PageButtons>().Caption, "&Back!");
}

TEST_F(WizardTabButtonSetTest, TheDefaultAndCancelRolesGoToTheRightmostPositionWithTheRule) {
    struct Case {
        std::vector<ovEn_Button_Rule> rules;
        ovEn_Button_Rule rule;
        int32_t position;
    };
    const Case cases[] = {
        {{Help, Back, Next, Cancel}, Next, 3},   {{Next, Back, Next, Cancel}, Next, 3},
        {{Next, Back, Help, Next}, Next, 4},     {{Next, Back, Help, Cancel}, Next, 1},
        {{Help, Back, Next, Cancel}, Finish, 0}, {{None, None, None, None}, None, 4},
    };
    for (const Case& c : cases) {
        for (int32_t i = 0; i < 4; ++i)
            p->setButtonRule(static_cast<ovEn_Button_Position>(i + 1), c.rules[static_cast<size_t>(i)]);
        p->SetDefaultButton(c.rule);
        p->SetCancelButton(c.rule);
        EXPECT_EQ(p->DefaultButton(), c.position) << static_cast<int>(c.rule);
        EXPECT_EQ(p->CancelButton(), c.position) << static_cast<int>(c.rule);
    }
    ext("Page1").clearChangedKeys();
    p->SetDefaultButton(Help);
    p->SetCancelButton(Help);
    EXPECT_EQ(changed(), (std::vector<std::string>{"DefaultButton", "CancelButton"}));
}

TEST_F(WizardTabButtonSetTest, TheInternalsAreReachableByNameButNotPublished) {
    p->let("RBEnabled", false);
    p->let("LMBCaption", "Zur&ück");
    EXPECT_EQ(std::tuple(p->buttonEnabled(Right), p->get("lmbcaption").toString(),
                         p->get("DefaultButton").toInt32()),
              std::tuple(false, "Zur&ück", 3));
    EXPECT_EQ(changed(), (std::vector<std::string>{"RBEnabled", "LMBCaption"}));
    for (const char* name :
         {"LBVisible", "RMBRule", "RBCaption", "DefaultButton", "CancelButton", "BannerStyle"}) {
        const MemberInfo* m = OvWizardTab::staticClass().findMember(name);
        ASSERT_NE(m, nullptr) << name;
        EXPECT_FALSE(m->published) << name;
    }
}
