#pragma once

#include "platform/Forward.h"
#include "render/Bitmap.h"
#include "render/TextMetricsScope.h"

#include <cstdint>
#include <memory>
#include <string>

namespace ov {

class Canvas;
class PictureCache;

// Paints a Form into a Bitmap with cairo and pango: the form's client area (ScaleWidth × ScaleHeight,
// converted to pixels with the current runtime's twips per pixel) in the form's BackColor, then every
// visible control in the form's z-order, back to front. A control is its UserControl surface (BackColor,
// and with BorderStyle 1 a two-pixel sunken edge inside its size), then its constituent controls
// (ControlPainter) placed from the surface's inner top-left, then the sited controls put inside it
// (extender Container), each in z-order and clipped to its container. The form itself need not be
// shown; controls whose extender Visible is false, and everything inside them, are not drawn.
//
// While a Renderer lives the current runtime measures text with pango (it holds a TextMetricsScope),
// so a form built or loaded after the renderer was made is laid out with the fonts it is drawn in.
// Decoded pictures are kept between frames while their Picture objects live. A renderer belongs to the
// thread that made it. Painting reads the form and never changes it.
class Renderer {
public:
    Renderer();
    ~Renderer();
    Renderer(const Renderer&) = delete;
    Renderer& operator=(const Renderer&) = delete;

    // What one frame may cost: at most kMaxSide pixels either way and kMaxImagePixels in all (128 MiB
    // of ARGB pixels, far beyond any screen); each picture drawn is decoded only when it holds at most
    // kMaxPicturePixels, judged from its PNG header before anything is decoded.
    static constexpr int32_t kMaxSide = 16384;
    static constexpr int64_t kMaxImagePixels = int64_t{1} << 25;
    static constexpr int64_t kMaxPicturePixels = int64_t{1} << 25;

    // The form's client area as pixels, at least 1 × 1. Failure 7 ("Out of memory (...)", naming the
    // sizes and the limit) before anything is allocated when the client area passes the limits above,
    // or when a picture to be drawn does.
    Bitmap render(const Form& form);
    // render() then Bitmap::savePng(path).
    void renderToPng(const Form& form, const std::string& path);

private:
    void paintControl(const Form& form, const Extender& ext, int originX, int originY, Canvas& canvas);

    TextMetricsScope m_metrics;
    std::unique_ptr<PictureCache> m_pictures;
};

// One-shot forms of the above, with a renderer of their own.
Bitmap renderForm(const Form& form);
void renderFormToPng(const Form& form, const std::string& path);

} // namespace ov
