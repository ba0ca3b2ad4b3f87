#include "platform/Picture.h"

#include "platform/FailureCapture.h"
#include "platform/FormFileSamples.h"

#include <cstdint>
#include <gtest/gtest.h>
#include <string>

namespace ov {
namespace {

using test::failureNumber;
using test::failureText;

// The signature and the IHDR chunk of a PNG image: everything that tells its size.
std::string pngHeader(uint32_t width, uint32_t height) {
    return ovtest::samplePng(width, height, "");
}

// The size comes from the header; a zero or oversized side is 481.
TEST(PictureTest, SizeComesFromTheHeader) {
    using Size = std::pair<uint32_t, uint32_t>;
    for (auto [width, height] :
         {Size{0, 10}, Size{10, 0}, Size{0, 0}, Size{0x80000000u, 1}, Size{1, 0xFFFFFFFFu}})
        EXPECT_EQ(failureNumber([&] { Picture::fromPng(pngHeader(width, height)); }), 481)
            << width << "x" << height;
    for (auto [width, height] : {Size{1, 1}, Size{640, 480}, Size{0x7FFFFFFF, 3}, Size{3, 0x7FFFFFFF}}) {
        std::string bytes = pngHeader(width, height);
        ASSERT_EQ(bytes.size(), 33u);
        PictureRef p = Picture::fromPng(bytes);
        EXPECT_EQ(Size(p->widthPixels(), p->heightPixels()), Size(width, height));
        EXPECT_EQ(p->bytes(), bytes); // the encoded image is kept as given
    }
    PictureRef p = Picture::fromPng(pngHeader(32, 16) + "IDAT and the rest");
    EXPECT_EQ(std::tuple(p->Width(), p->Height(), p->typeName()), std::tuple(32, 16, "StdPicture"));
}

TEST(PictureTest, ABadSignatureOrAnIncompleteImageHeaderIs481) {
    std::string good = pngHeader(10, 10);
    for (size_t at = 0; at < 8; ++at) {
        std::string bad = good;
        bad[at] = static_cast<char>(bad[at] ^ 0x20);
        EXPECT_EQ(failureText([&] { Picture::fromPng(bad); }), "481 Invalid picture") << at;
    }
    EXPECT_EQ(failureNumber([] { Picture::fromPng("GIF89a plus enough bytes to pass for a header"); }), 481);
    // The first chunk must be a complete image header.
    for (size_t length : {size_t{0}, size_t{8}, size_t{16}, size_t{23}, size_t{24}, size_t{28}})
        EXPECT_EQ(failureNumber([&] { Picture::fromPng(good.substr(0, length)); }), 481) << length;
    EXPECT_EQ(Picture::fromPng(good.substr(0, 29))->widthPixels(), 10); // the header's data is all it reads

    EXPECT_EQ(failureNumber([&] { Picture::fromPng(std::string(good).replace(12, 4, "IDAT")); }), 481);
    // IHDR is always 13 bytes long.
    EXPECT_EQ(failureNumber([&] { Picture::fromPng(std::string(good).replace(11, 1, "\x0C")); }), 481);
}

} // namespace
} // namespace ov
