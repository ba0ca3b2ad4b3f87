#include "platform/Frame.h"
#include "platform/Picture.h"
#include "support/NavigatorFixture.h"

using namespace ov;
using ovtest::NavigatorFixture;

namespace {

constexpr auto Left = ovEn_Button_Position::ovBPLeft;
constexpr auto LeftMiddle = ovEn_Button_Position::ovBPLeftMiddle;
constexpr auto RightMiddle = ovEn_Button_Position::ovBPRightMiddle;
constexpr auto Right = ovEn_Button_Position::ovBPRight;

class NavigatorLayoutTest : public NavigatorFixture {
protected:
    // A borderless form, so the strip is exactly as wide as the form.
    void stripOf(float width, Mode mode = Mode::Design) {
        makeForm(mode);
        if (mode == Mode::Design) form->setBorderStyle(0);
        nav->extender().setDefault(false);
        if (width != form->Width()) {
            nav->setHoldParentSize(false);
            form->setWidth(width);
        }
    }
    std::vector<float> lefts() {
        return {button(Right).Left(), button(RightMiddle).Left(), button(LeftMiddle).Left(),
                button(Left).Left()};
    }
};

PictureRef png(uint32_t w) {
    std::string bytes("\x89PNG\r\n\x1a\n\0\0\0\x0dIHDR", 16);
    bytes += std::string{'\0', '\0', '\0', static_cast<char>(w)} + std::string("\0\0\0\x01\x08\x02\0\0\0", 9);
    return Picture::fromPng(bytes);
}

} // namespace

TEST_F(NavigatorLayoutTest, ButtonsAreRightAlignedWithTheDesignedGaps) {
    stripOf(7540);
    ASSERT_EQ(nav->Width(), 7540);
    EXPECT_EQ(lefts(), (std::vector<float>{6270, 4985, 3865, 2580}));
    for (auto p : {Left, LeftMiddle, RightMiddle, Right}) {
        EXPECT_EQ(button(p).Top(), 210);
        EXPECT_EQ(button(p).Width(), 1120);
        EXPECT_EQ(button(p).Height(), 345);
    }
    EXPECT_EQ(nav->Height(), 705);
    auto& fra = nav->child<Frame>("fraTop");
    EXPECT_EQ(fra.Left(), -30);
    EXPECT_EQ(fra.Width(), 7600);
}

TEST_F(NavigatorLayoutTest, ButtonSizesBelowFifteenAreIgnored) {
    stripOf(7540);
    struct Case {
        int32_t width;
        float expectedWidth;
        float expectedRightLeft;
    } cases[] = {{10, 1120, 6270}, {14, 1120, 6270}, {15, 15, 7375}, {1500, 1500, 5890}};
    for (auto c : cases) {
        nav->setButtonWidth(c.width);
        EXPECT_EQ(button(Right).Width(), c.expectedWidth) << c.width;
        EXPECT_EQ(button(Right).Left(), c.expectedRightLeft) << c.width;
    }
    nav->setButtonHeight(5);
    EXPECT_EQ(button(Right).Height(), 345);
    nav->setButtonGapTop(100);
    EXPECT_EQ(button(Left).Top(), 100);
}

TEST_F(NavigatorLayoutTest, HoldParentSizeSnapsTheFormBack) {
    makeForm(Mode::Run);
    EXPECT_EQ(form->Width(), 7540);
    EXPECT_EQ(form->Height(), 5775);
    form->Move(0, 0, 9000, 7000); // the user drags a corner
    EXPECT_EQ(form->Width(), 7540);
    EXPECT_EQ(form->Height(), 5775);
}

TEST_F(NavigatorLayoutTest, ResizingAFreeFormAtDesignTimeRecordsTheUserSize) {
    makeForm(Mode::Design);
    nav->setHoldParentSize(false);
    form->setWidth(8000);
    EXPECT_EQ(nav->ParentWidth(), 8000);
    EXPECT_EQ(nav->WizardSizeMode(), ovWizardSizeMode::ovUser);
    nav->setWizardSizeMode(ovWizardSizeMode::ovStandard);
    EXPECT_EQ(form->Width(), 7540);
    EXPECT_EQ(form->Height(), 5775);
}

TEST_F(NavigatorLayoutTest, DesignOnlySettingsFailWith382AtRunTime) {
    makeForm(Mode::Run);
    nav->setHoldParentSize(false);
    nav->setWizardSizeMode(ovWizardSizeMode::ovUser);
    EXPECT_TRUE(nav->HoldParentSize());
    EXPECT_EQ(nav->WizardSizeMode(), ovWizardSizeMode::ovStandard);
    EXPECT_EQ(log, (std::vector<std::string>{
                       "OnError 382 Set not supported at runtime Nav::HoldParentSize (Let)",
                       "OnError 382 Set not supported at runtime Nav::WizardSizeMode (Let)"}));
}

TEST_F(NavigatorLayoutTest, ParentSizeWritesNeedAFreeFormAndAPositiveValue) {
    makeForm(Mode::Design);
    nav->setParentWidth(9000); // held: ignored
    EXPECT_EQ(form->Width(), 7540);
    nav->setHoldParentSize(false);
    nav->setParentWidth(0);
    EXPECT_EQ(form->Width(), 7540);
    nav->setParentHeight(6000);
    EXPECT_EQ(form->Height(), 6000);
    EXPECT_EQ(mediator().TabHeight(), static_cast<int32_t>(nav->extender().Top()) - 15);
}

TEST_F(NavigatorLayoutTest, TheNavigatorsTopSetsThePageHeight) {
    makeForm(Mode::Run);
    const auto top = static_cast<int32_t>(nav->extender().Top());
    EXPECT_EQ(top, static_cast<int32_t>(form->ScaleHeight()) - 705);
    EXPECT_EQ(mediator().TabHeight(), top - 15);
}

TEST_F(NavigatorLayoutTest, AMinimisedFormIsNotResizedButTheStripIsLaidOut) {
    makeForm(Mode::Run);
    form->setWindowState(1);
    int heights = 0;
    ScopedConnection c = mediator().YouMustChangeYourHeight.connect([&](int32_t) { ++heights; });
    form->setWidth(9000);
    EXPECT_EQ(form->Width(), 9000);
    EXPECT_GT(heights, 0);
}

TEST_F(NavigatorLayoutTest, PagesGetThePictureForTheCurrentScreen) {
    struct Case {
        int32_t twipsPerPixel;
        bool normalReachesPages;
    } cases[] = {{15, true}, {12, false}};
    for (auto c : cases) {
        runtime.setTwipsPerPixel(c.twipsPerPixel, c.twipsPerPixel);
        makeForm(Mode::Run);
        auto normal = png(1);
        auto big = png(2);
        nav->setImageBanner(normal);
        nav->setImageBannerBig(big);
        EXPECT_EQ(mediator().BannerImage(), c.normalReachesPages ? normal : big) << c.twipsPerPixel;
        nav->setImageWaterMark(normal);
        nav->setImageWaterMarkBig(big);
        EXPECT_EQ(mediator().WaterMarkImage(), c.normalReachesPages ? normal : big);
        EXPECT_EQ(nav->ImageBanner(), normal);
        EXPECT_EQ(nav->ImageBannerBig(), big);
        form->unload();
    }
}
