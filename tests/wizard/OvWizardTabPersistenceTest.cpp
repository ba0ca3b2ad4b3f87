#include "platform/Font.h"
#include "platform/Image.h"
#include "support/TestFiles.h"
#include "wizard/OvWizardTabFixture.h"

#include <tuple>

using namespace ov;
using ovtest::WizardTabFixture;

namespace {

using WizardTabPersistenceTest = WizardTabFixture;
using ovtest::keysOf;

FontRef courier() {
    return Font::create("Courier New", 10, false);
}
Variant courierObject() {
    return VariantTraits<FontRef>::to(courier());
}

} // namespace

TEST_F(WizardTabPersistenceTest, ANewWizardStoresOnlyWhatDiffersFromTheDefaults) {
    addPages(2);
    auto saved = save();
    // Watermark pages are white; the titles have their own fonts; the navigator's buttons are defaults.
    EXPECT_EQ(keysOf(saved[0].bag), (std::vector<std::string>{"BackColor", "BannerTitleFont",
                                                              "WatermarkTitleFont", "PageNext", "PageMode"}));
    EXPECT_EQ(keysOf(saved[1].bag),
              (std::vector<std::string>{"BackColor", "BannerTitleFont", "WatermarkTitleFont", "PageIndex",
                                        "PageBack", "PageMode"}));
    EXPECT_EQ(saved[1].bag.read("PageMode").toInt32(), 2);
    EXPECT_EQ(saved[1].bag.read("BackColor").toInt32(), 0x00FFFFFF);
}

// Each writer, by name, reports the key it is stored under; saved and loaded again, every value comes
// back.
TEST_F(WizardTabPersistenceTest, EveryWriterReportsItsStoredKeyAndEveryValueComesBackFromTheBag) {
    addPage("Page1");
    auto p = addPage("Page2");
    struct Case {
        const char* property;
        Variant value;
        const char* key;
    };
    const Case lets[] = {
        {"BackColor", Variant(0x00C0FFEE), "BackColor"},
        {"Enabled", Variant(false), "Enabled"},
        {"BorderStyle", Variant(int16_t{1}), "BorderStyle"},
        {"BannerBackColor", Variant(0x00102030), "BannerBackColor"},
        {"BannerDescription", Variant("Where should the files go?"), "BannerDescription"},
        {"BannerDescriptionColor", Variant(0x00000080), "BannerDescriptionColor"},
        {"BannerTitle", Variant("Choose a folder"), "BannerTitle"},
        {"BannerTitleColor", Variant(0x000000FF), "BannerTitleColor"},
        {"WatermarkDescription", Variant("All files are in place."), "WaterMarkDescription"},
        {"WaterMarkDescriptionColor", Variant(0x00FF0000), "WaterMarkDescriptionColor"},
        {"WatermarkRule", Variant("Click Finish."), "WaterMarkRule"},
        {"WatermarkRuleColor", Variant(0x00808080), "WatermarkRuleColor"},
        {"WatermarkTitle", Variant("Done"), "WaterMarkTitle"},
        {"WaterMarkTitleColor", Variant(0x00008000), "WaterMarkTitleColor"},
        {"PageBack", Variant(4), "PageBack"},
        {"PageNext", Variant(3), "PageNext"},
        {"UseDefaultButtonSet", Variant(false), "UseDefaultButtonSet"},
        {"TagVariant", Variant(5), "TagVariant"},
        {"RBCaption", Variant("Abbrechen"), "RBCaption"},
        {"LBVisible", Variant(true), "LBVisible"},
        {"LBRule", Variant(5), "LBRule"},
        {"PageState", Variant(1), "PageState"},
    };
    const Case sets[] = {{"BannerDescriptionFont", courierObject(), "BannerDescriptionFont"},
                         {"BannerTitleFont", courierObject(), "BannerTitleFont"},
                         {"WaterMarkDescriptionFont", courierObject(), "WaterMarkDescriptionFont"},
                         {"WatermarkRuleFont", courierObject(), "WatermarkRulefont"},
                         {"WaterMarkTitleFont", courierObject(), "WaterMarkTitleFont"}};
    for (const Case& c : lets) {
        ext("Page2").clearChangedKeys();
        p->let(c.property, c.value);
        EXPECT_EQ(ext("Page2").changedKeys(), std::vector<std::string>{c.key}) << c.property;
    }
    for (const Case& c : sets) {
        ext("Page2").clearChangedKeys();
        p->set(c.property, c.value);
        EXPECT_EQ(ext("Page2").changedKeys(), std::vector<std::string>{c.key}) << c.property;
    }
    ext("Page2").clearChangedKeys();
    p->set("TagVariant", courierObject());
    EXPECT_EQ(ext("Page2").changedKeys(), std::vector<std::string>{"TagVariant"});
    p->letTagVariant(Variant(5));
    p->SetDefaultButton(ovEn_Button_Rule::ovBRExit);

    auto saved = save();
    p.reset();
    reload(saved, Mode::Design);
    auto q = page("Page2");
    for (const Case& c : lets)
        EXPECT_EQ(q->get(c.property).toString(), c.value.toString()) << c.property;
    for (const Case& c : sets)
        EXPECT_EQ(std::dynamic_pointer_cast<const Font>(q->get(c.property).toObject())->attributes(),
                  courier()->attributes())
            << c.property;
    EXPECT_EQ(std::tuple(q->TagVariant().type(), q->DefaultButton(), q->PageIndex(), q->PageMode()),
              std::tuple(Variant::Type::Long, 1, 2, En_Page_Mode::CompletePage));
    EXPECT_EQ(q->Width(), 690 + 5 * 82.5f + 150) << "loaded minimized, shown as the bar";
}

TEST_F(WizardTabPersistenceTest, FourKeysAreWrittenWithALowerCaseMAndReadWithAnUpperCaseOne) {
    auto p = addPage("Page1");
    p->setWaterMarkDescriptionFont(courier());
    p->setWaterMarkDescriptionColor(0x00000080);
    p->setWaterMarkTitleColor(0x00008000);
    auto saved = save();
    const auto written = keysOf(saved[0].bag);
    for (const char* key : {"WatermarkDescriptionFont", "WatermarkDescriptionColor", "WatermarkTitleFont",
                            "WatermarkTitleColor"})
        EXPECT_NE(std::find(written.begin(), written.end(), key), written.end()) << key;
    p.reset();
    reload(saved, Mode::Design);
    auto q = page("Page1");
    EXPECT_EQ(std::tuple(q->WaterMarkDescriptionFont()->Name(), q->WaterMarkDescriptionColor(),
                         q->WaterMarkTitleColor(), q->WaterMarkTitleFont()->Name()),
              std::tuple("Courier New", 0x00000080u, 0x00008000u, "Arial Unicode MS"));
}

// A loaded index another page has is stored as it is, never swapped.
TEST_F(WizardTabPersistenceTest, TagVariantComesBackAsAnObjectOrAsAValueAndLoadingNeverSwapsPages) {
    auto object = courier();
    addPage("Page1")->setTagVariant(VariantTraits<FontRef>::to(object));
    addPage("Page2")->letTagVariant(Variant(5));
    addPage("Page3");
    auto saved = save();
    saved[1].bag.put("PageIndex", 1);
    saved[1].bag.put("PageMode", 0);
    reload(saved, Mode::Design);
    EXPECT_EQ(page("Page1")->TagVariant().toObject(), object);
    EXPECT_EQ(std::tuple(page("Page2")->TagVariant().type(), page("Page2")->TagVariant().toInt32(),
                         page("Page3")->TagVariant().isNothing()),
              std::tuple(Variant::Type::Long, 5, true));
    EXPECT_EQ(std::tuple(page("Page1")->PageIndex(), page("Page2")->PageIndex(), page("Page1")->PageNext(),
                         page("Page2")->PageMode()),
              std::tuple(1, 1, 2, En_Page_Mode::WelcomePage));
}

TEST_F(WizardTabPersistenceTest, ASavedPageIsUnregisteredUntilItIsLoadedAgain) {
    addPages(2);
    mediator().setPageHiddenAtDesignTime(true);
    auto saved = save();
    EXPECT_EQ(registry().Count(), 0);
    EXPECT_FALSE(mediator().PageHiddenAtDesignTime());
    mediator().setPageHiddenAtDesignTime(true);
    reload(saved, Mode::Design);
    EXPECT_EQ(
        std::tuple(registry().Count(), registry().Item(Variant(2)), mediator().PageHiddenAtDesignTime()),
        std::tuple(2, page("Page2")->descriptor(), false));
}

// The button defaults a page does not store, the banner style and the pictures are the navigator's of
// the form that loads.
TEST_F(WizardTabPersistenceTest, LoadingTakesDefaultsStyleAndPicturesFromTheMediator) {
    addPages(3);
    auto saved = save();
    ASSERT_FALSE(saved[0].bag.contains("LBCaption"));
    auto banner = picture(50, 50);
    auto watermark = picture(165, 313);
    mediator().setDefaultSet(Left, {true, true, "Hilfe", 4});
    mediator().setDefaultButton(2);
    mediator().setBannerStyle(1);
    mediator().setBannerImage(banner);
    mediator().setWaterMarkImage(watermark);
    reload(saved, Mode::Design);
    auto p = page("Page1");
    EXPECT_EQ(std::tuple(p->buttonCaption(Left), p->buttonVisible(Left), p->DefaultButton()),
              std::tuple("Hilfe", true, 2));
    auto& headerBanner = page("Page2")->child<Image>("imgHeaderBanner");
    EXPECT_EQ(std::tuple(page("Page2")->bannerStyle(), headerBanner.Picture(), headerBanner.Left()),
              std::tuple(1, banner, 7500.0f - 750));
    EXPECT_EQ(
        std::tuple(p->child<Image>("ImageWaterMark").Picture(), p->child<Image>("imgHeaderBanner").Picture()),
        std::tuple(watermark, PictureRef()));
    // Saved again, a page still stores nothing for the defaults.
    EXPECT_FALSE(save()[0].bag.contains("LBCaption"));
}

TEST_F(WizardTabPersistenceTest, ARunningWizardNeverShowsTheMinimizedBar) {
    addPage("Page1");
    page("Page1")->setPageState(En_Page_State::Minimized);
    reload(Mode::Run);
    auto p = page("Page1");
    EXPECT_EQ(std::tuple(p->PageState(), ext("Page1").Align(), p->findChild("picMinimize")->Visible()),
              std::tuple(En_Page_State::Maximized, 1, false));
}
