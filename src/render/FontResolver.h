#pragma once

#include "platform/Forward.h"

#include <cstdint>
#include <memory>
#include <pango/pangocairo.h>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace ov {

struct GObjectUnref {
    void operator()(void* object) const { g_object_unref(object); }
};
using LayoutPtr = std::unique_ptr<PangoLayout, GObjectUnref>;

// Turns the host's fonts into pango layouts. One per thread (pango font maps are not shared between
// threads); the text metrics service and the renderer both use it, so that text is measured and drawn
// with the same font map, the same font options and the same pixel size.
//
// Families. A font name is looked up among the installed families (letter case ignored). A name that
// is not installed goes through a table of metric-compatible or look-alike families ("Arial" and the
// classic dialog faces "MS Sans Serif", "Tahoma" → Liberation Sans; "Times New Roman" → Liberation
// Serif; "Courier New" → Liberation Mono; "Verdana" → DejaVu Sans), taking the first one installed;
// anything else is drawn with DejaVu Sans, or with the font map's "Sans" when even that is missing.
//
// Size. A font's size is in points; one point is 20 twips, so a pixel size follows from the screen's
// vertical twips per pixel (15 twips per pixel is 96 dpi: 8.25 points are 11 pixels).
class FontResolver {
public:
    static FontResolver& forThisThread();

    FontResolver();
    ~FontResolver();
    FontResolver(const FontResolver&) = delete;
    FontResolver& operator=(const FontResolver&) = delete;

    // The installed family that draws fonts of this name.
    const std::string& family(std::string_view name);

    // A one-line layout of `text` in `font` (null: the standard font) for a screen of
    // `twipsPerPixelY`. Bold (weight), italic, underline and strikethrough are applied. With
    // `accessKeys`, "&" marks the next character as an access key (underlined, the "&" not drawn) and
    // "&&" stands for one "&". Line breaks in `text` are drawn as they are; callers split lines first.
    // Text that is not valid UTF-8 has its bad bytes replaced.
    LayoutPtr layout(const FontRef& font, std::string_view text, int32_t twipsPerPixelY,
                     bool accessKeys = false);

    // The logical size of a layout in pixels (fractions included).
    static double widthOf(PangoLayout* layout);
    static double heightOf(PangoLayout* layout);

private:
    PangoFontMap* m_fontMap = nullptr;
    PangoContext* m_context = nullptr;
    std::vector<std::string> m_installed;                    // family names as the font map has them
    std::unordered_map<std::string, std::string> m_resolved; // lower-case name → family
};

} // namespace ov
