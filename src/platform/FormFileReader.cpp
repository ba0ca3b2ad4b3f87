#include "platform/FormFileReader.h"

#include "platform/Base64.h"
#include "platform/Failure.h"
#include "platform/Font.h"
#include "platform/FormFile.h"
#include "platform/FormFileWhere.h"
#include "platform/JsonTape.h"
#include "platform/Persistable.h"
#include "platform/Picture.h"
#include "platform/Text.h"
#include "platform/TypeRegistry.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <nlohmann/json.hpp>
#include <optional>
#include <sstream>
#include <unordered_set>
#include <utility>
#include <vector>

namespace ov {

namespace {

using Json = nlohmann::ordered_json;
using Node = JsonTape::Node;
using Member = std::optional<Node>;

std::string numberText(double v) {
    if (v == std::floor(v) && std::fabs(v) < 1e15) return std::to_string(static_cast<long long>(v));
    std::ostringstream s;
    s << v;
    return s.str();
}

using Where = FormFileWhere;

class Reader {
public:
    explicit Reader(const std::string& path) : m_path(path) {}

    void read(std::string_view text, FormFilePlan& plan) {
        // The text is read into a list of tokens, not a tree; the checks below then walk the tokens in the
        // order they always have (format, version, name, ...), whatever the order of the text.
        if (!m_tape.parse(text, FormFile::kMaxValues)) refuse(text);
        const Node doc = 0;
        if (!m_tape.isObject(doc)) fail("not a form file (not a JSON object)");
        Member format = member(doc, "format");
        if (!format || !m_tape.isString(*format) || !equalsNoCase(m_tape.string(*format), FormFile::kFormat))
            fail(std::string("not a form file (its format is not \"") + FormFile::kFormat + "\")");
        Member version = member(doc, "version");
        if (!version) fail("the file has no version");
        const int64_t v = whole(*version, "the version", 1, std::numeric_limits<int32_t>::max());
        if (v > FormFile::kVersion) {
            fail("version " + std::to_string(v) + " is newer than this library reads (" +
                 std::to_string(FormFile::kVersion) + ")");
        }
        Member name = member(doc, "name");
        if (!name) fail("the form has no name");
        plan.name = string(*name, "the form name");
        if (!FormFile::isName(plan.name))
            fail("the form name '" + shown(plan.name) + "' is not an identifier");
        if (Member p = member(doc, "properties")) formProperties(*p, plan);
        if (Member c = member(doc, "controls")) controls(*c, plan);
        if (Member z = member(doc, "zOrder")) zOrder(*z, plan);
    }

private:
    // Text the tokens refused: nlohmann's parser, which takes the same texts, words the problem (where
    // the text breaks, or that it holds too many values). Its tree is bounded the same way, by counting
    // the values as they are parsed.
    [[noreturn]] void refuse(std::string_view text) const {
        struct TooManyValues {};
        size_t values = 0;
        auto count = [&values](int, Json::parse_event_t event, Json&) {
            if (event != Json::parse_event_t::key && event != Json::parse_event_t::object_end &&
                event != Json::parse_event_t::array_end && ++values > FormFile::kMaxValues)
                throw TooManyValues{};
            return true;
        };
        try {
            const Json parsed = Json::parse(text.begin(), text.end(), count);
        } catch (const TooManyValues&) {
            fail("more than " + std::to_string(FormFile::kMaxValues) + " JSON values");
        } catch (const Json::parse_error& e) {
            fail("not valid JSON (" + position(text, e.byte) + ")");
        } catch (const Json::exception&) {
        }
        // Taken by nlohmann but not by the tokens: only a text of 2^48 bytes or more in one string.
        fail("not valid JSON");
    }

    [[noreturn]] void fail(const std::string& problem) const {
        std::string where = m_where;
        for (const Entry& e : m_entries)
            where += e.key ? "property " + *e.key + ": " : "property #" + std::to_string(e.number) + ": ";
        throw Failure(err::InvalidFileFormat,
                      failureText(err::InvalidFileFormat) + ": " + m_path + ": " + where + problem);
    }

    // The property entries being read, outermost first: a failure names the innermost as "property
    // #2: " until its key is known, then "property Caption: ". Kept apart from m_where, and put into
    // words only when something fails, because a wizard's file holds tens of thousands of entries.
    struct Entry {
        size_t number;
        const std::string* key;
    };
    class EntryPlace {
    public:
        EntryPlace(std::vector<Entry>& entries, size_t number) : m_entries(entries) {
            m_entries.push_back({number, nullptr});
        }
        ~EntryPlace() { m_entries.pop_back(); }
        EntryPlace(const EntryPlace&) = delete;
        EntryPlace& operator=(const EntryPlace&) = delete;
        void named(const std::string& key) { m_entries.back().key = &key; }

    private:
        std::vector<Entry>& m_entries;
    };

    static std::string position(std::string_view text, size_t byte) {
        // The parser counts from 1 and may point one past the end.
        const size_t end = std::min(byte > 0 ? byte - 1 : 0, text.size());
        size_t line = 1, column = 1;
        for (size_t i = 0; i < end; ++i) {
            if (text[i] == '\n') {
                ++line;
                column = 1;
            } else {
                ++column;
            }
        }
        return "line " + std::to_string(line) + ", column " + std::to_string(column);
    }

    // The member named `key`, letter case ignored; a key present twice that way is ambiguous. The same
    // key written twice is one member with the last value, as JSON parsers take it.
    Member member(Node object, std::string_view key) const {
        Member found;
        Node foundKey = 0;
        const Node end = m_tape.end(object);
        for (Node k = object + 1; k < end; k = m_tape.end(k + 1)) {
            if (!m_tape.keyIs(k, key)) continue;
            if (found && !sameKey(foundKey, k)) fail("the key \"" + std::string(key) + "\" appears twice");
            found = k + 1;
            foundKey = k;
        }
        return found;
    }

    bool sameKey(Node a, Node b) const {
        if (!m_tape.escaped(a) && !m_tape.escaped(b)) return m_tape.raw(a) == m_tape.raw(b);
        return m_tape.string(a) == m_tape.string(b);
    }

    // The items of a list, in order: `each(item)`.
    template <typename Each>
    void items(Node list, Each each) {
        const Node end = m_tape.end(list);
        for (Node i = list + 1; i < end; i = m_tape.end(i))
            each(i);
    }

    Node object(Node v, std::string_view what) const {
        if (!m_tape.isObject(v)) fail(std::string(what) + " must be a JSON object");
        return v;
    }

    std::string string(Node v, std::string_view what) const {
        if (!m_tape.isString(v)) fail(std::string(what) + " must be text");
        return m_tape.string(v);
    }

    bool boolean(Node v, std::string_view what) const {
        if (!m_tape.isBoolean(v)) fail(std::string(what) + " must be true or false");
        return m_tape.kind(v) == JsonTape::Kind::True;
    }

    double number(Node v, std::string_view what, double lo, double hi) const {
        const double d = m_tape.isNumber(v) ? m_tape.number(v) : std::nan("");
        if (!(d >= lo && d <= hi))
            fail(std::string(what) + " must be a number from " + numberText(lo) + " to " + numberText(hi));
        return d;
    }

    int64_t whole(Node v, std::string_view what, int64_t lo, int64_t hi) const {
        const double d = m_tape.isNumber(v) ? m_tape.number(v) : std::nan("");
        if (!(d >= static_cast<double>(lo) && d <= static_cast<double>(hi)) || d != std::floor(d)) {
            fail(std::string(what) + " must be a whole number from " + std::to_string(lo) + " to " +
                 std::to_string(hi));
        }
        return static_cast<int64_t>(d);
    }

    // A number that may also be "NaN", "Infinity" or "-Infinity"; finite values within ±limit.
    double real(Node v, std::string_view what, double limit) const {
        if (m_tape.isString(v)) {
            const std::string s = m_tape.string(v);
            if (equalsNoCase(s, "NaN")) return std::numeric_limits<double>::quiet_NaN();
            if (equalsNoCase(s, "Infinity")) return std::numeric_limits<double>::infinity();
            if (equalsNoCase(s, "-Infinity")) return -std::numeric_limits<double>::infinity();
        }
        if (!m_tape.isNumber(v) || !(std::fabs(m_tape.number(v)) <= limit)) {
            fail(std::string(what) + " must be a number within \u00B1" + numberText(limit) +
                 ", \"NaN\", \"Infinity\" or \"-Infinity\"");
        }
        return m_tape.number(v);
    }

    float size(Node v, std::string_view what) const {
        return static_cast<float>(number(v, what, 0, FormFile::kMaxTwips));
    }
    float place(Node v, std::string_view what) const {
        return static_cast<float>(number(v, what, -FormFile::kMaxPosition, FormFile::kMaxPosition));
    }

    FontRef font(Node v) const {
        object(v, "a font");
        Font::Attributes s;
        if (Member j = member(v, "name")) s.name = string(*j, "the font name");
        if (Member j = member(v, "size"))
            s.size = static_cast<float>(number(*j, "the font size", 1, FormFile::kMaxFontSize));
        if (Member j = member(v, "bold")) s.bold = boolean(*j, "bold");
        if (Member j = member(v, "italic")) s.italic = boolean(*j, "italic");
        if (Member j = member(v, "underline")) s.underline = boolean(*j, "underline");
        if (Member j = member(v, "strikethrough")) s.strikethrough = boolean(*j, "strikethrough");
        if (Member j = member(v, "weight")) {
            s.weight = static_cast<int16_t>(whole(*j, "the font weight", 0, 1000));
            // Bold and weight say the same thing and the weight says it exactly: a stored weight of 650
            // is bold and stays 650 (with bold set as well, Font::create would raise it to 700).
            s.bold = false;
        }
        if (Member j = member(v, "charset"))
            s.charset = static_cast<int16_t>(whole(*j, "the font charset", 0, 255));
        // Fonts are immutable: the controls of a file (a wizard's pages) share one object for each font
        // described the same way.
        for (const auto& [described, made] : m_fonts) {
            if (described == s) return made;
        }
        FontRef made = Font::create(s);
        if (m_fonts.size() < kSharedFonts) m_fonts.emplace_back(std::move(s), made);
        return made;
    }

    void formProperties(Node p, FormFilePlan& plan) {
        object(p, "the form properties");
        Where w(m_where, "form ");
        if (Member j = member(p, "Caption")) plan.caption = string(*j, "Caption");
        if (Member j = member(p, "Left")) plan.left = place(*j, "Left");
        if (Member j = member(p, "Top")) plan.top = place(*j, "Top");
        if (Member j = member(p, "Width")) plan.width = size(*j, "Width");
        if (Member j = member(p, "Height")) plan.height = size(*j, "Height");
        if (Member j = member(p, "WindowState"))
            plan.windowState = static_cast<int16_t>(whole(*j, "WindowState", 0, 2));
        if (Member j = member(p, "BorderStyle"))
            plan.borderStyle = static_cast<int16_t>(whole(*j, "BorderStyle", 0, 5));
        if (Member j = member(p, "ControlBox")) plan.controlBox = boolean(*j, "ControlBox");
        if (Member j = member(p, "StartUpPosition"))
            plan.startUpPosition = static_cast<int16_t>(whole(*j, "StartUpPosition", 0, 3));
        if (Member j = member(p, "BackColor")) {
            plan.backColor = static_cast<OleColor>(static_cast<uint32_t>(whole(
                *j, "BackColor", std::numeric_limits<int32_t>::min(), std::numeric_limits<uint32_t>::max())));
        }
        if (Member j = member(p, "Font")) {
            Where f(m_where, "Font: ");
            plan.font = font(*j);
        }
        if (Member j = member(p, "KeyPreview")) plan.keyPreview = boolean(*j, "KeyPreview");
    }

    void controls(Node list, FormFilePlan& plan) {
        if (!m_tape.isArray(list)) fail("the controls must be a JSON list");
        std::unordered_set<std::string> names;
        items(list, [&](Node c) {
            Where w(m_where, "control #" + std::to_string(plan.controls.size() + 1) + ": ");
            object(c, "the entry");
            FormFilePlan::Control control;
            Member name = member(c, "name");
            if (!name) fail("the control has no name");
            control.name = string(*name, "the name");
            if (!FormFile::isName(control.name))
                fail("'" + shown(control.name) + "' is not a valid control name");
            w.replace("control " + control.name + ": ");
            if (!names.insert(foldCase(control.name)).second) fail("another control has the same name");
            Member progId = member(c, "progId");
            if (!progId) fail("the control has no program id");
            control.progId = string(*progId, "the program id");
            const TypeRegistry::ClassEntry* cls = FormFile::creatableClass(control.progId);
            if (!cls) fail("unknown program id '" + shown(control.progId) + "'");
            if (cls->info->kind != ClassInfo::Kind::Control)
                fail("'" + shown(control.progId) + "' is not a control");
            if (Member e = member(c, "extender")) extender(*e, control.values, plan);
            if (Member p = member(c, "properties")) entries(*p, control.bag, 0);
            plan.controls.push_back(std::move(control));
        });
    }

    void extender(Node e, ExtenderValues& v, const FormFilePlan& plan) {
        object(e, "the extender values");
        Where w(m_where, "extender ");
        if (Member j = member(e, "Left")) v.left = place(*j, "Left");
        if (Member j = member(e, "Top")) v.top = place(*j, "Top");
        if (Member j = member(e, "Width")) v.width = size(*j, "Width");
        if (Member j = member(e, "Height")) v.height = size(*j, "Height");
        if (Member j = member(e, "Visible")) v.visible = boolean(*j, "Visible");
        if (Member j = member(e, "Tag")) v.tag = string(*j, "Tag");
        if (Member j = member(e, "HelpContextID")) {
            v.helpContextID =
                static_cast<int32_t>(whole(*j, "HelpContextID", std::numeric_limits<int32_t>::min(),
                                           std::numeric_limits<int32_t>::max()));
        }
        if (Member j = member(e, "Align")) v.align = static_cast<int16_t>(whole(*j, "Align", 0, 4));
        if (Member j = member(e, "TabStop")) v.tabStop = boolean(*j, "TabStop");
        if (Member j = member(e, "ToolTipText")) v.toolTipText = string(*j, "ToolTipText");
        if (Member j = member(e, "Default")) v.isDefault = boolean(*j, "Default");
        if (Member j = member(e, "Cancel")) v.isCancel = boolean(*j, "Cancel");
        if (Member j = member(e, "Container")) {
            v.container = string(*j, "Container");
            const bool earlier = std::any_of(plan.controls.begin(), plan.controls.end(), [&](const auto& c) {
                return equalsNoCase(c.name, v.container);
            });
            if (!v.container.empty() && !earlier)
                fail("Container: no control named '" + v.container + "' comes before it");
        }
    }

    void entries(Node list, PropertyBag& bag, int depth) {
        if (!m_tape.isArray(list)) fail("the properties must be a JSON list");
        size_t n = 0;
        items(list, [&](Node e) {
            EntryPlace place(m_entries, ++n);
            object(e, "the entry");
            Member key = member(e, "key");
            if (!key) fail("the entry has no key");
            if (!m_tape.isString(*key)) fail("the key must be text");
            const std::string k = m_tape.string(*key);
            if (k.empty()) fail("the key is empty");
            place.named(k);
            if (bag.contains(k)) fail("the key appears twice");
            bag.put(k, value(e, depth));
        });
    }

    Variant value(Node e, int depth) {
        Member typeMember = member(e, "type");
        if (!typeMember) fail("the entry has no type");
        if (!m_tape.isString(*typeMember)) fail("the type must be text");
        const std::string typeText = m_tape.escaped(*typeMember) ? m_tape.string(*typeMember) : std::string();
        const std::string_view type = m_tape.escaped(*typeMember) ? typeText : m_tape.raw(*typeMember);
        Member v = member(e, "value");
        auto need = [&](const char* what) -> Node {
            if (!v) fail(std::string(what) + " entry has no value");
            return *v;
        };
        auto is = [&](const char* name) { return equalsNoCase(type, name); };
        if (is("Empty")) return Variant();
        if (is("Null")) return Variant(Variant::Null);
        if (is("Nothing")) return Variant(nullptr);
        if (is("Boolean")) return Variant(boolean(need("a Boolean"), "a Boolean value"));
        if (is("Integer"))
            return Variant(
                static_cast<int16_t>(whole(need("an Integer"), "an Integer value", -32768, 32767)));
        if (is("Long")) {
            return Variant(static_cast<int32_t>(whole(need("a Long"), "a Long value",
                                                      std::numeric_limits<int32_t>::min(),
                                                      std::numeric_limits<int32_t>::max())));
        }
        if (is("Single")) {
            return Variant(static_cast<float>(
                real(need("a Single"), "a Single value", std::numeric_limits<float>::max())));
        }
        if (is("Double"))
            return Variant(real(need("a Double"), "a Double value", std::numeric_limits<double>::max()));
        if (is("String")) return Variant(string(need("a String"), "a String value"));
        if (is("Font")) return Variant(std::const_pointer_cast<Font>(font(need("a Font"))));
        if (is("Picture")) {
            auto bytes = fromBase64(string(need("a Picture"), "a Picture value"));
            if (!bytes) fail("a Picture value must be base64 text");
            try {
                return Variant(std::const_pointer_cast<Picture>(Picture::fromPng(std::move(*bytes))));
            } catch (const Failure&) {
                fail("the picture is not a PNG image");
            }
        }
        if (is("Object")) return object(e, need("an Object"), depth);
        fail("unknown type '" + shown(type) + "'");
    }

    Variant object(Node e, Node value, int depth) {
        if (depth >= FormFile::kMaxNesting)
            fail("objects nest more than " + std::to_string(FormFile::kMaxNesting) + " deep");
        Member progIdMember = member(e, "progId");
        if (!progIdMember) fail("the Object entry has no program id");
        const std::string progId = string(*progIdMember, "the program id");
        const TypeRegistry::ClassEntry* cls = FormFile::creatableClass(progId);
        if (!cls) fail("unknown program id '" + shown(progId) + "'");
        if (cls->info->kind == ClassInfo::Kind::Control)
            fail("'" + shown(progId) + "' is a control, not a class a property bag can hold");
        PropertyBag inner;
        entries(value, inner, depth + 1);
        ObjectRef o = cls->factory();
        auto* persistable = dynamic_cast<Persistable*>(o.get());
        if (!persistable) fail("'" + shown(progId) + "' is not a class a property bag can hold");
        try {
            persistable->readProperties(inner);
        } catch (const Failure& f) {
            fail("the " + o->typeName() + " object refused its properties: " + f.description());
        }
        if (const auto& r = inner.refusal())
            fail("the " + o->typeName() + " object's property " + r->key + ": " + r->problem);
        return Variant(std::move(o));
    }

    void zOrder(Node list, FormFilePlan& plan) {
        const std::string problem = "zOrder must name every control once";
        if (!m_tape.isArray(list) || m_tape.size(list) != plan.controls.size()) fail(problem);
        std::vector<bool> seen(plan.controls.size());
        items(list, [&](Node name) {
            if (!m_tape.isString(name)) fail(problem);
            const std::string n = m_tape.string(name);
            auto it = std::find_if(plan.controls.begin(), plan.controls.end(),
                                   [&](const FormFilePlan::Control& c) { return equalsNoCase(c.name, n); });
            if (it == plan.controls.end())
                fail(problem + " ('" + shown(n) + "' is not a control of the form)");
            const auto at = static_cast<size_t>(it - plan.controls.begin());
            if (seen[at]) fail(problem + " ('" + shown(n) + "' appears twice)");
            seen[at] = true;
            plan.zOrder.push_back(at);
        });
    }

    std::string m_path;
    JsonTape m_tape;
    std::string m_where;
    std::vector<Entry> m_entries;
    static constexpr size_t kSharedFonts = 16;
    mutable std::vector<std::pair<Font::Attributes, FontRef>> m_fonts;
};

} // namespace

void readFormFile(std::string_view text, const std::string& path, FormFilePlan& plan) {
    Reader(path).read(text, plan);
}

} // namespace ov
