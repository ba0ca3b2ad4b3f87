#pragma once

#include "platform/Color.h"

#include <cstdint>
#include <string>
#include <vector>

namespace ov {

// An image the renderer paints into: width × height pixels, each a 32-bit ARGB value (alpha in the
// top byte, then red, green, blue; colours premultiplied by alpha), rows top to bottom without padding
// (the layout of a cairo ARGB32 image surface, so a window host can hand the pixels on as they are).
// Forms paint opaque pixels.
class Bitmap {
public:
    // An image of the given size, every pixel transparent black. Negative sizes count as 0.
    Bitmap(int32_t width, int32_t height);

    int32_t width() const { return m_width; }
    int32_t height() const { return m_height; }
    // Bytes from one row to the next.
    int32_t stride() const { return m_width * 4; }
    const std::vector<uint32_t>& pixels() const { return m_pixels; }
    std::vector<uint32_t>& pixels() { return m_pixels; }

    // The ARGB value at (x, y). Failure 9 outside the image.
    uint32_t argb(int32_t x, int32_t y) const;
    // The colour at (x, y), alpha ignored. Failure 9 outside the image.
    Rgb pixel(int32_t x, int32_t y) const;

    // The image as PNG bytes. Failure 380 for an image with no pixels (PNG has no empty images).
    std::string encodePng() const;
    // Writes the PNG to `path` through a new file beside it and a rename (FileAccess::replaceAtomically),
    // so that the file is either the whole new image or what it was. Failure 380 as for encodePng, 75
    // when the file cannot be written or is read-only.
    void savePng(const std::string& path) const;

private:
    int32_t m_width;
    int32_t m_height;
    std::vector<uint32_t> m_pixels;
};

} // namespace ov
