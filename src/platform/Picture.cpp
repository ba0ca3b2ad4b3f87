#include "platform/Picture.h"

#include "platform/ClassBuilder.h"
#include "platform/Failure.h"

#include <fstream>
#include <sstream>

namespace ov {

namespace {

constexpr int32_t kInvalidPicture = 481;

uint32_t bigEndian32(const std::string& s, size_t at) {
    return (static_cast<uint32_t>(static_cast<unsigned char>(s[at])) << 24) |
           (static_cast<uint32_t>(static_cast<unsigned char>(s[at + 1])) << 16) |
           (static_cast<uint32_t>(static_cast<unsigned char>(s[at + 2])) << 8) |
           static_cast<uint32_t>(static_cast<unsigned char>(s[at + 3]));
}

} // namespace

const ClassInfo& Picture::staticClass() {
    return buildClassInfo<Picture>([](ClassInfo& i) {
        i.guid = "{7BF80980-BF32-101A-8BBB-00AA00300CAB}"; // the host's standard picture interface
        i.published = false;
    });
}

void Picture::describe(ClassBuilder<Picture>& b) {
    b.property("Width", 4, &Picture::Width);
    b.property("Height", 5, &Picture::Height);
    b.property("Type", 3, &Picture::Type);
}

PictureRef Picture::fromPng(std::string bytes) {
    static const std::string signature("\x89PNG\r\n\x1a\n", 8);
    // Signature, then the IHDR chunk: length (always 13), type, width, height, five bytes of format.
    // Bytes that stop inside that header are a broken file, not an image with a size; checksums are
    // left to the decoder.
    constexpr size_t kHeaderEnd = 8 + 4 + 4 + 13;
    if (bytes.size() < kHeaderEnd || bytes.compare(0, 8, signature) != 0 || bigEndian32(bytes, 8) != 13 ||
        bytes.compare(12, 4, "IHDR") != 0)
        throw Failure(kInvalidPicture, "Invalid picture");
    uint32_t w = bigEndian32(bytes, 16);
    uint32_t h = bigEndian32(bytes, 20);
    if (w == 0 || h == 0 || w > 0x7FFFFFFF || h > 0x7FFFFFFF)
        throw Failure(kInvalidPicture, "Invalid picture");
    return std::make_shared<const Picture>(std::move(bytes), static_cast<int32_t>(w),
                                           static_cast<int32_t>(h));
}

PictureRef Picture::fromPixels(int32_t width, int32_t height, PixelFormat format,
                               std::span<const uint8_t> pixels, size_t stride) {
    auto refuse = [&](const std::string& why) -> PictureRef {
        throw Failure(err::InvalidProcedureCall, failureText(err::InvalidProcedureCall) + " (Picture " +
                                                     std::to_string(width) + " x " + std::to_string(height) +
                                                     ": " + why + ")");
    };
    if (width < 1 || height < 1 || width > kMaxPixelsPerSide || height > kMaxPixelsPerSide)
        return refuse("each side must be from 1 to " + std::to_string(kMaxPixelsPerSide) + " pixels");
    const size_t rowBytes = static_cast<size_t>(width) * bytesPerPixel(format);
    if (stride == 0) stride = rowBytes;
    if (stride < rowBytes)
        return refuse("rows of " + std::to_string(stride) + " bytes cannot hold " + std::to_string(rowBytes));
    // Sides are at most 32767 pixels, so this cannot overflow.
    const size_t needed = stride * static_cast<size_t>(height - 1) + rowBytes;
    if (pixels.size() < needed)
        return refuse(std::to_string(pixels.size()) + " bytes of pixels, " + std::to_string(needed) +
                      " needed");
    return fromPng(encodePng(static_cast<uint32_t>(width), static_cast<uint32_t>(height), format,
                             pixels.data(), stride));
}

PictureRef Picture::load(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) throw Failure(err::FileNotFound, failureText(err::FileNotFound) + ": " + path);
    std::ostringstream ss;
    ss << in.rdbuf();
    return fromPng(ss.str());
}

} // namespace ov
