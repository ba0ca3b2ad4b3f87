// A page's life in the designer: the start values of a new page and its numbering, saving and
// loading through the container's property bag, and the captions text file.
#include "platform/Extender.h"
#include "platform/Font.h"
#include "platform/Form.h"
#include "platform/Image.h"
#include "platform/Label.h"
#include "platform/PictureBox.h"
#include "platform/PropertyBag.h"
#include "platform/Runtime.h"
#include "wizard/CWizardNavigator.h"
#include "wizard/CaptionsFile.h"
#include "wizard/OvWizardTab.h"

#include <filesystem>
#include <fstream>
#include <functional>

namespace ov {

// One stored property: the key it is written under, the key it is read under (four differ in the
// case of one letter, which the bag ignores), its default, and its reader and loader. Loading sets
// fields and constituent controls directly: no index swapping and no mode checks while a form loads.
struct OvWizardTab::PersistedKey {
    const char* writeKey;
    const char* readKey;
    Variant defaultValue;
    std::function<Variant()> value;
    std::function<void(const Variant&)> load;
};

namespace {

constexpr std::array kPositions{ovEn_Button_Position::ovBPLeft, ovEn_Button_Position::ovBPLeftMiddle,
                                ovEn_Button_Position::ovBPRightMiddle, ovEn_Button_Position::ovBPRight};

Variant colorValue(OleColor c) {
    return VariantTraits<OleColor>::to(c);
}
OleColor toColor(const Variant& v) {
    return VariantTraits<OleColor>::from(v);
}
Variant fontValue(const FontRef& f) {
    return VariantTraits<FontRef>::to(f);
}
FontRef toFont(const Variant& v) {
    return VariantTraits<FontRef>::from(v);
}

// The four keys of one position, in the order they are stored.
struct ButtonKeys {
    const char* visible;
    const char* enabled;
    const char* caption;
    const char* rule;
};
constexpr ButtonKeys kButtonKeys[] = {{"LBVisible", "LBEnabled", "LBCaption", "LBRule"},
                                      {"LMBVisible", "LMBEnabled", "LMBCaption", "LMBRule"},
                                      {"RMBVisible", "RMBEnabled", "RMBCaption", "RMBRule"},
                                      {"RBVisible", "RBEnabled", "RBCaption", "RBRule"}};

const char* modeName(En_Page_Mode mode) {
    switch (mode) {
    case En_Page_Mode::WelcomePage:
        return "WelcomePage";
    case En_Page_Mode::InteriorPage:
        return "InteriorPage";
    default:
        return "CompletePage";
    }
}

} // namespace

std::vector<OvWizardTab::PersistedKey> OvWizardTab::headerKeys() {
    const Variant ambient = fontValue(ambientFont());
    auto* banner = &child<PictureBox>("picBanner");
    auto* headerDescription = &child<Label>("lblHeaderDescription");
    auto* headerTitle = &child<Label>("lblHeaderTitle");
    auto* description = &child<Label>("lblWatermarkDescription");
    auto* rule = &child<Label>("lblRule");
    auto* title = &child<Label>("lblWatermarkTitle");
    auto caption = [](Label* l, const char* key, const char* defaultText) {
        return PersistedKey{key, key, Variant(defaultText), [l] { return Variant(l->Caption()); },
                            [l](const Variant& v) { l->setCaption(v.toString()); }};
    };
    auto font = [&ambient](Label* l, const char* writeKey, const char* readKey) {
        return PersistedKey{writeKey, readKey, ambient, [l] { return fontValue(l->Font()); },
                            [l](const Variant& v) { l->setFont(toFont(v)); }};
    };
    auto color = [](Label* l, const char* writeKey, const char* readKey) {
        return PersistedKey{writeKey, readKey, Variant(0), [l] { return colorValue(l->ForeColor()); },
                            [l](const Variant& v) { l->setForeColor(toColor(v)); }};
    };
    auto number = [](const char* key, int32_t defaultValue, int32_t* field) {
        return PersistedKey{key, key, Variant(defaultValue), [field] { return Variant(*field); },
                            [field](const Variant& v) { *field = v.toInt32(); }};
    };
    return {
        {"BackColor", "BackColor", colorValue(sysColor::ButtonFace),
         [this] { return colorValue(BackColor()); },
         [this](const Variant& v) {
             m_backColor = toColor(v);
             UserControl::setBackColor(m_backColor);
         }},
        {"Enabled", "Enabled", Variant(true), [this] { return Variant(Enabled()); },
         [this](const Variant& v) { UserControl::setEnabled(v.toBool()); }},
        {"BorderStyle", "BorderStyle", Variant(int16_t{0}), [this] { return Variant(BorderStyle()); },
         [this](const Variant& v) { UserControl::setBorderStyle(v.toInt16()); }},
        {"BannerBackColor", "BannerBackColor", colorValue(0x00FFFFFF),
         [banner] { return colorValue(banner->BackColor()); },
         [banner](const Variant& v) { banner->setBackColor(toColor(v)); }},
        caption(headerDescription, "BannerDescription", "Step Description"),
        font(headerDescription, "BannerDescriptionFont", "BannerDescriptionFont"),
        color(headerDescription, "BannerDescriptionColor", "BannerDescriptionColor"),
        caption(headerTitle, "BannerTitle", "Step Title"),
        font(headerTitle, "BannerTitleFont", "BannerTitleFont"),
        color(headerTitle, "BannerTitleColor", "BannerTitleColor"),
        caption(description, "WaterMarkDescription", "Description"),
        font(description, "WatermarkDescriptionFont", "WaterMarkDescriptionFont"),
        color(description, "WatermarkDescriptionColor", "WaterMarkDescriptionColor"),
        caption(rule, "WaterMarkRule", "To continue, click Next."),
        font(rule, "WatermarkRuleFont", "WatermarkRuleFont"),
        color(rule, "WatermarkRuleColor", "WatermarkRuleColor"),
        caption(title, "WaterMarkTitle", "Welcome to ..."),
        font(title, "WatermarkTitleFont", "WaterMarkTitleFont"),
        color(title, "WatermarkTitleColor", "WaterMarkTitleColor"),
        {"PageIndex", "PageIndex", Variant(1), [this] { return Variant(m_pageIndex); },
         [this](const Variant& v) {
             m_pageIndex = v.toInt32();
             child<Label>("lblPageIndex").setCaption(std::to_string(m_pageIndex));
         }},
        number("PageBack", 0, &m_pageBack),
        number("PageNext", 0, &m_pageNext),
        {"PageMode", "PageMode", Variant(1), [this] { return Variant(static_cast<int32_t>(m_pageMode)); },
         [this](const Variant& v) { m_pageMode = static_cast<En_Page_Mode>(v.toInt32()); }},
        {"PageState", "PageState", Variant(0), [this] { return Variant(static_cast<int32_t>(m_pageState)); },
         [this](const Variant& v) { m_pageState = static_cast<En_Page_State>(v.toInt32()); }},
    };
}

std::vector<OvWizardTab::PersistedKey> OvWizardTab::buttonKeys() {
    std::vector<PersistedKey> keys;
    for (auto p : kPositions) {
        const size_t i = static_cast<size_t>(p) - 1;
        const ButtonKeys& k = kButtonKeys[i];
        ButtonSlot* s = &m_buttons[i];
        const ButtonSlot& d = m_navigatorDefaults[i];
        keys.push_back({k.visible, k.visible, Variant(d.visible), [s] { return Variant(s->visible); },
                        [s](const Variant& v) { s->visible = v.toBool(); }});
        keys.push_back({k.enabled, k.enabled, Variant(d.enabled), [s] { return Variant(s->enabled); },
                        [s](const Variant& v) { s->enabled = v.toBool(); }});
        keys.push_back({k.caption, k.caption, Variant(d.caption), [s] { return Variant(s->caption); },
                        [s](const Variant& v) { s->caption = v.toString(); }});
        keys.push_back({k.rule, k.rule, Variant(static_cast<int32_t>(d.rule)),
                        [s] { return Variant(static_cast<int32_t>(s->rule)); },
                        [s](const Variant& v) { s->rule = static_cast<ovEn_Button_Rule>(v.toInt32()); }});
    }
    keys.push_back({"DefaultButton", "DefaultButton", Variant(m_navigatorDefaultButton),
                    [this] { return Variant(m_defaultButton); },
                    [this](const Variant& v) { m_defaultButton = v.toInt32(); }});
    keys.push_back({"CancelButton", "CancelButton", Variant(m_navigatorCancelButton),
                    [this] { return Variant(m_cancelButton); },
                    [this](const Variant& v) { m_cancelButton = v.toInt32(); }});
    keys.push_back({"UseDefaultButtonSet", "UseDefaultButtonSet", Variant(true),
                    [this] { return Variant(m_useDefaultButtonSet); },
                    [this](const Variant& v) { m_useDefaultButtonSet = v.toBool(); }});
    return keys;
}

void OvWizardTab::onWriteProperties(PropertyBag& bag) {
    trapFailures(*this, "::WriteProperties", [&] {
        for (const PersistedKey& k : headerKeys())
            bag.write(k.writeKey, k.value(), k.defaultValue);
        bag.write("TagVariant", m_tagVariant, Variant(nullptr));
        for (const PersistedKey& k : buttonKeys())
            bag.write(k.writeKey, k.value(), k.defaultValue);
        // A saved page registers again when it is next loaded.
        if (m_mediator) {
            m_mediator->setPageHiddenAtDesignTime(false);
            m_mediator->RemovePage(extender().Name());
        }
    });
}

void OvWizardTab::onReadProperties(PropertyBag& bag) {
    trapFailures(*this, "::ReadProperties", [&] {
        for (const PersistedKey& k : headerKeys())
            k.load(bag.read(k.readKey, k.defaultValue));
        if (bag.read("TagVariant", Variant(nullptr)).isObject())
            m_tagVariant = Variant(bag.read("TagVariant", Variant(nullptr)).toObject());
        else
            m_tagVariant = bag.read("TagVariant", Variant(""));
        if (isInterior()) {
            child<Image>("imgHeaderBanner").setPicture(mediatorBannerImage());
            SetBannerImagePlace();
        } else {
            child<Image>("ImageWaterMark").setPicture(mediatorWaterMarkImage());
        }
        setBannerStyle(mediator().BannerStyle());
        for (const PersistedKey& k : buttonKeys())
            k.load(bag.read(k.readKey, k.defaultValue));
        registerPage();
        // A running wizard shows its start page as soon as its pages are loaded.
        if (ambientUserMode()) mediator().GoToPage(mediator().StartPage());
        mediator().setPageHiddenAtDesignTime(false);
    });
}

void OvWizardTab::onInitProperties() {
    trapFailures(*this, "::InitProperties", [&] {
        Extender& ext = extender();
        ext.setAlign(1);
        ext.setTabStop(false);
        child<PictureBox>("picBanner").setTop(0);
        m_bannerStyle = static_cast<int32_t>(ovBannerStyleEnum::ovOSWindows2k);
        SetBannerImagePlace();
        m_pageBack = 0;
        m_pageNext = 0;
        m_pageMode = En_Page_Mode::InteriorPage;
        m_pageState = En_Page_State::Maximized;
        m_backColor = sysColor::ButtonFace;
        m_tagVariant = Variant(nullptr);
        child<Image>("imgHeaderBanner").setPicture(mediatorBannerImage());
        SetBannerImagePlace();
        m_buttons = m_navigatorDefaults;
        m_defaultButton = m_navigatorDefaultButton;
        m_cancelButton = m_navigatorCancelButton;
        m_useDefaultButtonSet = true;
        numberNewPage();
        const int32_t height = tabHeight();
        setHeight(height > 0 ? static_cast<float>(height) : parentForm().Height());
    });
}

// A new page takes the next number on its form and becomes the last page: the page before it points
// to it, and stops being the completion page unless it is the welcome page.
void OvWizardTab::numberNewPage() {
    const std::vector<ExtenderRef> controls = parentForm().controls();
    int32_t count = 0;
    for (const ExtenderRef& e : controls) {
        if (e->typeName() == kClassName) ++count;
    }
    setPageBack(count == 1 ? 0 : count - 1);
    setPageNext(0);
    if (count != 1) setPageMode(En_Page_Mode::CompletePage);
    setPageIndex(count);
    const Extender& self = extender();
    for (const ExtenderRef& e : controls) {
        if (e.get() == &self || e->typeName() != kClassName || e->get("PageIndex").toInt32() != count - 1)
            continue;
        e->let("PageNext", count);
        if (e->get("PageIndex").toInt32() > 1)
            e->let("PageMode", static_cast<int32_t>(En_Page_Mode::InteriorPage));
        break;
    }
    registerPage();
    if (m_pageIndex == 1) setPageMode(En_Page_Mode::WelcomePage);
}

// ---- Captions text file ----

void OvWizardTab::setSaveCaptionsToFile(bool) {
    try {
        if (!ambientUserMode()) writeCaptionsFile();
    } catch (const std::exception&) {
        // Exporting texts is a convenience for the designer: no failure of it is ever reported.
    }
}

void OvWizardTab::writeCaptionsFile() {
    const std::string name = ambientDisplayName();
    const std::string equals(80, '=');
    const std::string dashes(80, '-');
    CaptionsFile file(name);
    file.line(name + " captions:");
    file.line("");
    file.line(std::string("Page Mode: ") + modeName(m_pageMode));
    file.line(equals);
    auto section = [&](const char* heading, const std::string& value, bool last = false) {
        file.line("");
        file.line(heading);
        file.line(value);
        if (!last) file.line(dashes);
    };
    section("BannerTitle: ", BannerTitle());
    section("BannerDescription: ", BannerDescription());
    section("WatermarkTitle: ", WatermarkTitle());
    section("WatermarkDescription: ", WatermarkDescription());
    section("WatermarkRule: ", WatermarkRule());
    section("LeftButton Caption: ", buttonCaption(ovEn_Button_Position::ovBPLeft));
    section("LeftMiddleButton Caption: ", buttonCaption(ovEn_Button_Position::ovBPLeftMiddle));
    section("RightMiddleButton Caption: ", buttonCaption(ovEn_Button_Position::ovBPRightMiddle));
    section("RightButton Caption: ", buttonCaption(ovEn_Button_Position::ovBPRight), true);
    file.line(equals);
    file.write();
}

} // namespace ov
