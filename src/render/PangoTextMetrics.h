#pragma once

#include "platform/TextMetricsService.h"

#include <string>
#include <string_view>

namespace ov {

// Text metrics from the fonts the renderer draws with (pango, through FontResolver): a line is as wide
// as its drawing advances, and a line of a font is as high as pango lays it out, both converted from
// pixels to twips with the current runtime's twips per pixel. Text is measured as it is, "&" included
// (access-key marks are a matter of the control that draws the text). A missing font counts as the
// standard font; a font name that is not installed is measured in the family drawn for it.
class PangoTextMetrics : public TextMetricsService {
public:
    float lineWidth(const FontRef& font, std::string_view line) const override;
    float lineHeight(const FontRef& font) const override;

    // The installed family that draws fonts named `fontName` on this thread.
    static std::string familyFor(std::string_view fontName);
};

} // namespace ov
