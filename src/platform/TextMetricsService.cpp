#include "platform/TextMetricsService.h"

#include "platform/Font.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace ov {

namespace {

// Half the point size and 1.2 times it, at 20 twips a point, as whole factors so that the results
// are exact for sizes such as 8.25.
constexpr float kCharWidthPerPoint = 10.0f;
constexpr float kLineHeightPerPoint = 24.0f;

float pointSize(const FontRef& font) {
    return font ? font->Size() : Font::standard()->Size();
}

size_t codePoints(std::string_view s) {
    size_t n = 0;
    for (char c : s) {
        // Continuation bytes (10xxxxxx) belong to the character before them.
        if ((static_cast<unsigned char>(c) & 0xC0) != 0x80) ++n;
    }
    return n;
}

bool isBlank(char c) {
    return c == ' ';
}

} // namespace

std::vector<std::string_view> TextMetricsService::splitLines(std::string_view text) {
    std::vector<std::string_view> lines;
    size_t start = 0;
    size_t i = 0;
    while (i < text.size()) {
        if (text[i] == '\r' || text[i] == '\n') {
            lines.push_back(text.substr(start, i - start));
            if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
            start = ++i;
        } else {
            ++i;
        }
    }
    lines.push_back(text.substr(start));
    return lines;
}

float TextMetricsService::textWidth(const FontRef& font, std::string_view text) const {
    float widest = 0;
    for (auto line : splitLines(text))
        widest = std::max(widest, lineWidth(font, line));
    return widest;
}

float TextMetricsService::textHeight(const FontRef& font, std::string_view text) const {
    return static_cast<float>(splitLines(text).size()) * lineHeight(font);
}

void TextMetricsService::offsets(const FontRef& font, std::string_view line, const std::vector<size_t>& ends,
                                 std::vector<float>& out) const {
    out.clear();
    for (size_t end : ends)
        out.push_back(lineWidth(font, line.substr(0, end)));
}

float TextMetricsService::offsetTolerance(const FontRef&) const {
    // Offsets of prefixes tell nothing certain about the width of a piece in general: measure it.
    return std::numeric_limits<float>::infinity();
}

std::vector<std::string> TextMetricsService::wrap(const FontRef& font, std::string_view text,
                                                  float maxWidth) const {
    std::vector<std::string> out;
    const float tolerance = offsetTolerance(font);
    const bool measureAll = std::isinf(tolerance);
    std::vector<size_t> points; // word ends (a blank after a non-blank), word starts, the paragraph end
    std::vector<float> widths;  // their offsets
    for (auto para : splitLines(text)) {
        points.clear();
        for (size_t i = 1; i < para.size(); ++i) {
            if (isBlank(para[i]) != isBlank(para[i - 1])) points.push_back(i);
        }
        points.push_back(para.size());
        if (!measureAll) offsets(font, para, points, widths);
        auto offsetAt = [&](size_t at) -> float {
            if (measureAll || at == 0) return 0;
            return widths[static_cast<size_t>(std::lower_bound(points.begin(), points.end(), at) -
                                              points.begin())];
        };
        // Whether para[from, to) fits: decided from the offsets when they are clear of maxWidth by more
        // than the tolerance, else by measuring the piece.
        auto fits = [&](size_t from, size_t to) {
            if (!measureAll) {
                const float estimate = offsetAt(to) - offsetAt(from);
                if (estimate + tolerance < maxWidth) return true;
                if (estimate - tolerance > maxWidth) return false;
            }
            return lineWidth(font, para.substr(from, to - from)) <= maxWidth;
        };
        size_t pos = 0;
        bool first = true;
        // Each round takes the longest prefix (ending before a blank or at the end) that fits.
        while (first || pos < para.size()) {
            first = false;
            if (fits(pos, para.size())) {
                out.emplace_back(para.substr(pos));
                break;
            }
            // The first word end that does not fit ends the search: each longer prefix is wider.
            size_t fitEnd = std::string_view::npos; // in para
            for (auto it = std::upper_bound(points.begin(), points.end(), pos); it + 1 < points.end(); ++it) {
                if (!isBlank(para[*it])) continue; // a word start
                if (!fits(pos, *it)) break;
                fitEnd = *it;
            }
            std::string_view rest = para.substr(pos);
            size_t lineEnd = 0; // in rest
            if (fitEnd == std::string_view::npos) {
                // Nothing fits: the first word stands alone and overflows.
                while (lineEnd < rest.size() && isBlank(rest[lineEnd]))
                    ++lineEnd;
                while (lineEnd < rest.size() && !isBlank(rest[lineEnd]))
                    ++lineEnd;
            } else {
                lineEnd = fitEnd - pos;
            }
            std::string_view line = rest.substr(0, lineEnd);
            while (!line.empty() && isBlank(line.back()))
                line.remove_suffix(1);
            out.emplace_back(line);
            size_t next = lineEnd;
            while (next < rest.size() && isBlank(rest[next]))
                ++next;
            pos += next;
        }
    }
    return out;
}

float HeadlessTextMetrics::lineWidth(const FontRef& font, std::string_view line) const {
    return static_cast<float>(codePoints(line)) * pointSize(font) * kCharWidthPerPoint;
}

void HeadlessTextMetrics::offsets(const FontRef& font, std::string_view line, const std::vector<size_t>& ends,
                                  std::vector<float>& out) const {
    out.clear();
    const float perChar = pointSize(font) * kCharWidthPerPoint;
    size_t chars = 0, at = 0;
    for (size_t end : ends) {
        chars += codePoints(line.substr(at, end - at));
        at = end;
        out.push_back(static_cast<float>(chars) * perChar);
    }
}

float HeadlessTextMetrics::offsetTolerance(const FontRef&) const {
    // The offsets add the same character widths as lineWidth does, in another order of rounding.
    return 0.5f;
}

float HeadlessTextMetrics::lineHeight(const FontRef& font) const {
    return pointSize(font) * kLineHeightPerPoint;
}

} // namespace ov
