#include "platform/Shape.h"

namespace ov {

namespace {

void checkRange(const Shape& s, const char* what, int16_t v, int16_t lo, int16_t hi) {
    if (v < lo || v > hi) {
        throw Failure(err::InvalidPropertyValue, failureText(err::InvalidPropertyValue) + " (" + s.Name() +
                                                     ": " + what + " must be " + std::to_string(lo) + " to " +
                                                     std::to_string(hi) + ")");
    }
}

} // namespace

const ClassInfo& Shape::staticClass() {
    return buildClassInfo<Shape>([](ClassInfo& i) { i.published = false; });
}

void Shape::describe(ClassBuilder<Shape>& b) {
    describeCommon(b, Geometry | Back);
    b.property("BorderColor", -503, &Shape::BorderColor, &Shape::setBorderColor);
    b.property("BorderStyle", -504, &Shape::BorderStyle, &Shape::setBorderStyle);
    b.property("BorderWidth", -505, &Shape::BorderWidth, &Shape::setBorderWidth);
    b.property("BackStyle", -502, &Shape::BackStyle, &Shape::setBackStyle);
}

Shape::Shape() {
    setTabStop(false);
    setBackColor(sysColor::WindowBackground);
    storeBounds(0, 0, 1215, 1215);
}

void Shape::setBorderStyle(int16_t v) {
    checkRange(*this, "BorderStyle", v, 0, 1);
    m_borderStyle = v;
}

void Shape::setBorderWidth(int16_t v) {
    checkRange(*this, "BorderWidth", v, 1, 8192);
    m_borderWidth = v;
}

void Shape::setBackStyle(int16_t v) {
    checkRange(*this, "BackStyle", v, 0, 1);
    m_backStyle = v;
}

} // namespace ov
