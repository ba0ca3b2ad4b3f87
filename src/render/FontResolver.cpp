#include "render/FontResolver.h"

#include "platform/Font.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <cmath>

namespace ov {

namespace {

std::string lowerCase(std::string_view s) {
    std::string out(s);
    for (char& c : out)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return out;
}

struct Alias {
    const char* name;
    std::array<const char*, 3> candidates;
};

// Families of the classic desktop and what stands in for them here, best first. Liberation fonts have
// the metrics of Arial, Times New Roman and Courier New, so text fits where the designer put it; the
// dialog faces are narrow sans faces, closer to Arial than to the wide DejaVu Sans.
constexpr std::array kAliases{
    Alias{"arial", {"Liberation Sans", "Arimo", "DejaVu Sans"}},
    Alias{"arial unicode ms", {"Liberation Sans", "Arimo", "DejaVu Sans"}},
    Alias{"ms sans serif", {"Liberation Sans", "DejaVu Sans", nullptr}},
    Alias{"microsoft sans serif", {"Liberation Sans", "DejaVu Sans", nullptr}},
    Alias{"ms shell dlg", {"Liberation Sans", "DejaVu Sans", nullptr}},
    Alias{"ms shell dlg 2", {"Liberation Sans", "DejaVu Sans", nullptr}},
    Alias{"tahoma", {"Liberation Sans", "DejaVu Sans", nullptr}},
    Alias{"helvetica", {"Liberation Sans", "DejaVu Sans", nullptr}},
    Alias{"verdana", {"DejaVu Sans", "Liberation Sans", nullptr}},
    Alias{"times new roman", {"Liberation Serif", "Tinos", "DejaVu Serif"}},
    Alias{"times", {"Liberation Serif", "DejaVu Serif", nullptr}},
    Alias{"courier new", {"Liberation Mono", "Cousine", "DejaVu Sans Mono"}},
    Alias{"courier", {"Liberation Mono", "DejaVu Sans Mono", nullptr}},
};

constexpr const char* kLastResort = "DejaVu Sans";

// Removes the access-key marks: each "&" makes the next character an access key and is dropped,
// "&&" stands for one "&". Returns the byte ranges of the access keys in the cleaned text.
std::vector<std::pair<size_t, size_t>> stripAccessKeys(std::string& text) {
    std::vector<std::pair<size_t, size_t>> keys;
    std::string out;
    out.reserve(text.size());
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '&') {
            out += text[i];
            continue;
        }
        if (i + 1 >= text.size()) break; // a trailing mark has no character to mark
        if (text[i + 1] == '&') {
            out += '&';
            ++i;
            continue;
        }
        // The marked character, with its continuation bytes.
        size_t end = i + 2;
        while (end < text.size() && (static_cast<unsigned char>(text[end]) & 0xC0) == 0x80)
            ++end;
        keys.emplace_back(out.size(), end - (i + 1));
        out.append(text, i + 1, end - (i + 1));
        i = end - 1;
    }
    text = std::move(out);
    return keys;
}

std::string validUtf8(std::string_view text) {
    if (g_utf8_validate(text.data(), static_cast<gssize>(text.size()), nullptr)) return std::string(text);
    gchar* fixed = g_utf8_make_valid(text.data(), static_cast<gssize>(text.size()));
    std::string out(fixed);
    g_free(fixed);
    return out;
}

void insertAttribute(PangoAttrList* list, PangoAttribute* attr, size_t start, size_t end) {
    attr->start_index = static_cast<guint>(start);
    attr->end_index = static_cast<guint>(end);
    pango_attr_list_insert(list, attr);
}

} // namespace

FontResolver& FontResolver::forThisThread() {
    thread_local FontResolver resolver;
    return resolver;
}

FontResolver::FontResolver() {
    m_fontMap = pango_cairo_font_map_new();
    m_context = pango_font_map_create_context(m_fontMap);
    // Fixed options rather than those of a target surface, so that a measurement made without a
    // surface equals the drawing. Metrics are hinted: advances are whole pixels.
    cairo_font_options_t* options = cairo_font_options_create();
    cairo_font_options_set_antialias(options, CAIRO_ANTIALIAS_GRAY);
    cairo_font_options_set_hint_style(options, CAIRO_HINT_STYLE_SLIGHT);
    cairo_font_options_set_hint_metrics(options, CAIRO_HINT_METRICS_ON);
    pango_cairo_context_set_font_options(m_context, options);
    cairo_font_options_destroy(options);
    pango_cairo_context_set_resolution(m_context, 96);

    PangoFontFamily** families = nullptr;
    int count = 0;
    pango_font_map_list_families(m_fontMap, &families, &count);
    for (int i = 0; i < count; ++i)
        m_installed.emplace_back(pango_font_family_get_name(families[i]));
    g_free(families);
}

FontResolver::~FontResolver() {
    g_object_unref(m_context);
    g_object_unref(m_fontMap);
}

const std::string& FontResolver::family(std::string_view name) {
    std::string key = lowerCase(name);
    if (auto it = m_resolved.find(key); it != m_resolved.end()) return it->second;
    auto installed = [this](std::string_view wanted) -> const std::string* {
        std::string w = lowerCase(wanted);
        for (const auto& f : m_installed) {
            if (lowerCase(f) == w) return &f;
        }
        return nullptr;
    };
    const std::string* found = installed(name);
    if (!found) {
        for (const Alias& a : kAliases) {
            if (key != a.name) continue;
            for (const char* candidate : a.candidates) {
                if (candidate && (found = installed(candidate))) break;
            }
            break;
        }
    }
    if (!found) found = installed(kLastResort);
    std::string result = found ? *found : std::string("Sans");
    return m_resolved.emplace(std::move(key), std::move(result)).first->second;
}

LayoutPtr FontResolver::layout(const FontRef& font, std::string_view text, int32_t twipsPerPixelY,
                               bool accessKeys) {
    const Font& f = font ? *font : *Font::standard();
    std::string clean = validUtf8(text);
    auto keys = accessKeys ? stripAccessKeys(clean) : std::vector<std::pair<size_t, size_t>>{};

    PangoFontDescription* desc = pango_font_description_new();
    pango_font_description_set_family(desc, family(f.Name()).c_str());
    // Twenty twips a point: the pixel size is points × 20 / twips per pixel.
    const double pixels = std::max(1.0, static_cast<double>(f.Size()) * 20.0 / std::max(1, twipsPerPixelY));
    pango_font_description_set_absolute_size(desc, pixels * PANGO_SCALE);
    const int weight = std::clamp(static_cast<int>(f.Weight()), 100, 1000);
    pango_font_description_set_weight(desc, static_cast<PangoWeight>(weight));
    pango_font_description_set_style(desc, f.Italic() ? PANGO_STYLE_ITALIC : PANGO_STYLE_NORMAL);

    LayoutPtr layout(pango_layout_new(m_context));
    pango_layout_set_font_description(layout.get(), desc);
    pango_font_description_free(desc);
    pango_layout_set_single_paragraph_mode(layout.get(), TRUE);
    pango_layout_set_text(layout.get(), clean.c_str(), static_cast<int>(clean.size()));

    PangoAttrList* attrs = pango_attr_list_new();
    if (f.Underline())
        insertAttribute(attrs, pango_attr_underline_new(PANGO_UNDERLINE_SINGLE), 0, clean.size());
    else {
        for (auto [start, length] : keys)
            insertAttribute(attrs, pango_attr_underline_new(PANGO_UNDERLINE_SINGLE), start, start + length);
    }
    if (f.Strikethrough()) insertAttribute(attrs, pango_attr_strikethrough_new(TRUE), 0, clean.size());
    pango_layout_set_attributes(layout.get(), attrs);
    pango_attr_list_unref(attrs);
    return layout;
}

double FontResolver::widthOf(PangoLayout* layout) {
    PangoRectangle logical;
    pango_layout_get_extents(layout, nullptr, &logical);
    return static_cast<double>(logical.width) / PANGO_SCALE;
}

double FontResolver::heightOf(PangoLayout* layout) {
    PangoRectangle logical;
    pango_layout_get_extents(layout, nullptr, &logical);
    return static_cast<double>(logical.height) / PANGO_SCALE;
}

} // namespace ov
