#include "render/PangoTextMetrics.h"

#include "platform/Runtime.h"
#include "render/FontResolver.h"

namespace ov {

float PangoTextMetrics::lineWidth(const FontRef& font, std::string_view line) const {
    const Runtime& rt = Runtime::current();
    LayoutPtr layout = FontResolver::forThisThread().layout(font, line, rt.twipsPerPixelY());
    return static_cast<float>(FontResolver::widthOf(layout.get()) * rt.twipsPerPixelX());
}

float PangoTextMetrics::lineHeight(const FontRef& font) const {
    const Runtime& rt = Runtime::current();
    LayoutPtr layout = FontResolver::forThisThread().layout(font, "", rt.twipsPerPixelY());
    return static_cast<float>(FontResolver::heightOf(layout.get()) * rt.twipsPerPixelY());
}

std::string PangoTextMetrics::familyFor(std::string_view fontName) {
    return FontResolver::forThisThread().family(fontName);
}

} // namespace ov
