#include "platform/PictureBox.h"

#include "platform/Picture.h"
#include "platform/Runtime.h"

#include <algorithm>

namespace ov {

namespace {

constexpr float kEdgePixels = 2;

} // namespace

const ClassInfo& PictureBox::staticClass() {
    return buildClassInfo<PictureBox>([](ClassInfo& i) { i.published = false; });
}

void PictureBox::describe(ClassBuilder<PictureBox>& b) {
    describeCommon(b, Geometry | Enabling | Focus | Text | Back | Mouse | ToolTip);
    b.property("Picture", 0, &PictureBox::Picture).set(&PictureBox::setPicture);
    b.property("AutoRedraw", 0x200, &PictureBox::AutoRedraw, &PictureBox::setAutoRedraw);
    b.property("BorderStyle", -504, &PictureBox::BorderStyle, &PictureBox::setBorderStyle);
    b.property("ScaleWidth", 0x201, &PictureBox::ScaleWidth);
    b.property("ScaleHeight", 0x202, &PictureBox::ScaleHeight);
    b.property("CurrentX", 0x203, &PictureBox::CurrentX, &PictureBox::setCurrentX);
    b.property("CurrentY", 0x204, &PictureBox::CurrentY, &PictureBox::setCurrentY);
    b.method("Print", 0x205, &PictureBox::PrintOptional, {"Text"});
    b.method("Cls", 0x206, &PictureBox::Cls);
    b.method("TextWidth", 0x207, &PictureBox::TextWidth, {"Str"});
    b.method("TextHeight", 0x208, &PictureBox::TextHeight, {"Str"});
    b.event("Resize", 0x209, &PictureBox::Resize, {});
}

PictureBox::PictureBox() {
    storeBounds(0, 0, 1215, 1215);
}

void PictureBox::setBorderStyle(int16_t v) {
    if (v != 0 && v != 1) {
        throw Failure(err::InvalidPropertyValue, failureText(err::InvalidPropertyValue) + " (" + Name() +
                                                     ": BorderStyle must be 0 or 1)");
    }
    m_borderStyle = v;
}

float PictureBox::ScaleWidth() const {
    float edge =
        m_borderStyle ? 2 * kEdgePixels * static_cast<float>(Runtime::current().twipsPerPixelX()) : 0;
    return std::max(0.0f, Width() - edge);
}

float PictureBox::ScaleHeight() const {
    float edge =
        m_borderStyle ? 2 * kEdgePixels * static_cast<float>(Runtime::current().twipsPerPixelY()) : 0;
    return std::max(0.0f, Height() - edge);
}

void PictureBox::boundsChanged(float, float, float oldWidth, float oldHeight) {
    if (Width() != oldWidth || Height() != oldHeight) Resize();
}

void PictureBox::Print(const std::string& text) {
    printLines(text, true);
}

void PictureBox::printInline(const std::string& text) {
    printLines(text, false);
}

void PictureBox::printLines(const std::string& text, bool newLine) {
    const TextMetricsService& metrics = Runtime::current().textMetrics();
    const float lineHeight = metrics.lineHeight(Font());
    auto lines = TextMetricsService::splitLines(text);
    for (size_t i = 0; i < lines.size(); ++i) {
        if (i > 0) {
            m_currentX = 0;
            m_currentY += lineHeight;
        }
        if (!lines[i].empty())
            m_printed.push_back({m_currentX, m_currentY, std::string(lines[i]), Font(), ForeColor()});
        m_currentX += metrics.lineWidth(Font(), lines[i]);
    }
    if (newLine) {
        m_currentX = 0;
        m_currentY += lineHeight;
    }
}

void PictureBox::Cls() {
    m_printed.clear();
    m_currentX = 0;
    m_currentY = 0;
}

float PictureBox::TextWidth(const std::string& text) const {
    return Runtime::current().textMetrics().textWidth(Font(), text);
}

float PictureBox::TextHeight(const std::string& text) const {
    return Runtime::current().textMetrics().textHeight(Font(), text);
}

} // namespace ov
