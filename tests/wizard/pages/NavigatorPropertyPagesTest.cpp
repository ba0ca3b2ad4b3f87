#include "platform/Line.h"
#include "wizard/pages/PropertyPagesFixture.h"

#include <tuple>

namespace ovtest {
namespace {

using ov::ovEn_Button_Position;
using ov::ovEn_Button_Rule;

class NavigatorPropertyPagesTest : public PropertyPagesFixture {};

TEST_F(NavigatorPropertyPagesTest, GeneralAndPositionWriteTheirFieldsInOrder) {
    edit("Nav", 0);
    EXPECT_EQ(std::tuple(dialog.pageCount(), dialog.page(1).Caption(), ticked("chkEnabled")),
              std::tuple(3u, "Position", true));
    EXPECT_EQ(text("txtStartPage") + " " + entry("cboBannerStyle"), "1 ovVelmar");
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
    EXPECT_EQ(std::tuple(nav->StartPage(), nav->Enabled(), nav->BannerHeaderStyle()),
              std::tuple(2, false, ov::ovBannerStyleEnum::ovOSWindows2k));
    EXPECT_EQ(nav->ButtonWidth(), 1120);
    EXPECT_EQ(buttonSizes(), "90 1120 400");

    dialog.showPage(0);
    dialog.typeInto("txtStartPage", "x");
    EXPECT_THROW(dialog.apply(), ov::Failure); // the navigator's type mismatch; the page stays changed
    EXPECT_EQ(std::tuple(dialog.page(0).Changed(), nav->StartPage()), std::tuple(true, 2));
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
    EXPECT_EQ(std::tuple(ticked("chkFinishEnabled"), ticked("chkFinishVisible")), std::tuple(true, false));
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
    EXPECT_EQ(std::tuple(nav->DefaultButton(), nav->CancelButton()),
              std::tuple(Left, ovEn_Button_Position::ovBPNone));
    EXPECT_EQ(roles(), "D---");
}

TEST_F(NavigatorPropertyPagesTest,
       ApplyWritesPositionsThenFinishThenRolesPreviewsFollowAndLaterPagesStartFromTheSet) {
    edit("Nav", 2);
    dialog.typeInto("txtLBCaption", "Aide");
    dialog.click("chkLBEnabled");
    const auto& preview = field<ov::CommandButton>("LeftButton");
    EXPECT_EQ(std::tuple(preview.Caption(), preview.Enabled()), std::tuple("Aide", false));
    ASSERT_TRUE(dialog.apply());
    std::vector<std::string> expected;
    for (const char* p : {"LeftButton", "LeftMiddleButton", "RightMiddleButton", "RightButton"})
        for (const char* f : {"Caption", "Rule", "Visible", "Enabled"})
            expected.push_back(std::string(p) + f);
    for (const char* k : {"FinishCaption", "FinishPosition", "FinishRule", "FinishEnabled", "FinishVisible",
                          "CancelButton", "DefaultButton"})
        expected.push_back(k);
    EXPECT_EQ(keys("Nav"), expected);
    EXPECT_EQ(std::tuple(nav->LeftButtonCaption(), nav->LeftButtonEnabled()), std::tuple("Aide", false));
    // At design time the navigator's writes reach the thread's default set: a page placed afterwards
    // starts from the edited set, one placed before keeps its own.
    dialog.click("chkLBVisible");
    dialog.choose("cboRBRule", 5);
    ASSERT_TRUE(dialog.ok());
    auto later = form->add("OvComCtl.OvWizardTab", "Page4")->controlAs<ov::OvWizardTab>();
    EXPECT_EQ(std::tuple(later->LeftButton().Caption, later->LeftButton().Visible, later->RightButton().Rule),
              std::tuple("Aide", true, ovEn_Button_Rule::ovBRExit));
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
            auto line = [&](const char* side) -> const ov::Line& {
                return field<ov::Line>("lin" + name + side);
            };
            SCOPED_TRACE(name + " at " + std::to_string(px) + "x" + std::to_string(py));
            // Top, bottom, left and right lines; the top starts at the left line, the bottom ends past the
            // right one, the left ends at the bottom line.
            EXPECT_EQ(
                std::tuple(line("Top").Y1(), line("Bottom").Y1(), line("Left").X1(), line("Right").X1()),
                std::tuple(b.Top() - py, b.Top() + b.Height(), b.Left() - px, b.Left() + b.Width()));
            EXPECT_EQ(std::tuple(line("Top").X1(), line("Bottom").X2(), line("Left").Y2()),
                      std::tuple(line("Left").X1(), line("Right").X1() + px, line("Bottom").Y1()));
        }
    }
}

} // namespace
} // namespace ovtest
