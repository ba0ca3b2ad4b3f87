#include "frame/TypeLibrary.h"

#include "frame/LibraryTypes.h"
#include "platform/TypeRegistry.h"

#include <nlohmann/json.hpp>

namespace ov {

namespace {

using nlohmann::ordered_json;

ordered_json params(const std::vector<ParamInfo>& ps) {
    ordered_json out = ordered_json::array();
    for (const auto& p : ps) {
        ordered_json j{{"name", p.name}, {"type", p.type}, {"byref", p.byRef}};
        if (p.optional) j["optional"] = true;
        out.push_back(std::move(j));
    }
    return out;
}

ordered_json accesses(unsigned a) {
    ordered_json out = ordered_json::array();
    if (a & access::Get) out.push_back("get");
    if (a & access::Let) out.push_back("let");
    if (a & access::Set) out.push_back("set");
    if (a & access::Method) out.push_back("method");
    return out;
}

const char* kindName(ClassInfo::Kind k) {
    switch (k) {
    case ClassInfo::Kind::Control:
        return "control";
    case ClassInfo::Kind::Module:
        return "module";
    case ClassInfo::Kind::PropertyPage:
        return "propertypage";
    case ClassInfo::Kind::Class:
        break;
    }
    return "class";
}

ordered_json classJson(const ClassInfo& c) {
    ordered_json t{{"name", c.name}, {"kind", kindName(c.kind)}, {"guid", c.guid}};
    if (c.kind == ClassInfo::Kind::Control || c.creatable) t["progid"] = c.progId();
    t["creatable"] = c.creatable;
    t["interface"] = c.interfaceName.empty() ? "_" + c.name : c.interfaceName;
    ordered_json members = ordered_json::array();
    for (const auto& m : c.members()) {
        if (!m.published) continue;
        ordered_json j{
            {"name", m.name}, {"dispid", m.dispid}, {"access", accesses(m.access)}, {"type", m.type}};
        if (!m.params.empty()) j["params"] = params(m.params);
        if (!m.helpString.empty()) j["helpstring"] = m.helpString;
        members.push_back(std::move(j));
    }
    t["members"] = std::move(members);
    ordered_json events = ordered_json::array();
    for (const auto& e : c.events())
        events.push_back({{"name", e.name}, {"dispid", e.dispid}, {"params", params(e.params)}});
    t["events"] = std::move(events);
    if (!c.eventInterfaceName.empty()) t["eventInterface"] = c.eventInterfaceName;
    if (!c.propertyPages.empty()) t["propertyPages"] = c.propertyPages;
    return t;
}

} // namespace

std::string typeLibraryJson(int indent) {
    registerLibraryTypes();
    const TypeRegistry& r = TypeRegistry::instance();
    ordered_json lib{
        {"name", r.library().name}, {"guid", r.library().guid}, {"version", r.library().version}};
    ordered_json types = ordered_json::array();
    for (const auto& c : r.classes()) {
        if (c.info->published) types.push_back(classJson(*c.info));
    }
    for (const auto& e : r.enums()) {
        ordered_json values = ordered_json::array();
        for (const auto& [name, value] : e.values)
            values.push_back({{"name", name}, {"value", value}});
        types.push_back(
            {{"name", e.name}, {"kind", "enum"}, {"guid", e.guid}, {"values", std::move(values)}});
    }
    for (const auto& rec : r.records()) {
        ordered_json fields = ordered_json::array();
        for (const auto& f : rec.fields)
            fields.push_back({{"name", f.name}, {"type", f.type}, {"offset", f.offset}});
        types.push_back({{"name", rec.name},
                         {"kind", "record"},
                         {"guid", rec.guid},
                         {"fields", std::move(fields)},
                         {"size", rec.size}});
    }
    return ordered_json{{"library", std::move(lib)}, {"types", std::move(types)}}.dump(indent);
}

} // namespace ov
