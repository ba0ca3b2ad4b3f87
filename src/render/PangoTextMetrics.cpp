#include "render/PangoTextMetrics.h"

#include "platform/Font.h"
#include "platform/Runtime.h"
#include "render/FontResolver.h"

#include <algorithm>
#include <functional>
#include <unordered_map>

namespace ov {

namespace {

struct TextHash {
    using is_transparent = void;
    size_t operator()(std::string_view s) const { return std::hash<std::string_view>{}(s); }
};

} // namespace

struct PangoTextMetrics::Measurer {
    Font::Attributes attributes;
    int32_t twipsPerPixelY = 0;
    LayoutPtr layout;
    double heightPixels = 0;
    std::unordered_map<std::string, double, TextHash, std::equal_to<>> widthsPixels;
    // Where the clusters of a line start (byte index, x in pango units), for lines wrapped lately;
    // empty for a line that does not run left to right.
    std::unordered_map<std::string, std::vector<std::pair<size_t, int>>, TextHash, std::equal_to<>> clusters;

    // Lays `text` (valid UTF-8) out in the shared layout.
    PangoLayout* lay(std::string_view text) {
        pango_layout_set_text(layout.get(), text.data(), static_cast<int>(text.size()));
        return layout.get();
    }
};

PangoTextMetrics::PangoTextMetrics() = default;
PangoTextMetrics::~PangoTextMetrics() = default;

PangoTextMetrics::Measurer* PangoTextMetrics::measurer(const FontRef& font) const {
    const Font& f = font ? *font : *Font::standard();
    if (f.Underline() || f.Strikethrough()) return nullptr;
    const int32_t tpp = Runtime::current().twipsPerPixelY();
    for (const auto& m : m_measurers) {
        if (m->twipsPerPixelY == tpp && m->attributes == f.attributes()) return m.get();
    }
    auto m = std::make_unique<Measurer>();
    m->attributes = f.attributes();
    m->twipsPerPixelY = tpp;
    m->layout = FontResolver::forThisThread().layout(font, "", tpp);
    m->heightPixels = FontResolver::heightOf(m->layout.get());
    m_measurers.push_back(std::move(m));
    return m_measurers.back().get();
}

float PangoTextMetrics::lineWidth(const FontRef& font, std::string_view line) const {
    const Runtime& rt = Runtime::current();
    Measurer* m = measurer(font);
    if (!m || !g_utf8_validate(line.data(), static_cast<gssize>(line.size()), nullptr)) {
        LayoutPtr layout = FontResolver::forThisThread().layout(font, line, rt.twipsPerPixelY());
        return static_cast<float>(FontResolver::widthOf(layout.get()) * rt.twipsPerPixelX());
    }
    // The same text in the same font is as wide as it was: a remembered width saves the layout.
    auto it = m->widthsPixels.find(line);
    if (it == m->widthsPixels.end()) {
        if (m->widthsPixels.size() >= kRememberedWidths) m->widthsPixels.clear();
        it = m->widthsPixels.emplace(std::string(line), FontResolver::widthOf(m->lay(line))).first;
    }
    return static_cast<float>(it->second * rt.twipsPerPixelX());
}

float PangoTextMetrics::lineHeight(const FontRef& font) const {
    const Runtime& rt = Runtime::current();
    if (Measurer* m = measurer(font)) return static_cast<float>(m->heightPixels * rt.twipsPerPixelY());
    LayoutPtr layout = FontResolver::forThisThread().layout(font, "", rt.twipsPerPixelY());
    return static_cast<float>(FontResolver::heightOf(layout.get()) * rt.twipsPerPixelY());
}

void PangoTextMetrics::offsets(const FontRef& font, std::string_view line, const std::vector<size_t>& ends,
                               std::vector<float>& out) const {
    Measurer* m = measurer(font);
    if (!m || !g_utf8_validate(line.data(), static_cast<gssize>(line.size()), nullptr)) {
        TextMetricsService::offsets(font, line, ends, out);
        return;
    }
    // One layout of the line; each cluster's x is the width of the line before it.
    auto known = m->clusters.find(line);
    if (known == m->clusters.end()) {
        if (m->clusters.size() >= kRememberedWidths) m->clusters.clear();
        PangoLayout* layout = m->lay(line);
        std::vector<std::pair<size_t, int>> found;
        PangoLayoutIter* iter = pango_layout_get_iter(layout);
        bool leftToRight = true;
        do {
            PangoRectangle logical;
            pango_layout_iter_get_cluster_extents(iter, nullptr, &logical);
            const auto index = static_cast<size_t>(pango_layout_iter_get_index(iter));
            if (!found.empty() && (logical.x < found.back().second || index < found.back().first))
                leftToRight = false;
            found.emplace_back(index, logical.x);
        } while (pango_layout_iter_next_cluster(iter));
        pango_layout_iter_free(iter);
        if (!leftToRight) found.clear();
        if (!m->widthsPixels.contains(line) && m->widthsPixels.size() < kRememberedWidths)
            m->widthsPixels.emplace(std::string(line), FontResolver::widthOf(layout));
        known = m->clusters.emplace(std::string(line), std::move(found)).first;
    }
    const std::vector<std::pair<size_t, int>>& clusters = known->second;
    if (clusters.empty()) {
        // Right-to-left runs: positions are no widths; measure each prefix.
        TextMetricsService::offsets(font, line, ends, out);
        return;
    }
    const double tppX = Runtime::current().twipsPerPixelX();
    const double whole = lineWidth(font, line) / tppX;
    out.clear();
    for (size_t end : ends) {
        double pixels = whole;
        if (end < line.size()) {
            auto it =
                std::lower_bound(clusters.begin(), clusters.end(), end,
                                 [](const std::pair<size_t, int>& c, size_t at) { return c.first < at; });
            if (it != clusters.end()) pixels = static_cast<double>(it->second) / PANGO_SCALE;
        }
        out.push_back(static_cast<float>(pixels * tppX));
    }
}

float PangoTextMetrics::offsetTolerance(const FontRef& font) const {
    const Font& f = font ? *font : *Font::standard();
    const Runtime& rt = Runtime::current();
    // A piece laid out alone differs from its place in the whole line only by the kerning against the
    // characters around it (a fraction of a pixel, rounded to whole pixels by hinting on each side):
    // two pixels, or a quarter of an em in large fonts, is well clear of that.
    const double em = static_cast<double>(f.Size()) * 20.0 / std::max(1, rt.twipsPerPixelY());
    return static_cast<float>(std::max(2.0, em / 4) * rt.twipsPerPixelX());
}

std::string PangoTextMetrics::familyFor(std::string_view fontName) {
    return FontResolver::forThisThread().family(fontName);
}

} // namespace ov
