#pragma once

#include "platform/Text.h"

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <string_view>

namespace ov {

// The predefined registry roots, numbered as the host's registry numbers them.
enum class RegistryRoot : uint32_t {
    ClassesRoot = 0x80000000u,
    CurrentUser = 0x80000001u,
    LocalMachine = 0x80000002u,
    Users = 0x80000003u,
    CurrentConfig = 0x80000005u,
};

namespace regType {
inline constexpr int32_t String = 1; // REG_SZ
inline constexpr int32_t Dword = 4;  // REG_DWORD, little-endian
} // namespace regType

// One value as the registry hands it out: its type and its raw bytes. A string value's bytes end with
// the terminating NUL, as the host's value query returns them; a 32-bit value is four bytes,
// low byte first.
struct RegistryValue {
    int32_t type = regType::String;
    std::string bytes;

    static RegistryValue string(std::string_view text);
    static RegistryValue dword(uint32_t value);
    bool operator==(const RegistryValue&) const = default;
};

// Read access to the system registry. Key paths use "\" between parts and, like value names, are
// matched without letter case.
class RegistryService {
public:
    virtual ~RegistryService() = default;
    virtual bool keyExists(RegistryRoot root, std::string_view keyPath) const = 0;
    // The value, or nothing when the key or the value does not exist.
    virtual std::optional<RegistryValue> queryValue(RegistryRoot root, std::string_view keyPath,
                                                    std::string_view valueName) const = 0;
};

// The headless registry: an in-memory tree that a test or host fills. Setting a value creates its key
// and every key above it.
class HeadlessRegistry : public RegistryService {
public:
    bool keyExists(RegistryRoot root, std::string_view keyPath) const override;
    std::optional<RegistryValue> queryValue(RegistryRoot root, std::string_view keyPath,
                                            std::string_view valueName) const override;

    void createKey(RegistryRoot root, std::string_view keyPath);
    void setValue(RegistryRoot root, std::string_view keyPath, std::string_view valueName,
                  RegistryValue value);
    void setString(RegistryRoot root, std::string_view keyPath, std::string_view valueName,
                   std::string_view text) {
        setValue(root, keyPath, valueName, RegistryValue::string(text));
    }
    void setDword(RegistryRoot root, std::string_view keyPath, std::string_view valueName, uint32_t v) {
        setValue(root, keyPath, valueName, RegistryValue::dword(v));
    }
    // Removes the key, its values and every key below it; false when there was none.
    bool deleteKey(RegistryRoot root, std::string_view keyPath);
    void clear() { m_keys.clear(); }

private:
    struct NoCaseLess {
        bool operator()(const std::string& a, const std::string& b) const {
            return foldCase(a) < foldCase(b);
        }
    };
    using Values = std::map<std::string, RegistryValue, NoCaseLess>;
    // Keys by "<root>\<path>", normalised (no leading, trailing or doubled separators).
    std::map<std::string, Values, NoCaseLess> m_keys;

    static std::string fullPath(RegistryRoot root, std::string_view keyPath);
};

} // namespace ov
