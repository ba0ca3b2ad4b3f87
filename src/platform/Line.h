#pragma once

#include "platform/ConstituentControl.h"

namespace ov {

// A straight line from (X1, Y1) to (X2, Y2), in its container's coordinates. Its Left, Top, Width and
// Height are the box around the two ends; moving or sizing that box (Move) moves and stretches the
// ends with it (a box with no width or height only moves in that direction). A line takes neither the
// mouse nor the focus.
class Line : public ConstituentControl {
    OV_OBJECT(Line)
public:
    Line();

    float X1() const { return m_x1; }
    float Y1() const { return m_y1; }
    float X2() const { return m_x2; }
    float Y2() const { return m_y2; }
    void setX1(float v) { setEnds(v, m_y1, m_x2, m_y2); }
    void setY1(float v) { setEnds(m_x1, v, m_x2, m_y2); }
    void setX2(float v) { setEnds(m_x1, m_y1, v, m_y2); }
    void setY2(float v) { setEnds(m_x1, m_y1, m_x2, v); }
    void setEnds(float x1, float y1, float x2, float y2);

    OleColor BorderColor() const { return m_borderColor; }
    void setBorderColor(OleColor v) { m_borderColor = v; }
    // 0 transparent, 1 solid, 2 dash, 3 dot, 4 dash-dot, 5 dash-dot-dot, 6 inside solid; others are 380.
    int16_t BorderStyle() const { return m_borderStyle; }
    void setBorderStyle(int16_t v);
    // In pixels, at least 1 (380 otherwise).
    int16_t BorderWidth() const { return m_borderWidth; }
    void setBorderWidth(int16_t v);

    bool receivesMouse() const override { return false; }

    static void describe(ClassBuilder<Line>& b);

protected:
    void boundsChanged(float oldLeft, float oldTop, float oldWidth, float oldHeight) override;

private:
    float m_x1 = 0, m_y1 = 0, m_x2 = 0, m_y2 = 0;
    OleColor m_borderColor = sysColor::WindowText;
    int16_t m_borderStyle = 1;
    int16_t m_borderWidth = 1;
};

} // namespace ov
