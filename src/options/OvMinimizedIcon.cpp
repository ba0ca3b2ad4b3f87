#include "options/OvMinimizedIcon.h"

#include "platform/Picture.h"
#include "platform/PngEncoder.h"

#include <array>
#include <cstdint>

namespace ov {

namespace {

constexpr int kSide = 24;

struct Rgba {
    uint8_t r, g, b, a;
};

constexpr Rgba kFrame{64, 64, 64, 255};
constexpr Rgba kTitle{10, 36, 106, 255};
constexpr Rgba kBody{255, 255, 255, 255};
constexpr Rgba kBox{212, 208, 200, 255};
constexpr Rgba kInk{0, 0, 0, 255};
constexpr Rgba kArrow{0, 128, 0, 255};

class Canvas {
public:
    // Inclusive bounds, as the artwork was laid out on a pixel grid.
    void fill(int x0, int y0, int x1, int y1, Rgba c) {
        for (int y = y0; y <= y1; ++y) {
            for (int x = x0; x <= x1; ++x) {
                uint8_t* p = &m_pixels[static_cast<size_t>(y * kSide + x) * 4];
                p[0] = c.r;
                p[1] = c.g;
                p[2] = c.b;
                p[3] = c.a;
            }
        }
    }
    const std::array<uint8_t, kSide * kSide * 4>& pixels() const { return m_pixels; }

private:
    std::array<uint8_t, kSide * kSide * 4> m_pixels{}; // transparent
};

PictureRef draw() {
    Canvas c;
    // The form: frame, title bar with its minimize box, client area.
    c.fill(1, 1, 19, 14, kFrame);
    c.fill(2, 2, 18, 5, kTitle);
    c.fill(2, 6, 18, 13, kBody);
    c.fill(14, 2, 17, 5, kBox);
    c.fill(15, 4, 16, 4, kInk);
    // The arrow from the form down to the taskbar.
    c.fill(9, 8, 10, 16, kArrow);
    c.fill(7, 15, 12, 15, kArrow);
    c.fill(8, 16, 11, 16, kArrow);
    c.fill(9, 17, 10, 17, kArrow);
    // The taskbar and the application's button on it.
    c.fill(0, 19, 23, 23, kBox);
    c.fill(0, 19, 23, 19, kBody);
    c.fill(2, 20, 13, 22, kFrame);
    c.fill(3, 21, 12, 21, kTitle);
    return Picture::fromPixels(kSide, kSide, PixelFormat::Rgba32, c.pixels());
}

} // namespace

PictureRef minimizedIcon() {
    // Not kept in a static: a live picture would keep the library from unloading (Object::liveCount).
    return draw();
}

} // namespace ov
