#include "platform/TypeRegistry.h"

#include "platform/Failure.h"
#include "platform/Text.h"

#include <algorithm>

namespace ov {

namespace {

size_t hostSizeOf(const std::string& type) {
    if (type == "Boolean" || type == "Integer") return 2;
    if (type == "Double" || type == "Currency" || type == "Date") return 8;
    if (type == "Byte") return 1;
    if (type == "Variant") return 16;
    return 4; // Long, Single, String and object references, enumerations
}

} // namespace

RecordInfo RecordInfo::layout(std::string name, std::string guid,
                              std::vector<std::pair<std::string, std::string>> fields) {
    RecordInfo r{std::move(name), std::move(guid), {}, 0};
    size_t offset = 0;
    size_t maxAlign = 1;
    for (auto& [fieldName, type] : fields) {
        size_t size = hostSizeOf(type);
        size_t align = size > 8 ? 8 : size;
        offset = (offset + align - 1) / align * align;
        r.fields.push_back({fieldName, type, offset});
        offset += size;
        maxAlign = std::max(maxAlign, align);
    }
    r.size = (offset + maxAlign - 1) / maxAlign * maxAlign;
    return r;
}

TypeRegistry& TypeRegistry::instance() {
    static TypeRegistry registry;
    return registry;
}

void TypeRegistry::addClass(const ClassInfo& info, Factory factory) {
    m_classes.push_back({&info, std::move(factory)});
}

const ClassInfo* TypeRegistry::findClass(std::string_view name) const {
    for (const auto& c : m_classes) {
        if (equalsNoCase(c.info->name, name)) return c.info;
    }
    return nullptr;
}

const TypeRegistry::ClassEntry* TypeRegistry::findProgId(std::string_view progId) const {
    for (const auto& c : m_classes) {
        if (equalsNoCase(c.info->progId(), progId)) return &c;
    }
    return nullptr;
}

ObjectRef TypeRegistry::create(std::string_view progId) const {
    const ClassEntry* e = findProgId(progId);
    if (!e || !e->factory || !e->info->creatable)
        throw Failure(429, "ActiveX component can't create object (" + std::string(progId) + ")");
    return e->factory();
}

ObjectRef TypeRegistry::createPropertyPage(std::string_view className) const {
    for (const auto& c : m_classes) {
        if (c.info->kind == ClassInfo::Kind::PropertyPage && c.factory &&
            equalsNoCase(c.info->name, className))
            return c.factory();
    }
    throw Failure(429, "ActiveX component can't create object (property page " + shown(className) + ")");
}

} // namespace ov
