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

[[noreturn]] void tooLarge(const std::string& what) {
    throw Failure(err::OutOfMemory, failureText(err::OutOfMemory) + " (" + what + ")");
}

int32_t clientPixels(float twips, int32_t twipsPerPixel) {
    const double px = std::round(static_cast<double>(twips) / std::max(1, twipsPerPixel));
    if (!(px <= Renderer::kMaxSide)) {
        tooLarge("a form of " + std::to_string(twips) + " twips is more than " +
                 std::to_string(Renderer::kMaxSide) + " pixels");
    }
    return std::max<int32_t>(1, static_cast<int32_t>(px));
}

// The cairo objects of one frame, let go however the frame ends (a picture over the limit throws from
// the middle of painting).
struct CairoFrame {
    cairo_surface_t* surface;
    cairo_t* cr;
    explicit CairoFrame(Bitmap& bitmap)
        : surface(cairo_image_surface_create_for_data(
              reinterpret_cast<unsigned char*>(bitmap.pixels().data()), CAIRO_FORMAT_ARGB32, bitmap.width(),
              bitmap.height(), bitmap.stride())),
          cr(cairo_create(surface)) {}
    ~CairoFrame() {
        cairo_destroy(cr);
        cairo_surface_flush(surface);
        cairo_surface_destroy(surface);
    }
    CairoFrame(const CairoFrame&) = delete;
    CairoFrame& operator=(const CairoFrame&) = delete;
};

} // namespace

Renderer::Renderer() : m_pictures(std::make_unique<PictureCache>()) {}

Renderer::~Renderer() = default;

Bitmap Renderer::render(const Form& form) {
    const Runtime& rt = Runtime::current();
    const int32_t tppX = rt.twipsPerPixelX();
    const int32_t tppY = rt.twipsPerPixelY();
    const int32_t width = clientPixels(form.ScaleWidth(), tppX);
    const int32_t height = clientPixels(form.ScaleHeight(), tppY);
    if (int64_t{width} * height > kMaxImagePixels) {
        tooLarge("a form of " + std::to_string(width) + " x " + std::to_string(height) +
                 " pixels is more than " + std::to_string(kMaxImagePixels) + " pixels");
    }
    Bitmap bitmap(width, height);
    m_pictures->prune();
    {
        CairoFrame frame(bitmap);
        Canvas canvas(frame.cr, tppX, tppY, FontResolver::forThisThread(), *m_pictures);
        canvas.fill({0, 0, bitmap.width(), bitmap.height()}, form.BackColor());
        for (const Extender* ext : form.zOrder()) {
            if (!ext->containerControl()) paintControl(form, *ext, 0, 0, canvas);
        }
    }
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
