#pragma once

#include "platform/Forward.h"

#include <string>
#include <string_view>
#include <vector>

namespace ov {

// Measures text in a font, in twips. Text may hold several lines: CR LF, LF or CR each end a line.
// The width of text is that of its widest line; its height is the number of lines times the font's
// line height (an empty text is one line high, as the host measures it). Controls measure through
// the current runtime's service; a renderer installs one with real font metrics, so that what is
// measured is what is drawn.
class TextMetricsService {
public:
    virtual ~TextMetricsService() = default;

    // Width of one line of text (no line breaks in it).
    virtual float lineWidth(const FontRef& font, std::string_view line) const = 0;
    // Height of one line of the font.
    virtual float lineHeight(const FontRef& font) const = 0;

    float textWidth(const FontRef& font, std::string_view text) const;
    float textHeight(const FontRef& font, std::string_view text) const;

    // Breaks text into lines no wider than maxWidth, the way a word-wrapping label does: explicit line
    // breaks always break; otherwise a line breaks at the last blank that lets it fit, and the blanks
    // at a break are dropped. A word wider than maxWidth is not split: it stands alone on its line and
    // overflows. Blanks inside a line are kept. An empty text gives one empty line. "Fits" is decided
    // by lineWidth of the line; each paragraph is laid out once (offsets) and only widths near
    // maxWidth are measured on their own.
    std::vector<std::string> wrap(const FontRef& font, std::string_view text, float maxWidth) const;

    // Where each of `ends` (ascending byte offsets into `line`, each at a character boundary, the last
    // at most line.size()) lies from the start of the line: the width of the line up to there, as laid
    // out whole. A piece of the line from a to b then is about offsets(b) - offsets(a) wide: within
    // offsetTolerance() of lineWidth of the piece. This default measures each prefix with lineWidth.
    virtual void offsets(const FontRef& font, std::string_view line, const std::vector<size_t>& ends,
                         std::vector<float>& out) const;
    // How far a width taken from offsets() may be from lineWidth of the same text (0: exactly the same).
    virtual float offsetTolerance(const FontRef& font) const;

    // Splits at explicit line breaks only.
    static std::vector<std::string_view> splitLines(std::string_view text);
};

// The headless metrics: deterministic and font-name blind. Every character (a UTF-8 code point) is
// half the font size wide and a line is 1.2 times the font size high, in points, at 20 twips a point:
// with the standard 8.25-point font a character is 82.5 twips wide and a line 198 twips high. Bold,
// italic and the other attributes change nothing. A missing font counts as the standard font.
class HeadlessTextMetrics : public TextMetricsService {
public:
    float lineWidth(const FontRef& font, std::string_view line) const override;
    float lineHeight(const FontRef& font) const override;
    // Widths add up exactly: one pass over the characters.
    void offsets(const FontRef& font, std::string_view line, const std::vector<size_t>& ends,
                 std::vector<float>& out) const override;
    float offsetTolerance(const FontRef& font) const override;
};

} // namespace ov
