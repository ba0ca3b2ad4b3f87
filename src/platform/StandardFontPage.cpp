#include "platform/StandardFontPage.h"

#include "platform/CheckBox.h"
#include "platform/Failure.h"
#include "platform/Frame.h"
#include "platform/Label.h"
#include "platform/TextBox.h"
#include "platform/TypeRegistry.h"
#include "platform/Variant.h"

#include <cmath>
#include <cstdlib>
#include <sstream>

namespace ov {

namespace {

constexpr float kMaxSize = 2048;

const bool g_registered = [] {
    TypeRegistry::instance().addClass(StandardFontPage::staticClass(),
                                      [] { return std::make_shared<StandardFontPage>(); });
    return true;
}();

std::optional<float> parseSize(const std::string& text) {
    const char* begin = text.c_str();
    char* end = nullptr;
    const float v = std::strtof(begin, &end);
    while (end && *end == ' ')
        ++end;
    if (end == begin || *end != '\0' || !std::isfinite(v) || v <= 0 || v > kMaxSize) return std::nullopt;
    return v;
}

std::string formatSize(float size) {
    std::ostringstream out;
    out << size;
    return out.str();
}

} // namespace

const ClassInfo& StandardFontPage::staticClass() {
    return buildClassInfo<StandardFontPage>([](ClassInfo& i) {
        i.guid = "{2C8E4B17-6D3A-4F90-B1E5-7A9D0C3F6B28}";
        i.kind = ClassInfo::Kind::PropertyPage;
        i.creatable = true;
        i.published = false;
        i.progIdPrefix = "OvHost";
    });
}

StandardFontPage::StandardFontPage() : StandardPropertyPage("Font", "StdFont") {
    auto label = [this](const char* name, const char* caption, float top) {
        auto& l = addChild<Label>(name);
        l.setCaption(caption);
        l.Move(120, top, 2400, 240);
    };
    label("lblName", "Font:", 840);
    m_name = &addChild<TextBox>("txtName");
    m_name->Move(120, 1080, 2400, 315);
    label("lblSize", "Size:", 1500);
    m_size = &addChild<TextBox>("txtSize");
    m_size->Move(120, 1740, 1200, 315);

    auto& effects = addChild<Frame>("fraEffects");
    effects.setCaption("Effects");
    effects.Move(2760, 120, 2520, 1080);
    const char* names[] = {"chkBold", "chkItalic", "chkUnderline", "chkStrikethrough"};
    const char* captions[] = {"Bold", "Italic", "Underline", "Strikeout"};
    for (size_t i = 0; i < 4; ++i) {
        auto& c = addChild<CheckBox>(names[i], &effects);
        c.setCaption(captions[i]);
        c.Move(i % 2 ? 1320.0f : 120.0f, i < 2 ? 300.0f : 660.0f, 1100, 255);
        m_effects.push_back(&c);
        c.Click().connect([this, i] {
            Font::Attributes* a = shownValue();
            if (!userEdit() || !a) return;
            const bool on = m_effects[i]->Value() == 1;
            if (i == 0) {
                a->bold = on;
                a->weight = on ? 700 : 400;
            } else {
                (i == 1 ? a->italic : i == 2 ? a->underline : a->strikethrough) = on;
            }
            showSample();
        });
    }
    auto& sample = addChild<Frame>("fraSample");
    sample.setCaption("Sample");
    sample.Move(2760, 1320, 2520, 1440);
    m_sample = &addChild<Label>("lblSample", &sample);
    m_sample->setCaption("AaBbYyZz");
    m_sample->setAlignment(2);
    m_sample->Move(120, 600, 2280, 480);

    m_name->Change.connect([this] {
        Font::Attributes* a = shownValue();
        if (!userEdit() || !a || m_name->Text().empty()) return;
        a->name = m_name->Text();
        showSample();
    });
    m_size->Change.connect([this] {
        Font::Attributes* a = shownValue();
        if (!userEdit() || !a) return;
        const auto size = parseSize(m_size->Text());
        m_sizeValid = size.has_value();
        if (size) a->size = *size;
        showSample();
    });
}

Font::Attributes* StandardFontPage::shownValue() {
    return current() < 0 ? nullptr : &m_values[static_cast<size_t>(current())].edited;
}

void StandardFontPage::showSample() {
    if (const Font::Attributes* a = shownValue()) m_sample->setFont(Font::create(*a));
}

void StandardFontPage::clearValues() {
    m_values.clear();
    m_sizeValid = true;
}

void StandardFontPage::readValue(Object& control, const std::string& name) {
    const FontRef font = VariantTraits<FontRef>::from(control.get(name));
    const Font::Attributes a = font ? font->attributes() : Font::standard()->attributes();
    m_values.push_back({a, a});
}

void StandardFontPage::showValue() {
    m_sizeValid = true;
    const Font::Attributes* a = shownValue();
    m_name->setText(a ? a->name : "");
    m_size->setText(a ? formatSize(a->size) : "");
    const bool on[] = {a && a->bold, a && a->italic, a && a->underline, a && a->strikethrough};
    for (size_t i = 0; i < 4; ++i)
        m_effects[i]->setValue(on[i] ? 1 : 0);
    showSample();
}

void StandardFontPage::checkFields() {
    auto refuse = [](const std::string& what) {
        throw Failure(err::InvalidPropertyValue, failureText(err::InvalidPropertyValue) + " (" + what + ")");
    };
    if (m_name->Text().empty()) refuse("Font: a font needs a name");
    if (!m_sizeValid)
        refuse("Size: \"" + shown(m_size->Text()) +
               "\" is not a size in points, more than 0 and at most 2048");
}

bool StandardFontPage::isEdited(size_t index) const {
    return !(m_values[index].edited == m_values[index].read);
}

void StandardFontPage::writeValue(Object& control, size_t index) {
    control.set(properties()[index], VariantTraits<FontRef>::to(Font::create(m_values[index].edited)));
    m_values[index].read = m_values[index].edited;
}

void StandardFontPage::enableFields(bool enabled) {
    m_name->setEnabled(enabled);
    m_size->setEnabled(enabled);
    for (CheckBox* c : m_effects)
        c->setEnabled(enabled);
}

} // namespace ov
