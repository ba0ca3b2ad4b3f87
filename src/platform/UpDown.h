#pragma once

#include "platform/ConstituentControl.h"

#include <cstdint>

namespace ov {

// A pair of spin buttons, up over down, each half the control's height. It keeps a whole-number
// Value between Min and Max (either may be the larger; the range is between the two) and steps it by
// Increment when a button is pressed.
//
// Value set from code: a value outside the range is failure 380 and nothing changes; a different value
// raises Change. Min and Max take any value; when the new range leaves Value outside, Value moves to
// the nearer end (raising Change). Increment below 0 is failure 380.
//
// Mouse: a left button going down over a half (MouseDown, see buttonAt) presses it: the value steps up
// (down) by Increment; a step past the end stops at that end, or with Wrap goes to the other end; a
// changed value raises Change, then the button raises UpClick (DownClick) whether or not the value
// moved. The half stays pressed (drawn pushed in) until the button goes up. The control's own handling
// runs before the MouseDown handlers of its owner. It never takes the focus.
class UpDown : public ConstituentControl {
    OV_OBJECT(UpDown)
public:
    enum class Button { None, Up, Down };

    UpDown();

    int32_t Value() const { return m_value; }
    void setValue(int32_t v);
    int32_t Min() const { return m_min; }
    void setMin(int32_t v);
    int32_t Max() const { return m_max; }
    void setMax(int32_t v);
    int32_t Increment() const { return m_increment; }
    void setIncrement(int32_t v);
    bool Wrap() const { return m_wrap; }
    void setWrap(bool v) { m_wrap = v; }

    // The half under (x, y), in twips from the control's top-left corner; None outside it.
    Button buttonAt(float x, float y) const;
    // The half held down by the mouse, for drawing.
    Button pressed() const { return m_pressed; }

    Event<> Change;
    Event<> UpClick;
    Event<> DownClick;

    static void describe(ClassBuilder<UpDown>& b);

private:
    void press(Button b);
    void store(int32_t v);

    int32_t m_value = 0;
    int32_t m_min = 0;
    int32_t m_max = 10;
    int32_t m_increment = 1;
    bool m_wrap = false;
    Button m_pressed = Button::None;
    ScopedConnection m_down, m_up;
};

} // namespace ov
