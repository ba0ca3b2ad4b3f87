#include "platform/Frame.h"
#include "platform/OptionButton.h"
#include "wizard/pages/PropertyPagesFixture.h"

#include <tuple>

namespace ovtest {
namespace {

using ov::En_Page_Mode;

class TabPropertyPagesTest : public PropertyPagesFixture {};

// The index goes through the page's writer after PageNext and PageBack, so a swap exchanges the
// neighbours just written; the mode field is written after the swap and has the last word.
TEST_F(TabPropertyPagesTest, GeneralTabWritesInOrderAndADuplicateIndexSwapsPages) {
    edit("Page3", 0);
    EXPECT_EQ(dialog.pageCount(), 5u); // then the platform's colour and font pages
    EXPECT_EQ(dialog.page(2).Caption(), "Buttons Set");
    EXPECT_EQ(text("txtPageIndex") + " " + text("txtPageBack") + " " + text("txtPageNext"), "3 2 0");
    EXPECT_EQ(entry("cboPageMode"), "2 - CompletePage");
    EXPECT_TRUE(field<ov::OptionButton>("Maximize").Value());
    dialog.typeInto("txtPageBack", "2");
    ASSERT_TRUE(dialog.apply());
    EXPECT_EQ(keys("Page3"),
              (std::vector<std::string>{"PageNext", "PageBack", "PageIndex", "PageMode", "PageState"}));
    dialog.typeInto("txtPageIndex", "1");
    ASSERT_TRUE(dialog.apply());
    auto p3 = page("Page3"), p1 = page("Page1");
    EXPECT_EQ((std::array{p3->PageIndex(), p3->PageBack(), p3->PageNext()}), (std::array{1, 0, 2}));
    EXPECT_EQ((std::array{p1->PageIndex(), p1->PageBack(), p1->PageNext()}), (std::array{3, 2, 0}));
    EXPECT_EQ((std::array{p3->PageMode(), p1->PageMode()}),
              (std::array{En_Page_Mode::CompletePage, En_Page_Mode::CompletePage}));
}

TEST_F(TabPropertyPagesTest, CaptionsWriteTheFiveTextsInOrder) {
    edit("Page2", 1);
    const char* boxes[] = {"txtWaterMarkTitle", "txtWaterMarkRule", "txtWaterMarkDescription",
                           "txtBannerTitle", "txtBannerDescription"};
    for (const char* box : boxes)
        dialog.typeInto(box, std::string(box + 3) + ".");
    ASSERT_TRUE(dialog.apply());
    EXPECT_EQ(keys("Page2"),
              (std::vector<std::string>{"WaterMarkTitle", "WaterMarkRule", "WaterMarkDescription",
                                        "BannerTitle", "BannerDescription"}));
    EXPECT_EQ(page("Page2")->WatermarkRule() + " " + page("Page2")->BannerDescription(),
              "WaterMarkRule. BannerDescription.");
}

TEST_F(TabPropertyPagesTest, TheUseDefaultBoxDisablesTheSetButItIsStillApplied) {
    edit("Page3", 2);
    auto& set = field<ov::Frame>("fraButtonSet");
    EXPECT_EQ(std::tuple(ticked("chkUseDefaultButtonSet"), set.Enabled()), std::tuple(true, false));
    dialog.click("chkUseDefaultButtonSet");
    EXPECT_TRUE(set.Enabled());
    dialog.typeInto("txtRBCaption", "Close");
    dialog.click("chkLBVisible");
    EXPECT_EQ(std::tuple(field<ov::CommandButton>("LeftButton").Visible(),
                         field<ov::CommandButton>("RightButton").Caption()),
              std::tuple(true, "Close"));
    dialog.click("chkUseDefaultButtonSet");
    EXPECT_FALSE(set.Enabled());
    EXPECT_FALSE(dialog.typeInto("txtRBCaption", "Quit"));
    ASSERT_TRUE(dialog.apply());
    auto p = page("Page3");
    EXPECT_EQ(std::tuple(p->UseDefaultButtonSet(), p->RightButton().Caption, p->LeftButton().Visible),
              std::tuple(true, "Close", true));
}

TEST_F(TabPropertyPagesTest, ARuleStaysOnOnePositionAndNoneIsNoEdit) {
    edit("Page3", 2, true);
    dialog.choose("cboLMBRule", 0);
    EXPECT_EQ(rules(), "Help None Next Cancel");
    EXPECT_FALSE(dialog.anyChanged());
    dialog.choose("cboLBRule", 2);
    EXPECT_EQ(rules(), "Next None None Cancel");
    EXPECT_TRUE(dialog.anyChanged());
    ASSERT_TRUE(dialog.apply());
    EXPECT_EQ(std::tuple(page("Page3")->buttonRule(Left), page("Page3")->buttonRule(RightMiddle)),
              std::tuple(ov::ovEn_Button_Rule::ovBRNext, ov::ovEn_Button_Rule::ovBRNone));
}

// A ticked box makes its position's rule the page's default (cancel) rule; with none ticked the page
// takes the rightmost position whose rule is 0, or none.
TEST_F(TabPropertyPagesTest, DefaultAndCancelComeFromTheTickedBoxOrRuleZero) {
    struct Case {
        std::vector<const char*> clicks;
        int16_t leftRule; // chosen for the left position; -1 leaves it
        const char* ticked;
        int32_t defaultButton, cancelButton;
    } cases[] = {
        {{}, -1, "RMB / RB", 3, 4},
        {{"chkRBDefault"}, -1, "RB / RB", 4, 4},
        {{"chkRMBDefault", "chkRBCancel"}, -1, "none / none", 0, 0},
        {{"chkRMBDefault", "chkRBCancel"}, 0, "none / none", 1, 1},
        {{"chkLMBCancel"}, -1, "RMB / LMB", 3, 2},
    };
    for (const Case& c : cases) {
        edit("Page3", 2, true);
        for (const char* box : c.clicks)
            dialog.click(box);
        if (c.leftRule >= 0) dialog.choose("cboLBRule", c.leftRule);
        dialog.page(2).setChanged(true); // the first row edits nothing
        SCOPED_TRACE(c.ticked);
        EXPECT_EQ(tickedOf("Default") + " / " + tickedOf("Cancel"), c.ticked);
        ASSERT_TRUE(dialog.apply());
        EXPECT_EQ(std::tuple(page("Page3")->DefaultButton(), page("Page3")->CancelButton()),
                  std::tuple(c.defaultButton, c.cancelButton));
    }
}

TEST_F(TabPropertyPagesTest, ButtonsSetWritesTheFlagThenEachPositionsRecordInOrder) {
    edit("Page3", 2, true);
    dialog.typeInto("txtLBCaption", "Aide");
    ASSERT_TRUE(dialog.apply());
    EXPECT_EQ(keys("Page3"),
              (std::vector<std::string>{"UseDefaultButtonSet", "LBVisible", "LBEnabled", "LBCaption",
                                        "LBRule", "LMBVisible", "LMBEnabled", "LMBCaption", "LMBRule",
                                        "RMBVisible", "RMBEnabled", "RMBCaption", "RMBRule", "DefaultButton",
                                        "RBVisible", "RBEnabled", "RBCaption", "RBRule", "CancelButton"}));
}

} // namespace
} // namespace ovtest
