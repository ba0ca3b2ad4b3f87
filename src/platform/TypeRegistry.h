#pragma once

#include "platform/ClassInfo.h"
#include "platform/Forward.h"

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace ov {

struct EnumInfo {
    std::string name;
    std::string guid;
    std::vector<std::pair<std::string, int32_t>> values;
};

struct FieldInfo {
    std::string name;
    std::string type; // a published type name: "Boolean", "String", "Long", an enumeration's name...
    size_t offset = 0;
};

// A published record. Its layout is the host's: natural alignment, strings as 4-byte references.
struct RecordInfo {
    std::string name;
    std::string guid;
    std::vector<FieldInfo> fields;
    size_t size = 0;

    // Lays out fields of the given types in order; fills offsets and size.
    static RecordInfo layout(std::string name, std::string guid,
                             std::vector<std::pair<std::string, std::string>> fields);
};

struct LibraryInfo {
    std::string name;
    std::string guid;
    std::string version;
    std::string description;
};

// Every class, enumeration and record the library publishes, in declaration order, and the factories
// of the creatable ones (looked up by program id, "OvComCtl.<name>", without letter case). Filled
// once when the library loads; read-only afterwards.
class TypeRegistry {
public:
    using Factory = std::function<ObjectRef()>;

    static TypeRegistry& instance();

    void setLibrary(LibraryInfo info) { m_library = std::move(info); }
    const LibraryInfo& library() const { return m_library; }

    void addClass(const ClassInfo& info, Factory factory = {});
    void addEnum(EnumInfo info) { m_enums.push_back(std::move(info)); }
    void addRecord(RecordInfo info) { m_records.push_back(std::move(info)); }

    struct ClassEntry {
        const ClassInfo* info;
        Factory factory;
    };
    const std::vector<ClassEntry>& classes() const { return m_classes; }
    const std::vector<EnumInfo>& enums() const { return m_enums; }
    const std::vector<RecordInfo>& records() const { return m_records; }

    const ClassInfo* findClass(std::string_view name) const;
    const ClassEntry* findProgId(std::string_view progId) const;
    // Creates an instance of a creatable class; failure 429 when the program id names none.
    ObjectRef create(std::string_view progId) const;
    // Creates the property page class named `className` (letter case ignored); failure 429 when no
    // registered property page class has that name.
    ObjectRef createPropertyPage(std::string_view className) const;

private:
    LibraryInfo m_library;
    std::vector<ClassEntry> m_classes;
    std::vector<EnumInfo> m_enums;
    std::vector<RecordInfo> m_records;
};

} // namespace ov
