#include "progress/StepStateIcons.h"

#include "platform/ImageList.h"
#include "platform/Picture.h"
#include "platform/PngEncoder.h"

#include <array>
#include <cstdint>
#include <vector>

namespace ov {

namespace {

constexpr int kSide = 12;
using Art = std::array<const char*, kSide>;

// '#' the icon's colour, '+' its darker edge, '.' transparent.
constexpr Art kRunning = {"............", "..++........", "..+#+.......", "..+##+......",
                          "..+###+.....", "..+####+....", "..+####+....", "..+###+.....",
                          "..+##+......", "..+#+.......", "..++........", "............"};
constexpr Art kSkipped = {"............", "............", "............", "............",
                          "............", ".++++++++++.", ".+########+.", ".++++++++++.",
                          "............", "............", "............", "............"};
constexpr Art kPassed = {"............", "..........++", ".........+#+", "........+#+.",
                         ".......+#+..", "++....+#+...", "+#+..+#+....", ".+#++#+.....",
                         "..+##+......", "...++.......", "............", "............"};

struct Rgb {
    uint8_t r, g, b;
};

PictureRef draw(const Art& art, Rgb fill, Rgb edge) {
    std::vector<uint8_t> pixels;
    pixels.reserve(kSide * kSide * 4);
    for (const char* row : art) {
        for (int x = 0; x < kSide; ++x) {
            const char c = row[x];
            const Rgb rgb = c == '#' ? fill : edge;
            pixels.insert(pixels.end(), {rgb.r, rgb.g, rgb.b, static_cast<uint8_t>(c == '.' ? 0 : 255)});
        }
    }
    return Picture::fromPixels(kSide, kSide, PixelFormat::Rgba32, pixels);
}

} // namespace

void addStepStateIcons(ImageList& list) {
    list.Add("running", draw(kRunning, {0x2F, 0x6F, 0xD8}, {0x12, 0x3C, 0x8C}));
    list.Add("skipped", draw(kSkipped, {0xA8, 0xA8, 0xA8}, {0x70, 0x70, 0x70}));
    list.Add("passed", draw(kPassed, {0x3C, 0xB0, 0x3C}, {0x1E, 0x6E, 0x1E}));
}

} // namespace ov
