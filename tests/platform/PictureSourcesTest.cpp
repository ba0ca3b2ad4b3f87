// Where a host's pictures come from: raw pixels (encoded as PNG by the platform), PNG files, and JPEG
// files and bytes (decoded by the renderer library). Every picture is checked the way a user sees it:
// drawn by the renderer on an image control, probed pixel by pixel.
#include "platform/FailureCapture.h"
#include "platform/Image.h"
#include "platform/Picture.h"
#include "platform/PngEncoder.h"
#include "render/PictureLoader.h"
#include "render/RenderFixture.h"
#include "support/TestFiles.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <vector>

namespace ovtest {
namespace {

using namespace ov;
using ov::test::failureNumber;

const Rgb kWhite{255, 255, 255};

std::filesystem::path picturesFolder() {
    return sourcePath("tests/platform/pictures");
}

bool near(Rgb a, Rgb b, int tolerance) {
    return std::abs(a.r - b.r) <= tolerance && std::abs(a.g - b.g) <= tolerance &&
           std::abs(a.b - b.b) <= tolerance;
}

// A white 300 × 200 pixel sketch filling the form; show() draws a picture on an image at (left, top).
class PictureSourcesTest : public WhiteHostFixture {
protected:
    Bitmap show(const PictureRef& picture, int left = 0, int top = 0) {
        auto& img = sketch->addChild<Image>("img" + std::to_string(sketch->children().size()));
        img.Move(px(left), px(top));
        img.setPicture(picture);
        return render();
    }
};

TEST_F(PictureSourcesTest, RawPixelsDrawAsGivenAndAlphaBlends) {
    // 3 × 2 RGB pixels in rows padded to 12 bytes, as many image buffers keep them.
    const std::vector<uint8_t> rgb = {
        255, 0,  0,  0,   255, 0,  0, 0, 255, 9, 9, 9, // red green blue, padding
        10,  20, 30, 200, 100, 50, 0, 0, 0,   9, 9, 9, // two colours and black, padding
    };
    auto picture = Picture::fromPixels(3, 2, PixelFormat::Rgb24, rgb, 12);
    EXPECT_EQ(std::pair(picture->Width(), picture->Height()), std::pair(3, 2));
    Bitmap b = show(picture, 10, 20);
    EXPECT_EQ(
        (std::vector<Rgb>{b.pixel(10, 20), b.pixel(11, 20), b.pixel(12, 20), b.pixel(10, 21), b.pixel(11, 21),
                          b.pixel(12, 21), b.pixel(13, 20), b.pixel(10, 22)}),
        (std::vector<Rgb>{
            {255, 0, 0}, {0, 255, 0}, {0, 0, 255}, {10, 20, 30}, {200, 100, 50}, {0, 0, 0}, kWhite, kWhite}));

    // RGBA with straight alpha: opaque blue, transparent (the sketch shows), half black.
    const std::vector<uint8_t> rgba = {0, 0, 255, 255, 0, 0, 255, 0, 0, 0, 0, 128};
    b = show(Picture::fromPixels(3, 1, PixelFormat::Rgba32, rgba));
    EXPECT_EQ(b.pixel(0, 0), (Rgb{0, 0, 255}));
    EXPECT_EQ(b.pixel(1, 0), kWhite);
    EXPECT_TRUE(near(b.pixel(2, 0), Rgb{127, 127, 127}, 1));
}

TEST_F(PictureSourcesTest, ALargePictureSurvivesManyBlocksAndChunks) {
    // 300 × 1200 RGBA is 1.44 MB of pixels: 22 stored deflate blocks over two IDAT chunks. Each row
    // has its own colour, so a misplaced block or chunk boundary shows in the last rows drawn.
    constexpr int w = 300, h = 1200;
    std::vector<uint8_t> rgba(size_t{w} * h * 4);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            uint8_t* p = &rgba[(size_t{static_cast<size_t>(y)} * w + x) * 4];
            p[0] = static_cast<uint8_t>(y);
            p[1] = static_cast<uint8_t>(y >> 8);
            p[2] = static_cast<uint8_t>(x);
            p[3] = 255;
        }
    auto picture = Picture::fromPixels(w, h, PixelFormat::Rgba32, rgba);
    EXPECT_GT(picture->bytes().size(), size_t{w} * h * 4);
    Bitmap b = show(picture, 0, -1000); // rows 1000 to 1199 are in view
    for (int row : {1000, 1100, 1199})
        for (int x : {0, 150, 299})
            EXPECT_EQ(b.pixel(x, row - 1000), (Rgb{uint8_t(row), uint8_t(row >> 8), uint8_t(x)}))
                << row << "," << x;
}

TEST_F(PictureSourcesTest, PixelsThatDoNotMakeAPictureAreRefused) {
    const std::vector<uint8_t> six(6, 0);
    // Width, height and stride of six bytes of RGB pixels.
    const std::tuple<int32_t, int32_t, size_t> cases[] = {
        {0, 1, 0},                              // no width
        {1, 0, 0},                              // no height
        {-1, 1, 0},                             // a negative width
        {Picture::kMaxPixelsPerSide + 1, 1, 0}, // too wide
        {2, 1, 5},                              // a stride shorter than a row of 6 bytes
        {2, 2, 0},                              // 12 bytes needed
        {1, 2, 4},                              // the second row ends at byte 7
    };
    for (auto [width, height, stride] : cases)
        EXPECT_EQ(failureNumber([&] { Picture::fromPixels(width, height, PixelFormat::Rgb24, six, stride); }),
                  5)
            << width << " x " << height << " stride " << stride;
    EXPECT_EQ(test::failureText([&] { Picture::fromPixels(2, 2, PixelFormat::Rgb24, six); }),
              "5 Invalid procedure call or argument (Picture 2 x 2: 6 bytes of pixels, 12 needed)");
    // Exactly enough: the last row needs no padding after it.
    EXPECT_EQ(Picture::fromPixels(1, 2, PixelFormat::Rgb24, std::span<const uint8_t>(six.data(), 6), 3)
                  ->heightPixels(),
              2);
}

TEST_F(PictureSourcesTest, JpegFilesDecodeInTheRenderer) {
    // 32 × 16, the left half red and the right half blue; baseline and progressive.
    for (const char* name : {"halves.jpg", "halves-progressive.jpg"}) {
        auto picture = loadPicture((picturesFolder() / name).string());
        EXPECT_EQ(std::pair(picture->widthPixels(), picture->heightPixels()), std::pair(32, 16));
        Bitmap b = show(picture);
        EXPECT_TRUE(near(b.pixel(4, 8), Rgb{255, 0, 0}, 8)) << name;
        EXPECT_TRUE(near(b.pixel(27, 8), Rgb{0, 0, 255}, 8)) << name;
        EXPECT_EQ(b.pixel(32, 8), kWhite) << name;
    }
    Bitmap grey = show(pictureFromJpeg(ovtest::readAll(picturesFolder() / "grey.jpg")), 100, 100);
    EXPECT_TRUE(near(grey.pixel(104, 104), Rgb{128, 128, 128}, 2));
}

TEST_F(PictureSourcesTest, LoadPictureTellsPngFromJpegByContent) {
    ovtest::TestFolder folder("ovcomctl-picture-sources");
    const auto png = folder / "green.jpg"; // a PNG named .jpg
    std::ofstream(png, std::ios::binary) << solidPng(5, 4, Rgb{0, 128, 0});
    auto picture = loadPicture(png.string());
    EXPECT_EQ(picture->widthPixels(), 5);
    EXPECT_EQ(show(picture).pixel(2, 2), (Rgb{0, 128, 0}));

    // The platform itself keeps to PNG: a JPEG file is no picture to it.
    EXPECT_EQ(failureNumber([] { Picture::load((picturesFolder() / "halves.jpg").string()); }), 481);
    EXPECT_EQ(failureNumber([] { Picture::load((picturesFolder() / "no-such.png").string()); }), 53);
}

TEST_F(PictureSourcesTest, BrokenOrUnsupportedJpegIsAnInvalidPicture) {
    const std::string halves = ovtest::readAll(picturesFolder() / "halves.jpg");
    // Bytes, and the description of their refusal ("": libjpeg's own reason).
    const std::pair<std::string, std::string> cases[] = {
        {ovtest::readAll(picturesFolder() / "cmyk.jpg"),
         "Invalid picture (JPEG: CMYK images are not supported)"},
        {halves.substr(0, 100), ""}, // cut inside the tables
        {"\xFF\xD8\xFF", ""},
        {"GIF89a", "Invalid picture (not a JPEG image)"},
    };
    for (const auto& [bytes, description] : cases) {
        try {
            pictureFromJpeg(bytes);
            ADD_FAILURE() << bytes.size() << " bytes were taken";
        } catch (const Failure& f) {
            EXPECT_EQ(f.number(), 481);
            if (!description.empty())
                EXPECT_EQ(f.what(), description);
            else
                EXPECT_EQ(std::string(f.what()).rfind("Invalid picture (JPEG: ", 0), 0u) << f.what();
        }
    }
    EXPECT_EQ(failureNumber([] { loadPicture((picturesFolder() / "no-such.jpg").string()); }), 53);
}

} // namespace
} // namespace ovtest
