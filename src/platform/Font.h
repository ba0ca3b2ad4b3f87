#pragma once

#include "platform/Forward.h"
#include "platform/Object.h"

#include <cstdint>
#include <string>

namespace ov {

// The host's standard font: a shared, immutable description. Controls that share a font share the
// reference; a changed font is a new object.
class Font : public Object {
    OV_OBJECT(StdFont)
public:
    struct Spec {
        std::string name = "MS Sans Serif";
        float size = 8.25f;
        bool bold = false;
        bool italic = false;
        bool underline = false;
        bool strikethrough = false;
        int16_t weight = 400;
        int16_t charset = 0;
        bool operator==(const Spec&) const = default;
    };

    static FontRef create(Spec spec);
    static FontRef create(std::string name, float size, bool bold = false);
    // The one shared default font (MS Sans Serif 8.25): what forms and constituent controls start with.
    static FontRef standard();

    const Spec& spec() const { return m_spec; }
    std::string Name() const { return m_spec.name; }
    float Size() const { return m_spec.size; }
    bool Bold() const { return m_spec.bold; }
    bool Italic() const { return m_spec.italic; }
    bool Underline() const { return m_spec.underline; }
    bool Strikethrough() const { return m_spec.strikethrough; }
    int16_t Weight() const { return m_spec.weight; }
    int16_t Charset() const { return m_spec.charset; }

    static void describe(ClassBuilder<Font>& b);

    explicit Font(Spec spec) : m_spec(std::move(spec)) {}

private:
    Spec m_spec;
};

} // namespace ov
