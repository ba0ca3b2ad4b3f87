#pragma once

#include "render/Canvas.h"

namespace ov {

class EmbeddedControl;
class Shape;

// Paints a rectangle shape in `r`: BackColor inside when BackStyle is opaque, then, with BorderStyle 1,
// a border of BorderWidth one-pixel rings in BorderColor from the edge inwards.
void paintShape(Canvas& canvas, const Shape& shape, PixelRect r);

// Paints a library control held inside another control in `r`: its surface (BackColor, and with
// BorderStyle 1 a two-pixel sunken edge), then its own constituent controls from the inner top-left.
void paintEmbedded(Canvas& canvas, const EmbeddedControl& holder, PixelRect r);

} // namespace ov
