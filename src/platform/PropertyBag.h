#pragma once

#include "platform/Variant.h"

#include <string>
#include <string_view>
#include <vector>

namespace ov {

// The bag a control saves its persisted properties into and reads them back from. Keys are matched
// without letter case; entries keep the order in which they were first written, which is the order a
// form file stores them in.
//
// write(key, value, default) follows the host's rule that a value equal to its default is not stored:
// such a write stores nothing and also drops an entry written earlier under the same key, so the bag
// always describes the latest values. Writing a key again replaces its value in place (the entry keeps
// its first position). "Equal to the default" is compared as the host compares variants: numbers
// (Boolean, Integer, Long, Single, Double) by value whatever their types, text exactly, Empty with
// Empty, Null with Null; objects by reference, except fonts (equal descriptions) and pictures (equal
// bytes), which are immutable values; and Nothing is equal to an Empty default ("no picture").
class PropertyBag {
public:
    struct Entry {
        std::string key;
        Variant value;
    };

    // The stored value, or `defaultValue` when the key is absent.
    Variant read(std::string_view key, const Variant& defaultValue = {}) const;
    void write(std::string_view key, const Variant& value, const Variant& defaultValue = {});
    // Stores unconditionally (a form loader filling the bag from a file).
    void put(std::string_view key, const Variant& value);
    bool remove(std::string_view key);

    bool contains(std::string_view key) const { return find(key) != nullptr; }
    const std::vector<Entry>& entries() const { return m_entries; }
    size_t size() const { return m_entries.size(); }
    bool empty() const { return m_entries.empty(); }
    void clear() { m_entries.clear(); }

    // The comparison write() uses against the default.
    static bool sameAsDefault(const Variant& value, const Variant& defaultValue);

private:
    const Entry* find(std::string_view key) const;

    std::vector<Entry> m_entries;
};

} // namespace ov
