#pragma once

#include "platform/Color.h"
#include "platform/Forward.h"

#include <cairo.h>
#include <cstdint>
#include <span>
#include <string_view>

namespace ov {

class FontResolver;
class PictureCache;

// A rectangle of whole pixels.
struct PixelRect {
    int x = 0, y = 0, w = 0, h = 0;
    int right() const { return x + w; }
    int bottom() const { return y + h; }
    bool empty() const { return w <= 0 || h <= 0; }
    // The rectangle shrunk by n pixels on every side (never below an empty one).
    PixelRect inset(int n) const;
    bool operator==(const PixelRect&) const = default;
};

// What the painters draw with: a cairo context on a pixel grid, with the conversions from twips and
// the few shapes the classic controls are made of. Everything lands on whole pixels, edges are drawn
// without anti-aliasing, so that one-pixel lines stay one pixel and colours stay exact; only text and
// stretched pictures are smoothed.
class Canvas {
public:
    Canvas(cairo_t* cr, int32_t twipsPerPixelX, int32_t twipsPerPixelY, FontResolver& fonts,
           PictureCache& pictures);

    int32_t twipsPerPixelX() const { return m_tppX; }
    int32_t twipsPerPixelY() const { return m_tppY; }
    // Twips to the nearest whole pixel, horizontally and vertically.
    int toPixelsX(float twips) const;
    int toPixelsY(float twips) const;
    // A rectangle in twips, placed at the pixel origin (originX, originY).
    PixelRect toPixels(int originX, int originY, float left, float top, float width, float height) const;

    // Restricts drawing to `r` (within any restriction already in force) until the scope ends.
    class ClipScope {
    public:
        ClipScope(Canvas& canvas, const PixelRect& r);
        ~ClipScope();
        ClipScope(const ClipScope&) = delete;
        ClipScope& operator=(const ClipScope&) = delete;

    private:
        cairo_t* m_cr;
    };

    void fill(const PixelRect& r, OleColor color);
    // A one-pixel ring just inside r: top row and left column in `topLeft`, bottom row and right
    // column in `bottomRight` (the bottom-left and top-right corners belong to the bottom and right).
    void edge(const PixelRect& r, OleColor topLeft, OleColor bottomRight);
    void outline(const PixelRect& r, OleColor color) { edge(r, color, color); }
    // The classic two-pixel 3D edges inside r. Raised: 3D highlight and dark shadow outside, 3D light
    // and shadow inside. Sunken: 3D shadow and highlight outside, dark shadow and 3D light inside.
    void raisedEdge(const PixelRect& r);
    void sunkenEdge(const PixelRect& r);
    // A one-pixel ring of every other pixel, starting with the top-left corner (a focus rectangle).
    void dottedOutline(const PixelRect& r, OleColor color);
    // A line from (x1, y1) towards (x2, y2), the end pixel excluded, `width` pixels thick. `dashes`
    // alternate on and off lengths in pixels, starting at (x1, y1); empty for a solid line.
    void line(int x1, int y1, int x2, int y2, OleColor color, int width, std::span<const int> dashes);

    // Width of one line of text and height of a line of the font, in pixels (fractions kept). With
    // `accessKeys` the "&" marks are not counted.
    double textWidth(const FontRef& font, std::string_view text, bool accessKeys = false);
    double lineHeight(const FontRef& font);
    // Draws one line of text with the top-left corner of its line box at (x, y).
    void text(const FontRef& font, std::string_view text, double x, double y, OleColor color,
              bool accessKeys = false);
    // Disabled text: the text in the 3D highlight one pixel right and down, then in the 3D shadow.
    void engravedText(const FontRef& font, std::string_view text, double x, double y, bool accessKeys);

    // Draws a picture at the top-left of `dest`, at its own size (clipped to dest) or stretched to
    // dest. A picture that does not decode draws nothing. Returns whether anything was drawn.
    bool picture(const PictureRef& picture, const PixelRect& dest, bool stretch);

private:
    void setColor(OleColor color);

    cairo_t* m_cr;
    int32_t m_tppX;
    int32_t m_tppY;
    FontResolver& m_fonts;
    PictureCache& m_pictures;
};

} // namespace ov
