#include "platform/Line.h"
#include "wizard/pages/PropertyPagesFixture.h"

namespace ovtest {
namespace {

using ov::ovEn_Button_Position;
using ov::ovEn_Button_Rule;

class NavigatorPropertyPagesTest : public PropertyPagesFixture {};

TEST_F(NavigatorPropertyPagesTest, GeneralAndPositionWriteTheirFieldsInOrder) {
    edit("Nav", 0);
    EXPECT_EQ(dialog.pageCount(), 3u);
    EXPECT_EQ(dialog.page(1).Caption(), "Position");
    EXPECT_EQ(text("txtStartPage") + " " + entry("cboBannerStyle"), "1 ovVelmar");
    EXPECT_TRUE(ticked("chkEnabled"));
    EXPECT_TRUE(dialog.typeInto("txtStartPage", "2"));
    dialog.click("chkEnabled");
    dialog.choose("cboBannerStyle", 0);
    dialog.showPage(1);
    EXPECT_EQ(text("txtButtonWidth") + " " + text("txtButtonGapTop"), "1120 210");
    dialog.typeInto("txtButtonWidth", "10"); // below 15: the navigator ignores it
    dialog.typeInto("txtButtonHeight", "400");
    dialog.typeInto("txtButtonGapTop", "90");
    ASSERT_TRUE(dialog.apply());

    EXPECT_EQ(keys("Nav"),
              (std::vector<std::string>{"StartPage", "Enabled", "BannerHeaderStyle", "ButtonHeight",
                                        "ButtonGapMiddle", "ButtonGapRight", "ButtonGapTop"}));
    EXPECT_EQ(nav->StartPage(), 2);
    EXPECT_FALSE(nav->Enabled());
    EXPECT_EQ(nav->BannerHeaderStyle(), ov::ovBannerStyleEnum::ovOSWindows2k);
    EXPECT_EQ(nav->ButtonWidth(), 1120);
    EXPECT_EQ(button(Right).Height(), 400);
    EXPECT_EQ(button(Right).Top(), 90);

    dialog.showPage(0);
    dialog.typeInto("txtStartPage", "x");
    EXPECT_THROW(dialog.apply(), ov::Failure); // the navigator's type mismatch; the page stays changed
    EXPECT_TRUE(dialog.page(0).Changed());
    EXPECT_EQ(nav->StartPage(), 2);
}

TEST_F(NavigatorPropertyPagesTest, ButtonSetLoadsTheNavigatorsSet) {
    edit("Nav", 2);
    EXPECT_EQ(rules(), "Help Back Next Cancel");
    EXPECT_EQ(tickedOf("Visible"), "LMB RMB RB");
    EXPECT_EQ(tickedOf("Enabled"), "LB LMB RMB RB");
    EXPECT_EQ(tickedOf("Default") + " / " + tickedOf("Cancel"), "RMB / RB");
    EXPECT_EQ(text("txtLBCaption") + "|" + field<ov::CommandButton>("LeftButton").Caption(), "&Help|&Help");
    EXPECT_EQ(entry("cboFinishPosition") + "|" + entry("cboFinishRule") + "|" + text("txtFinishCaption"),
              "Right Middle Button|Finish|&Finish");
    EXPECT_TRUE(ticked("chkFinishEnabled"));
    EXPECT_FALSE(ticked("chkFinishVisible"));
    EXPECT_FALSE(dialog.anyChanged());
}

TEST_F(NavigatorPropertyPagesTest, ARuleStaysOnOnePosition) {
    struct Case {
        const char* list;
        int16_t choice;
        const char* shown;
        std::array<int32_t, 4> applied;
    } cases[] = {
        {"cboLBRule", 2, "Next Back None Cancel", {2, 1, 0, 3}}, // the right-middle Next gives way
        {"cboRBRule", 1, "Help None Next Back", {4, 0, 2, 1}},
        {"cboLMBRule", 0, "Help None Next Cancel", {4, 0, 2, 3}},
        {"cboLBRule", 5, "Exit Back Next Cancel", {5, 1, 2, 3}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.list) + " " + std::to_string(c.choice));
        edit("Nav", 2);
        dialog.choose(c.list, c.choice);
        EXPECT_EQ(rules(), c.shown);
        EXPECT_TRUE(dialog.anyChanged());
        ASSERT_TRUE(dialog.apply());
        for (size_t i = 0; i < 4; ++i)
            EXPECT_EQ(static_cast<int32_t>(nav->buttonRule(kPositions[i])), c.applied[i]) << i;
    }
}

TEST_F(NavigatorPropertyPagesTest, OneDefaultAndOneCancelBoxAndNoneWritesZero) {
    edit("Nav", 2);
    dialog.click("chkLBDefault");
    dialog.click("chkLMBCancel");
    EXPECT_EQ(tickedOf("Default") + " / " + tickedOf("Cancel"), "LB / LMB");
    dialog.click("chkLMBCancel"); // cleared: no cancel box is ticked
    ASSERT_TRUE(dialog.apply());
    EXPECT_EQ(nav->DefaultButton(), Left);
    EXPECT_EQ(nav->CancelButton(), ovEn_Button_Position::ovBPNone);
    EXPECT_TRUE(button(Left).Default());
    EXPECT_FALSE(button(Right).Cancel());
}

TEST_F(NavigatorPropertyPagesTest, ApplyWritesPositionsThenFinishThenRolesAndPreviewsFollow) {
    edit("Nav", 2);
    dialog.typeInto("txtLBCaption", "Aide");
    dialog.click("chkLBEnabled");
    const auto& preview = field<ov::CommandButton>("LeftButton");
    EXPECT_EQ(preview.Caption(), "Aide");
    EXPECT_FALSE(preview.Enabled());
    ASSERT_TRUE(dialog.apply());
    std::vector<std::string> expected;
    for (const char* p : {"LeftButton", "LeftMiddleButton", "RightMiddleButton", "RightButton"})
        for (const char* f : {"Caption", "Rule", "Visible", "Enabled"})
            expected.push_back(std::string(p) + f);
    for (const char* k : {"FinishCaption", "FinishPosition", "FinishRule", "FinishEnabled", "FinishVisible",
                          "CancelButton", "DefaultButton"})
        expected.push_back(k);
    EXPECT_EQ(keys("Nav"), expected);
    EXPECT_EQ(nav->LeftButtonCaption(), "Aide");
    EXPECT_FALSE(nav->LeftButtonEnabled());
}

// At design time the navigator's writes reach the thread's default set: a page placed afterwards
// starts from the edited set, one placed before keeps its own.
TEST_F(NavigatorPropertyPagesTest, APagePlacedLaterStartsFromTheEditedSet) {
    edit("Nav", 2);
    dialog.typeInto("txtLBCaption", "Aide");
    dialog.click("chkLBVisible");
    dialog.choose("cboRBRule", 5);
    ASSERT_TRUE(dialog.ok());
    auto later = form->add("OvComCtl.OvWizardTab", "Page4")->controlAs<ov::OvWizardTab>();
    const ov::PageButtons left = later->LeftButton();
    EXPECT_EQ(left.Caption, "Aide");
    EXPECT_TRUE(left.Visible);
    EXPECT_EQ(later->RightButton().Rule, ovEn_Button_Rule::ovBRExit);
    EXPECT_EQ(page("Page1")->LeftButton().Caption, "&Help");
}

TEST_F(NavigatorPropertyPagesTest, PreviewFramesLieOnePixelOutsideTheirButtons) {
    for (auto [px, py] : {std::pair{15, 15}, std::pair{12, 10}}) {
        runtime.setTwipsPerPixel(px, py);
        edit("Nav", 2);
        for (auto [prefix, preview] :
             {std::pair{"LB", "LeftButton"}, std::pair{"LMB", "LeftMiddleButton"},
              std::pair{"RMB", "RightMiddleButton"}, std::pair{"RB", "RightButton"}}) {
            const std::string name = prefix;
            const auto& b = field<ov::CommandButton>(preview);
            const auto& top = field<ov::Line>("lin" + name + "Top");
            const auto& bottom = field<ov::Line>("lin" + name + "Bottom");
            const auto& left = field<ov::Line>("lin" + name + "Left");
            const auto& right = field<ov::Line>("lin" + name + "Right");
            SCOPED_TRACE(name + " at " + std::to_string(px) + "x" + std::to_string(py));
            EXPECT_EQ(top.Y1(), b.Top() - py);
            EXPECT_EQ(bottom.Y1(), b.Top() + b.Height());
            EXPECT_EQ(left.X1(), b.Left() - px);
            EXPECT_EQ(right.X1(), b.Left() + b.Width());
            EXPECT_EQ(top.X1(), left.X1());
            EXPECT_EQ(bottom.X2(), right.X1() + px);
            EXPECT_EQ(left.Y2(), bottom.Y1());
        }
    }
}

} // namespace
} // namespace ovtest
