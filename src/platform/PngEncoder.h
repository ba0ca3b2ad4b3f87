#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace ov {

// How raw pixels are laid out: 8 bits per channel, red first; RGBA alpha is straight (not
// premultiplied), 255 opaque.
enum class PixelFormat { Rgb24, Rgba32 };

inline constexpr size_t bytesPerPixel(PixelFormat f) {
    return f == PixelFormat::Rgb24 ? 3 : 4;
}

// Encodes width × height pixels (rows `stride` bytes apart, top row first) as a PNG image: 8-bit RGB
// (colour type 2) or RGBA (6), no interlacing, every row unfiltered, the image data in stored
// (uncompressed) deflate blocks. The output is a plain, valid PNG that any decoder reads; it is as
// large as the pixels (plus about 0.02 %) since nothing is compressed, which is what lets the platform
// write PNG without an image or compression library. The caller checks sizes and buffer length.
std::string encodePng(uint32_t width, uint32_t height, PixelFormat format, const uint8_t* pixels,
                      size_t stride);

// The checksums PNG and zlib use, for a running value `crc` / `adler` (start with 0 / 1).
uint32_t crc32(uint32_t crc, const uint8_t* data, size_t size);
uint32_t adler32(uint32_t adler, const uint8_t* data, size_t size);

} // namespace ov
