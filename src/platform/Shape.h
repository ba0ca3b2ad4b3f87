#pragma once

#include "platform/ConstituentControl.h"

namespace ov {

// A rectangle drawn on its owner's surface: a border of BorderWidth pixels in BorderColor (BorderStyle
// 0 transparent, 1 solid) around an inside in BackColor when BackStyle is 1 (opaque) or nothing (0,
// transparent, the default). Like a line, a shape takes neither the mouse nor the focus.
class Shape : public ConstituentControl {
    OV_OBJECT(Shape)
public:
    Shape();

    OleColor BorderColor() const { return m_borderColor; }
    void setBorderColor(OleColor v) { m_borderColor = v; }
    // 0 transparent or 1 solid; others are 380.
    int16_t BorderStyle() const { return m_borderStyle; }
    void setBorderStyle(int16_t v);
    // In pixels, at least 1 (380 otherwise).
    int16_t BorderWidth() const { return m_borderWidth; }
    void setBorderWidth(int16_t v);
    // 0 transparent or 1 opaque; others are 380.
    int16_t BackStyle() const { return m_backStyle; }
    void setBackStyle(int16_t v);

    bool receivesMouse() const override { return false; }

    static void describe(ClassBuilder<Shape>& b);

private:
    OleColor m_borderColor = sysColor::WindowText;
    int16_t m_borderStyle = 1;
    int16_t m_borderWidth = 1;
    int16_t m_backStyle = 0;
};

} // namespace ov
