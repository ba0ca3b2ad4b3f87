#include "platform/Font.h"
#include "platform/Frame.h"
#include "platform/Image.h"
#include "platform/Label.h"
#include "platform/Line.h"
#include "platform/PictureBox.h"
#include "wizard/OvWizardTabFixture.h"

#include <tuple>

using namespace ov;
using ovtest::WizardTabFixture;

namespace {

constexpr OleColor White = 0x00FFFFFF;
constexpr OleColor Yellow = 0x0000FFFF;

struct Box {
    float left, top, width, height;
    bool operator==(const Box&) const = default;
};

Box boxOf(const ConstituentControl& c) {
    return {c.Left(), c.Top(), c.Width(), c.Height()};
}

struct Ends {
    float x1, y1, x2, y2;
    bool operator==(const Ends&) const = default;
};

Ends endsOf(const Line& l) {
    return {l.X1(), l.Y1(), l.X2(), l.Y2()};
}

// Welcome page Page1, interior page Page2, completion page Page3 on a 7500 x 6000 form.
class WizardTabLayoutTest : public WizardTabFixture {
protected:
    std::shared_ptr<OvWizardTab> welcome, interior, complete;
    void SetUp() override {
        welcome = addPage("Page1");
        interior = addPage("Page2");
        complete = addPage("Page3");
    }
    template <class T>
    static T& part(const std::shared_ptr<OvWizardTab>& p, const char* name) {
        return p->child<T>(name);
    }
    static std::string shown(const std::shared_ptr<OvWizardTab>& p) {
        std::string v;
        for (const char* name : {"picBanner", "fraBanner", "ImageWaterMark", "lblWatermarkTitle",
                                 "lblWatermarkDescription", "lblRule", "LMark", "picMinimize"})
            v += p->findChild(name)->Visible() ? "1" : "0";
        return v;
    }
};

} // namespace

TEST_F(WizardTabLayoutTest, EachModeShowsItsView) {
    EXPECT_EQ(shown(interior) + " " + shown(welcome) + " " + shown(complete), "11000000 00111110 00111110");
    EXPECT_EQ(boxOf(part<PictureBox>(interior, "picBanner")), (Box{0, 0, 7500, 875}));
    EXPECT_EQ(boxOf(part<Frame>(interior, "fraBanner")), (Box{-30, 875, 7560, 30}));
    EXPECT_EQ(std::tuple(interior->Width(), ext("Page2").Align()), std::tuple(7500.0f, 1));
}

TEST_F(WizardTabLayoutTest, TheBannerPictureSitsInTheTopRightCornerForEachStyleAndStretchesOnAnotherScreen) {
    mediator().setBannerImage(picture(50, 50));
    auto& image = part<Image>(interior, "imgHeaderBanner");
    EXPECT_EQ(std::tuple(image.Stretch(), boxOf(image)), std::tuple(false, Box{6675, 75, 750, 750}));
    mediator().setBannerStyle(static_cast<int32_t>(ovBannerStyleEnum::ovVelmar));
    EXPECT_EQ(boxOf(image), (Box{6750, 0, 750, 750}));
    mediator().setBannerStyle(static_cast<int32_t>(ovBannerStyleEnum::ovOSWindows2k));
    EXPECT_EQ(boxOf(image), (Box{6675, 75, 750, 750}));
    // On another screen the pictures are stretched to their places.
    mediator().setBannerStyle(static_cast<int32_t>(ovBannerStyleEnum::ovVelmar));
    mediator().setWaterMarkImage(picture(165, 313));
    runtime.setTwipsPerPixel(12, 12);
    mediator().setTabHeight(5000);
    auto& banner = part<Image>(interior, "imgHeaderBanner");
    EXPECT_EQ(std::tuple(banner.Stretch(), boxOf(banner)), std::tuple(true, Box{0, 0, 7500, 875}));
    auto& watermark = part<Image>(welcome, "ImageWaterMark");
    EXPECT_EQ(std::tuple(watermark.Stretch(), boxOf(watermark)), std::tuple(true, Box{0, 0, 2490, 5000}));
    // Back at 96 dpi the pictures keep their own size again.
    runtime.setTwipsPerPixel(15, 15);
    mediator().setTabHeight(4800);
    EXPECT_EQ(boxOf(watermark), (Box{0, 0, 2475, 4695}));
    EXPECT_EQ(part<Image>(interior, "imgHeaderBanner").Width(), 750);
}

TEST_F(WizardTabLayoutTest, TheClientRectangleDependsOnTheMode) {
    struct Case {
        std::shared_ptr<OvWizardTab> page;
        int32_t left, top, width, height;
    };
    const Case cases[] = {{interior, 600, 1260, 6285, 4455},
                          {welcome, 2600, 1830, 4285, 3075},
                          {complete, 2600, 1830, 4285, 3075}};
    auto client = [](const std::shared_ptr<OvWizardTab>& p) {
        return std::tuple(p->ClientLeft(), p->ClientTop(), p->ClientWidth(), p->ClientHeight());
    };
    for (const Case& c : cases)
        EXPECT_EQ(client(c.page), std::tuple(c.left, c.top, c.width, c.height)) << c.page->DisplayName();
    // A mode value outside the enumeration has no client area but the full width.
    complete->setPageMode(static_cast<En_Page_Mode>(7));
    EXPECT_EQ(client(complete), std::tuple(0, 0, 6885, 0));
}

TEST_F(WizardTabLayoutTest, AWatermarkPageKeepsItsClientAreaBelowTheDescriptionAndNeverNegative) {
    // The description is 198 high in the standard font; the area starts 100 under it, at least at 1830.
    const std::pair<float, int32_t> cases[] = {{1350, 1830}, {1532, 1830},    {1533, 1831},
                                               {1802, 2100}, {1802.5f, 2100}, {1803.5f, 2102}};
    auto& description = part<Label>(welcome, "lblWatermarkDescription");
    for (auto [top, clientTop] : cases) {
        description.setTop(top);
        EXPECT_EQ(welcome->ClientTop(), clientTop) << top;
        EXPECT_EQ(welcome->ClientHeight(), 6000 - 1095 - clientTop) << top;
    }
    // The client height is never negative.
    description.setTop(1350); // the area at its least top, 1830
    const std::pair<int32_t, int32_t> interiorCases[] = {{1546, 1}, {1545, 0}, {1544, 1}, {300, 1}};
    for (auto [height, clientHeight] : interiorCases) {
        mediator().setTabHeight(height);
        EXPECT_EQ(interior->ClientHeight(), clientHeight) << height;
    }
    mediator().setTabHeight(2925);
    EXPECT_EQ(welcome->ClientHeight(), 0);
    mediator().setTabHeight(2924);
    EXPECT_EQ(welcome->ClientHeight(), 1);
}

TEST_F(WizardTabLayoutTest, OnlyTheStandardBackColoursFollowTheView) {
    EXPECT_EQ(std::tuple(welcome->BackColor(), interior->BackColor()),
              std::tuple(White, sysColor::ButtonFace));
    complete->setPageMode(En_Page_Mode::InteriorPage);
    EXPECT_EQ(complete->BackColor(), sysColor::ButtonFace);
    welcome->setBackColor(Yellow);
    mediator().setTabHeight(5000);
    EXPECT_EQ(welcome->BackColor(), Yellow);
    welcome->setPageMode(En_Page_Mode::InteriorPage);
    EXPECT_EQ(welcome->BackColor(), Yellow);
}

TEST_F(WizardTabLayoutTest, ALongWatermarkTitleWrapsAndPushesTheDescriptionDown) {
    struct Case {
        const char* title;
        float size;
        float descriptionTop;
    };
    // Lines are 24 twips a point high; the title starts at 300.
    const Case cases[] = {{"Welcome", 12, 1080},
                          {"One\r\nTwo\r\nThree", 12, 1080},          // ends at 1164
                          {"One\r\nTwo\r\nThree", 15, 1680},          // ends at 1380
                          {"One\r\nTwo\r\nThree\r\nFour", 12, 1752}}; // ends at 1452
    auto& title = part<Label>(welcome, "lblWatermarkTitle");
    auto& description = part<Label>(welcome, "lblWatermarkDescription");
    for (const Case& c : cases) {
        welcome->setWaterMarkTitleFont(Font::create("Arial Unicode MS", c.size, true));
        welcome->setWatermarkTitle(c.title);
        EXPECT_EQ(title.Width(), 7500 - 2595 - 300) << c.title;
        EXPECT_EQ(description.Top(), c.descriptionTop) << c.title << " " << c.size;
    }
    EXPECT_EQ(welcome->ClientTop(), 1752 + 198 + 100);
    // It wraps to the room left: 38 characters of 120 twips fit in the 4605 twips left of the page's
    // right edge.
    welcome->setWaterMarkTitleFont(Font::create("Arial Unicode MS", 12, true));
    welcome->setWatermarkTitle("Welcome to the Example Setup Wizard for the Deluxe Edition");
    EXPECT_EQ(part<Label>(welcome, "lblWatermarkTitle").lines(),
              (std::vector<std::string>{"Welcome to the Example Setup Wizard", "for the Deluxe Edition"}));
}

TEST_F(WizardTabLayoutTest, AMinimizedPageIsAFloatingBarAsWideAsItsNameThatReturnsWhereItFloated) {
    const std::pair<const char*, float> cases[] = {{"Page1", 690 + 5 * 82.5f + 150},
                                                   {"Welcome_Page_Of_Setup", 690 + 21 * 82.5f + 150}};
    for (auto [name, width] : cases) {
        ext("Page1").setName(name);
        welcome->setPageState(En_Page_State::Minimized);
        EXPECT_EQ(welcome->Width(), width) << name;
        EXPECT_EQ(welcome->Height(), 300) << name;
        EXPECT_EQ(part<Label>(welcome, "lblDisplayName").Caption(), name);
        welcome->setPageState(En_Page_State::Maximized);
    }
    welcome->setPageState(En_Page_State::Minimized);
    Extender& bar = ext(cases[1].first);
    EXPECT_EQ(std::tuple(shown(welcome), bar.Align()), std::tuple("00000001", 0));
    const float w = welcome->Width();
    EXPECT_EQ(endsOf(part<Line>(welcome, "LTop")), (Ends{0, 0, w, 0}));
    EXPECT_EQ(endsOf(part<Line>(welcome, "LRight")), (Ends{w - 15, 0, w - 15, 300}));
    EXPECT_EQ(endsOf(part<Line>(welcome, "LLeft")), (Ends{0, 0, 0, 300}));
    EXPECT_EQ(endsOf(part<Line>(welcome, "LBottom")), (Ends{0, 285, w, 285}));
    // It returns to where it floated before it was maximized.
    EXPECT_EQ(std::tuple(bar.Left(), bar.Top()), std::tuple(0.0f, 0.0f));
    bar.Move(300, 450);
    welcome->setPageState(En_Page_State::Maximized);
    EXPECT_EQ(std::tuple(bar.Align(), welcome->Height(), form->zOrder().back()),
              std::tuple(1, 6000.0f, &bar));
    welcome->setPageState(En_Page_State::Minimized);
    EXPECT_EQ(std::tuple(bar.Left(), bar.Top()), std::tuple(300.0f, 450.0f));
}

TEST_F(WizardTabLayoutTest, TheDesignerShowsThePictureAreaAndTheClientFrame) {
    form->show();
    auto& size = part<Label>(welcome, "lblImageSize");
    EXPECT_EQ(std::tuple(size.Visible(), size.Caption(), size.container(), size.Left()),
              std::tuple(true, " 165 X 400 ", nullptr, 45.0f));
    EXPECT_EQ(endsOf(part<Line>(welcome, "LMark")), (Ends{2475, 0, 2475, 6000}));
    EXPECT_TRUE(part<Line>(welcome, "LMark").Visible());
    EXPECT_EQ(endsOf(part<Line>(welcome, "LClientLeft")), (Ends{2600, 1830, 2600, 4905}));
    EXPECT_EQ(endsOf(part<Line>(welcome, "LClientTop")), (Ends{2600, 1830, 6885, 1830}));
    EXPECT_EQ(endsOf(part<Line>(welcome, "LClientRight")), (Ends{6885, 1830, 6885, 4905}));
    EXPECT_EQ(endsOf(part<Line>(welcome, "LClientBottom")), (Ends{2600, 4905, 6885, 4905}));
    for (const char* name : {"LClientLeft", "LClientTop", "LClientRight", "LClientBottom"})
        EXPECT_TRUE(part<Line>(welcome, name).Visible()) << name;

    auto& bannerSize = part<Label>(interior, "lblImageSize");
    EXPECT_EQ(std::tuple(bannerSize.Visible(), bannerSize.Caption(), bannerSize.Left()),
              std::tuple(true, " 500 X 58 ", 7500 - 10 * 82.5f - 45));
    EXPECT_EQ(bannerSize.container(), &part<PictureBox>(interior, "picBanner"));
}

TEST_F(WizardTabLayoutTest, ARunningWizardShowsNoDesignerGuides) {
    reload(Mode::Run);
    form->show();
    auto p = page("Page1");
    for (const char* name :
         {"lblImageSize", "LMark", "LClientLeft", "LClientTop", "LClientRight", "LClientBottom"})
        EXPECT_FALSE(p->findChild(name)->Visible()) << name;
    EXPECT_EQ(shown(p), "00111100");
}
