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
#include "wizard/StoredKey.h"

#include <filesystem>
#include <fstream>
#include <functional>

namespace ov {

namespace {

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

// The stored keys 1 to 24, in the order they are written and read. Loading sets fields and constituent
// controls directly: no index swapping and no mode checks while a form loads. A font stored as Nothing
// reads as the ambient font.
std::vector<StoredKey> OvWizardTab::headerKeys() {
    const FontRef ambient = ambientFont();
    auto* banner = &child<PictureBox>("picBanner");
    auto* headerDescription = &child<Label>("lblHeaderDescription");
    auto* headerTitle = &child<Label>("lblHeaderTitle");
    auto* description = &child<Label>("lblWatermarkDescription");
    auto* rule = &child<Label>("lblRule");
    auto* title = &child<Label>("lblWatermarkTitle");
    auto caption = [](Label* l, const char* key, const char* defaultText) {
        return storedKey<std::string>(
            key, key, 0, defaultText, [l] { return l->Caption(); }, [l](std::string v) { l->setCaption(v); });
    };
    auto font = [&ambient](Label* l, const char* writeKey, const char* readKey) {
        return storedKey<FontRef>(
            writeKey, readKey, 0, ambient, [l] { return l->Font(); },
            [l, ambient](FontRef v) { l->setFont(v ? v : ambient); });
    };
    auto color = [](Label* l, const char* writeKey, const char* readKey) {
        return storedKey<OleColor>(
            writeKey, readKey, 0, 0, [l] { return l->ForeColor(); }, [l](OleColor v) { l->setForeColor(v); });
    };
    auto number = [](const char* key, int32_t defaultValue, int32_t* field) {
        return storedKey<int32_t>(
            key, key, 0, defaultValue, [field] { return *field; }, [field](int32_t v) { *field = v; });
    };
    return {
        storedKey<OleColor>(
            "BackColor", "BackColor", 0, sysColor::ButtonFace, [this] { return BackColor(); },
            [this](OleColor v) {
                m_backColor = v;
                UserControl::setBackColor(v);
            }),
        storedKey<bool>(
            "Enabled", "Enabled", 0, true, [this] { return Enabled(); },
            [this](bool v) { UserControl::setEnabled(v); }),
        // The surface has no border or a single one.
        storedKey<int16_t>(
            "BorderStyle", "BorderStyle", 0, 0, [this] { return BorderStyle(); },
            [this](int16_t v) { UserControl::setBorderStyle(v); }, {0, 1}),
        storedKey<OleColor>(
            "BannerBackColor", "BannerBackColor", 0, 0x00FFFFFF, [banner] { return banner->BackColor(); },
            [banner](OleColor v) { banner->setBackColor(v); }),
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
        storedKey<int32_t>(
            "PageIndex", "PageIndex", 0, 1, [this] { return m_pageIndex; },
            [this](int32_t v) {
                m_pageIndex = v;
                child<Label>("lblPageIndex").setCaption(std::to_string(v));
            }),
        number("PageBack", 0, &m_pageBack),
        number("PageNext", 0, &m_pageNext),
        storedKey<En_Page_Mode>(
            "PageMode", "PageMode", 0, En_Page_Mode::InteriorPage, [this] { return m_pageMode; },
            [this](En_Page_Mode v) { m_pageMode = v; }),
        storedKey<En_Page_State>(
            "PageState", "PageState", 0, En_Page_State::Maximized, [this] { return m_pageState; },
            [this](En_Page_State v) { m_pageState = v; }),
    };
}

// The stored keys 26 to 44: the page's own button set, its default and cancel positions (a position
// or none) and UseDefaultButtonSet, each stored against the navigator's default.
std::vector<StoredKey> OvWizardTab::buttonKeys() {
    static const char* const kPrefixes[] = {"LB", "LMB", "RMB", "RB"};
    std::vector<StoredKey> keys;
    for (auto p : kButtonPositions) {
        const size_t i = buttonSlot(p);
        const std::string prefix = kPrefixes[i];
        ButtonSlot* s = &m_buttons[i];
        const ButtonSlot& d = m_navigatorDefaults[i];
        keys.push_back(storedKey<bool>(
            prefix + "Visible", prefix + "Visible", 0, d.visible, [s] { return s->visible; },
            [s](bool v) { s->visible = v; }));
        keys.push_back(storedKey<bool>(
            prefix + "Enabled", prefix + "Enabled", 0, d.enabled, [s] { return s->enabled; },
            [s](bool v) { s->enabled = v; }));
        keys.push_back(storedKey<std::string>(
            prefix + "Caption", prefix + "Caption", 0, d.caption, [s] { return s->caption; },
            [s](std::string v) { s->caption = std::move(v); }));
        keys.push_back(storedKey<ovEn_Button_Rule>(
            prefix + "Rule", prefix + "Rule", 0, d.rule, [s] { return s->rule; },
            [s](ovEn_Button_Rule v) { s->rule = v; }));
    }
    keys.push_back(storedKey<int32_t>(
        "DefaultButton", "DefaultButton", 0, m_navigatorDefaultButton, [this] { return m_defaultButton; },
        [this](int32_t v) { m_defaultButton = v; }));
    keys.push_back(storedKey<int32_t>(
        "CancelButton", "CancelButton", 0, m_navigatorCancelButton, [this] { return m_cancelButton; },
        [this](int32_t v) { m_cancelButton = v; }));
    keys.push_back(storedKey<bool>(
        "UseDefaultButtonSet", "UseDefaultButtonSet", 0, true, [this] { return m_useDefaultButtonSet; },
        [this](bool v) { m_useDefaultButtonSet = v; }));
    return keys;
}

void OvWizardTab::onWriteProperties(PropertyBag& bag) {
    trapFailures(*this, "::WriteProperties", [&] {
        for (const StoredKey& k : headerKeys())
            bag.write(k.writeKey, k.value(), k.defaultValue);
        bag.write("TagVariant", m_tagVariant, Variant(nullptr));
        for (const StoredKey& k : buttonKeys())
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
        for (const StoredKey& k : headerKeys())
            k.load(bag);
        // Any value or object: a tag takes what it is given.
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
        for (const StoredKey& k : buttonKeys())
            k.load(bag);
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
