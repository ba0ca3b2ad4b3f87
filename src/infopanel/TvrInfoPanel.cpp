#include "infopanel/TvrInfoPanel.h"

#include "frame/ErrorReporting.h"
#include "infopanel/OvInfoItem.h"
#include "platform/EmbeddedControl.h"
#include "platform/Font.h"
#include "platform/Label.h"
#include "platform/Line.h"
#include "platform/PropertyBag.h"
#include "platform/Runtime.h"
#include "platform/Shape.h"
#include "platform/Text.h"
#include "platform/TextMetricsService.h"

namespace ov {

namespace {

constexpr double kLinePitch = 1.3; // line tops are this many template heights apart
constexpr float kLineInset = 3;    // pixels from the panel's left edge to a line
constexpr float kNewLineRoom = 23; // pixels a new line leaves on the right
constexpr float kLineRoom = 10;    // pixels a line leaves on the right after a size change
constexpr float kBottomRoom = 5;   // pixels under the last line

float tx() {
    return static_cast<float>(Runtime::current().twipsPerPixelX());
}
float ty() {
    return static_cast<float>(Runtime::current().twipsPerPixelY());
}

bool isBlank(const std::string& s) {
    return s.find_first_not_of(' ') == std::string::npos;
}

} // namespace

const ClassInfo& TvrInfoPanel::staticClass() {
    return buildClassInfo<TvrInfoPanel>([](ClassInfo& i) {
        i.guid = "{3F6A2C91-7D4B-4E1A-B8C5-91A0D2E4F637}";
        i.kind = ClassInfo::Kind::Control;
        i.creatable = true;
        i.interfaceName = "_TvrInfoPanel";
        i.eventInterfaceName = "__TvrInfoPanel";
        i.eventGuid = "{C2D8E4A7-19F3-4B6C-8A2E-5F7B0C3D1E94}";
    });
}

void TvrInfoPanel::describe(ClassBuilder<TvrInfoPanel>& b) {
    using T = TvrInfoPanel;
    b.property("TitleColor", 0x68030003, &T::TitleColor, &T::setTitleColor);
    b.property("ValueColor", 0x68030002, &T::ValueColor, &T::setValueColor);
    b.method("AddInfoLabel", 0x6003000A, &T::AddInfoLabel, {"sName", "sValue"});
    b.method("ChangeValue", 0x6003000B, &T::ChangeValue, {"sName", "sValue"});
    b.method("ClearInfoLabels", 0x6003000C, &T::ClearInfoLabels);
    b.property("Title", 0x68030001, &T::Title, &T::setTitle);
    b.property("InfoBorderColor", 0x68030000, &T::InfoBorderColor, &T::setInfoBorderColor);
    b.property("Redraw", 0x6803000D, &T::Redraw, &T::setRedraw);
    b.property("AutoRedraw", 0x6803000E, &T::AutoRedraw, &T::setAutoRedraw);
    b.property("Indentation", 0x6803000F, &T::Indentation, &T::setIndentation);
    b.property("MinRecomendedWidth", 0x68030010, &T::MinRecomendedWidth);
    b.property("GetItemTop", 0x68030011, &T::GetItemTop).params({"sName"});
    b.property("BackColor", 0x68030012, &T::BackColor, &T::setBackColor);
    b.event("Resize", 1, &T::Resize, {});
    b.event("MouseMove", 2, &T::MouseMove, {"Button", "Shift", "x", "y"});
}

TvrInfoPanel::TvrInfoPanel()
    : m_items(std::make_shared<InfoItems>()), m_title(addChild<Label>("lblTitle")),
      m_separator(addChild<Line>("linSeparator")), m_border(addChild<Shape>("shpBorder")),
      m_lines(*this, "ctlInfoItem") {
    setSize(5805, 870);
    m_title.Move(0, 0, 885, 420);
    m_title.setFont(Font::create("Arial Unicode MS", 15.75f));
    m_separator.setEnds(0, 420, 5790, 420);
    m_border.Move(0, 510, 5805, 345);
    auto& first = m_lines.addDesigned<EmbeddedControl>(0);
    first.Move(90, 510, 5655, 225);
    first.setVisible(false);
    PropertyBag designed; // the template as designed: every property at its default
    first.create("OvComCtl.OvInfoItem", &designed);
    m_mouseLink = surface().MouseMove.connect(
        [this](int16_t& button, int16_t& shift, float& x, float& y) { MouseMove(button, shift, x, y); });
}

TvrInfoPanel::~TvrInfoPanel() = default;

EmbeddedControl& TvrInfoPanel::holder(int32_t index) const {
    return static_cast<EmbeddedControl&>(m_lines.item(index));
}

OvInfoItem& TvrInfoPanel::line(int32_t index) const {
    auto* item = holder(index).controlAs<OvInfoItem>();
    if (!item) throw Failure(err::ObjectNotSet);
    return *item;
}

OvInfoItem& TvrInfoPanel::templateLine() const {
    return line(0);
}

template <class F>
void TvrInfoPanel::forEachLine(F f) const {
    for (const auto& [index, element] : m_lines.elements()) {
        if (auto* item = static_cast<EmbeddedControl*>(element)->controlAs<OvInfoItem>()) f(*item);
    }
}

// ---- Properties ----

OleColor TvrInfoPanel::TitleColor() const {
    return m_title.ForeColor();
}

void TvrInfoPanel::setTitleColor(OleColor v) {
    m_title.setForeColor(v);
    m_separator.setBorderColor(v);
    forEachLine([&](OvInfoItem& item) { item.setTitleColor(v); });
    PropertyChanged("TitleColor");
}

OleColor TvrInfoPanel::ValueColor() const {
    return templateLine().ValueColor();
}

void TvrInfoPanel::setValueColor(OleColor v) {
    forEachLine([&](OvInfoItem& item) { item.setValueColor(v); });
    PropertyChanged("ValueColor");
}

std::string TvrInfoPanel::Title() const {
    return m_title.Caption();
}

void TvrInfoPanel::setTitle(const std::string& v) {
    ignoreFailures([&] {
        m_title.setCaption(v);
        // The title is as wide as its text; its height stays the designed line height, which the
        // line positions are measured from.
        m_title.setWidth(Runtime::current().textMetrics().textWidth(m_title.Font(), v));
        PropertyChanged("Title");
    });
}

OleColor TvrInfoPanel::InfoBorderColor() const {
    return m_border.BorderColor();
}

void TvrInfoPanel::setInfoBorderColor(OleColor v) {
    ignoreFailures([&] {
        m_border.setBorderColor(v);
        PropertyChanged("InfoBorderColor");
    });
}

void TvrInfoPanel::setAutoRedraw(bool v) {
    ignoreFailures([&] {
        UserControl::setAutoRedraw(v);
        PropertyChanged("AutoRedraw");
    });
}

void TvrInfoPanel::setIndentation(float v) {
    ignoreFailures([&] {
        m_indentation = v;
        // The values moved without being arranged again: the next size change arranges every line.
        m_widenedUpTo = 0;
        forEachLine([&](OvInfoItem& item) { item.setIndentation(v); });
        PropertyChanged("Indentation");
    });
}

void TvrInfoPanel::setBackColor(OleColor v) {
    ignoreFailures([&] {
        UserControl::setBackColor(v);
        PropertyChanged("BackColor");
        // Each constituent on its own: one that refuses does not keep the colour from the others.
        ignoreFailures([&] { m_title.setBackColor(v); });
        ignoreFailures([&] { m_border.setBackColor(v); });
        forEachLine([&](OvInfoItem& item) { item.setBackColor(v); });
    });
}

// ---- Lines ----

int32_t TvrInfoPanel::AddInfoLabel(const std::string& sName, const std::string& sValue) {
    try {
        if (isBlank(sName)) throw Failure(kInvalidNameNumber, "Invalid InfoLabel Name", kSource);
        m_items->Add(sName, sValue);
        const int32_t n = m_items->Count();
        auto& element = static_cast<EmbeddedControl&>(m_lines.load(n));
        OvInfoItem& item = line(n);
        item.setIndentation(m_indentation);
        item.setAttributeName(sName);
        item.setValue(sValue);
        const float h0 = holder(0).Height();
        const double top = h0 + m_title.Height() + kLinePitch * h0 * (n - 1);
        element.Move(kLineInset * tx(), static_cast<float>(top));
        element.setWidth(ScaleWidth() - kNewLineRoom * tx());
        if (!m_redraw) return 0;
        const float bottom = element.Top() + element.Height();
        if (bottom > Height() - kBottomRoom * ty()) {
            growTo(bottom + kBottomRoom * ty());
            Resize();
        }
        element.setVisible(true);
        return 0;
    } catch (const Failure& f) {
        if (isMisuse(f)) throw;
        return f.number();
    }
}

void TvrInfoPanel::ChangeValue(const std::string& sName, const std::string& sValue) {
    ignoreFailures([&] {
        InfoItemRef record = m_items->Item(Variant(sName));
        record->setValue(sValue);
        line(record->Index()).setValue(sValue);
    });
}

void TvrInfoPanel::ClearInfoLabels() {
    ignoreFailures([&] {
        for (int32_t i = m_items->Count(); i >= 1; --i) {
            InfoItemRef record = m_items->Item(Variant(i));
            m_lines.unload(record->Index());
            m_items->Remove(Variant(i));
        }
        m_widenedUpTo = 0;
        setHeight(0);
        Resize();
    });
}

float TvrInfoPanel::GetItemTop(const std::string& sName) {
    float top = 0;
    ignoreFailures([&] {
        if (InfoItemRef record = m_items->find(sName)) top = holder(record->Index()).Top();
    });
    return top;
}

float TvrInfoPanel::MinRecomendedWidth() {
    float width = 0;
    ignoreFailures([&] { width = holder(0).Left() + templateLine().RequiredWidth(); });
    return width;
}

void TvrInfoPanel::setRedraw(bool v) {
    ignoreFailures([&] {
        m_redraw = v;
        PropertyChanged("Redraw");
        if (!v) return;
        if (m_lines.count() >= 2) {
            const int32_t last = m_lines.uBound();
            const EmbeddedControl& lastLine = holder(last);
            growTo(lastLine.Top() + lastLine.Height() + kBottomRoom * ty());
            for (auto it = m_lines.elements().upper_bound(0); it != m_lines.elements().end(); ++it) {
                auto& element = *static_cast<EmbeddedControl*>(it->second);
                if (auto* item = element.controlAs<OvInfoItem>()) item->Refresh();
                element.setVisible(true);
            }
        }
        Resize();
    });
}

void TvrInfoPanel::growTo(float height) {
    setHeight(height);
    m_border.setHeight(ScaleHeight() - m_border.Top());
}

// ---- Size change ----

void TvrInfoPanel::onResize() {
    // Each step on its own: a frame that cannot take a negative height still lets the lines widen.
    ignoreFailures([&] { m_separator.setX2(ScaleWidth() - m_separator.X1()); });
    ignoreFailures([&] {
        const float left = m_separator.X1();
        m_border.Move(left, m_border.Top(), m_separator.X2() - left, ScaleHeight() - m_border.Top());
    });
    ignoreFailures([&] { widenLines(); });
    ignoreFailures([&] {
        if (!ambientUserMode()) Resize();
    });
}

void TvrInfoPanel::widenLines() {
    if (m_lines.count() <= 1) return;
    const float width = ScaleWidth() - kLineRoom * tx();
    // A line that already has this width was arranged for it and has not changed since (a new value or
    // name arranges a line at once), so arranging it again changes nothing: only lines added since the
    // last pass for this width are widened. The panel grows at every add, so walking all lines here
    // would make adding n lines cost n² steps.
    const int32_t from = width == m_widenedFor ? m_widenedUpTo : 0;
    for (auto it = m_lines.elements().upper_bound(from); it != m_lines.elements().end(); ++it) {
        auto& element = *static_cast<EmbeddedControl*>(it->second);
        element.setWidth(width);
        if (auto* item = element.controlAs<OvInfoItem>()) item->Refresh();
        m_widenedUpTo = it->first;
    }
    m_widenedFor = width;
}

// ---- Persistence ----

void TvrInfoPanel::onInitProperties() {
    setTitleColor(0x900000);
    setValueColor(sysColor::ButtonText);
    setInfoBorderColor(0xFFFEFF);
    setTitle("Statistics");
    setRedraw(true);
    setIndentation(0);
    setBackColor(UserControl::BackColor());
}

void TvrInfoPanel::onReadProperties(PropertyBag& bag) {
    setTitleColor(bag.readAs<OleColor>("TitleColor", 0x900000));
    setValueColor(bag.readAs<OleColor>("ValueColor", sysColor::ButtonText));
    setInfoBorderColor(bag.readAs<OleColor>("InfoBorderColor", 0xFFFEFF));
    setTitle(bag.readAs<std::string>("Title", "Statistics"));
    setRedraw(bag.readAs<bool>("Redraw", true));
    UserControl::setAutoRedraw(bag.readAs<bool>("AutoRedraw", false));
    setIndentation(bag.readAs<float>("Indentation", 0));
    setBackColor(bag.readAs<OleColor>("BackColor", UserControl::BackColor()));
}

void TvrInfoPanel::onWriteProperties(PropertyBag& bag) {
    using C = VariantTraits<OleColor>;
    bag.write("TitleColor", C::to(TitleColor()), C::to(0x900000));
    bag.write("ValueColor", C::to(ValueColor()), C::to(sysColor::ButtonText));
    bag.write("InfoBorderColor", C::to(InfoBorderColor()), C::to(0xFFFEFF));
    bag.write("Title", Title(), "Statistics");
    bag.write("Redraw", m_redraw, true);
    bag.write("AutoRedraw", AutoRedraw(), false);
    bag.write("Indentation", m_indentation, 0.0f);
    bag.write("BackColor", C::to(BackColor()), C::to(sysColor::ButtonFace));
}

} // namespace ov
