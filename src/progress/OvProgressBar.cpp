#include "progress/OvProgressBar.h"

#include "frame/ErrorReporting.h"
#include "platform/ClassBuilder.h"
#include "platform/MessageBoxFailures.h"
#include "platform/PictureBox.h"
#include "platform/PropertyBag.h"
#include "platform/Runtime.h"

#include <cmath>
#include <limits>

namespace ov {

namespace {

// The designed surface and the two boxes on it.
constexpr float kSurfaceWidth = 4275, kSurfaceHeight = 375;
constexpr float kBaseWidth = 4245, kBaseHeight = 345;
constexpr float kFillLeft = 30, kFillTop = 15, kFillWidth = 135, kFillHeight = 225;
constexpr OleColor kHighlight = 0x8000000D, kHighlightText = 0x8000000E;
constexpr int32_t kDivisionByZero = 11;

// Whole twips, halves to the even neighbour, as the host rounds a number it stores in a whole field.
int32_t wholeTwips(double v) {
    return static_cast<int32_t>(std::nearbyint(v));
}

} // namespace

const ClassInfo& OvProgressBar::staticClass() {
    return buildClassInfo<OvProgressBar>([](ClassInfo& i) {
        i.guid = "{8E4B2C71-6A3D-4F19-B5E0-93C7D2A18F64}";
        i.kind = ClassInfo::Kind::Control;
        i.creatable = true;
        i.interfaceName = "_OvProgressBar";
        i.eventInterfaceName = "__OvProgressBar";
        i.eventGuid = "{3F6D8A15-C24B-47E9-8D03-5B1E7A6C9F22}";
        i.propertyPages = {"GeneralProgress", "StandardFont"};
    });
}

void OvProgressBar::describe(ClassBuilder<OvProgressBar>& b) {
    using T = OvProgressBar;
    b.property("PercentPosition", 0x68030011, &T::PercentPosition);
    b.property("Align", 0x68030010, &T::Align, &T::setAlign);
    b.property("Value", 0x6803000F, &T::Value, &T::setValue);
    b.property("Min", 0x6803000E, &T::Min, &T::setMin);
    b.property("Max", 0x6803000D, &T::Max, &T::setMax);
    b.property("Caption", 0x6803000C, &T::Caption, &T::setCaption);
    b.property("BorderStyle", 0x6803000B, &T::BorderStyle, &T::setBorderStyle);
    b.property("ErrorsNotify", 0x6803000A, &T::ErrorsNotify, &T::setErrorsNotify);
    b.property("DisplayFont", 0x68030009, &T::DisplayFont).set(&T::setDisplayFont);
    b.property("hWnd", -515, &T::hWnd);
}

OvProgressBar::OvProgressBar() {
    setAlignable(false);
    setSize(kSurfaceWidth, kSurfaceHeight);
    m_base = &addChild<PictureBox>("picBase");
    m_base->Move(0, 0, kBaseWidth, kBaseHeight);
    m_base->setAutoRedraw(true);
    m_fill = &addChild<PictureBox>("picFill", m_base);
    m_fill->Move(kFillLeft, kFillTop, kFillWidth, kFillHeight);
    m_fill->setBorderStyle(0);
    m_fill->setAutoRedraw(true);
    m_fill->setBackColor(kHighlight);
    m_fill->setForeColor(kHighlightText);
    m_fillResize = m_fill->Resize.connect([this] { fillResized(); });
}

OvProgressBar::~OvProgressBar() = default;

// ---- Lifecycle ----

void OvProgressBar::onInitialize() {
    // The container has given the control its extent already; measuring now lets stored properties
    // compute the step from the bar they will be shown on.
    sizeChange();
}

void OvProgressBar::onInitProperties() {
    m_caption.clear();
    m_max = 100;
    m_min = 0;
    m_value = 0;
    m_align = CaptionAlign::arAlignLeft;
    m_errorsNotify = false;
}

void OvProgressBar::onReadProperties(PropertyBag& bag) {
    // Stored values are taken as they are: a form saved with Min above Max loads that way.
    m_max = bag.readAs<int32_t>("Max", 100);
    m_min = bag.readAs<int32_t>("Min", 0);
    m_value = bag.readAs<int32_t>("Value", 0);
    m_caption = bag.readAs<std::string>("Caption", "");
    m_align = bag.readAs<CaptionAlign>("Align", CaptionAlign::arAlignLeft);
    m_errorsNotify = bag.readAs<bool>("ErrorsNotify", false);
    setDisplayFont(bag.readAs<FontRef>("DisplayFont", ambientFont()));
    base().setBorderStyle(bag.readAs<int16_t>("BorderStyle", 1, {0, 1}));
    ignoreFailures([&] {
        recomputeStep();
        placeFill();
    });
    drawCaption(m_caption);
}

void OvProgressBar::onWriteProperties(PropertyBag& bag) {
    bag.write("Max", Variant(m_max), Variant(100));
    bag.write("Min", Variant(m_min), Variant(0));
    bag.write("Value", Variant(m_value), Variant(0));
    bag.write("Caption", Variant(m_caption), Variant(""));
    bag.write("Align", Variant(static_cast<int32_t>(m_align)), Variant(0));
    bag.write("BorderStyle", Variant(base().BorderStyle()), Variant(1));
    bag.write("ErrorsNotify", Variant(m_errorsNotify), Variant(false));
    bag.write("DisplayFont", VariantTraits<FontRef>::to(base().Font()),
              VariantTraits<FontRef>::to(ambientFont()));
}

void OvProgressBar::onResize() {
    sizeChange();
}

// ---- Published members ----

std::string OvProgressBar::PercentPosition() {
    if (m_range == 0) throw Failure(kDivisionByZero, "Division by zero");
    const double share = (static_cast<double>(m_value) - m_min) / m_range * 100;
    m_percentText = std::to_string(static_cast<int64_t>(std::floor(share)));
    return m_percentText + "%";
}

void OvProgressBar::setAlign(CaptionAlign value) {
    reportInMessageBox(*this, "Align", [&] {
        m_align = value;
        if (!m_caption.empty()) drawCaption(m_caption);
        PropertyChanged("Align");
    });
}

void OvProgressBar::setValue(int32_t value) {
    reportInMessageBox(*this, "Value", [&] {
        if (value < m_min || value > m_max) return refuse(err::InvalidPropertyValue);
        m_value = value;
        placeFill();
        // A host that drives the bar from a busy loop still sees it move.
        Runtime::current().processPendingMessages();
        drawCaption(m_caption);
        PropertyChanged("Value");
    });
}

void OvProgressBar::setMin(int32_t value) {
    reportInMessageBox(*this, "Min", [&] {
        if (value < 0 || value >= m_max) return refuse(err::InvalidPropertyValue);
        m_min = value;
        recomputeStep();
        PropertyChanged("Min");
    });
}

void OvProgressBar::setMax(int32_t value) {
    reportInMessageBox(*this, "Max", [&] {
        if (value <= m_min) return refuse(err::InvalidProcedureCall);
        m_max = value;
        recomputeStep();
        PropertyChanged("Max");
    });
}

void OvProgressBar::setCaption(const std::string& value) {
    reportInMessageBox(*this, "Caption", [&] {
        m_caption = value;
        drawCaption(m_caption);
        PropertyChanged("Caption");
    });
}

En_BorderStyle OvProgressBar::BorderStyle() const {
    return static_cast<En_BorderStyle>(base().BorderStyle());
}

void OvProgressBar::setBorderStyle(En_BorderStyle value) {
    reportInMessageBox(*this, "BorderStyle", [&] {
        const auto v = static_cast<int32_t>(value);
        if (v != 0 && v != 1) throw Failure(err::InvalidPropertyValue);
        base().setBorderStyle(static_cast<int16_t>(v));
        PropertyChanged("BorderStyle");
        sizeChange();
    });
}

void OvProgressBar::setErrorsNotify(bool value) {
    reportInMessageBox(*this, "ErrorsNotify", [&] {
        m_errorsNotify = value;
        PropertyChanged("ErrorsNotify");
    });
}

FontRef OvProgressBar::DisplayFont() const {
    return base().Font();
}

void OvProgressBar::setDisplayFont(FontRef value) {
    reportInMessageBox(*this, "DisplayFont", [&] {
        base().setFont(value);
        fill().setFont(value);
        PropertyChanged("DisplayFont");
        if (!m_caption.empty()) drawCaption(m_caption);
    });
}

// ---- Inside ----

void OvProgressBar::refuse(int32_t number) const {
    if (m_errorsNotify) throw Failure(number);
}

void OvProgressBar::recomputeStep() {
    const int64_t range = int64_t{m_max} - m_min;
    if (range < std::numeric_limits<int32_t>::min() || range > std::numeric_limits<int32_t>::max())
        throw Failure(err::Overflow);
    m_range = static_cast<int32_t>(range);
    // An empty range (a stored bar only) keeps the step it had; PercentPosition reports it.
    if (m_range != 0) m_step = (static_cast<double>(m_barWidth) - 2.0 * m_fillLeft) / m_range;
}

void OvProgressBar::placeFill() {
    fill().setWidth(static_cast<float>(m_step * (static_cast<double>(m_value) - m_min)));
}

void OvProgressBar::fillResized() {
    reportInMessageBox(*this, "picFill_Resize", [&] { fill().setVisible(m_value >= 1); });
}

void OvProgressBar::sizeChange() {
    ignoreFailures([&] {
        base().Move(0, 0, ScaleWidth(), ScaleHeight());
        fill().setHeight(base().ScaleHeight() - 2 * fill().Top());
        m_barWidth = wholeTwips(base().ScaleWidth());
        m_barHeight = wholeTwips(base().ScaleHeight());
        m_fillLeft = wholeTwips(fill().Left());
        const Runtime& runtime = Runtime::current();
        m_inset3 = 3 * runtime.twipsPerPixelX();
        m_inset5 = 5 * runtime.twipsPerPixelX();
        recomputeStep();
        drawCaption(m_caption);
    });
}

void OvProgressBar::drawCaption(const std::string& text) {
    reportInMessageBox(*this, "DrawCaption", [&] {
        const float textHeight = fill().TextHeight(text);
        const float y = std::floor((static_cast<float>(m_barHeight) - textHeight) / 2);
        float x = 0, fillX = 0;
        switch (m_align) {
        case CaptionAlign::arAlignRight:
            x = static_cast<float>(m_barWidth) - base().TextWidth(text) - m_fillLeft - m_inset5;
            fillX = x - m_fillLeft;
            break;
        case CaptionAlign::arAlignCenter:
            x = (static_cast<float>(m_barWidth) - base().TextWidth(text)) / 2;
            fillX = x - m_fillLeft;
            break;
        default:
            x = static_cast<float>(m_fillLeft + m_inset3);
            fillX = static_cast<float>(m_inset3);
            break;
        }
        fill().Cls();
        base().Cls();
        if (text.empty()) return;
        base().setCurrentX(x);
        base().setCurrentY(fill().Top() + y);
        base().Print(text);
        fill().setCurrentX(fillX);
        fill().setCurrentY(y);
        fill().Print(text);
    });
}

} // namespace ov
