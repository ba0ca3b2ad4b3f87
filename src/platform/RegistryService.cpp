#include "platform/RegistryService.h"

#include <vector>

namespace ov {

RegistryValue RegistryValue::string(std::string_view text) {
    RegistryValue v;
    v.type = regType::String;
    v.bytes.assign(text);
    v.bytes.push_back('\0');
    return v;
}

RegistryValue RegistryValue::dword(uint32_t value) {
    RegistryValue v;
    v.type = regType::Dword;
    for (int i = 0; i < 4; ++i)
        v.bytes.push_back(static_cast<char>((value >> (8 * i)) & 0xFF));
    return v;
}

std::string HeadlessRegistry::fullPath(RegistryRoot root, std::string_view keyPath) {
    std::string out = std::to_string(static_cast<uint32_t>(root));
    size_t i = 0;
    while (i < keyPath.size()) {
        size_t next = keyPath.find('\\', i);
        if (next == std::string_view::npos) next = keyPath.size();
        if (next > i) {
            out.push_back('\\');
            out.append(keyPath.substr(i, next - i));
        }
        i = next + 1;
    }
    return out;
}

bool HeadlessRegistry::keyExists(RegistryRoot root, std::string_view keyPath) const {
    std::string path = fullPath(root, keyPath);
    // A root always exists, as in the real registry.
    return path.find('\\') == std::string::npos || m_keys.contains(path);
}

std::optional<RegistryValue> HeadlessRegistry::queryValue(RegistryRoot root, std::string_view keyPath,
                                                          std::string_view valueName) const {
    auto key = m_keys.find(fullPath(root, keyPath));
    if (key == m_keys.end()) return std::nullopt;
    auto value = key->second.find(std::string(valueName));
    if (value == key->second.end()) return std::nullopt;
    return value->second;
}

void HeadlessRegistry::createKey(RegistryRoot root, std::string_view keyPath) {
    std::string path = fullPath(root, keyPath);
    // Every ancestor exists as a key of its own, as in the real registry.
    for (size_t at = path.find('\\'); at != std::string::npos; at = path.find('\\', at + 1))
        m_keys.try_emplace(path.substr(0, at));
    m_keys.try_emplace(path);
}

void HeadlessRegistry::setValue(RegistryRoot root, std::string_view keyPath, std::string_view valueName,
                                RegistryValue value) {
    createKey(root, keyPath);
    m_keys[fullPath(root, keyPath)][std::string(valueName)] = std::move(value);
}

bool HeadlessRegistry::deleteKey(RegistryRoot root, std::string_view keyPath) {
    std::string path = fullPath(root, keyPath);
    if (!m_keys.contains(path)) return false;
    std::string prefix = foldCase(path) + "\\";
    std::vector<std::string> doomed;
    for (const auto& [k, values] : m_keys) {
        std::string folded = foldCase(k);
        if (folded == foldCase(path) || folded.starts_with(prefix)) doomed.push_back(k);
    }
    for (const auto& k : doomed)
        m_keys.erase(k);
    return true;
}

} // namespace ov
