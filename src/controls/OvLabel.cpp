#include "controls/OvLabel.h"

#include "frame/ErrorReporting.h"
#include "platform/Extender.h"
#include "platform/Label.h"
#include "platform/MessageBoxFailures.h"
#include "platform/PropertyBag.h"
#include "platform/Runtime.h"
#include "platform/TypeRegistry.h"
#include "platform/VariantTraits.h"

namespace ov {

const ClassInfo& OvLabel::staticClass() {
    return buildClassInfo<OvLabel>([](ClassInfo& i) {
        i.guid = "{9A4E7B21-5C3D-4F8E-A6B0-1D2C3E4F5A68}";
        i.kind = ClassInfo::Kind::Control;
        i.creatable = true;
        i.interfaceName = "_OvLabel";
        i.eventInterfaceName = "__OvLabel";
        i.eventGuid = "{E1F2A3B4-C5D6-4E7F-8091-A2B3C4D5E6F7}";
        i.propertyPages = {"GeneralLabel", "StandardColor", "StandardFont"};
    });
}

void OvLabel::describe(ClassBuilder<OvLabel>& b) {
    using T = OvLabel;
    b.property("Alignment", 0x68030005, &T::Alignment, &T::setAlignment);
    b.property("BackColor", 0x68030004, &T::BackColor, &T::setBackColor);
    b.property("ForeColor", 0x68030003, &T::ForeColor, &T::setForeColor);
    b.property("Font", 0x68030002, &T::Font).set(&T::setFont);
    b.property("AutoSize", 0x68030001, &T::AutoSize, &T::setAutoSize);
    b.property("Caption", -518, &T::Caption, &T::setCaption);
    b.property("Enabled", 0x68030000, &T::Enabled, &T::setEnabled);
    b.property("MousePointer", 0x68030007, &T::MousePointer, &T::setMousePointer);
    b.property("MouseIcon", 0x68030006, &T::MouseIcon).set(&T::setMouseIcon);
    b.property("Visible", 0x68030008, &T::Visible, &T::setVisible);
    b.event("MouseDown", 1, &T::MouseDown, {"Button", "Shift", "x", "y"});
    b.event("Click", 2, &T::Click, {});
    b.event("DblClick", 3, &T::DblClick, {});
    b.event("MouseMove", 4, &T::MouseMove, {"Button", "Shift", "x", "y"});
    b.event("MouseUp", 5, &T::MouseUp, {"Button", "Shift", "x", "y"});
}

void OvLabel::registerTypes(TypeRegistry& r) {
    r.addEnum({"en_Alignment",
               "{4B7C2D9E-1A3F-4C5B-9E8D-7F6A5B4C3D21}",
               {{"ovLeftJustify", 0}, {"ovRightJustify", 1}, {"ovCenter", 2}}});
    r.addClass(staticClass(), [] { return std::make_shared<OvLabel>(); });
}

OvLabel::OvLabel() : m_back(addChild<Label>("lblBack")), m_front(addChild<Label>("lblFront")) {
    setSize(1455, 270);
    setCanGetFocus(false); // a label is read, never a stop of the tab order or a click target for the focus
    for (Label* l : {&m_back, &m_front}) {
        l->setBackStyle(0);
        l->Move(0, 0, 1455, 270);
    }
    m_back.setForeColor(sysColor::ButtonHighlight);
    m_back.setVisible(false);
    // The control's mouse events are lblFront's, with the same (by-reference) arguments.
    m_frontLinks.emplace_back(m_front.MouseDown().connect(
        [this](int16_t& b, int16_t& s, float& x, float& y) { MouseDown(b, s, x, y); }));
    m_frontLinks.emplace_back(m_front.Click().connect([this] { Click(); }));
    m_frontLinks.emplace_back(m_front.DblClick().connect([this] { DblClick(); }));
    m_frontLinks.emplace_back(m_front.MouseMove().connect(
        [this](int16_t& b, int16_t& s, float& x, float& y) { MouseMove(b, s, x, y); }));
    m_frontLinks.emplace_back(m_front.MouseUp().connect(
        [this](int16_t& b, int16_t& s, float& x, float& y) { MouseUp(b, s, x, y); }));
}

void OvLabel::onInitialize() {
    const Runtime& rt = Runtime::current();
    m_pixelX = static_cast<float>(rt.twipsPerPixelX());
    m_pixelY = static_cast<float>(rt.twipsPerPixelY());
}

en_Alignment OvLabel::Alignment() const {
    return static_cast<en_Alignment>(m_front.Alignment());
}

void OvLabel::setAlignment(en_Alignment v) {
    const auto a = static_cast<int16_t>(v);
    m_front.setAlignment(a);
    m_back.setAlignment(a);
    PropertyChanged("Alignment");
}

void OvLabel::setBackColor(OleColor v) {
    UserControl::setBackColor(v);
    PropertyChanged("BackColor");
}

void OvLabel::setForeColor(OleColor v) {
    reportInMessageBox(*this, "ForeColor", [&] {
        m_foreColor = v;
        m_front.setForeColor(m_enabled ? m_foreColor : sysColor::ButtonShadow);
        PropertyChanged("ForeColor");
    });
}

FontRef OvLabel::Font() const {
    return m_front.Font();
}

void OvLabel::setFont(FontRef v) {
    reportInMessageBox(*this, "Font", [&] {
        struct Changing {
            bool& flag;
            ~Changing() { flag = false; }
        } changing{m_fontChanging};
        m_fontChanging = true;
        m_front.setFont(v);
        m_back.setFont(v);
        PropertyChanged("Font");
        if (m_autoSize) fit();
    });
}

void OvLabel::setAutoSize(bool v) {
    m_autoSize = v;
    m_front.setAutoSize(v);
    if (v) fit();
    m_back.setAutoSize(v);
    PropertyChanged("AutoSize");
}

void OvLabel::setCaption(const std::string& v) {
    m_caption = v;
    m_front.setCaption(v);
    m_back.setCaption(v);
    if (m_autoSize) fit();
    PropertyChanged("Caption");
}

void OvLabel::setEnabled(bool v) {
    m_enabled = v;
    m_front.setForeColor(v ? m_foreColor : sysColor::ButtonShadow);
    m_back.setVisible(!v);
    UserControl::setEnabled(v);
    PropertyChanged("Enabled");
}

void OvLabel::setMousePointer(int16_t v) {
    ignoreFailures([&] {
        m_mousePointer = v;
        m_front.setMousePointer(v);
        m_back.setMousePointer(v);
        PropertyChanged("MousePointer");
    });
}

PictureRef OvLabel::MouseIcon() const {
    return m_front.MouseIcon();
}

void OvLabel::setMouseIcon(PictureRef v) {
    ignoreFailures([&] {
        m_front.setMouseIcon(v);
        m_back.setMouseIcon(v);
        PropertyChanged("MouseIcon");
    });
}

bool OvLabel::Visible() const {
    return extender().Visible();
}

void OvLabel::setVisible(bool v) {
    extender().setVisible(v);
    PropertyChanged("Visible");
}

void OvLabel::fit() {
    // Hidden while it changes size, so that the container shows it once, at its new size.
    Extender& site = extender();
    site.setVisible(false);
    site.setHeight(m_front.Height() + m_pixelY);
    site.setWidth(m_front.Width() + m_pixelX);
    site.setVisible(true);
}

void OvLabel::onResize() {
    ignoreFailures([&] {
        if (m_autoSize || m_fontChanging) {
            m_front.Move(0, 0);
            m_back.Move(m_pixelX, m_pixelY);
        } else {
            m_front.Move(0, 0, ScaleWidth(), ScaleHeight());
            m_back.Move(m_pixelX, m_pixelY, ScaleWidth(), ScaleHeight());
        }
    });
}

// ---- Persistence ----

void OvLabel::onInitProperties() {
    setCaption(ambientDisplayName());
    setEnabled(true);
    setFont(ambientFont());
    setBackColor(ambientBackColor());
    // A new label is first fitted to its name, then left at that size.
    setAutoSize(true);
    setAutoSize(false);
    setAlignment(en_Alignment::ovLeftJustify);
    setMousePointer(0);
    setVisible(true);
}

void OvLabel::onReadProperties(PropertyBag& bag) {
    setCaption(bag.readAs<std::string>("Caption", ""));
    setForeColor(bag.readAs<OleColor>("ForeColor", sysColor::ButtonText));
    // Stored as a Boolean; a label saved without it reads the text "True".
    setEnabled(bag.readAs<bool>("Enabled", Variant("True").toBool()));
    setAutoSize(bag.readAs<bool>("AutoSize", false));
    setFont(bag.readAs<FontRef>("Font", ambientFont()));
    setBackColor(bag.readAs<OleColor>("BackColor", ambientBackColor()));
    setAlignment(static_cast<en_Alignment>(bag.readAs<int32_t>("Alignment", 0, {0, 2})));
    setMouseIcon(bag.readAs<PictureRef>("MouseIcon", nullptr));
    setMousePointer(bag.readAs<int16_t>("MousePointer", 0));
    setVisible(bag.readAs<bool>("Visible", true));
}

void OvLabel::onWriteProperties(PropertyBag& bag) {
    using C = VariantTraits<OleColor>;
    bag.write("Caption", m_caption, "");
    // Compared with the text "True": a Boolean true equals it and is left out.
    bag.write("Enabled", m_enabled, Variant("True").toBool());
    bag.write("Font", ObjectRef(std::const_pointer_cast<ov::Font>(Font())),
              ObjectRef(std::const_pointer_cast<ov::Font>(ambientFont())));
    bag.write("AutoSize", m_autoSize, false);
    bag.write("ForeColor", C::to(m_foreColor), C::to(sysColor::ButtonText));
    bag.write("BackColor", C::to(BackColor()), C::to(ambientBackColor()));
    bag.write("Alignment", static_cast<int32_t>(Alignment()), 0);
    bag.write("MouseIcon", ObjectRef(std::const_pointer_cast<Picture>(MouseIcon())), Variant());
    bag.write("MousePointer", m_mousePointer, int16_t{0});
    bag.write("Visible", Visible(), true);
}

} // namespace ov
