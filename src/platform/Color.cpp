#include "platform/Color.h"

#include <array>

namespace ov {

namespace {

// The classic desktop scheme, indexed by system-colour number.
constexpr std::array<Rgb, 25> kSystemColors{{
    {200, 200, 200}, // scroll bar
    {58, 110, 165},  // desktop
    {10, 36, 106},   // active title bar
    {128, 128, 128}, // inactive title bar
    {212, 208, 200}, // menu bar
    {255, 255, 255}, // window background
    {0, 0, 0},       // window frame
    {0, 0, 0},       // menu text
    {0, 0, 0},       // window text
    {255, 255, 255}, // title bar text
    {212, 208, 200}, // active border
    {212, 208, 200}, // inactive border
    {128, 128, 128}, // application workspace
    {10, 36, 106},   // highlight
    {255, 255, 255}, // highlight text
    {212, 208, 200}, // button face
    {128, 128, 128}, // button shadow
    {128, 128, 128}, // grey text
    {0, 0, 0},       // button text
    {212, 208, 200}, // inactive caption text
    {255, 255, 255}, // button highlight
    {64, 64, 64},    // button dark shadow
    {212, 208, 200}, // button light
    {0, 0, 0},       // info text
    {255, 255, 225}, // info background
}};

} // namespace

Rgb resolveColor(OleColor c) {
    if (isSystemColor(c)) {
        uint32_t index = c & 0xFFFFu;
        return index < kSystemColors.size() ? kSystemColors[index] : Rgb{};
    }
    return Rgb{static_cast<uint8_t>(c & 0xFF), static_cast<uint8_t>((c >> 8) & 0xFF),
               static_cast<uint8_t>((c >> 16) & 0xFF)};
}

} // namespace ov
