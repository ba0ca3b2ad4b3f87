#include "controls/OvUpDown.h"

#include "controls/ProcedureFailureBox.h"
#include "controls/SetControlEnabled.h"
#include "platform/Extender.h"
#include "platform/Font.h"
#include "platform/PropertyBag.h"
#include "platform/Runtime.h"
#include "platform/TextBox.h"
#include "platform/UpDown.h"
#include "platform/Variant.h"
#include "platform/VariantTraits.h"

#include <cmath>
#include <cstdlib>

namespace ov {

namespace {

constexpr const char* kClass = "OvUpDown";
constexpr int16_t kKeyUp = 38;
constexpr int16_t kKeyDown = 40;

template <class F>
auto procedure(std::string_view name, F&& body) {
    return inProcedure(kClass, name, std::forward<F>(body));
}

} // namespace

const ClassInfo& OvUpDown::staticClass() {
    return buildClassInfo<OvUpDown>([](ClassInfo& i) {
        i.guid = "{A58B2F09-37AF-4105-BFE7-3C2DCD9D9230}";
        i.kind = ClassInfo::Kind::Control;
        i.creatable = true;
        i.interfaceName = "_OvUpDown";
        i.eventInterfaceName = "__OvUpDown";
        i.eventGuid = "{E2F5F70C-0DB3-42D1-B527-C207CC6F1E0D}";
        i.propertyPages = {"GeneralUpDown", "StandardFont"};
    });
}

void OvUpDown::describe(ClassBuilder<OvUpDown>& b) {
    using U = OvUpDown;
    b.property("Value", 0x68030006, &U::Value, &U::setValue);
    b.property("Min", 0x68030005, &U::Min, &U::setMin);
    b.property("Max", 0x68030004, &U::Max, &U::setMax);
    b.property("Alignment", 0x68030003, &U::Alignment, &U::setAlignment);
    b.property("Increment", 0x68030002, &U::Increment, &U::setIncrement);
    b.property("Font", 0x68030001, &U::Font).set(&U::setFont);
    b.property("Wrap", 0x68030000, &U::Wrap, &U::setWrap);
    b.property("Enabled", 0x68030007, &U::Enabled, &U::setEnabled);
    b.event("Change", 1, &U::Change, {});
    b.event("DownClick", 2, &U::DownClick, {});
    b.event("UpClick", 3, &U::UpClick, {});
    b.event("MouseDown", 4, &U::MouseDown, {"Button", "Shift", "x", "y"});
    b.event("MouseMove", 5, &U::MouseMove, {"Button", "Shift", "x", "y"});
    b.event("MouseUp", 6, &U::MouseUp, {"Button", "Shift", "x", "y"});
}

OvUpDown::OvUpDown() {
    setSize(2100, 330);
    setBackColor(sysColor::WindowBackground);
    m_txtSpin = &addChild<TextBox>("txtSpin");
    m_txtSpin->Move(0, 0, 1815, 315);
    m_txtSpin->setText("0"); // designed as the spin buttons' starting value, for a loaded box at 0
    m_spinCtl = &addChild<UpDown>("spinCtl");
    m_spinCtl->Move(1890, 0, 240, 315);

    TextBox& txt = *m_txtSpin;
    UpDown& spin = *m_spinCtl;
    m_links.emplace_back(spin.Change.connect([this] { spinCtl_Change(); }));
    m_links.emplace_back(spin.UpClick.connect([this] { ignoreFailures([&] { UpClick(); }); }));
    m_links.emplace_back(spin.DownClick.connect([this] { ignoreFailures([&] { DownClick(); }); }));
    // From the spin buttons x is measured from the control's left edge, as the host sees the control.
    auto fromSpin = [this](Event<int16_t&, int16_t&, float&, float&>& out) {
        return [this, &out](int16_t& button, int16_t& shift, float& x, float& y) {
            x += m_spinCtl->Left();
            out(button, shift, x, y);
        };
    };
    m_links.emplace_back(spin.MouseDown().connect(
        [this](int16_t&, int16_t&, float&, float&) { ignoreFailures([&] { copyToolTip(); }); }));
    m_links.emplace_back(spin.MouseDown().connect(fromSpin(MouseDown)));
    m_links.emplace_back(spin.MouseMove().connect(fromSpin(MouseMove)));
    m_links.emplace_back(spin.MouseUp().connect(fromSpin(MouseUp)));
    auto fromText = [](Event<int16_t&, int16_t&, float&, float&>& out) {
        return [&out](int16_t& button, int16_t& shift, float& x, float& y) { out(button, shift, x, y); };
    };
    m_links.emplace_back(txt.MouseDown().connect(fromText(MouseDown)));
    m_links.emplace_back(txt.MouseMove().connect(fromText(MouseMove)));
    m_links.emplace_back(txt.MouseUp().connect(fromText(MouseUp)));
    m_links.emplace_back(
        txt.KeyDown().connect([this](int16_t& keyCode, int16_t&) { txtSpin_KeyDown(keyCode); }));
    m_links.emplace_back(txt.Validate.connect([this](bool&) { txtSpin_Validate(); }));
    m_links.emplace_back(txt.GotFocus().connect([this] { txtSpin_GotFocus(); }));
}

OvUpDown::~OvUpDown() = default;

int32_t OvUpDown::Value() const {
    return m_spinCtl->Value();
}

void OvUpDown::setValue(int32_t v) {
    procedure("Value (Let)", [&] {
        m_spinCtl->setValue(v);
        PropertyChanged("Value");
    });
}

int32_t OvUpDown::Min() const {
    return m_spinCtl->Min();
}

void OvUpDown::setMin(int32_t v) {
    procedure("Min (Let)", [&] {
        m_spinCtl->setMin(v);
        PropertyChanged("Min");
    });
}

int32_t OvUpDown::Max() const {
    return m_spinCtl->Max();
}

void OvUpDown::setMax(int32_t v) {
    procedure("Max (Let)", [&] {
        m_spinCtl->setMax(v);
        m_txtSpin->setMaxLength(static_cast<int32_t>(text(v).size()));
        PropertyChanged("Max");
    });
}

int16_t OvUpDown::Alignment() const {
    return m_txtSpin->Alignment();
}

void OvUpDown::setAlignment(int16_t v) {
    procedure("Alignment (Let)", [&] {
        m_txtSpin->setAlignment(v);
        PropertyChanged("Alignment");
    });
}

int32_t OvUpDown::Increment() const {
    return m_spinCtl->Increment();
}

void OvUpDown::setIncrement(int32_t v) {
    procedure("Increment (Let)", [&] {
        // 64 bits: the absolute value of the smallest Long does not fit in one (overflow, 6).
        const int64_t magnitude = std::llabs(static_cast<int64_t>(v));
        if (magnitude > INT32_MAX) throw Failure(err::Overflow);
        m_spinCtl->setIncrement(static_cast<int32_t>(magnitude));
        PropertyChanged("Increment");
    });
}

FontRef OvUpDown::Font() const {
    return procedure("Font (Get)", [&] { return m_txtSpin->Font(); });
}

void OvUpDown::setFont(FontRef v) {
    procedure("Font (Set)", [&] {
        m_txtSpin->setFont(std::move(v));
        PropertyChanged("Font");
    });
}

bool OvUpDown::Wrap() const {
    return m_spinCtl->Wrap();
}

void OvUpDown::setWrap(bool v) {
    procedure("Wrap (Let)", [&] {
        m_spinCtl->setWrap(v);
        PropertyChanged("Wrap");
    });
}

void OvUpDown::setEnabled(bool v) {
    procedure("Enabled (Let)", [&] {
        SetControlEnabled(*m_txtSpin, v);
        SetControlEnabled(*m_spinCtl, v);
        UserControl::setEnabled(v);
        setBackColor(v ? sysColor::WindowBackground : sysColor::ButtonFace);
        PropertyChanged("Enabled");
    });
}

void OvUpDown::spinCtl_Change() {
    // Change comes first: a handler still sees the old text in the box.
    const int32_t value = m_spinCtl->Value();
    if (value != m_lastValue) Change();
    m_lastValue = m_spinCtl->Value();
    m_txtSpin->setText(text(m_lastValue));
}

void OvUpDown::txtSpin_KeyDown(int16_t keyCode) {
    procedure("txtSpin (KeyDown)", [&] {
        UpDown& spin = *m_spinCtl;
        // The step is asked for unclamped: the spin buttons refuse a value beyond the range.
        if (keyCode == kKeyUp) {
            if (spin.Value() < spin.Max())
                spin.setValue(spin.Value() + spin.Increment());
            else
                spin.setValue(spin.Wrap() ? spin.Min() : spin.Max());
        } else if (keyCode == kKeyDown) {
            if (spin.Value() > spin.Min())
                spin.setValue(spin.Value() - spin.Increment());
            else
                spin.setValue(spin.Wrap() ? spin.Max() : spin.Min());
        }
    });
}

void OvUpDown::txtSpin_Validate() {
    if (m_loading) return;
    procedure("txtSpin (Validate)", [&] {
        UpDown& spin = *m_spinCtl;
        m_typedText = trimBlanks(m_txtSpin->Text());
        double typed = 0;
        if (Variant::parseNumber(m_typedText, typed)) {
            // Both ends are tested with the typed number, so "10.0" with Max 10 shows "10".
            if (typed >= spin.Max()) m_txtSpin->setText(text(spin.Max()));
            if (typed <= spin.Min()) m_txtSpin->setText(text(spin.Min()));
        } else {
            m_txtSpin->setText(text(spin.Value()));
        }
        spin.setValue(Variant(m_txtSpin->Text()).toInt32());
    });
}

void OvUpDown::txtSpin_GotFocus() {
    ignoreFailures([&] { copyToolTip(); });
    m_txtSpin->setSelStart(0);
    m_txtSpin->setSelLength(m_txtSpin->length());
}

void OvUpDown::copyToolTip() {
    const std::string tip = extender().ToolTipText();
    m_txtSpin->setToolTipText(tip);
    m_spinCtl->setToolTipText(tip);
}

void OvUpDown::onInitProperties() {
    m_txtSpin->setText(text(m_spinCtl->Value()));
    m_txtSpin->setFont(ambientFont());
    m_txtSpin->setAlignment(1);
    setEnabled(true);
}

void OvUpDown::onReadProperties(PropertyBag& bag) {
    m_loading = true;
    setMin(bag.readAs<int32_t>("Min", 0));
    setMax(bag.readAs<int32_t>("Max", 10));
    m_loading = false;
    m_spinCtl->setValue(bag.readAs<int32_t>("Value", 0));
    m_txtSpin->setAlignment(bag.readAs<int16_t>("Alignment", 0, {0, 2}));
    m_txtSpin->setFont(bag.readAs<FontRef>("Font", ambientFont()));
    m_spinCtl->setIncrement(bag.readAs<int32_t>("Increment", 1, {0, INT32_MAX}));
    m_spinCtl->setWrap(bag.readAs<bool>("Wrap", false));
    setEnabled(bag.readAs<bool>("Enabled", true));
}

void OvUpDown::onWriteProperties(PropertyBag& bag) {
    bag.write("Min", m_spinCtl->Min(), 0);
    bag.write("Max", m_spinCtl->Max(), 10);
    bag.write("Value", m_spinCtl->Value(), 0);
    bag.write("Alignment", m_txtSpin->Alignment(), int16_t{0});
    bag.write("Font", VariantTraits<FontRef>::to(m_txtSpin->Font()),
              VariantTraits<FontRef>::to(ambientFont()));
    bag.write("Increment", m_spinCtl->Increment(), 1);
    bag.write("Wrap", m_spinCtl->Wrap(), false);
    bag.write("Enabled", UserControl::Enabled(), true);
}

void OvUpDown::onResize() {
    std::string step;
    inProcedure(
        kClass, "Resize",
        [&] {
            const float tx = static_cast<float>(Runtime::current().twipsPerPixelX());
            const float ty = static_cast<float>(Runtime::current().twipsPerPixelY());
            const float w = ScaleWidth(), h = ScaleHeight();
            step = "txtSpin (Move)";
            m_spinCtl->setHeight(h);
            m_txtSpin->Move(tx, ty, w - m_spinCtl->Width() - 3 * tx, h);
            step = "spinCtl (Move)";
            m_spinCtl->Move(w - m_spinCtl->Width(), 0);
        },
        &step);
}

} // namespace ov
