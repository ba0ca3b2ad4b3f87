#pragma once

#include "platform/Event.h"

#include <cstdint>
#include <thread>

namespace ov {

// The events a user's input raises on a control's surface or on one of its constituent controls: a
// click, a double click, keys (KeyCode or KeyAscii, and Shift), the mouse (Button, Shift, X and Y)
// and the focus coming or going.
struct InputEvents {
    InputEvents() = default;
    // Events that belong to `owner`'s thread from the start.
    explicit InputEvents(std::thread::id owner)
        : Click(owner), DblClick(owner), KeyDown(owner), KeyPress(owner), KeyUp(owner), MouseDown(owner),
          MouseMove(owner), MouseUp(owner), GotFocus(owner), LostFocus(owner) {}

    Event<> Click;
    Event<> DblClick;
    Event<int16_t&, int16_t&> KeyDown;
    Event<int16_t&> KeyPress;
    Event<int16_t&, int16_t&> KeyUp;
    Event<int16_t&, int16_t&, float&, float&> MouseDown;
    Event<int16_t&, int16_t&, float&, float&> MouseMove;
    Event<int16_t&, int16_t&, float&, float&> MouseUp;
    Event<> GotFocus;
    Event<> LostFocus;
};

} // namespace ov
