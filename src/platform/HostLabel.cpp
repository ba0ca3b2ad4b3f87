#include "platform/HostLabel.h"

#include "platform/PropertyBag.h"
#include "platform/TypeRegistry.h"

namespace ov {

namespace {

constexpr OleColor kDefaultBackColor = sysColor::ButtonFace;
constexpr OleColor kDefaultForeColor = sysColor::ButtonText;

// The runtime's own controls are there as soon as the library is loaded, like the library's.
const bool g_registered = [] {
    TypeRegistry::instance().addClass(HostLabel::staticClass(), [] { return std::make_shared<HostLabel>(); });
    return true;
}();

} // namespace

const ClassInfo& HostLabel::staticClass() {
    return buildClassInfo<HostLabel>([](ClassInfo& i) {
        i.guid = "{5E0C3D52-7A41-4C0B-9F3B-2B6E1D4A8C17}";
        i.kind = ClassInfo::Kind::Control;
        i.creatable = true;
        i.published = false;
        i.progIdPrefix = "OvHost";
    });
}

void HostLabel::describe(ClassBuilder<HostLabel>& b) {
    using T = HostLabel;
    b.property("Caption", 0, &T::Caption, &T::setCaption);
    b.property("Alignment", 1, &T::Alignment, &T::setAlignment);
    b.property("AutoSize", 2, &T::AutoSize, &T::setAutoSize);
    b.property("WordWrap", 3, &T::WordWrap, &T::setWordWrap);
    b.property("BackColor", -501, &T::BackColor, &T::setBackColor);
    b.property("ForeColor", -513, &T::ForeColor, &T::setForeColor);
    b.property("BorderStyle", -504, &T::BorderStyle, &T::setBorderStyle);
    b.property("Font", -512, &T::Font).set(&T::setFont);
}

HostLabel::HostLabel() : m_text(&addChild<Label>("lblText")) {
    m_text->setBackColor(kDefaultBackColor);
    m_text->setForeColor(kDefaultForeColor);
    m_text->Move(0, 0, Width(), Height());
    UserControl::setBackColor(kDefaultBackColor);
    setCanGetFocus(false);
}

void HostLabel::setCaption(const std::string& v) {
    text().setCaption(v);
    fit();
    PropertyChanged("Caption");
}

void HostLabel::setAlignment(int16_t v) {
    text().setAlignment(v);
    PropertyChanged("Alignment");
}

void HostLabel::setAutoSize(bool v) {
    text().setAutoSize(v);
    fit();
    PropertyChanged("AutoSize");
}

void HostLabel::setWordWrap(bool v) {
    text().setWordWrap(v);
    fit();
    PropertyChanged("WordWrap");
}

void HostLabel::setBackColor(OleColor v) {
    text().setBackColor(v);
    UserControl::setBackColor(v);
    PropertyChanged("BackColor");
}

void HostLabel::setForeColor(OleColor v) {
    text().setForeColor(v);
    PropertyChanged("ForeColor");
}

void HostLabel::setBorderStyle(int16_t v) {
    text().setBorderStyle(v);
    PropertyChanged("BorderStyle");
}

void HostLabel::setFont(FontRef v) {
    text().setFont(std::move(v)); // the label refuses Nothing (380)
    fit();
    PropertyChanged("Font");
}

void HostLabel::onInitProperties() {
    text().setFont(ambientFont());
}

void HostLabel::onReadProperties(PropertyBag& bag) {
    // Size-changing values first, the caption last, so that an auto-sized label fits once to all.
    text().setFont(VariantTraits<FontRef>::from(bag.read("Font", VariantTraits<FontRef>::to(ambientFont()))));
    text().setAlignment(bag.read("Alignment", int16_t{0}).toInt16());
    text().setWordWrap(bag.read("WordWrap", false).toBool());
    text().setAutoSize(bag.read("AutoSize", false).toBool());
    text().setBorderStyle(bag.read("BorderStyle", int16_t{0}).toInt16());
    text().setForeColor(VariantTraits<OleColor>::from(bag.read("ForeColor", int32_t(kDefaultForeColor))));
    const OleColor back = VariantTraits<OleColor>::from(bag.read("BackColor", int32_t(kDefaultBackColor)));
    text().setBackColor(back);
    UserControl::setBackColor(back);
    text().setCaption(bag.read("Caption", "").toString());
    fit();
}

void HostLabel::onWriteProperties(PropertyBag& bag) {
    bag.write("Caption", Caption(), "");
    bag.write("Alignment", Alignment(), int16_t{0});
    bag.write("AutoSize", AutoSize(), false);
    bag.write("WordWrap", WordWrap(), false);
    bag.write("BackColor", int32_t(BackColor()), int32_t(kDefaultBackColor));
    bag.write("ForeColor", int32_t(ForeColor()), int32_t(kDefaultForeColor));
    bag.write("BorderStyle", BorderStyle(), int16_t{0});
    bag.write("Font", VariantTraits<FontRef>::to(Font()));
}

void HostLabel::onResize() {
    // The label follows the control; with AutoSize the control then follows the label (fit).
    if (text().AutoSize() && text().WordWrap()) text().setWidth(Width());
    fit();
}

void HostLabel::fit() {
    if (!text().AutoSize()) {
        text().Move(0, 0, Width(), Height());
        return;
    }
    const float width = text().WordWrap() ? Width() : text().Width();
    if (width != Width() || text().Height() != Height()) setSize(width, text().Height());
}

} // namespace ov
