#include "render/Canvas.h"

#include "render/FontResolver.h"
#include "render/PictureCache.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <vector>

namespace ov {

namespace {

int roundToPixel(double v) {
    // Far outside any drawable area; keeps the conversion defined for absurd sizes.
    constexpr double kLimit = 1 << 21;
    return static_cast<int>(std::lround(std::clamp(v, -kLimit, kLimit)));
}

// Calls `run(from, to)` for each on-run of a dash pattern along a line of `length` pixels, as
// distances from its start; a solid line is one run.
template <class F>
void forEachDash(int length, std::span<const int> dashes, F run) {
    const bool solid =
        dashes.empty() || std::any_of(dashes.begin(), dashes.end(), [](int d) { return d <= 0; });
    if (solid) {
        run(0, length);
        return;
    }
    size_t i = 0;
    for (int pos = 0; pos < length; i = (i + 1) % dashes.size()) {
        const int end = std::min(length, pos + dashes[i]);
        if (i % 2 == 0) run(pos, end);
        pos = end;
    }
}

} // namespace

PixelRect PixelRect::inset(int n) const {
    return {x + n, y + n, std::max(0, w - 2 * n), std::max(0, h - 2 * n)};
}

Canvas::Canvas(cairo_t* cr, int32_t twipsPerPixelX, int32_t twipsPerPixelY, FontResolver& fonts,
               PictureCache& pictures)
    : m_cr(cr), m_tppX(std::max(1, twipsPerPixelX)), m_tppY(std::max(1, twipsPerPixelY)), m_fonts(fonts),
      m_pictures(pictures) {
    cairo_set_antialias(m_cr, CAIRO_ANTIALIAS_NONE);
}

int Canvas::toPixelsX(float twips) const {
    return roundToPixel(static_cast<double>(twips) / m_tppX);
}

int Canvas::toPixelsY(float twips) const {
    return roundToPixel(static_cast<double>(twips) / m_tppY);
}

PixelRect Canvas::toPixels(int originX, int originY, float left, float top, float width, float height) const {
    return {originX + toPixelsX(left), originY + toPixelsY(top), std::max(0, toPixelsX(width)),
            std::max(0, toPixelsY(height))};
}

Canvas::ClipScope::ClipScope(Canvas& canvas, const PixelRect& r) : m_cr(canvas.m_cr) {
    cairo_save(m_cr);
    cairo_rectangle(m_cr, r.x, r.y, std::max(0, r.w), std::max(0, r.h));
    cairo_clip(m_cr);
}

Canvas::ClipScope::~ClipScope() {
    cairo_restore(m_cr);
}

void Canvas::setColor(OleColor color) {
    Rgb c = resolveColor(color);
    cairo_set_source_rgb(m_cr, c.r / 255.0, c.g / 255.0, c.b / 255.0);
}

void Canvas::fill(const PixelRect& r, OleColor color) {
    if (r.empty()) return;
    setColor(color);
    cairo_rectangle(m_cr, r.x, r.y, r.w, r.h);
    cairo_fill(m_cr);
}

void Canvas::edge(const PixelRect& r, OleColor topLeft, OleColor bottomRight) {
    if (r.empty()) return;
    fill({r.x, r.y, r.w - 1, 1}, topLeft);
    fill({r.x, r.y, 1, r.h - 1}, topLeft);
    fill({r.x, r.bottom() - 1, r.w, 1}, bottomRight);
    fill({r.right() - 1, r.y, 1, r.h}, bottomRight);
}

void Canvas::raisedEdge(const PixelRect& r) {
    edge(r, sysColor::ButtonHighlight, sysColor::ButtonDarkShadow);
    edge(r.inset(1), sysColor::ButtonLight, sysColor::ButtonShadow);
}

void Canvas::sunkenEdge(const PixelRect& r) {
    edge(r, sysColor::ButtonShadow, sysColor::ButtonHighlight);
    edge(r.inset(1), sysColor::ButtonDarkShadow, sysColor::ButtonLight);
}

void Canvas::dottedOutline(const PixelRect& r, OleColor color) {
    if (r.empty()) return;
    setColor(color);
    // Walking the ring clockwise keeps the every-other-pixel rhythm around the corners.
    int step = 0;
    auto dot = [&](int x, int y) {
        if (step++ % 2 == 0) cairo_rectangle(m_cr, x, y, 1, 1);
    };
    for (int x = r.x; x < r.right() - 1; ++x)
        dot(x, r.y);
    for (int y = r.y; y < r.bottom() - 1; ++y)
        dot(r.right() - 1, y);
    for (int x = r.right() - 1; x > r.x; --x)
        dot(x, r.bottom() - 1);
    for (int y = r.bottom() - 1; y > r.y; --y)
        dot(r.x, y);
    if (r.w == 1 || r.h == 1) dot(r.right() - 1, r.bottom() - 1);
    cairo_fill(m_cr);
}

void Canvas::line(int x1, int y1, int x2, int y2, OleColor color, int width, std::span<const int> dashes) {
    if ((x1 == x2 && y1 == y2) || width <= 0) return;
    setColor(color);
    const int before = (width - 1) / 2; // thickness on the left/top side of the centre pixel
    if (y1 == y2 || x1 == x2) {
        // Straight lines are filled pixel runs: exact, and the dash rhythm starts at the first pixel.
        const bool horizontal = y1 == y2;
        const int from = horizontal ? x1 : y1;
        const int to = horizontal ? x2 : y2;
        const int dir = to > from ? 1 : -1;
        forEachDash(std::abs(to - from), dashes, [&](int a, int b) {
            const int lo = dir > 0 ? from + a : from - b + 1;
            if (horizontal)
                cairo_rectangle(m_cr, lo, y1 - before, b - a, width);
            else
                cairo_rectangle(m_cr, x1 - before, lo, width, b - a);
        });
        cairo_fill(m_cr);
        return;
    }
    cairo_save(m_cr);
    std::vector<double> d(dashes.begin(), dashes.end());
    if (!d.empty() && std::all_of(d.begin(), d.end(), [](double v) { return v > 0; }))
        cairo_set_dash(m_cr, d.data(), static_cast<int>(d.size()), 0);
    cairo_set_line_width(m_cr, width);
    cairo_set_line_cap(m_cr, CAIRO_LINE_CAP_BUTT);
    cairo_move_to(m_cr, x1 + 0.5, y1 + 0.5);
    cairo_line_to(m_cr, x2 + 0.5, y2 + 0.5);
    cairo_stroke(m_cr);
    cairo_restore(m_cr);
}

double Canvas::textWidth(const FontRef& font, std::string_view text, bool accessKeys) {
    LayoutPtr layout = m_fonts.layout(font, text, m_tppY, accessKeys);
    return FontResolver::widthOf(layout.get());
}

double Canvas::lineHeight(const FontRef& font) {
    LayoutPtr layout = m_fonts.layout(font, "", m_tppY);
    return FontResolver::heightOf(layout.get());
}

void Canvas::text(const FontRef& font, std::string_view text, double x, double y, OleColor color,
                  bool accessKeys) {
    if (text.empty()) return;
    LayoutPtr layout = m_fonts.layout(font, text, m_tppY, accessKeys);
    setColor(color);
    cairo_move_to(m_cr, std::round(x), std::round(y));
    pango_cairo_show_layout(m_cr, layout.get());
    cairo_new_path(m_cr);
}

void Canvas::engravedText(const FontRef& font, std::string_view text, double x, double y, bool accessKeys) {
    this->text(font, text, x + 1, y + 1, sysColor::ButtonHighlight, accessKeys);
    this->text(font, text, x, y, sysColor::ButtonShadow, accessKeys);
}

bool Canvas::picture(const PictureRef& picture, const PixelRect& dest, bool stretch) {
    cairo_surface_t* s = m_pictures.surface(picture);
    if (!s || dest.empty()) return false;
    const int pw = cairo_image_surface_get_width(s);
    const int ph = cairo_image_surface_get_height(s);
    cairo_save(m_cr);
    cairo_rectangle(m_cr, dest.x, dest.y, dest.w, dest.h);
    cairo_clip(m_cr);
    cairo_translate(m_cr, dest.x, dest.y);
    if (stretch) cairo_scale(m_cr, static_cast<double>(dest.w) / pw, static_cast<double>(dest.h) / ph);
    cairo_set_source_surface(m_cr, s, 0, 0);
    // Stretching smooths between pixels; the edges repeat the border pixels rather than fade out.
    cairo_pattern_t* pattern = cairo_get_source(m_cr);
    cairo_pattern_set_extend(pattern, stretch ? CAIRO_EXTEND_PAD : CAIRO_EXTEND_NONE);
    cairo_pattern_set_filter(pattern, stretch ? CAIRO_FILTER_GOOD : CAIRO_FILTER_NEAREST);
    cairo_rectangle(m_cr, 0, 0, pw, ph);
    cairo_fill(m_cr);
    cairo_restore(m_cr);
    return true;
}

} // namespace ov
