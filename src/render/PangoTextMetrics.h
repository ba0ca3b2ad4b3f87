#pragma once

#include "platform/TextMetricsService.h"

#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace ov {

// Text metrics from the fonts the renderer draws with (pango, through FontResolver): a line is as wide
// as its drawing advances, and a line of a font is as high as pango lays it out, both converted from
// pixels to twips with the current runtime's twips per pixel. Text is measured as it is, "&" included
// (access-key marks are a matter of the control that draws the text). A missing font counts as the
// standard font; a font name that is not installed is measured in the family drawn for it.
//
// Each font keeps one pango layout that every measurement in it reuses, and the widths of the texts
// measured last (at most kRememberedWidths per font), so that the same caption on a thousand pages is
// laid out once. A word-wrapped paragraph is laid out once: offsets() reads where each word ends.
class PangoTextMetrics : public TextMetricsService {
public:
    static constexpr size_t kRememberedWidths = 4096;

    PangoTextMetrics();
    ~PangoTextMetrics() override;
    PangoTextMetrics(const PangoTextMetrics&) = delete;
    PangoTextMetrics& operator=(const PangoTextMetrics&) = delete;

    float lineWidth(const FontRef& font, std::string_view line) const override;
    float lineHeight(const FontRef& font) const override;
    void offsets(const FontRef& font, std::string_view line, const std::vector<size_t>& ends,
                 std::vector<float>& out) const override;
    // Two pixels or a quarter of an em: kerning against the characters around a piece is less.
    float offsetTolerance(const FontRef& font) const override;

    // The installed family that draws fonts named `fontName` on this thread.
    static std::string familyFor(std::string_view fontName);

private:
    struct Measurer;
    // The measurer of `font` at the current screen, or null when its text cannot share a layout
    // (underlined or struck-through fonts, whose attributes cover a given text).
    Measurer* measurer(const FontRef& font) const;

    mutable std::vector<std::unique_ptr<Measurer>> m_measurers;
};

} // namespace ov
