#include "platform/Line.h"

#include <algorithm>
#include <cmath>

namespace ov {

namespace {

[[noreturn]] void invalid(const Line& l, const std::string& what) {
    throw Failure(err::InvalidPropertyValue,
                  failureText(err::InvalidPropertyValue) + " (" + l.Name() + ": " + what + ")");
}

// Where a coordinate lands when its box moves from [oldStart, oldStart + oldSize] to
// [start, start + size]; a box with no extent only moves.
float remap(float v, float oldStart, float oldSize, float start, float size) {
    if (oldSize == 0) return start + (v - oldStart);
    return start + (v - oldStart) * (size / oldSize);
}

} // namespace

const ClassInfo& Line::staticClass() {
    return buildClassInfo<Line>([](ClassInfo& i) { i.published = false; });
}

void Line::describe(ClassBuilder<Line>& b) {
    describeCommon(b, 0);
    b.property("X1", 0x200, &Line::X1, &Line::setX1);
    b.property("Y1", 0x201, &Line::Y1, &Line::setY1);
    b.property("X2", 0x202, &Line::X2, &Line::setX2);
    b.property("Y2", 0x203, &Line::Y2, &Line::setY2);
    b.property("BorderColor", -503, &Line::BorderColor, &Line::setBorderColor);
    b.property("BorderStyle", -504, &Line::BorderStyle, &Line::setBorderStyle);
    b.property("BorderWidth", -505, &Line::BorderWidth, &Line::setBorderWidth);
}

Line::Line() {
    setTabStop(false);
}

void Line::setEnds(float x1, float y1, float x2, float y2) {
    m_x1 = x1;
    m_y1 = y1;
    m_x2 = x2;
    m_y2 = y2;
    storeBounds(std::min(x1, x2), std::min(y1, y2), std::fabs(x2 - x1), std::fabs(y2 - y1));
}

void Line::setBorderStyle(int16_t v) {
    if (v < 0 || v > 6) invalid(*this, "BorderStyle must be 0 to 6");
    m_borderStyle = v;
}

void Line::setBorderWidth(int16_t v) {
    if (v < 1) invalid(*this, "BorderWidth must be at least 1");
    m_borderWidth = v;
}

void Line::boundsChanged(float oldLeft, float oldTop, float oldWidth, float oldHeight) {
    m_x1 = remap(m_x1, oldLeft, oldWidth, Left(), Width());
    m_x2 = remap(m_x2, oldLeft, oldWidth, Left(), Width());
    m_y1 = remap(m_y1, oldTop, oldHeight, Top(), Height());
    m_y2 = remap(m_y2, oldTop, oldHeight, Top(), Height());
    // A box with no extent in one direction cannot be stretched in it: the box follows the ends.
    setEnds(m_x1, m_y1, m_x2, m_y2);
}

} // namespace ov
