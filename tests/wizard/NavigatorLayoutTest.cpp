#include "platform/Frame.h"
#include "platform/Image.h"
#include "support/WizardFixture.h"

#include <tuple>

using namespace ov;

namespace {

using NavigatorLayoutTest = ovtest::WizardFixture;
using Log = std::vector<std::string>;

} // namespace

// The strip is the form's inner width W: the navigator's fixed single border takes 3 pixels on each side
// and 19 more for the title. Buttons sit from the right: W - 1120 - 150, then 1120 + 165 further left,
// then 1120 (Back and Next touch), then 1120 + 165. The strip is 705 high at the bottom; pages are 15
// shorter than its top.
TEST_F(NavigatorLayoutTest, ButtonsAreRightAlignedAtFifteenAndTwelveTwipsPerPixel) {
    struct Case {
        int32_t twipsPerPixel;
        int16_t border;
        float width;              // W
        std::vector<float> lefts; // right, right-middle, left-middle, left
        float top;                // the strip's top: inner height - 705
    } cases[] = {
        {15, 1, 7540 - 6 * 15, {6180, 4895, 3775, 2490}, 5775 - 25 * 15 - 705},
        {12, 1, 7540 - 6 * 12, {6198, 4913, 3793, 2508}, 5775 - 25 * 12 - 705},
        {12, 0, 7540, {6270, 4985, 3865, 2580}, 5775 - 705},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.twipsPerPixel) + " twips per pixel, border " +
                     std::to_string(c.border));
        runtime.setTwipsPerPixel(c.twipsPerPixel, c.twipsPerPixel);
        design(2);
        form->setBorderStyle(c.border);
        EXPECT_EQ(std::tuple(form->Width(), form->Height(), nav->Width()),
                  std::tuple(7540.0f, 5775.0f, c.width));
        EXPECT_EQ(std::tuple(lefts(), buttonSizes()), std::tuple(c.lefts, "210 1120 345"));
        EXPECT_EQ(std::tuple(nav->extender().Top(), nav->Height()), std::tuple(c.top, 705.0f));
        EXPECT_EQ(std::tuple(nav->child<Frame>("fraTop").Left(), nav->child<Frame>("fraTop").Width()),
                  std::tuple(-30.0f, c.width + 60));
        EXPECT_EQ(std::tuple(mediator().TabHeight(), form->control("Page2")->Height()),
                  std::tuple(int32_t(c.top - 15), c.top - 15));
        form->unload();
    }
}

TEST_F(NavigatorLayoutTest, ButtonSizesBelowFifteenAreIgnoredAndEveryGapMovesTheButtons) {
    design(0);
    form->setBorderStyle(0);
    struct Case {
        const char* property;
        int32_t value;
        const char* sizes;        // top width height
        std::vector<float> lefts; // right, right-middle, left-middle, left
    } cases[] = {
        {"ButtonWidth", 10, "210 1120 345", {6270, 4985, 3865, 2580}},
        {"ButtonWidth", 14, "210 1120 345", {6270, 4985, 3865, 2580}},
        {"ButtonWidth", 15, "210 15 345", {7375, 7195, 7180, 7000}},
        {"ButtonWidth", 1500, "210 1500 345", {5890, 4225, 2725, 1060}},
        {"ButtonHeight", 5, "210 1500 345", {5890, 4225, 2725, 1060}},
        {"ButtonHeight", 400, "210 1500 400", {5890, 4225, 2725, 1060}},
        {"ButtonGapTop", 100, "100 1500 400", {5890, 4225, 2725, 1060}},
        {"ButtonGapRight", 0, "100 1500 400", {6040, 4375, 2875, 1210}},
        {"ButtonGapMiddle", 0, "100 1500 400", {6040, 4540, 3040, 1540}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.property) + " " + std::to_string(c.value));
        nav->let(c.property, Variant(c.value));
        EXPECT_EQ(std::tuple(lefts(), buttonSizes()), std::tuple(c.lefts, c.sizes));
    }
}

// At design time a free form records the size the user gives it; a parent size is written to a free form
// only, and only when positive, and resizes the pages.
TEST_F(NavigatorLayoutTest, AFreeFormRecordsTheUserSizeAndTakesPositiveParentSizes) {
    design(1);
    nav->setParentWidth(9000); // held: ignored
    EXPECT_EQ(form->Width(), 7540);
    nav->let("HoldParentSize", false);
    form->setWidth(8000);
    EXPECT_EQ(std::tuple(nav->ParentWidth(), nav->WizardSizeMode()),
              std::tuple(8000, ovWizardSizeMode::ovUser));
    nav->setWizardSizeMode(ovWizardSizeMode::ovStandard);
    EXPECT_EQ(std::tuple(form->Width(), form->Height()), std::tuple(7540.0f, 5775.0f));
    nav->setHoldParentSize(false);
    nav->setParentWidth(0);
    EXPECT_EQ(form->Width(), 7540);
    nav->let("ParentHeight", 6000);
    EXPECT_EQ(std::tuple(form->Height(), nav->extender().Top(), nav->WizardSizeMode()),
              std::tuple(6000.0f, 6000.0f - 25 * 15 - 705, ovWizardSizeMode::ovUser));
    EXPECT_EQ(std::tuple(mediator().TabHeight(), form->control("Page1")->Height()),
              std::tuple(6000 - 25 * 15 - 705 - 15, 6000.0f - 25 * 15 - 705 - 15));
    // Both are design-time settings: a running wizard refuses them with 382.
    runWizard();
    nav->let("HoldParentSize", false);
    nav->setWizardSizeMode(ovWizardSizeMode::ovUser);
    EXPECT_EQ(std::tuple(nav->HoldParentSize(), nav->WizardSizeMode()),
              std::tuple(true, ovWizardSizeMode::ovStandard));
    EXPECT_EQ(log, (Log{"OnError 382 Set not supported at runtime Nav::HoldParentSize (Let)",
                        "OnError 382 Set not supported at runtime Nav::WizardSizeMode (Let)"}));
}

TEST_F(NavigatorLayoutTest, AMinimisedFormIsNotResizedButTheStripIsLaidOut) {
    runWizard();
    form->setWindowState(1);
    int heights = 0;
    ScopedConnection c = mediator().YouMustChangeYourHeight.connect([&](int32_t) { ++heights; });
    form->setWidth(9000);
    EXPECT_EQ(std::tuple(form->Width(), button(Right).Left(), heights),
              std::tuple(9000.0f, 9000.0f - 6 * 15 - 1120 - 150, 1));
}

TEST_F(NavigatorLayoutTest, PagesGetThePictureForTheCurrentScreen) {
    struct Case {
        int32_t twipsPerPixel;
        bool normalReachesPages;
    } cases[] = {{15, true}, {12, false}};
    for (auto c : cases) {
        SCOPED_TRACE(c.twipsPerPixel);
        runtime.setTwipsPerPixel(c.twipsPerPixel, c.twipsPerPixel);
        runWizard(3);
        auto normal = picture(1, 1);
        auto big = picture(2, 1);
        nav->setImageBanner(normal);
        EXPECT_EQ(page("Page2")->child<Image>("imgHeaderBanner").Picture(),
                  c.normalReachesPages ? normal : nullptr);
        nav->set("ImageBannerBig", Variant(std::const_pointer_cast<Picture>(big)));
        EXPECT_EQ(page("Page2")->child<Image>("imgHeaderBanner").Picture(),
                  c.normalReachesPages ? normal : big);
        nav->setImageWaterMark(normal);
        nav->setImageWaterMarkBig(big);
        EXPECT_EQ(page("Page1")->child<Image>("ImageWaterMark").Picture(),
                  c.normalReachesPages ? normal : big);
        EXPECT_EQ(std::tuple(nav->ImageBanner(), nav->ImageBannerBig()), std::tuple(normal, big));
        form->unload();
    }
}
