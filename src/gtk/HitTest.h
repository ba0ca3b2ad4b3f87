#pragma once

#include "platform/Forward.h"

#include <cstdint>

namespace ov::gtk {

// What lies under a point of a form's client area: the frontmost visible control there, and inside it the
// frontmost visible constituent control (through frames, picture boxes and controls held by other
// controls), or none when the point is on the control's own surface. x and y are the point in twips from
// the target's top-left corner (the surface's inner corner when the target is the surface), as mouse
// events report them.
struct Hit {
    Extender* control = nullptr;
    ConstituentControl* child = nullptr;
    float x = 0;
    float y = 0;
};

// The hit at pixel (px, py) of the form's client area, with the geometry the renderer paints: every
// twip position rounded to the nearest pixel at the given twips per pixel, a surface or picture box with
// BorderStyle 1 holding its controls two pixels in. Lines are never hit. Nothing (control null) on the
// form's own background.
Hit hitTest(const Form& form, double px, double py, int32_t twipsPerPixelX, int32_t twipsPerPixelY);

} // namespace ov::gtk
