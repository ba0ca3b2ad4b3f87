#include "render/Renderer.h"

#include "platform/Extender.h"
#include "platform/Failure.h"
#include "platform/Form.h"
#include "platform/Runtime.h"
#include "platform/UserControl.h"
#include "render/Canvas.h"
#include "render/ControlPainter.h"
#include "render/FontResolver.h"
#include "render/PictureCache.h"

#include <cairo.h>
#include <cmath>

namespace ov {

namespace {

// Far beyond any screen; a larger form is a mistake, and 4 bytes a pixel would make it a costly one.
constexpr int32_t kMaxPixels = 16384;

int32_t clientPixels(float twips, int32_t twipsPerPixel) {
    double px = std::round(static_cast<double>(twips) / std::max(1, twipsPerPixel));
    if (!(px <= kMaxPixels)) {
        throw Failure(7, failureText(7) + " (a form of " + std::to_string(twips) + " twips is more than " +
                             std::to_string(kMaxPixels) + " pixels)");
    }
    return std::max<int32_t>(1, static_cast<int32_t>(px));
}

} // namespace

Renderer::Renderer() : m_pictures(std::make_unique<PictureCache>()) {}

Renderer::~Renderer() = default;

Bitmap Renderer::render(const Form& form) {
    const Runtime& rt = Runtime::current();
    const int32_t tppX = rt.twipsPerPixelX();
    const int32_t tppY = rt.twipsPerPixelY();
    Bitmap bitmap(clientPixels(form.ScaleWidth(), tppX), clientPixels(form.ScaleHeight(), tppY));

    cairo_surface_t* surface = cairo_image_surface_create_for_data(
        reinterpret_cast<unsigned char*>(bitmap.pixels().data()), CAIRO_FORMAT_ARGB32, bitmap.width(),
        bitmap.height(), bitmap.stride());
    cairo_t* cr = cairo_create(surface);
    m_pictures->prune();
    {
        Canvas canvas(cr, tppX, tppY, FontResolver::forThisThread(), *m_pictures);
        canvas.fill({0, 0, bitmap.width(), bitmap.height()}, form.BackColor());
        for (const Extender* ext : form.zOrder()) {
            if (!ext->containerControl()) paintControl(form, *ext, 0, 0, canvas);
        }
    }
    cairo_destroy(cr);
    cairo_surface_flush(surface);
    cairo_surface_destroy(surface);
    return bitmap;
}

void Renderer::paintControl(const Form& form, const Extender& ext, int originX, int originY, Canvas& canvas) {
    if (!ext.Visible()) return;
    const UserControl& control = ext.control();
    const PixelRect r = canvas.toPixels(originX, originY, ext.Left(), ext.Top(), ext.Width(), ext.Height());
    Canvas::ClipScope clip(canvas, r);
    canvas.fill(r, control.BackColor());
    PixelRect inner = r;
    if (control.BorderStyle() == 1) {
        canvas.sunkenEdge(r);
        inner = r.inset(2);
    }
    Canvas::ClipScope innerClip(canvas, inner);
    ControlPainter(canvas).paintChildren(control, nullptr, inner.x, inner.y);
    for (const Extender* inside : form.zOrder()) {
        if (inside->containerControl() == &ext) paintControl(form, *inside, inner.x, inner.y, canvas);
    }
}

void Renderer::renderToPng(const Form& form, const std::string& path) {
    render(form).savePng(path);
}

Bitmap renderForm(const Form& form) {
    Renderer renderer;
    return renderer.render(form);
}

void renderFormToPng(const Form& form, const std::string& path) {
    Renderer renderer;
    renderer.renderToPng(form, path);
}

} // namespace ov
