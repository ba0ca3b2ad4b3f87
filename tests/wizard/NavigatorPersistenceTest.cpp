#include "platform/Font.h"
#include "platform/Picture.h"
#include "platform/PropertyBag.h"
#include "support/TestFiles.h"
#include "support/WizardFixture.h"

#include <tuple>

using namespace ov;

namespace {

using NavigatorOnAFormTest = ovtest::WizardFixture;

} // namespace

TEST_F(NavigatorOnAFormTest, ANewNavigatorDocksWritesItsDefaultsIntoTheMediatorAndSavesOnlyChangedValues) {
    design(0);
    EXPECT_EQ(std::tuple(nav->extender().Align(), nav->extender().Default(), nav->extender().Cancel()),
              std::tuple(2, true, true));
    EXPECT_EQ(std::tuple(form->BorderStyle(), form->ControlBox(), form->StartUpPosition()),
              std::tuple(1, false, 2));
    EXPECT_EQ(std::tuple(mediator().BannerStyle(), mediator().ShowErrorMsg(), wizardThreadState().showErrors,
                         mediator().defaultSet(RightMiddle).Caption),
              std::tuple(1, true, true, "&Next >"));
    EXPECT_EQ(nav->ButtonFont(), form->Font());
    // Defaults write nothing; changed values are written in the stored order.
    nav->get("ShowErrorMsg"); // reading changes nothing
    PropertyBag written;
    nav->extender().writeProperties(written);
    EXPECT_TRUE(written.empty()) << ovtest::keysOf(written).front();
    nav->setShowErrorMsg(false);
    nav->setButtonWidth(1200);
    nav->setLeftButtonVisible(true);
    nav->setRightMiddleButtonCaption("&Weiter >");
    nav->setFinishRule(ovEn_Button_Rule::ovBRExit);
    nav->setEnabled(false);
    PropertyBag bag;
    nav->extender().writeProperties(bag);
    EXPECT_EQ(ovtest::keysOf(bag),
              (std::vector<std::string>{"Enabled", "FinishRule", "RightMiddleButtonCaption",
                                        "LeftButtonVisible", "ButtonWidth", "ShowErrorMsg"}));
}

TEST_F(NavigatorOnAFormTest, ReadingUsesTheReadersSpellingsAndDisablesWithoutPages) {
    auto png = picture(2, 2);
    PropertyBag bag;
    bag.put("imagewatermarkbig", Variant(std::const_pointer_cast<Picture>(png)));
    bag.put("ShowErrorMsg", false);
    bag.put("RightButtonCaption", "&Close");
    bag.put("DefaultButton", 4);
    bag.put("RightButtonEnabled", false);
    form = Form::create("frmWizard", Mode::Run);
    form->addLoaded("OvComCtl.OvWizardNavigator", "Nav", bag, ExtenderValues{});
    nav = form->control<OvWizardNavigator>("Nav");
    EXPECT_EQ(std::tuple(nav->ImageWaterMarkBig(), nav->ShowErrorMsg(), wizardThreadState().showErrors),
              std::tuple(png, false, false));
    CPage detached; // silenced too
    detached.PageNext();
    EXPECT_TRUE(boxes().empty());
    EXPECT_FALSE(nav->Enabled()); // no page registered yet
    // Loaded default-button state follows the stored position even on a disabled button.
    EXPECT_EQ(std::tuple(button(Right).Caption(), button(Right).Default(),
                         mediator().defaultSet(Right).Caption, mediator().DefaultButton()),
              std::tuple("&Close", true, "&Close", 4));
}

TEST_F(NavigatorOnAFormTest, ASavedNavigatorLoadsBackTheSame) {
    design(0);
    nav->setFinishCaption("&Done");
    nav->setButtonGapMiddle(200);
    nav->setStartPage(2);
    nav->setBannerHeaderStyle(ovBannerStyleEnum::ovOSWindows2k);
    nav->setButtonFont(Font::create("Arial", 9, true));
    PropertyBag bag;
    nav->extender().writeProperties(bag);
    Runtime other;
    auto again = Form::create("frmWizard", Mode::Design);
    again->addLoaded("OvComCtl.OvWizardNavigator", "Nav", bag, ExtenderValues{});
    auto loaded = again->control<OvWizardNavigator>("Nav");
    PropertyBag rewritten;
    loaded->extender().writeProperties(rewritten);
    // In the designer no page change comes to enable a navigator loaded before its pages: it keeps the
    // state it was saved with.
    EXPECT_TRUE(loaded->Enabled());
    EXPECT_EQ(ovtest::keysOf(rewritten), ovtest::keysOf(bag));
    EXPECT_EQ(std::tuple(loaded->FinishCaption(), loaded->ButtonFont()->Name(),
                         wizardThreadState().mediator->BannerStyle()),
              std::tuple("&Done", "Arial", 0));
}

TEST_F(NavigatorOnAFormTest, TerminatingTheNavigatorTellsThePagesAndReleasesAnEmptyRegistry) {
    runWizard(2);
    CPageRef first = descriptor("Page1");
    int told = 0;
    ScopedConnection c = mediator().OnNavigatorDie.connect([&] { ++told; });
    form->unload();
    EXPECT_EQ(std::tuple(told, wizardThreadState().mediator == nullptr, first->WizardPage().isNothing()),
              std::tuple(1, true, true));
}

TEST_F(NavigatorOnAFormTest, AboutOnTheNavigatorOrAPageOpensTheLibrarysAboutWindowModally) {
    design(1);
    reload(Mode::Run);
    std::vector<std::string> captions;
    auto previous = Form::setModalHook([&](Form& f) {
        captions.push_back(f.Caption());
        f.unload();
    });
    nav->call("About");
    page("Page1")->call("About");
    Form::setModalHook(previous);
    EXPECT_EQ(captions, (std::vector<std::string>{"About OvComCtl", "About OvComCtl"}));
    EXPECT_TRUE(errors().empty());
    EXPECT_TRUE(boxes().empty());
}
