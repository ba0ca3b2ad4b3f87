#include "platform/FormFileWriter.h"

#include "platform/Base64.h"
#include "platform/Extender.h"
#include "platform/Failure.h"
#include "platform/Font.h"
#include "platform/Form.h"
#include "platform/FormFile.h"
#include "platform/FormFileWhere.h"
#include "platform/Persistable.h"
#include "platform/Picture.h"
#include "platform/PropertyBag.h"
#include "platform/UserControl.h"

#include <cmath>
#include <functional>
#include <nlohmann/json.hpp>
#include <unordered_set>
#include <vector>

namespace ov {

namespace {

// Ordered, so that a saved file lists its keys in the order they are written here.
using Json = nlohmann::ordered_json;

using Where = FormFileWhere;

class Writer {
public:
    explicit Writer(const std::string& path) : m_path(path) {}

    Json form(Form& f) {
        if (!FormFile::isName(f.Name())) fail("the form name '" + shown(f.Name()) + "' is not an identifier");
        Json doc;
        doc["format"] = FormFile::kFormat;
        doc["version"] = FormFile::kVersion;
        doc["name"] = f.Name();
        Json& p = doc["properties"];
        {
            Where w(m_where, "form property ");
            p["Caption"] = text(f.Caption(), "Caption");
            p["Left"] = place(f.Left(), "Left");
            p["Top"] = place(f.Top(), "Top");
            p["Width"] = size(f.Width(), "Width");
            p["Height"] = size(f.Height(), "Height");
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

    // Only what a loader accepts is saved, so that a saved form always loads again.
    double within(double v, double lo, double hi, const std::string& what) const {
        if (!(v >= lo && v <= hi)) {
            fail(what + " must be from " + std::to_string(static_cast<long long>(lo)) + " to " +
                 std::to_string(static_cast<long long>(hi)) + " to be saved");
        }
        return v;
    }
    double size(double v, const std::string& what) const { return within(v, 0, FormFile::kMaxTwips, what); }
    double place(double v, const std::string& what) const {
        return within(v, -FormFile::kMaxPosition, FormFile::kMaxPosition, what);
    }

    // A value its property declares out of range (see PropertyBag::write) would refuse the load; the
    // save refuses it first, naming the key as the loader would.
    void refused(const PropertyBag& bag, const std::string& what) const {
        if (const auto& r = bag.refusal()) fail(what + r->key + ": " + r->problem);
    }

    static Json real(double v) {
        if (std::isnan(v)) return "NaN";
        if (std::isinf(v)) return v > 0 ? "Infinity" : "-Infinity";
        return v;
    }

    Json font(const Font& f) const {
        const Font::Attributes& s = f.attributes();
        Json j;
        j["name"] = text(s.name, "the font name");
        j["size"] = within(s.size, 1, FormFile::kMaxFontSize, "the font size");
        j["bold"] = s.bold;
        j["italic"] = s.italic;
        j["underline"] = s.underline;
        j["strikethrough"] = s.strikethrough;
        j["weight"] = static_cast<int16_t>(within(s.weight, 0, 1000, "the font weight"));
        j["charset"] = static_cast<int16_t>(within(s.charset, 0, 255, "the font charset"));
        return j;
    }

    Json control(Extender& ext) {
        Where w(m_where, "control " + ext.Name() + ": ");
        const ClassInfo& info = ext.control().classInfo();
        const std::string progId = info.progId();
        if (!FormFile::creatableClass(progId))
            fail("its class " + info.name + " has no program id a loader can create (" + progId + ")");
        PropertyBag bag;
        try {
            ext.writeProperties(bag);
        } catch (const Failure& e) {
            throw Failure(e.number(), m_path + ": " + m_where + e.description(), e.source());
        }
        refused(bag, "property ");
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
        if (v.left != d.left) j["Left"] = place(v.left, "Left");
        if (v.top != d.top) j["Top"] = place(v.top, "Top");
        if (v.width) j["Width"] = size(*v.width, "Width");
        if (v.height) j["Height"] = size(*v.height, "Height");
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
        if (depth >= FormFile::kMaxNesting)
            fail("objects nest more than " + std::to_string(FormFile::kMaxNesting) + " deep");
        const std::string progId = o->classInfo().progId();
        if (!FormFile::creatableClass(progId))
            fail("a " + o->typeName() + " object cannot be saved (no program id a loader can create)");
        PropertyBag inner;
        try {
            persistable->writeProperties(inner);
        } catch (const Failure& e) {
            throw Failure(e.number(), m_path + ": " + m_where + e.description(), e.source());
        }
        refused(inner, "the " + o->typeName() + " object's property ");
        j["type"] = "Object";
        j["progId"] = progId;
        j["value"] = entries(inner, depth + 1);
    }

    std::string m_path;
    std::string m_where;
};

} // namespace

std::string writeFormFile(Form& form, const std::string& path) {
    return Writer(path).form(form).dump(2) + "\n";
}

} // namespace ov
