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

#include <type_traits>

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

template <auto V>
using Constant = std::integral_constant<decltype(V), V>;

} // namespace

// The stored keys 1 to 24, in the order they are written and read. Loading sets fields and constituent
// controls directly: no index swapping and no mode checks while a form loads. A font stored as Nothing
// reads as the ambient font.
const StoredKeyTable<OvWizardTab>& OvWizardTab::headerKeys() {
    static const StoredKeyTable<OvWizardTab> table([] {
        using T = OvWizardTab;
        using Key = StoredKey<T>;
        using Part = Label* StoredParts::*;
        auto caption = [](auto part, const char* key, const char* defaultText) {
            return Key::of<std::string>(
                key, key, 0, defaultText, [](T& t) { return (t.m_parts.*decltype(part)::value)->Caption(); },
                [](T& t, std::string v) { (t.m_parts.*decltype(part)::value)->setCaption(v); });
        };
        auto font = [](auto part, const char* writeKey, const char* readKey) {
            return Key::withDefaultOf<FontRef>(
                writeKey, readKey, 0, [](const T& t) { return t.ambientFont(); },
                [](T& t) { return (t.m_parts.*decltype(part)::value)->Font(); },
                [](T& t, FontRef v) {
                    (t.m_parts.*decltype(part)::value)->setFont(v ? v : t.ambientFont());
                });
        };
        auto color = [](auto part, const char* writeKey, const char* readKey) {
            return Key::of<OleColor>(
                writeKey, readKey, 0, 0, [](T& t) { return (t.m_parts.*decltype(part)::value)->ForeColor(); },
                [](T& t, OleColor v) { (t.m_parts.*decltype(part)::value)->setForeColor(v); });
        };
        const Constant<Part{&StoredParts::headerDescription}> headerDescription;
        const Constant<Part{&StoredParts::headerTitle}> headerTitle;
        const Constant<Part{&StoredParts::watermarkDescription}> description;
        const Constant<Part{&StoredParts::rule}> rule;
        const Constant<Part{&StoredParts::watermarkTitle}> title;
        return std::vector<Key>{
            Key::of<OleColor>(
                "BackColor", "BackColor", 0, sysColor::ButtonFace, [](T& t) { return t.BackColor(); },
                [](T& t, OleColor v) {
                    t.m_backColor = v;
                    t.UserControl::setBackColor(v);
                }),
            Key::of<bool>(
                "Enabled", "Enabled", 0, true, [](T& t) { return t.Enabled(); },
                [](T& t, bool v) { t.UserControl::setEnabled(v); }),
            // The surface has no border or a single one.
            Key::of<int16_t>(
                "BorderStyle", "BorderStyle", 0, 0, [](T& t) { return t.BorderStyle(); },
                [](T& t, int16_t v) { t.UserControl::setBorderStyle(v); }, {0, 1}),
            Key::of<OleColor>(
                "BannerBackColor", "BannerBackColor", 0, 0x00FFFFFF,
                [](T& t) { return t.m_parts.banner->BackColor(); },
                [](T& t, OleColor v) { t.m_parts.banner->setBackColor(v); }),
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
            Key::of<int32_t>(
                "PageIndex", "PageIndex", 0, 1, [](T& t) { return t.m_pageIndex; },
                [](T& t, int32_t v) {
                    t.m_pageIndex = v;
                    t.tellPageIndex();
                    t.m_parts.pageIndex->setCaption(std::to_string(v));
                }),
            Key::field<&T::m_pageBack>("PageBack", 0, 0),
            Key::field<&T::m_pageNext>("PageNext", 0, 0),
            Key::field<&T::m_pageMode>("PageMode", 0, En_Page_Mode::InteriorPage),
            Key::field<&T::m_pageState>("PageState", 0, En_Page_State::Maximized),
        };
    }());
    return table;
}

// The stored keys 26 to 44: the page's own button set, its default and cancel positions (a position
// or none) and UseDefaultButtonSet, each stored against the navigator's default the page took.
const StoredKeyTable<OvWizardTab>& OvWizardTab::buttonKeys() {
    static const StoredKeyTable<OvWizardTab> table([] {
        using T = OvWizardTab;
        using Key = StoredKey<T>;
        std::vector<Key> keys;
        auto slot = [&keys](auto at, const std::string& prefix) {
            keys.push_back(Key::withDefaultOf<bool>(
                prefix + "Visible", prefix + "Visible", 0,
                [](const T& t) { return t.navigatorDefaults().buttons[decltype(at)::value].visible; },
                [](T& t) { return t.m_buttons[decltype(at)::value].visible; },
                [](T& t, bool v) { t.m_buttons[decltype(at)::value].visible = v; }));
            keys.push_back(Key::withDefaultOf<bool>(
                prefix + "Enabled", prefix + "Enabled", 0,
                [](const T& t) { return t.navigatorDefaults().buttons[decltype(at)::value].enabled; },
                [](T& t) { return t.m_buttons[decltype(at)::value].enabled; },
                [](T& t, bool v) { t.m_buttons[decltype(at)::value].enabled = v; }));
            keys.push_back(Key::withDefaultOf<std::string>(
                prefix + "Caption", prefix + "Caption", 0,
                [](const T& t) { return t.navigatorDefaults().buttons[decltype(at)::value].caption; },
                [](T& t) { return t.m_buttons[decltype(at)::value].caption; },
                [](T& t, std::string v) { t.m_buttons[decltype(at)::value].caption = std::move(v); }));
            keys.push_back(Key::withDefaultOf<ovEn_Button_Rule>(
                prefix + "Rule", prefix + "Rule", 0,
                [](const T& t) { return t.navigatorDefaults().buttons[decltype(at)::value].rule; },
                [](T& t) { return t.m_buttons[decltype(at)::value].rule; },
                [](T& t, ovEn_Button_Rule v) { t.m_buttons[decltype(at)::value].rule = v; }));
        };
        // Left to right, as the slots are numbered.
        slot(Constant<size_t{0}>{}, "LB");
        slot(Constant<size_t{1}>{}, "LMB");
        slot(Constant<size_t{2}>{}, "RMB");
        slot(Constant<size_t{3}>{}, "RB");
        keys.push_back(Key::withDefaultOf<int32_t>(
            "DefaultButton", "DefaultButton", 0,
            [](const T& t) { return t.navigatorDefaults().defaultButton; },
            [](T& t) { return t.m_defaultButton; }, [](T& t, int32_t v) { t.m_defaultButton = v; }));
        keys.push_back(Key::withDefaultOf<int32_t>(
            "CancelButton", "CancelButton", 0, [](const T& t) { return t.navigatorDefaults().cancelButton; },
            [](T& t) { return t.m_cancelButton; }, [](T& t, int32_t v) { t.m_cancelButton = v; }));
        keys.push_back(Key::field<&T::m_useDefaultButtonSet>("UseDefaultButtonSet", 0, true));
        return keys;
    }());
    return table;
}

void OvWizardTab::onWriteProperties(PropertyBag& bag) {
    trapFailures(*this, "::WriteProperties", [&] {
        headerKeys().write(*this, bag);
        bag.write("TagVariant", m_tagVariant, Variant(nullptr));
        buttonKeys().write(*this, bag);
        // A saved page registers again when it is next loaded.
        if (m_mediator) {
            m_mediator->setPageHiddenAtDesignTime(false);
            m_mediator->RemovePage(extender().Name());
        }
    });
}

void OvWizardTab::onReadProperties(PropertyBag& bag) {
    trapFailures(*this, "::ReadProperties", [&] {
        headerKeys().load(*this, bag);
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
        buttonKeys().load(*this, bag);
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
        const NavigatorDefaults& defaults = navigatorDefaults();
        m_buttons = defaults.buttons;
        m_defaultButton = defaults.defaultButton;
        m_cancelButton = defaults.cancelButton;
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
