#include "platform/TextMetricsService.h"

#include "platform/Font.h"

#include <algorithm>

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
        if ((static_cast<unsigned char>(c) & 0xC0) != 0x80)
            ++n;
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
            if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n')
                ++i;
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

std::vector<std::string> TextMetricsService::wrap(const FontRef& font, std::string_view text,
                                                  float maxWidth) const {
    std::vector<std::string> out;
    for (auto para : splitLines(text)) {
        size_t pos = 0;
        bool first = true;
        // Each round takes the longest prefix (ending before a blank or at the end) that fits.
        while (first || pos < para.size()) {
            first = false;
            std::string_view rest = para.substr(pos);
            if (lineWidth(font, rest) <= maxWidth) {
                out.emplace_back(rest);
                break;
            }
            size_t fitEnd = std::string_view::npos; // end of the longest fitting prefix
            for (size_t i = 1; i < rest.size(); ++i) {
                if (isBlank(rest[i]) && !isBlank(rest[i - 1])) {
                    if (lineWidth(font, rest.substr(0, i)) <= maxWidth)
                        fitEnd = i;
                    else
                        break;
                }
            }
            if (fitEnd == std::string_view::npos) {
                // Nothing fits: the first word stands alone and overflows.
                fitEnd = 0;
                while (fitEnd < rest.size() && isBlank(rest[fitEnd]))
                    ++fitEnd;
                while (fitEnd < rest.size() && !isBlank(rest[fitEnd]))
                    ++fitEnd;
            }
            std::string_view line = rest.substr(0, fitEnd);
            while (!line.empty() && isBlank(line.back()))
                line.remove_suffix(1);
            out.emplace_back(line);
            size_t next = fitEnd;
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

float HeadlessTextMetrics::lineHeight(const FontRef& font) const {
    return pointSize(font) * kLineHeightPerPoint;
}

} // namespace ov
