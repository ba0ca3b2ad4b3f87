#include "render/Bitmap.h"

#include "platform/Failure.h"
#include "platform/FileAccess.h"

#include <algorithm>
#include <cairo.h>

namespace ov {

namespace {

cairo_status_t appendBytes(void* closure, const unsigned char* data, unsigned int length) {
    static_cast<std::string*>(closure)->append(reinterpret_cast<const char*>(data), length);
    return CAIRO_STATUS_SUCCESS;
}

} // namespace

Bitmap::Bitmap(int32_t width, int32_t height)
    : m_width(std::max(0, width)), m_height(std::max(0, height)),
      m_pixels(static_cast<size_t>(m_width) * static_cast<size_t>(m_height), 0u) {}

uint32_t Bitmap::argb(int32_t x, int32_t y) const {
    if (x < 0 || y < 0 || x >= m_width || y >= m_height) {
        throw Failure(err::SubscriptOutOfRange, failureText(err::SubscriptOutOfRange) + " (pixel " +
                                                    std::to_string(x) + ", " + std::to_string(y) + " of a " +
                                                    std::to_string(m_width) + " x " +
                                                    std::to_string(m_height) + " image)");
    }
    return m_pixels[static_cast<size_t>(y) * static_cast<size_t>(m_width) + static_cast<size_t>(x)];
}

Rgb Bitmap::pixel(int32_t x, int32_t y) const {
    uint32_t v = argb(x, y);
    return Rgb{static_cast<uint8_t>((v >> 16) & 0xFF), static_cast<uint8_t>((v >> 8) & 0xFF),
               static_cast<uint8_t>(v & 0xFF)};
}

std::string Bitmap::encodePng() const {
    if (m_width == 0 || m_height == 0)
        throw Failure(err::InvalidPropertyValue,
                      failureText(err::InvalidPropertyValue) + " (an empty image)");
    // cairo only reads the pixels while writing, but its interface takes them writable.
    auto* data = reinterpret_cast<unsigned char*>(const_cast<uint32_t*>(m_pixels.data()));
    cairo_surface_t* surface =
        cairo_image_surface_create_for_data(data, CAIRO_FORMAT_ARGB32, m_width, m_height, stride());
    std::string out;
    cairo_status_t status = cairo_surface_write_to_png_stream(surface, appendBytes, &out);
    cairo_surface_destroy(surface);
    if (status != CAIRO_STATUS_SUCCESS)
        throw Failure(7, failureText(7) + " (" + cairo_status_to_string(status) + ")");
    return out;
}

void Bitmap::savePng(const std::string& path) const {
    FileAccess::replaceAtomically(path, encodePng());
}

} // namespace ov
