#pragma once

#include "platform/Forward.h"

namespace ov {

// The minimized-form control's design-time icon, 24 × 24 pixels: a window whose title bar shows the
// minimize box, an arrow down to a taskbar with its button. A new picture on each call (one per
// control).
PictureRef minimizedIcon();

} // namespace ov
