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
// distances from its start; a solid line is one run. Only runs that reach into [lo, hi) are visited,
// so a line far longer than the image costs what its visible part costs.
template <class F>
void forEachDash(int length, std::span<const int> dashes, int lo, int hi, F run) {
    const bool solid =
        dashes.empty() || std::any_of(dashes.begin(), dashes.end(), [](int d) { return d <= 0; });
    lo = std::max(lo, 0);
    hi = std::min(hi, length);
    if (lo >= hi) return;
    if (solid) {
        run(lo, hi);
        return;
    }
    int period = 0;
    for (int d : dashes)
        period += d;
    // Whether a run is on depends only on its place in the pattern, so the walk may start at the
    // whole period before `lo`.
    size_t i = 0;
    for (int pos = lo - lo % period; pos < hi; i = (i + 1) % dashes.size()) {
        const int end = std::min(length, pos + dashes[i]);
        if (i % 2 == 0 && end > lo) run(pos, end);
        pos = end;
    }
}

// The pixels the clip leaves drawable, as a half-open box [x0, x1) × [y0, y1).
struct Visible {
    int x0, y0, x1, y1;
};

Visible visibleArea(cairo_t* cr) {
    double x0 = 0, y0 = 0, x1 = 0, y1 = 0;
    cairo_clip_extents(cr, &x0, &y0, &x1, &y1);
    return {static_cast<int>(std::floor(x0)), static_cast<int>(std::floor(y0)),
            static_cast<int>(std::ceil(x1)), static_cast<int>(std::ceil(y1))};
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
    // The ring is walked clockwise from the top-left corner and every other pixel of the walk is set,
    // which keeps the rhythm around the corners. A pixel's place in the walk is known from its
    // position, so only the stretches inside the clip are visited: a ring of a million pixels around
    // an image of a thousand costs a thousand.
    const Visible v = visibleArea(m_cr);
    auto run = [&](bool horizontal, int fixed, int start, int dir, int count, long long step) {
        const int fixedLo = horizontal ? v.y0 : v.x0;
        const int fixedHi = horizontal ? v.y1 : v.x1;
        if (count <= 0 || fixed < fixedLo || fixed >= fixedHi) return;
        const int lo = horizontal ? v.x0 : v.y0;
        const int hi = horizontal ? v.x1 : v.y1;
        // Pixels start + k·dir for k in [0, count) that fall within [lo, hi).
        long long kFrom =
            dir > 0 ? static_cast<long long>(lo) - start : static_cast<long long>(start) - hi + 1;
        long long kTo = dir > 0 ? static_cast<long long>(hi) - start : static_cast<long long>(start) - lo + 1;
        kFrom = std::max(0LL, kFrom);
        kTo = std::min<long long>(count, kTo);
        if ((step + kFrom) % 2 != 0) ++kFrom;
        for (long long k = kFrom; k < kTo; k += 2) {
            const int at = static_cast<int>(start + dir * k);
            if (horizontal)
                cairo_rectangle(m_cr, at, fixed, 1, 1);
            else
                cairo_rectangle(m_cr, fixed, at, 1, 1);
        }
    };
    const long long across = r.w - 1;
    const long long down = r.h - 1;
    run(true, r.y, r.x, 1, r.w - 1, 0);                                   // top, left to right
    run(false, r.right() - 1, r.y, 1, r.h - 1, across);                   // right, top to bottom
    run(true, r.bottom() - 1, r.right() - 1, -1, r.w - 1, across + down); // bottom, right to left
    run(false, r.x, r.bottom() - 1, -1, r.h - 1, 2 * across + down);      // left, bottom to top
    // A ring one pixel thin has a last pixel the walk does not reach.
    if (r.w == 1 || r.h == 1) run(true, r.bottom() - 1, r.right() - 1, 1, 1, 2 * (across + down));
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
        // Only the part of the line inside the clip is visited (as distances from its start).
        const Visible v = visibleArea(m_cr);
        const int visLo = horizontal ? v.x0 : v.y0;
        const int visHi = horizontal ? v.x1 : v.y1;
        const int along0 = dir > 0 ? visLo - from : from - visHi + 1;
        const int along1 = dir > 0 ? visHi - from : from - visLo + 1;
        forEachDash(std::abs(to - from), dashes, along0, along1, [&](int a, int b) {
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
