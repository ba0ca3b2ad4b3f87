#pragma once

#include "platform/Forward.h"
#include "platform/Object.h"
#include "platform/PngEncoder.h"

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>

namespace ov {

// The host's standard picture: a shared, immutable image. It keeps its encoded bytes (PNG) and the
// size read from the PNG header, so the platform needs no image library; only the renderer decodes
// pixels. Being immutable, a picture may be shared by every thread.
//
// Where pictures come from:
//   PNG bytes           Picture::fromPng
//   a PNG file          Picture::load
//   raw pixels          Picture::fromPixels (encoded here as an uncompressed PNG, see encodePng)
//   a PNG or JPEG file  ov::loadPicture, and JPEG bytes ov::pictureFromJpeg, in the renderer library
//                       (render/PictureLoader.h): decoding JPEG needs an image library, which the
//                       platform does without; the JPEG is decoded there and kept as PNG.
class Picture : public Object {
    OV_OBJECT(StdPicture)
public:
    // Fails with 481 ("Invalid picture") when the bytes are not a PNG image.
    static PictureRef fromPng(std::string bytes);
    // Fails with 53 when the file does not exist, 481 when it is not a PNG image.
    static PictureRef load(const std::string& path);
    // A picture of width × height pixels in `format`, rows `stride` bytes apart (0: packed rows), top
    // row first. Failure 5 when a size is not from 1 to kMaxPixelsPerSide, when the stride is shorter
    // than a row, or when `pixels` ends before the last row does.
    static PictureRef fromPixels(int32_t width, int32_t height, PixelFormat format,
                                 std::span<const uint8_t> pixels, size_t stride = 0);
    // The widest and tallest picture fromPixels makes: what the renderer can paint in one piece.
    static constexpr int32_t kMaxPixelsPerSide = 32767;

    const std::string& bytes() const { return m_bytes; }
    int32_t widthPixels() const { return m_width; }
    int32_t heightPixels() const { return m_height; }

    int32_t Width() const { return m_width; }
    int32_t Height() const { return m_height; }
    int16_t Type() const { return 1; } // bitmap

    static void describe(ClassBuilder<Picture>& b);

    Picture(std::string bytes, int32_t width, int32_t height)
        : Object(AnyThread{}), m_bytes(std::move(bytes)), m_width(width), m_height(height) {}

private:
    std::string m_bytes;
    int32_t m_width;
    int32_t m_height;
};

} // namespace ov
