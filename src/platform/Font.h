#pragma once

#include "platform/Forward.h"
#include "platform/Object.h"

#include <cstdint>
#include <string>

namespace ov {

// The host's standard font: a shared, immutable description. Controls that share a font share the
// reference; a changed font is a new object. Being immutable, a font may be shared by every thread.
class Font : public Object {
    OV_OBJECT(StdFont)
public:
    struct Attributes {
        std::string name = "MS Sans Serif";
        float size = 8.25f;
        bool bold = false;
        bool italic = false;
        bool underline = false;
        bool strikethrough = false;
        int16_t weight = 400;
        int16_t charset = 0;
        bool operator==(const Attributes&) const = default;
    };

    static FontRef create(Attributes attrs);
    static FontRef create(std::string name, float size, bool bold = false);
    // The one shared default font (MS Sans Serif 8.25): what forms and constituent controls start with.
    static FontRef standard();

    const Attributes& attributes() const { return m_attributes; }
    std::string Name() const { return m_attributes.name; }
    float Size() const { return m_attributes.size; }
    bool Bold() const { return m_attributes.bold; }
    bool Italic() const { return m_attributes.italic; }
    bool Underline() const { return m_attributes.underline; }
    bool Strikethrough() const { return m_attributes.strikethrough; }
    int16_t Weight() const { return m_attributes.weight; }
    int16_t Charset() const { return m_attributes.charset; }

    static void describe(ClassBuilder<Font>& b);

    explicit Font(Attributes attrs) : Object(AnyThread{}), m_attributes(std::move(attrs)) {}

private:
    Attributes m_attributes;
};

} // namespace ov
