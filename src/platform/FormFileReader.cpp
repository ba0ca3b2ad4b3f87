#include "platform/FormFileReader.h"

#include "platform/Base64.h"
#include "platform/Failure.h"
#include "platform/Font.h"
#include "platform/FormFile.h"
#include "platform/FormFileWhere.h"
#include "platform/JsonFastParse.h"
#include "platform/Persistable.h"
#include "platform/Picture.h"
#include "platform/Text.h"
#include "platform/TypeRegistry.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <nlohmann/json.hpp>
#include <sstream>
#include <unordered_set>
#include <utility>
#include <vector>

namespace ov {

namespace {

using Json = nlohmann::ordered_json;

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
        Json doc;
        // The parse tree costs several times the text; counting its values as they are parsed keeps a
        // file of small values ("1,1,1,...") from taking gigabytes before it is refused.
        struct TooManyValues {};
        size_t values = 0;
        auto count = [&values](int, Json::parse_event_t event, Json&) {
            if (event != Json::parse_event_t::key && event != Json::parse_event_t::object_end &&
                event != Json::parse_event_t::array_end && ++values > FormFile::kMaxValues)
                throw TooManyValues{};
            return true;
        };
        try {
            // Plain JSON in UTF-8 is read by the fast reader; anything else goes to the full parser, which
            // reports the problem.
            if (!parseJsonFast(text, doc, FormFile::kMaxValues))
                doc = Json::parse(text.begin(), text.end(), count);
        } catch (const TooManyValues&) {
            fail("more than " + std::to_string(FormFile::kMaxValues) + " JSON values");
        } catch (const Json::parse_error& e) {
            fail("not valid JSON (" + position(text, e.byte) + ")");
        } catch (const Json::exception&) {
            fail("not valid JSON");
        }
        if (!doc.is_object()) fail("not a form file (not a JSON object)");
        const Json* format = member(doc, "format");
        if (!format || !format->is_string() || !equalsNoCase(format->get<std::string>(), FormFile::kFormat))
            fail(std::string("not a form file (its format is not \"") + FormFile::kFormat + "\")");
        const Json* version = member(doc, "version");
        if (!version) fail("the file has no version");
        const int64_t v = whole(*version, "the version", 1, std::numeric_limits<int32_t>::max());
        if (v > FormFile::kVersion) {
            fail("version " + std::to_string(v) + " is newer than this library reads (" +
                 std::to_string(FormFile::kVersion) + ")");
        }
        const Json* name = member(doc, "name");
        if (!name) fail("the form has no name");
        plan.name = string(*name, "the form name");
        if (!FormFile::isName(plan.name))
            fail("the form name '" + shown(plan.name) + "' is not an identifier");
        if (const Json* p = member(doc, "properties")) formProperties(*p, plan);
        if (const Json* c = member(doc, "controls")) controls(*c, plan);
        if (const Json* z = member(doc, "zOrder")) zOrder(*z, plan);
    }

private:
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

    // The member named `key`, letter case ignored; a key present twice that way is ambiguous.
    const Json* member(const Json& object, std::string_view key) const {
        const Json* found = nullptr;
        for (auto it = object.begin(); it != object.end(); ++it) {
            if (!equalsNoCase(it.key(), key)) continue;
            if (found) fail("the key \"" + std::string(key) + "\" appears twice");
            found = &it.value();
        }
        return found;
    }

    const Json& object(const Json& v, const std::string& what) const {
        if (!v.is_object()) fail(what + " must be a JSON object");
        return v;
    }

    std::string string(const Json& v, const std::string& what) const {
        if (!v.is_string()) fail(what + " must be text");
        return v.get<std::string>();
    }

    bool boolean(const Json& v, const std::string& what) const {
        if (!v.is_boolean()) fail(what + " must be true or false");
        return v.get<bool>();
    }

    double number(const Json& v, const std::string& what, double lo, double hi) const {
        const double d = v.is_number() ? v.get<double>() : std::nan("");
        if (!(d >= lo && d <= hi))
            fail(what + " must be a number from " + numberText(lo) + " to " + numberText(hi));
        return d;
    }

    int64_t whole(const Json& v, const std::string& what, int64_t lo, int64_t hi) const {
        const double d = v.is_number() ? v.get<double>() : std::nan("");
        if (!(d >= static_cast<double>(lo) && d <= static_cast<double>(hi)) || d != std::floor(d)) {
            fail(what + " must be a whole number from " + std::to_string(lo) + " to " + std::to_string(hi));
        }
        return static_cast<int64_t>(d);
    }

    // A number that may also be "NaN", "Infinity" or "-Infinity"; finite values within ±limit.
    double real(const Json& v, const std::string& what, double limit) const {
        if (v.is_string()) {
            const std::string s = v.get<std::string>();
            if (equalsNoCase(s, "NaN")) return std::numeric_limits<double>::quiet_NaN();
            if (equalsNoCase(s, "Infinity")) return std::numeric_limits<double>::infinity();
            if (equalsNoCase(s, "-Infinity")) return -std::numeric_limits<double>::infinity();
        }
        if (!v.is_number() || !(std::fabs(v.get<double>()) <= limit)) {
            fail(what + " must be a number within \u00B1" + numberText(limit) +
                 ", \"NaN\", \"Infinity\" or \"-Infinity\"");
        }
        return v.get<double>();
    }

    float size(const Json& v, const std::string& what) const {
        return static_cast<float>(number(v, what, 0, FormFile::kMaxTwips));
    }
    float place(const Json& v, const std::string& what) const {
        return static_cast<float>(number(v, what, -FormFile::kMaxPosition, FormFile::kMaxPosition));
    }

    FontRef font(const Json& v) const {
        object(v, "a font");
        Font::Attributes s;
        if (const Json* j = member(v, "name")) s.name = string(*j, "the font name");
        if (const Json* j = member(v, "size"))
            s.size = static_cast<float>(number(*j, "the font size", 1, FormFile::kMaxFontSize));
        if (const Json* j = member(v, "bold")) s.bold = boolean(*j, "bold");
        if (const Json* j = member(v, "italic")) s.italic = boolean(*j, "italic");
        if (const Json* j = member(v, "underline")) s.underline = boolean(*j, "underline");
        if (const Json* j = member(v, "strikethrough")) s.strikethrough = boolean(*j, "strikethrough");
        if (const Json* j = member(v, "weight")) {
            s.weight = static_cast<int16_t>(whole(*j, "the font weight", 0, 1000));
            // Bold and weight say the same thing and the weight says it exactly: a stored weight of 650
            // is bold and stays 650 (with bold set as well, Font::create would raise it to 700).
            s.bold = false;
        }
        if (const Json* j = member(v, "charset"))
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

    void formProperties(const Json& p, FormFilePlan& plan) {
        object(p, "the form properties");
        Where w(m_where, "form ");
        if (const Json* j = member(p, "Caption")) plan.caption = string(*j, "Caption");
        if (const Json* j = member(p, "Left")) plan.left = place(*j, "Left");
        if (const Json* j = member(p, "Top")) plan.top = place(*j, "Top");
        if (const Json* j = member(p, "Width")) plan.width = size(*j, "Width");
        if (const Json* j = member(p, "Height")) plan.height = size(*j, "Height");
        if (const Json* j = member(p, "WindowState"))
            plan.windowState = static_cast<int16_t>(whole(*j, "WindowState", 0, 2));
        if (const Json* j = member(p, "BorderStyle"))
            plan.borderStyle = static_cast<int16_t>(whole(*j, "BorderStyle", 0, 5));
        if (const Json* j = member(p, "ControlBox")) plan.controlBox = boolean(*j, "ControlBox");
        if (const Json* j = member(p, "StartUpPosition"))
            plan.startUpPosition = static_cast<int16_t>(whole(*j, "StartUpPosition", 0, 3));
        if (const Json* j = member(p, "BackColor")) {
            plan.backColor = static_cast<OleColor>(static_cast<uint32_t>(whole(
                *j, "BackColor", std::numeric_limits<int32_t>::min(), std::numeric_limits<uint32_t>::max())));
        }
        if (const Json* j = member(p, "Font")) {
            Where f(m_where, "Font: ");
            plan.font = font(*j);
        }
        if (const Json* j = member(p, "KeyPreview")) plan.keyPreview = boolean(*j, "KeyPreview");
    }

    void controls(const Json& list, FormFilePlan& plan) {
        if (!list.is_array()) fail("the controls must be a JSON list");
        std::unordered_set<std::string> names;
        for (const Json& c : list) {
            Where w(m_where, "control #" + std::to_string(plan.controls.size() + 1) + ": ");
            object(c, "the entry");
            FormFilePlan::Control control;
            const Json* name = member(c, "name");
            if (!name) fail("the control has no name");
            control.name = string(*name, "the name");
            if (!FormFile::isName(control.name))
                fail("'" + shown(control.name) + "' is not a valid control name");
            w.replace("control " + control.name + ": ");
            if (!names.insert(foldCase(control.name)).second) fail("another control has the same name");
            const Json* progId = member(c, "progId");
            if (!progId) fail("the control has no program id");
            control.progId = string(*progId, "the program id");
            const TypeRegistry::ClassEntry* cls = FormFile::creatableClass(control.progId);
            if (!cls) fail("unknown program id '" + shown(control.progId) + "'");
            if (cls->info->kind != ClassInfo::Kind::Control)
                fail("'" + shown(control.progId) + "' is not a control");
            if (const Json* e = member(c, "extender")) extender(*e, control.values, plan);
            if (const Json* p = member(c, "properties")) entries(*p, control.bag, 0);
            plan.controls.push_back(std::move(control));
        }
    }

    void extender(const Json& e, ExtenderValues& v, const FormFilePlan& plan) {
        object(e, "the extender values");
        Where w(m_where, "extender ");
        if (const Json* j = member(e, "Left")) v.left = place(*j, "Left");
        if (const Json* j = member(e, "Top")) v.top = place(*j, "Top");
        if (const Json* j = member(e, "Width")) v.width = size(*j, "Width");
        if (const Json* j = member(e, "Height")) v.height = size(*j, "Height");
        if (const Json* j = member(e, "Visible")) v.visible = boolean(*j, "Visible");
        if (const Json* j = member(e, "Tag")) v.tag = string(*j, "Tag");
        if (const Json* j = member(e, "HelpContextID")) {
            v.helpContextID =
                static_cast<int32_t>(whole(*j, "HelpContextID", std::numeric_limits<int32_t>::min(),
                                           std::numeric_limits<int32_t>::max()));
        }
        if (const Json* j = member(e, "Align")) v.align = static_cast<int16_t>(whole(*j, "Align", 0, 4));
        if (const Json* j = member(e, "TabStop")) v.tabStop = boolean(*j, "TabStop");
        if (const Json* j = member(e, "ToolTipText")) v.toolTipText = string(*j, "ToolTipText");
        if (const Json* j = member(e, "Default")) v.isDefault = boolean(*j, "Default");
        if (const Json* j = member(e, "Cancel")) v.isCancel = boolean(*j, "Cancel");
        if (const Json* j = member(e, "Container")) {
            v.container = string(*j, "Container");
            const bool earlier = std::any_of(plan.controls.begin(), plan.controls.end(), [&](const auto& c) {
                return equalsNoCase(c.name, v.container);
            });
            if (!v.container.empty() && !earlier)
                fail("Container: no control named '" + v.container + "' comes before it");
        }
    }

    void entries(const Json& list, PropertyBag& bag, int depth) {
        if (!list.is_array()) fail("the properties must be a JSON list");
        size_t n = 0;
        for (const Json& e : list) {
            EntryPlace place(m_entries, ++n);
            object(e, "the entry");
            const Json* key = member(e, "key");
            if (!key) fail("the entry has no key");
            if (!key->is_string()) fail("the key must be text");
            const std::string& k = key->get_ref<const std::string&>();
            if (k.empty()) fail("the key is empty");
            place.named(k);
            if (bag.contains(k)) fail("the key appears twice");
            bag.put(k, value(e, depth));
        }
    }

    Variant value(const Json& e, int depth) {
        const Json* typeMember = member(e, "type");
        if (!typeMember) fail("the entry has no type");
        if (!typeMember->is_string()) fail("the type must be text");
        const std::string& type = typeMember->get_ref<const std::string&>();
        const Json* v = member(e, "value");
        auto need = [&](const char* what) -> const Json& {
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

    Variant object(const Json& e, const Json& value, int depth) {
        if (depth >= FormFile::kMaxNesting)
            fail("objects nest more than " + std::to_string(FormFile::kMaxNesting) + " deep");
        const Json* progIdMember = member(e, "progId");
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

    void zOrder(const Json& list, FormFilePlan& plan) {
        const std::string problem = "zOrder must name every control once";
        if (!list.is_array() || list.size() != plan.controls.size()) fail(problem);
        std::vector<bool> seen(plan.controls.size());
        for (const Json& name : list) {
            if (!name.is_string()) fail(problem);
            const std::string n = name.get<std::string>();
            auto it = std::find_if(plan.controls.begin(), plan.controls.end(),
                                   [&](const FormFilePlan::Control& c) { return equalsNoCase(c.name, n); });
            if (it == plan.controls.end())
                fail(problem + " ('" + shown(n) + "' is not a control of the form)");
            const auto at = static_cast<size_t>(it - plan.controls.begin());
            if (seen[at]) fail(problem + " ('" + shown(n) + "' appears twice)");
            seen[at] = true;
            plan.zOrder.push_back(at);
        }
    }

    std::string m_path;
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
