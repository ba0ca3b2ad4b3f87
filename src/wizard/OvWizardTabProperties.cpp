// The page's published properties: values the container keeps, the surface, the header texts and
// the page's place in the wizard.
#include "platform/Extender.h"
#include "platform/Form.h"
#include "platform/Image.h"
#include "platform/Label.h"
#include "platform/PictureBox.h"
#include "wizard/CPages.h"
#include "wizard/CWizardNavigator.h"
#include "wizard/OvWizardTab.h"

namespace ov {

namespace {

// Height a page takes when it is maximized at design time, before the layout docks it again.
constexpr float kMaximizedHeight = 3600;

} // namespace

// ---- Values the container keeps ----

Variant OvWizardTab::Tag() const {
    return Variant(extender().Tag());
}

void OvWizardTab::setTag(const Variant& value) {
    trapFailures(*this, "::Tag (Let)", [&] { extender().setTag(value.toString()); });
}

int32_t OvWizardTab::HelpContextID() const {
    return extender().HelpContextID();
}

void OvWizardTab::setHelpContextID(int32_t value) {
    trapFailures(*this, "::HelpContextID (Let)", [&] { extender().setHelpContextID(value); });
}

void OvWizardTab::letTagVariant(const Variant& value) {
    writeProperty("::TagVariant (Let)", "TagVariant", [&] { m_tagVariant = value; });
}

void OvWizardTab::setTagVariant(const Variant& object) {
    writeProperty("::TagVariant (Set)", "TagVariant", [&] { m_tagVariant = Variant(object.toObject()); });
}

std::string OvWizardTab::DisplayName() const {
    return extender().Name();
}

// ---- The control surface ----

void OvWizardTab::setBackColor(OleColor value) {
    writeProperty("::BackColor (Let)", "BackColor", [&] {
        m_backColor = value;
        UserControl::setBackColor(value);
    });
}

void OvWizardTab::setEnabled(bool value) {
    writeProperty("::Enabled (Let)", "Enabled", [&] { UserControl::setEnabled(value); });
}

void OvWizardTab::setBorderStyle(int16_t value) {
    writeProperty("::BorderStyle (Let)", "BorderStyle", [&] { UserControl::setBorderStyle(value); });
}

// ---- Header texts, fonts and colours ----

OleColor OvWizardTab::BannerBackColor() const {
    return child<PictureBox>("picBanner").BackColor();
}
void OvWizardTab::setBannerBackColor(OleColor value) {
    writeProperty("::BannerBackColor (Let)", "BannerBackColor",
                  [&] { child<PictureBox>("picBanner").setBackColor(value); });
}

std::string OvWizardTab::BannerDescription() const {
    return child<Label>("lblHeaderDescription").Caption();
}
void OvWizardTab::setBannerDescription(const std::string& value) {
    writeProperty("::BannerDescription (Let)", "BannerDescription",
                  [&] { child<Label>("lblHeaderDescription").setCaption(value); });
}

FontRef OvWizardTab::BannerDescriptionFont() const {
    return child<Label>("lblHeaderDescription").Font();
}
void OvWizardTab::setBannerDescriptionFont(FontRef value) {
    writeProperty("::BannerDescriptionFont (Set)", "BannerDescriptionFont",
                  [&] { child<Label>("lblHeaderDescription").setFont(value); });
}

OleColor OvWizardTab::BannerDescriptionColor() const {
    return child<Label>("lblHeaderDescription").ForeColor();
}
void OvWizardTab::setBannerDescriptionColor(OleColor value) {
    writeProperty("::BannerDescriptionColor (Let)", "BannerDescriptionColor",
                  [&] { child<Label>("lblHeaderDescription").setForeColor(value); });
}

std::string OvWizardTab::BannerTitle() const {
    return child<Label>("lblHeaderTitle").Caption();
}
void OvWizardTab::setBannerTitle(const std::string& value) {
    writeProperty("::BannerTitle (Let)", "BannerTitle",
                  [&] { child<Label>("lblHeaderTitle").setCaption(value); });
}

FontRef OvWizardTab::BannerTitleFont() const {
    return child<Label>("lblHeaderTitle").Font();
}
void OvWizardTab::setBannerTitleFont(FontRef value) {
    writeProperty("::BannerTitleFont (Set)", "BannerTitleFont",
                  [&] { child<Label>("lblHeaderTitle").setFont(value); });
}

OleColor OvWizardTab::BannerTitleColor() const {
    return child<Label>("lblHeaderTitle").ForeColor();
}
void OvWizardTab::setBannerTitleColor(OleColor value) {
    writeProperty("::BannerTitleColor (Let)", "BannerTitleColor",
                  [&] { child<Label>("lblHeaderTitle").setForeColor(value); });
}

std::string OvWizardTab::WatermarkDescription() const {
    return child<Label>("lblWatermarkDescription").Caption();
}
void OvWizardTab::setWatermarkDescription(const std::string& value) {
    writeProperty("::WatermarkDescription (Let)", "WaterMarkDescription",
                  [&] { child<Label>("lblWatermarkDescription").setCaption(value); });
}

FontRef OvWizardTab::WaterMarkDescriptionFont() const {
    return child<Label>("lblWatermarkDescription").Font();
}
void OvWizardTab::setWaterMarkDescriptionFont(FontRef value) {
    writeProperty("::WaterMarkDescriptionFont (Set)", "WaterMarkDescriptionFont",
                  [&] { child<Label>("lblWatermarkDescription").setFont(value); });
}

OleColor OvWizardTab::WaterMarkDescriptionColor() const {
    return child<Label>("lblWatermarkDescription").ForeColor();
}
void OvWizardTab::setWaterMarkDescriptionColor(OleColor value) {
    trapFailures(*this, "::WaterMarkDescriptionColor (Let)", [&] {
        child<Label>("lblWatermarkDescription").setForeColor(value);
        PropertyChanged("WaterMarkDescriptionColor");
        layoutPage();
    });
}

std::string OvWizardTab::WatermarkRule() const {
    return child<Label>("lblRule").Caption();
}
void OvWizardTab::setWatermarkRule(const std::string& value) {
    writeProperty("::WatermarkRule (Let)", "WaterMarkRule",
                  [&] { child<Label>("lblRule").setCaption(value); });
}

FontRef OvWizardTab::WatermarkRuleFont() const {
    return child<Label>("lblRule").Font();
}
void OvWizardTab::setWatermarkRuleFont(FontRef value) {
    writeProperty("::WatermarkRuleFont (Set)", "WatermarkRulefont",
                  [&] { child<Label>("lblRule").setFont(value); });
}

OleColor OvWizardTab::WatermarkRuleColor() const {
    return child<Label>("lblRule").ForeColor();
}
void OvWizardTab::setWatermarkRuleColor(OleColor value) {
    writeProperty("::WatermarkRuleColor (Let)", "WatermarkRuleColor",
                  [&] { child<Label>("lblRule").setForeColor(value); });
}

std::string OvWizardTab::WatermarkTitle() const {
    return child<Label>("lblWatermarkTitle").Caption();
}
void OvWizardTab::setWatermarkTitle(const std::string& value) {
    writeProperty("::WatermarkTitle (Let)", "WaterMarkTitle", [&] {
        child<Label>("lblWatermarkTitle").setCaption(value);
        if (m_pageState == En_Page_State::Maximized) reflowWatermark();
    });
}

FontRef OvWizardTab::WaterMarkTitleFont() const {
    return child<Label>("lblWatermarkTitle").Font();
}
void OvWizardTab::setWaterMarkTitleFont(FontRef value) {
    writeProperty("::WaterMarkTitleFont (Set)", "WaterMarkTitleFont",
                  [&] { child<Label>("lblWatermarkTitle").setFont(value); });
}

OleColor OvWizardTab::WaterMarkTitleColor() const {
    return child<Label>("lblWatermarkTitle").ForeColor();
}
void OvWizardTab::setWaterMarkTitleColor(OleColor value) {
    writeProperty("::WaterMarkTitleColor (Let)", "WaterMarkTitleColor",
                  [&] { child<Label>("lblWatermarkTitle").setForeColor(value); });
}

// ---- Place in the wizard ----

void OvWizardTab::setPageIndex(int32_t value) {
    trapFailures(*this, "::PageIndex (Let)", [&] {
        const int32_t old = m_pageIndex;
        m_pageIndex = value;
        tellPageIndex();
        if (m_descriptor) CPages::pageIndexChanged(*m_descriptor);
        if (!ambientUserMode()) swapWithPagesAt(value, old);
        PropertyChanged("PageIndex");
        child<Label>("lblPageIndex").setCaption(std::to_string(value));
    });
}

void OvWizardTab::swapWithPagesAt(int32_t index, int32_t oldIndex) {
    const Extender& self = extender();
    // A copy: the other pages' writers may reach the form.
    const std::vector<ExtenderRef> controls = parentForm().controls();
    for (const ExtenderRef& other : controls) {
        if (other->typeName() != kClassName || other->Name() == self.Name()) continue;
        if (other->get("PageIndex").toInt32() != index) continue;
        const auto otherMode = static_cast<En_Page_Mode>(other->get("PageMode").toInt32());
        other->let("PageMode", static_cast<int32_t>(m_pageMode));
        setPageMode(otherMode);
        other->let("PageIndex", oldIndex);
        const int32_t otherBack = other->get("PageBack").toInt32();
        const int32_t otherNext = other->get("PageNext").toInt32();
        other->let("PageBack", m_pageBack);
        other->let("PageNext", m_pageNext);
        setPageBack(otherBack);
        setPageNext(otherNext);
    }
}

void OvWizardTab::setPageBack(int32_t value) {
    writeProperty("::PageBack (Let)", "PageBack", [&] { m_pageBack = value; });
}

void OvWizardTab::setPageNext(int32_t value) {
    writeProperty("::PageNext (Let)", "PageNext", [&] { m_pageNext = value; });
}

void OvWizardTab::setPageMode(En_Page_Mode value) {
    trapFailures(*this, "::PageMode (Let)", [&] {
        if (ambientUserMode()) throw Failure(err::NotAtRunTime);
        m_pageMode = value;
        PropertyChanged("PageMode");
        if (m_pageState != En_Page_State::Maximized) return;
        auto& banner = child<Image>("imgHeaderBanner");
        auto& watermark = child<Image>("ImageWaterMark");
        switch (value) {
        case En_Page_Mode::WelcomePage:
        case En_Page_Mode::CompletePage:
            watermark.setPicture(mediatorWaterMarkImage());
            SetWelcomeView(false, true, false);
            banner.setPicture(nullptr);
            break;
        case En_Page_Mode::InteriorPage:
            banner.setPicture(mediatorBannerImage());
            SetBannerImagePlace();
            SetWelcomeView(true, false, false);
            watermark.setPicture(nullptr);
            break;
        default:
            break;
        }
    });
}

void OvWizardTab::setPageState(En_Page_State value) {
    trapFailures(*this, "::PageState (Let)", [&] {
        m_pageState = value;
        PropertyChanged("PageState");
        if (value != En_Page_State::Maximized) {
            layoutPage();
            return;
        }
        Extender& ext = extender();
        m_savedLeft = ext.Left();
        m_savedTop = ext.Top();
        setHeight(kMaximizedHeight);
        ext.ZOrder(0);
    });
}

void OvWizardTab::setBannerStyle(int32_t value) {
    writeProperty("::BannerStyle (Let)", "BannerStyle", [&] {
        m_bannerStyle = value;
        if (isInterior()) SetBannerImagePlace();
    });
}

PictureRef OvWizardTab::mediatorBannerImage() const {
    return m_mediator ? m_mediator->BannerImage() : nullptr;
}

PictureRef OvWizardTab::mediatorWaterMarkImage() const {
    return m_mediator ? m_mediator->WaterMarkImage() : nullptr;
}

int32_t OvWizardTab::tabHeight() const {
    return m_mediator ? m_mediator->TabHeight() : 0;
}

} // namespace ov
