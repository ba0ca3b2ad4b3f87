#pragma once

#include <cstdint>

namespace ov {

// An OLE colour: an RGB triple (0x00BBGGRR) or, with the high bit set, a system-colour index.
using OleColor = uint32_t;

namespace sysColor {
inline constexpr OleColor ScrollBar = 0x80000000;
inline constexpr OleColor Desktop = 0x80000001;
inline constexpr OleColor ActiveTitleBar = 0x80000002;
inline constexpr OleColor InactiveTitleBar = 0x80000003;
inline constexpr OleColor MenuBar = 0x80000004;
inline constexpr OleColor WindowBackground = 0x80000005;
inline constexpr OleColor WindowFrame = 0x80000006;
inline constexpr OleColor MenuText = 0x80000007;
inline constexpr OleColor WindowText = 0x80000008;
inline constexpr OleColor TitleBarText = 0x80000009;
inline constexpr OleColor ActiveBorder = 0x8000000A;
inline constexpr OleColor InactiveBorder = 0x8000000B;
inline constexpr OleColor ApplicationWorkspace = 0x8000000C;
inline constexpr OleColor Highlight = 0x8000000D;
inline constexpr OleColor HighlightText = 0x8000000E;
inline constexpr OleColor ButtonFace = 0x8000000F;
inline constexpr OleColor ButtonShadow = 0x80000010;
inline constexpr OleColor GrayText = 0x80000011;
inline constexpr OleColor ButtonText = 0x80000012;
inline constexpr OleColor InactiveCaptionText = 0x80000013;
inline constexpr OleColor ButtonHighlight = 0x80000014;
inline constexpr OleColor ButtonDarkShadow = 0x80000015;
inline constexpr OleColor ButtonLight = 0x80000016;
inline constexpr OleColor InfoText = 0x80000017;
inline constexpr OleColor InfoBackground = 0x80000018;
} // namespace sysColor

struct Rgb {
    uint8_t r = 0, g = 0, b = 0;
    bool operator==(const Rgb&) const = default;
};

constexpr OleColor rgb(uint8_t r, uint8_t g, uint8_t b) {
    return static_cast<OleColor>(r) | (static_cast<OleColor>(g) << 8) | (static_cast<OleColor>(b) << 16);
}
constexpr bool isSystemColor(OleColor c) {
    return (c & 0x80000000u) != 0;
}

// Resolves a colour to RGB: system colours through the one table of classic desktop colours; an
// unknown system index resolves to black.
Rgb resolveColor(OleColor c);

} // namespace ov
