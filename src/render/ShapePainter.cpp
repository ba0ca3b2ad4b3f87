#include "render/ShapePainter.h"

#include "platform/EmbeddedControl.h"
#include "platform/Shape.h"
#include "platform/UserControl.h"
#include "render/ControlPainter.h"

namespace ov {

void paintShape(Canvas& canvas, const Shape& shape, PixelRect r) {
    if (shape.BackStyle() == 1) canvas.fill(r, shape.BackColor());
    if (shape.BorderStyle() == 0) return;
    PixelRect ring = r;
    for (int i = 0; i < shape.BorderWidth() && !ring.empty(); ++i) {
        canvas.outline(ring, shape.BorderColor());
        ring = ring.inset(1);
    }
}

void paintEmbedded(Canvas& canvas, const EmbeddedControl& holder, PixelRect r) {
    const UserControl* control = holder.control();
    if (!control) return;
    canvas.fill(r, control->BackColor());
    PixelRect inner = r;
    if (control->BorderStyle() == 1) {
        canvas.sunkenEdge(r);
        inner = r.inset(2);
    }
    Canvas::ClipScope clip(canvas, inner);
    ControlPainter(canvas).paintChildren(*control, nullptr, inner.x, inner.y);
}

} // namespace ov
