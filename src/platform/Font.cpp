#include "platform/Font.h"

#include "platform/ClassBuilder.h"

#include <algorithm>

namespace ov {

const ClassInfo& Font::staticClass() {
    return buildClassInfo<Font>([](ClassInfo& i) {
        i.guid = "{BEF6E003-A874-101A-8BBA-00AA00300CAB}"; // the host's standard font interface
        i.published = false;
    });
}

void Font::describe(ClassBuilder<Font>& b) {
    b.property("Name", 0, &Font::Name);
    b.property("Size", 2, &Font::Size);
    b.property("Bold", 3, &Font::Bold);
    b.property("Italic", 4, &Font::Italic);
    b.property("Underline", 5, &Font::Underline);
    b.property("Strikethrough", 6, &Font::Strikethrough);
    b.property("Weight", 7, &Font::Weight);
    b.property("Charset", 8, &Font::Charset);
}

FontRef Font::create(Attributes attrs) {
    // Bold and weight describe the same thing; keep them in step.
    if (attrs.bold && attrs.weight < 700) attrs.weight = 700;
    attrs.bold = attrs.weight >= 600;
    return std::make_shared<const Font>(std::move(attrs));
}

FontRef Font::standard() {
    static const FontRef font = create(Attributes{});
    return font;
}

FontRef Font::create(std::string name, float size, bool bold) {
    Attributes s;
    s.name = std::move(name);
    s.size = size;
    s.bold = bold;
    return create(std::move(s));
}

} // namespace ov
