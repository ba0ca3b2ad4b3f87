#include "platform/StandardColorPage.h"

#include "platform/ComboBox.h"
#include "platform/Failure.h"
#include "platform/Label.h"
#include "platform/PictureBox.h"
#include "platform/TextBox.h"
#include "platform/TypeRegistry.h"
#include "platform/Variant.h"

#include <array>
#include <cctype>
#include <charconv>
#include <cstdio>

namespace ov {

namespace {

constexpr std::array kSystemColors{"Scroll Bars",
                                   "Desktop",
                                   "Active Title Bar",
                                   "Inactive Title Bar",
                                   "Menu Bar",
                                   "Window Background",
                                   "Window Frame",
                                   "Menu Text",
                                   "Window Text",
                                   "Active Title Bar Text",
                                   "Active Border",
                                   "Inactive Border",
                                   "Application Workspace",
                                   "Highlight",
                                   "Highlighted Text",
                                   "Button Face",
                                   "Button Shadow",
                                   "Disabled Text",
                                   "Button Text",
                                   "Inactive Title Bar Text",
                                   "Button Highlight",
                                   "Button Dark Shadow",
                                   "Button Light Shadow",
                                   "ToolTip Text",
                                   "ToolTip"};
constexpr OleColor kSystemBit = 0x80000000;

// The platform's own pages are there as soon as the library is loaded, like its controls.
const bool g_registered = [] {
    TypeRegistry::instance().addClass(StandardColorPage::staticClass(),
                                      [] { return std::make_shared<StandardColorPage>(); });
    return true;
}();

} // namespace

const ClassInfo& StandardColorPage::staticClass() {
    return buildClassInfo<StandardColorPage>([](ClassInfo& i) {
        i.guid = "{6F1D2A43-8B5C-4E7D-9A0F-3C2B1E4D5A76}";
        i.kind = ClassInfo::Kind::PropertyPage;
        i.creatable = true;
        i.published = false;
        i.progIdPrefix = "OvHost";
    });
}

StandardColorPage::StandardColorPage() : StandardPropertyPage("Color", "OLE_COLOR") {
    auto label = [this](const char* name, const char* caption, float left, float top) {
        auto& l = addChild<Label>(name);
        l.setCaption(caption);
        l.Move(left, top, 2400, 240);
    };
    label("lblSystem", "System color:", 2760, 120);
    m_system = &addChild<ComboBox>("cboSystem");
    m_system->Move(2760, 360, 2520, 315);
    for (size_t i = 0; i < kSystemColors.size(); ++i) {
        m_system->AddItem(kSystemColors[i]);
        m_system->setItemData(m_system->NewIndex(), static_cast<int32_t>(kSystemBit | i));
    }
    label("lblColor", "Color value:", 120, 840);
    m_text = &addChild<TextBox>("txtColor");
    m_text->Move(120, 1080, 2400, 315);
    label("lblPreview", "Preview:", 2760, 840);
    m_preview = &addChild<PictureBox>("picPreview");
    m_preview->Move(2760, 1080, 2520, 1560);
    m_preview->setBorderStyle(1);

    m_text->Change.connect([this] {
        if (!userEdit()) return;
        const auto c = parseColor(m_text->Text());
        m_textValid = c.has_value();
        if (c && current() >= 0) {
            m_values[static_cast<size_t>(current())].edited = *c;
            follow(m_text);
        }
    });
    m_system->Click().connect([this] {
        if (!userEdit() || current() < 0 || m_system->ListIndex() < 0) return;
        m_values[static_cast<size_t>(current())].edited =
            static_cast<OleColor>(m_system->ItemData(m_system->ListIndex()));
        m_textValid = true;
        follow(m_system);
    });
}

std::string StandardColorPage::formatColor(OleColor c) {
    char text[16];
    std::snprintf(text, sizeof text, "&H%08X&", static_cast<unsigned>(c));
    return text;
}

std::optional<OleColor> StandardColorPage::parseColor(const std::string& text) {
    std::string_view s = text;
    while (!s.empty() && s.front() == ' ')
        s.remove_prefix(1);
    while (!s.empty() && s.back() == ' ')
        s.remove_suffix(1);
    int base = 10;
    if (s.size() > 2 && s[0] == '&' && (s[1] == 'H' || s[1] == 'h')) {
        s.remove_prefix(2);
        if (!s.empty() && s.back() == '&') s.remove_suffix(1);
        if (s.empty() || s.size() > 8) return std::nullopt;
        base = 16;
    }
    uint64_t v = 0;
    const auto [end, ec] = std::from_chars(s.data(), s.data() + s.size(), v, base);
    if (s.empty() || ec != std::errc() || end != s.data() + s.size() || v > 0xFFFFFFFFull)
        return std::nullopt;
    return static_cast<OleColor>(v);
}

void StandardColorPage::clearValues() {
    m_values.clear();
    m_textValid = true;
}

void StandardColorPage::readValue(Object& control, const std::string& name) {
    const auto c = VariantTraits<OleColor>::from(control.get(name));
    m_values.push_back({c, c});
}

void StandardColorPage::showValue() {
    m_textValid = true;
    follow(nullptr);
}

void StandardColorPage::follow(const void* except) {
    Filling filling(*this);
    if (current() < 0) {
        m_text->setText("");
        m_system->setListIndex(-1);
        m_preview->setBackColor(sysColor::ButtonFace);
        return;
    }
    const OleColor c = m_values[static_cast<size_t>(current())].edited;
    if (except != m_text) m_text->setText(formatColor(c));
    if (except != m_system) {
        const bool system = (c & kSystemBit) && (c & ~kSystemBit) < kSystemColors.size();
        m_system->setListIndex(system ? static_cast<int16_t>(c & ~kSystemBit) : int16_t{-1});
    }
    m_preview->setBackColor(c);
}

void StandardColorPage::checkFields() {
    if (!m_textValid) {
        throw Failure(err::InvalidPropertyValue, failureText(err::InvalidPropertyValue) + " (" +
                                                     properties()[static_cast<size_t>(current())] + ": \"" +
                                                     shown(m_text->Text()) + "\" is not a colour)");
    }
}

bool StandardColorPage::isEdited(size_t index) const {
    return m_values[index].edited != m_values[index].read;
}

void StandardColorPage::writeValue(Object& control, size_t index) {
    control.let(properties()[index], VariantTraits<OleColor>::to(m_values[index].edited));
    m_values[index].read = m_values[index].edited;
}

void StandardColorPage::enableFields(bool enabled) {
    m_text->setEnabled(enabled);
    m_system->setEnabled(enabled);
}

} // namespace ov
