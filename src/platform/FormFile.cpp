#include "platform/FormFile.h"

#include "platform/Extender.h"
#include "platform/Failure.h"
#include "platform/Font.h"
#include "platform/Form.h"
#include "platform/Persistable.h"
#include "platform/Picture.h"
#include "platform/PropertyBag.h"
#include "platform/Text.h"
#include "platform/TypeRegistry.h"
#include "platform/UserControl.h"

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <functional>
#include <limits>
#include <nlohmann/json.hpp>
#include <optional>
#include <sstream>
#include <sys/stat.h>
#include <system_error>
#include <unistd.h>
#include <unordered_set>
#include <vector>

namespace ov {

namespace {

// Ordered, so that a saved file lists its keys in the order they are written here.
using Json = nlohmann::ordered_json;

constexpr double kMaxFontSize = 2048;

// The rule Extender::setName applies; checked here too so that a broken name is refused with the
// file's own message before any control exists.
bool isIdentifier(std::string_view s) {
    auto letter = [](char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); };
    if (s.empty() || s.size() > 40 || !letter(s[0])) return false;
    return std::all_of(s.begin(), s.end(),
                       [&](char c) { return letter(c) || (c >= '0' && c <= '9') || c == '_'; });
}

std::string numberText(double v) {
    if (v == std::floor(v) && std::fabs(v) < 1e15) return std::to_string(static_cast<long long>(v));
    std::ostringstream s;
    s << v;
    return s.str();
}

// A creatable class the registry can make from `progId`, or null.
const TypeRegistry::ClassEntry* creatableClass(std::string_view progId) {
    const TypeRegistry::ClassEntry* e = TypeRegistry::instance().findProgId(progId);
    return e && e->factory && e->info->creatable ? e : nullptr;
}

// ---- Base64 (RFC 4648, padded) ----

constexpr char kBase64[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";

std::string toBase64(const std::string& bytes) {
    std::string out;
    out.reserve((bytes.size() + 2) / 3 * 4);
    auto byte = [&](size_t i) { return i < bytes.size() ? static_cast<unsigned char>(bytes[i]) : 0u; };
    for (size_t i = 0; i < bytes.size(); i += 3) {
        const uint32_t n = (byte(i) << 16) | (byte(i + 1) << 8) | byte(i + 2);
        out += kBase64[(n >> 18) & 63];
        out += kBase64[(n >> 12) & 63];
        out += i + 1 < bytes.size() ? kBase64[(n >> 6) & 63] : '=';
        out += i + 2 < bytes.size() ? kBase64[n & 63] : '=';
    }
    return out;
}

int base64Digit(char c) {
    if (c >= 'A' && c <= 'Z') return c - 'A';
    if (c >= 'a' && c <= 'z') return c - 'a' + 26;
    if (c >= '0' && c <= '9') return c - '0' + 52;
    if (c == '+') return 62;
    if (c == '/') return 63;
    return -1;
}

// Only canonical text: groups of four, "=" padding at the very end only.
std::optional<std::string> fromBase64(std::string_view text) {
    if (text.size() % 4 != 0) return std::nullopt;
    std::string out;
    out.reserve(text.size() / 4 * 3);
    for (size_t i = 0; i < text.size(); i += 4) {
        const bool last = i + 4 == text.size();
        int pad = 0;
        uint32_t n = 0;
        for (size_t k = 0; k < 4; ++k) {
            const char c = text[i + k];
            int d = 0;
            if (c == '=' && last && k >= 2) {
                ++pad;
            } else {
                d = base64Digit(c);
                if (d < 0 || pad > 0) return std::nullopt;
            }
            n = (n << 6) | static_cast<uint32_t>(d);
        }
        out += static_cast<char>((n >> 16) & 0xFF);
        if (pad < 2) out += static_cast<char>((n >> 8) & 0xFF);
        if (pad < 1) out += static_cast<char>(n & 0xFF);
    }
    return out;
}

// Appends to a "control Nav: property Caption: " prefix for the time of one step.
class Where {
public:
    Where(std::string& where, const std::string& part) : m_where(where), m_size(where.size()) {
        where += part;
    }
    ~Where() { m_where.resize(m_size); }
    Where(const Where&) = delete;
    Where& operator=(const Where&) = delete;
    void replace(const std::string& part) {
        m_where.resize(m_size);
        m_where += part;
    }

private:
    std::string& m_where;
    size_t m_size;
};

[[noreturn]] void accessFailure(const std::string& path, const std::string& why) {
    throw Failure(err::PathFileAccess, failureText(err::PathFileAccess) + ": " + path + ": " + why);
}

std::string lastError() {
    return std::system_category().message(errno);
}

// Writes `text` to a new file beside `path`, forces it to the disk and renames it over `path`. On any
// failure the new file is removed and `path` is as it was.
void writeAtomically(const std::string& path, const std::string& text) {
    namespace fs = std::filesystem;
    const fs::path target(path);
    if (target.filename().empty() || target.filename() == "." || target.filename() == "..")
        accessFailure(path, "not a file name");
    fs::path folder = target.parent_path();
    if (folder.empty()) folder = ".";
    std::string name = (folder / ("." + target.filename().string() + ".XXXXXX")).string();
    const int fd = mkstemp(name.data());
    if (fd < 0) accessFailure(path, "cannot create a file in " + folder.string() + ": " + lastError());

    bool fdOpen = true;
    auto abandon = [&](const std::string& why) {
        const std::string reason = why + ": " + lastError();
        if (fdOpen) close(fd);
        unlink(name.c_str());
        accessFailure(path, reason);
    };
    // The replacement keeps the permissions of the file it replaces; a new file is rw-r--r--.
    struct stat old {};
    const mode_t mode = stat(path.c_str(), &old) == 0 ? (old.st_mode & 07777) : 0644;
    if (fchmod(fd, mode) != 0) abandon("cannot set the permissions of " + name);
    for (size_t done = 0; done < text.size();) {
        const ssize_t n = ::write(fd, text.data() + done, text.size() - done);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) abandon("cannot write " + name);
        done += static_cast<size_t>(n);
    }
    if (fsync(fd) != 0) abandon("cannot flush " + name);
    fdOpen = false;
    if (close(fd) != 0) abandon("cannot close " + name);
    if (rename(name.c_str(), path.c_str()) != 0) abandon("cannot replace the file");
    // The rename itself reaches the disk with the folder; a folder that cannot be synced (some file
    // systems refuse) still holds the new file.
    const int dir = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY);
    if (dir >= 0) {
        fsync(dir);
        close(dir);
    }
}

} // namespace

// ---- Writing ----

class FormFile::Writer {
public:
    explicit Writer(const std::string& path) : m_path(path) {}

    Json form(Form& f) {
        if (!isIdentifier(f.Name())) fail("the form name '" + f.Name() + "' is not an identifier");
        Json doc;
        doc["format"] = kFormat;
        doc["version"] = kVersion;
        doc["name"] = f.Name();
        Json& p = doc["properties"];
        {
            Where w(m_where, "form property ");
            p["Caption"] = text(f.Caption(), "Caption");
            p["Left"] = measure(f.Left(), "Left");
            p["Top"] = measure(f.Top(), "Top");
            p["Width"] = measure(f.Width(), "Width");
            p["Height"] = measure(f.Height(), "Height");
        }
        p["WindowState"] = f.WindowState();
        p["BorderStyle"] = f.BorderStyle();
        p["ControlBox"] = f.ControlBox();
        p["StartUpPosition"] = f.StartUpPosition();
        p["BackColor"] = static_cast<int32_t>(f.BackColor());
        p["Font"] = font(*f.Font());
        p["KeyPreview"] = f.KeyPreview();

        // Creation order, but a container before the controls inside it, so that a loader always
        // finds the container already on the form.
        std::vector<Extender*> order;
        std::unordered_set<const Extender*> placed;
        std::function<void(Extender*)> place = [&](Extender* e) {
            if (placed.count(e)) return;
            if (e->containerControl()) place(e->containerControl());
            placed.insert(e);
            order.push_back(e);
        };
        for (const auto& e : f.controls())
            place(e.get());

        Json& controls = doc["controls"] = Json::array();
        for (Extender* e : order)
            controls.push_back(control(*e));
        if (f.zOrder() != order) {
            Json& z = doc["zOrder"] = Json::array();
            for (const Extender* e : f.zOrder())
                z.push_back(e->Name());
        }
        return doc;
    }

private:
    // A value that cannot be stored: 380, naming the file and where the value is.
    [[noreturn]] void fail(const std::string& problem) const {
        throw Failure(err::InvalidPropertyValue,
                      failureText(err::InvalidPropertyValue) + ": " + m_path + ": " + m_where + problem);
    }

    std::string text(const std::string& s, const std::string& what) const {
        // The JSON writer accepts UTF-8 only; find out here, where the value can still be named.
        try {
            (void)Json(s).dump();
        } catch (const Json::exception&) {
            fail(what + " is not UTF-8 text");
        }
        return s;
    }

    double measure(double v, const std::string& what) const {
        if (!std::isfinite(v)) fail(what + " is not a finite number");
        return v;
    }

    static Json real(double v) {
        if (std::isnan(v)) return "NaN";
        if (std::isinf(v)) return v > 0 ? "Infinity" : "-Infinity";
        return v;
    }

    Json font(const Font& f) const {
        const Font::Spec& s = f.spec();
        Json j;
        j["name"] = text(s.name, "the font name");
        j["size"] = measure(s.size, "the font size");
        j["bold"] = s.bold;
        j["italic"] = s.italic;
        j["underline"] = s.underline;
        j["strikethrough"] = s.strikethrough;
        j["weight"] = s.weight;
        j["charset"] = s.charset;
        return j;
    }

    Json control(Extender& ext) {
        Where w(m_where, "control " + ext.Name() + ": ");
        const ClassInfo& info = ext.control().classInfo();
        const std::string progId = info.progId();
        if (!creatableClass(progId))
            fail("its class " + info.name + " has no program id a loader can create (" + progId + ")");
        PropertyBag bag;
        try {
            ext.writeProperties(bag);
        } catch (const Failure& e) {
            throw Failure(e.number(), m_path + ": " + m_where + e.description(), e.source());
        }
        Json j;
        j["progId"] = progId;
        j["name"] = ext.Name();
        j["extender"] = extender(ext.values());
        j["properties"] = entries(bag, 0);
        return j;
    }

    Json extender(const ExtenderValues& v) {
        const ExtenderValues d;
        Where w(m_where, "extender ");
        Json j = Json::object();
        if (v.left != d.left) j["Left"] = measure(v.left, "Left");
        if (v.top != d.top) j["Top"] = measure(v.top, "Top");
        if (v.width) j["Width"] = measure(*v.width, "Width");
        if (v.height) j["Height"] = measure(*v.height, "Height");
        if (v.visible != d.visible) j["Visible"] = v.visible;
        if (v.tag != d.tag) j["Tag"] = text(v.tag, "Tag");
        if (v.helpContextID != d.helpContextID) j["HelpContextID"] = v.helpContextID;
        if (v.align != d.align) j["Align"] = v.align;
        if (v.tabStop != d.tabStop) j["TabStop"] = v.tabStop;
        if (v.toolTipText != d.toolTipText) j["ToolTipText"] = text(v.toolTipText, "ToolTipText");
        if (v.isDefault != d.isDefault) j["Default"] = v.isDefault;
        if (v.isCancel != d.isCancel) j["Cancel"] = v.isCancel;
        if (v.container != d.container) j["Container"] = v.container;
        return j;
    }

    Json entries(const PropertyBag& bag, int depth) {
        Json list = Json::array();
        for (const PropertyBag::Entry& e : bag.entries()) {
            Where w(m_where, "property " + e.key + ": ");
            Json j;
            j["key"] = text(e.key, "the key");
            value(j, e.value, depth);
            list.push_back(std::move(j));
        }
        return list;
    }

    void value(Json& j, const Variant& v, int depth) {
        switch (v.type()) {
        case Variant::Type::Empty:
            j["type"] = "Empty";
            return;
        case Variant::Type::Null:
            j["type"] = "Null";
            return;
        case Variant::Type::Boolean:
            j["type"] = "Boolean";
            j["value"] = v.toBool();
            return;
        case Variant::Type::Integer:
            j["type"] = "Integer";
            j["value"] = v.toInt16();
            return;
        case Variant::Type::Long:
            j["type"] = "Long";
            j["value"] = v.toInt32();
            return;
        case Variant::Type::Single:
            j["type"] = "Single";
            j["value"] = real(v.toSingle());
            return;
        case Variant::Type::Double:
            j["type"] = "Double";
            j["value"] = real(v.toDouble());
            return;
        case Variant::Type::String:
            j["type"] = "String";
            j["value"] = text(v.toString(), "the value");
            return;
        case Variant::Type::Object:
            object(j, v.toObject(), depth);
            return;
        case Variant::Type::Record:
            break;
        }
        fail("a record cannot be saved");
    }

    void object(Json& j, const ObjectRef& o, int depth) {
        if (!o) {
            j["type"] = "Nothing";
            return;
        }
        if (auto f = std::dynamic_pointer_cast<const Font>(o)) {
            j["type"] = "Font";
            j["value"] = font(*f);
            return;
        }
        if (auto p = std::dynamic_pointer_cast<const Picture>(o)) {
            j["type"] = "Picture";
            j["value"] = toBase64(p->bytes());
            return;
        }
        auto* persistable = dynamic_cast<Persistable*>(o.get());
        if (!persistable)
            fail("a " + o->typeName() + " object cannot be saved (its class is not Persistable)");
        // Also what stops an object that holds itself.
        if (depth >= kMaxNesting) fail("objects nest more than " + std::to_string(kMaxNesting) + " deep");
        const std::string progId = o->classInfo().progId();
        if (!creatableClass(progId))
            fail("a " + o->typeName() + " object cannot be saved (no program id a loader can create)");
        PropertyBag inner;
        try {
            persistable->writeProperties(inner);
        } catch (const Failure& e) {
            throw Failure(e.number(), m_path + ": " + m_where + e.description(), e.source());
        }
        j["type"] = "Object";
        j["progId"] = progId;
        j["value"] = entries(inner, depth + 1);
    }

    std::string m_path;
    std::string m_where;
};

// ---- Reading ----

struct FormFile::Plan {
    struct Control {
        std::string progId;
        std::string name;
        ExtenderValues values;
        PropertyBag bag;
    };
    std::string name;
    std::optional<std::string> caption;
    std::optional<float> left, top, width, height;
    std::optional<int16_t> windowState, borderStyle, startUpPosition;
    std::optional<bool> controlBox, keyPreview;
    std::optional<OleColor> backColor;
    FontRef font;
    std::vector<Control> controls;
    std::vector<size_t> zOrder; // positions in `controls`, back to front; empty for file order
};

class FormFile::Reader {
public:
    explicit Reader(const std::string& path) : m_path(path) {}

    void read(std::string_view text, Plan& plan) {
        Json doc;
        try {
            doc = Json::parse(text.begin(), text.end());
        } catch (const Json::parse_error& e) {
            fail("not valid JSON (" + position(text, e.byte) + ")");
        } catch (const Json::exception&) {
            fail("not valid JSON");
        }
        if (!doc.is_object()) fail("not a form file (not a JSON object)");
        const Json* format = member(doc, "format");
        if (!format || !format->is_string() || !equalsNoCase(format->get<std::string>(), kFormat))
            fail(std::string("not a form file (its format is not \"") + kFormat + "\")");
        const Json* version = member(doc, "version");
        if (!version) fail("the file has no version");
        const int64_t v = whole(*version, "the version", 1, std::numeric_limits<int32_t>::max());
        if (v > kVersion) {
            fail("version " + std::to_string(v) + " is newer than this library reads (" +
                 std::to_string(kVersion) + ")");
        }
        const Json* name = member(doc, "name");
        if (!name) fail("the form has no name");
        plan.name = string(*name, "the form name");
        if (!isIdentifier(plan.name)) fail("the form name '" + plan.name + "' is not an identifier");
        if (const Json* p = member(doc, "properties")) formProperties(*p, plan);
        if (const Json* c = member(doc, "controls")) controls(*c, plan);
        if (const Json* z = member(doc, "zOrder")) zOrder(*z, plan);
    }

private:
    [[noreturn]] void fail(const std::string& problem) const {
        throw Failure(err::InvalidFileFormat,
                      failureText(err::InvalidFileFormat) + ": " + m_path + ": " + m_where + problem);
    }

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
        return static_cast<float>(number(v, what, 0, kMaxTwips));
    }
    float place(const Json& v, const std::string& what) const {
        return static_cast<float>(number(v, what, -kMaxTwips, kMaxTwips));
    }

    FontRef font(const Json& v) const {
        object(v, "a font");
        Font::Spec s;
        if (const Json* j = member(v, "name")) s.name = string(*j, "the font name");
        if (const Json* j = member(v, "size"))
            s.size = static_cast<float>(number(*j, "the font size", 1, kMaxFontSize));
        if (const Json* j = member(v, "bold")) s.bold = boolean(*j, "bold");
        if (const Json* j = member(v, "italic")) s.italic = boolean(*j, "italic");
        if (const Json* j = member(v, "underline")) s.underline = boolean(*j, "underline");
        if (const Json* j = member(v, "strikethrough")) s.strikethrough = boolean(*j, "strikethrough");
        if (const Json* j = member(v, "weight"))
            s.weight = static_cast<int16_t>(whole(*j, "the font weight", 0, 1000));
        if (const Json* j = member(v, "charset"))
            s.charset = static_cast<int16_t>(whole(*j, "the font charset", 0, 255));
        return Font::create(std::move(s));
    }

    void formProperties(const Json& p, Plan& plan) {
        Where w(m_where, "form ");
        object(p, "the properties");
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

    void controls(const Json& list, Plan& plan) {
        if (!list.is_array()) fail("the controls must be a JSON list");
        std::unordered_set<std::string> names;
        for (const Json& c : list) {
            Where w(m_where, "control #" + std::to_string(plan.controls.size() + 1) + ": ");
            object(c, "the entry");
            Plan::Control control;
            const Json* name = member(c, "name");
            if (!name) fail("the control has no name");
            control.name = string(*name, "the name");
            if (!isIdentifier(control.name)) fail("'" + control.name + "' is not a valid control name");
            w.replace("control " + control.name + ": ");
            if (!names.insert(foldCase(control.name)).second) fail("another control has the same name");
            const Json* progId = member(c, "progId");
            if (!progId) fail("the control has no program id");
            control.progId = string(*progId, "the program id");
            const TypeRegistry::ClassEntry* cls = creatableClass(control.progId);
            if (!cls) fail("unknown program id '" + control.progId + "'");
            if (cls->info->kind != ClassInfo::Kind::Control)
                fail("'" + control.progId + "' is not a control");
            if (const Json* e = member(c, "extender")) extender(*e, control.values, plan);
            if (const Json* p = member(c, "properties")) entries(*p, control.bag, 0);
            plan.controls.push_back(std::move(control));
        }
    }

    void extender(const Json& e, ExtenderValues& v, const Plan& plan) {
        Where w(m_where, "extender ");
        object(e, "the values");
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
            Where w(m_where, "property #" + std::to_string(++n) + ": ");
            object(e, "the entry");
            const Json* key = member(e, "key");
            if (!key) fail("the entry has no key");
            const std::string k = string(*key, "the key");
            if (k.empty()) fail("the key is empty");
            w.replace("property " + k + ": ");
            if (bag.contains(k)) fail("the key appears twice");
            bag.put(k, value(e, depth));
        }
    }

    Variant value(const Json& e, int depth) {
        const Json* typeMember = member(e, "type");
        if (!typeMember) fail("the entry has no type");
        const std::string type = string(*typeMember, "the type");
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
        fail("unknown type '" + type + "'");
    }

    Variant object(const Json& e, const Json& value, int depth) {
        if (depth >= kMaxNesting) fail("objects nest more than " + std::to_string(kMaxNesting) + " deep");
        const Json* progIdMember = member(e, "progId");
        if (!progIdMember) fail("the Object entry has no program id");
        const std::string progId = string(*progIdMember, "the program id");
        const TypeRegistry::ClassEntry* cls = creatableClass(progId);
        if (!cls) fail("unknown program id '" + progId + "'");
        if (cls->info->kind == ClassInfo::Kind::Control)
            fail("'" + progId + "' is a control, not a class a property bag can hold");
        PropertyBag inner;
        entries(value, inner, depth + 1);
        ObjectRef o = cls->factory();
        auto* persistable = dynamic_cast<Persistable*>(o.get());
        if (!persistable) fail("'" + progId + "' is not a class a property bag can hold");
        try {
            persistable->readProperties(inner);
        } catch (const Failure& f) {
            fail("the " + o->typeName() + " object refused its properties: " + f.description());
        }
        return Variant(std::move(o));
    }

    void zOrder(const Json& list, Plan& plan) {
        const std::string problem = "zOrder must name every control once";
        if (!list.is_array() || list.size() != plan.controls.size()) fail(problem);
        std::vector<bool> seen(plan.controls.size());
        for (const Json& name : list) {
            if (!name.is_string()) fail(problem);
            const std::string n = name.get<std::string>();
            auto it = std::find_if(plan.controls.begin(), plan.controls.end(),
                                   [&](const Plan::Control& c) { return equalsNoCase(c.name, n); });
            if (it == plan.controls.end()) fail(problem + " ('" + n + "' is not a control of the form)");
            const auto at = static_cast<size_t>(it - plan.controls.begin());
            if (seen[at]) fail(problem + " ('" + n + "' appears twice)");
            seen[at] = true;
            plan.zOrder.push_back(at);
        }
    }

    std::string m_path;
    std::string m_where;
};

// ---- Entry points ----

std::string FormFile::write(Form& form, const std::string& path) {
    return Writer(path).form(form).dump(2) + "\n";
}

void FormFile::save(Form& form, const std::string& path) {
    writeAtomically(path, write(form, path));
    form.markSaved();
}

FormRef FormFile::read(std::string_view text, const std::string& path, Mode mode) {
    Plan plan;
    Reader(path).read(text, plan);
    return build(plan, path, mode);
}

FormRef FormFile::load(const std::string& path, Mode mode) {
    std::error_code ec;
    const auto status = std::filesystem::status(path, ec);
    if (!std::filesystem::exists(status))
        throw Failure(err::FileNotFound, failureText(err::FileNotFound) + ": " + path);
    if (std::filesystem::is_directory(status)) accessFailure(path, "a folder, not a file");
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    if (!in || !(text << in.rdbuf())) accessFailure(path, "cannot read the file");
    return read(text.str(), path, mode);
}

FormRef FormFile::build(Plan& plan, const std::string& path, Mode mode) {
    // Everything in the file has been checked; what can still fail is a control refusing its values.
    // Should that happen, `form` is let go on the way out and takes the controls loaded so far with it.
    FormRef form = Form::create(plan.name, mode);
    Form& f = *form;
    // Set directly: no control is on the form yet, and several of these are design-time only.
    if (plan.caption) f.m_caption = *plan.caption;
    f.m_left = plan.left.value_or(f.m_left);
    f.m_top = plan.top.value_or(f.m_top);
    f.m_width = plan.width.value_or(f.m_width);
    f.m_height = plan.height.value_or(f.m_height);
    f.m_windowState = plan.windowState.value_or(f.m_windowState);
    f.m_borderStyle = plan.borderStyle.value_or(f.m_borderStyle);
    f.m_controlBox = plan.controlBox.value_or(f.m_controlBox);
    f.m_startUpPosition = plan.startUpPosition.value_or(f.m_startUpPosition);
    f.m_backColor = plan.backColor.value_or(f.m_backColor);
    if (plan.font) f.m_font = plan.font;
    f.m_keyPreview = plan.keyPreview.value_or(f.m_keyPreview);

    for (Plan::Control& c : plan.controls) {
        try {
            f.addLoaded(c.progId, c.name, c.bag, c.values);
        } catch (const Failure& e) {
            throw Failure(e.number(), path + ": control " + c.name + ": " + e.description(), e.source());
        }
    }
    if (!plan.zOrder.empty()) {
        std::vector<Extender*> order;
        for (size_t at : plan.zOrder)
            order.push_back(f.m_controls[at].get());
        if (order != f.m_zOrder) {
            f.m_zOrder = std::move(order);
            try {
                f.layoutDocked();
            } catch (const Failure& e) {
                throw Failure(e.number(), path + ": " + e.description(), e.source());
            }
        }
    }
    f.markSaved();
    return form;
}

void Form::save(const std::string& path) {
    FormFile::save(*this, path);
}

FormRef Form::load(const std::string& path, Mode mode) {
    return FormFile::load(path, mode);
}

} // namespace ov
