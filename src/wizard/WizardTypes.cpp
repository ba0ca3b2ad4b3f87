#include "wizard/WizardTypes.h"

#include "platform/TypeRegistry.h"
#include "wizard/CPage.h"
#include "wizard/CPages.h"
#include "wizard/OvWizardNavigator.h"
#include "wizard/OvWizardTab.h"

namespace ov {

size_t buttonSlot(ovEn_Button_Position p) {
    if (!isButtonPosition(p)) throw Failure(err::SubscriptOutOfRange);
    return static_cast<size_t>(p) - 1;
}

void registerWizardTypes(TypeRegistry& r) {
    r.addEnum(
        {"En_Page_State", "{FB881545-9A81-4F58-A36E-0A7310C79325}", {{"Maximized", 0}, {"Minimized", 1}}});
    r.addEnum({"En_Page_Mode",
               "{97536DFF-53F3-4B46-BB86-9B2D04863929}",
               {{"WelcomePage", 0}, {"InteriorPage", 1}, {"CompletePage", 2}}});
    r.addEnum({"ovEn_Button_Rule",
               "{F55275FC-B38E-4364-B3E2-B9E4C7CD1C15}",
               {{"ovBRNone", 0},
                {"ovBRBack", 1},
                {"ovBRNext", 2},
                {"ovBRCancel", 3},
                {"ovBRHelp", 4},
                {"ovBRExit", 5},
                {"ovBRFinish", 6}}});
    r.addEnum({"ovEn_Button_Position",
               "{0C3398DE-F03E-4BD8-B211-B1A1E17AEB4A}",
               {{"ovBPNone", 0},
                {"ovBPLeft", 1},
                {"ovBPLeftMiddle", 2},
                {"ovBPRightMiddle", 3},
                {"ovBPRight", 4}}});
    r.addEnum({"OvWizardDirectionConstant",
               "{BC20CC25-08AA-4595-9F6D-4E9D84FCFD14}",
               {{"ovWizardGoForward", 0}, {"ovWizardGoBack", 1}}});
    r.addEnum({"ovBannerStyleEnum",
               "{BA49E84A-0EED-47B8-8F4A-EE7B6D7BC919}",
               {{"ovOSWindows2k", 0}, {"ovVelmar", 1}}});
    r.addEnum(
        {"ovWizardSizeMode", "{EE7A3CD5-5E30-4E42-B357-9720BEE923BE}", {{"ovStandard", 0}, {"ovUser", 1}}});

    r.addRecord(RecordInfo::layout("PageButtons", "{0A07B803-3316-4594-A4D2-6906C40F3AC9}",
                                   {{"Visible", "Boolean"},
                                    {"Enabled", "Boolean"},
                                    {"Caption", "String"},
                                    {"Rule", "ovEn_Button_Rule"},
                                    {"Position", "ovEn_Button_Position"},
                                    {"Default", "Boolean"},
                                    {"Cancel", "Boolean"}}));

    r.addClass(CPage::staticClass());
    r.addClass(CPages::staticClass(), [] { return std::make_shared<CPages>(); });
    r.addClass(OvWizardNavigator::staticClass(), [] { return std::make_shared<OvWizardNavigator>(); });
    r.addClass(OvWizardTab::staticClass(), [] { return std::make_shared<OvWizardTab>(); });
}

} // namespace ov
