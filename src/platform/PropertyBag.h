#pragma once

#include "platform/Failure.h"
#include "platform/Variant.h"
#include "platform/VariantTraits.h"

#include <limits>
#include <optional>
#include <string>
#include <string_view>
#include <type_traits>
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
//
// Reading a value as its property takes it (readAs) checks it. A stored value that the property
// cannot take — one that does not convert to the property's type the way a by-name write converts
// it (the text "abc" for a Long, NaN or 2^31 for a Long, a font for a picture), or a number outside
// the range the property declares — is refused: the bag keeps the first refusal (key and problem)
// and the read answers the default, so the control reads on undisturbed, with no failure for its
// own failure handling to catch or show. Whoever filled the bag decides what a refusal means: a
// form-file load refuses the whole form (see FormFile).
//
// Writing mirrors it: write(key, value, default, range) with a number outside the range the property
// declares stores the value as given (the bag describes the control as it is) and keeps the first
// refusal, again without a failure for the control's handling; whoever empties the bag decides what
// it means: a form-file save refuses the form, so that a saved form always loads.
// The numbers a property takes, both ends included.
struct PropertyRange {
    double lo = -std::numeric_limits<double>::infinity();
    double hi = std::numeric_limits<double>::infinity();
};

class PropertyBag {
public:
    struct Entry {
        std::string key;
        Variant value;
    };

    // The numbers a property takes, both ends included (declared outside the class so that it is
    // complete where the default arguments below use it).
    using Range = PropertyRange;

    // A stored value a property could not take.
    struct Refusal {
        std::string key;
        std::string problem;
    };

    // The stored value, or `defaultValue` when the key is absent. Unchecked.
    Variant read(std::string_view key, const Variant& defaultValue = {}) const;
    // The stored value converted to T (see VariantTraits), or `defaultValue` when the key is absent or
    // the value is refused (see above). Numbers (and enumerations, as whole numbers) must lie in `range`.
    template <class T>
    T readAs(std::string_view key, const T& defaultValue, Range range = {}) const;
    // The stored value converted to T; nothing when the key is absent or the value is refused (the
    // refusal is kept as by readAs).
    template <class T>
    std::optional<T> readIfStored(std::string_view key, Range range = {}) const;
    // The first refusal, read or written, since the bag was made or cleared.
    const std::optional<Refusal>& refusal() const { return m_refusal; }
    // Refuses the value stored under `key` for a rule of the property's own beyond its type and range
    // (a font that must not be Nothing); the first refusal is kept.
    void refuse(std::string_view key, std::string problem) const;
    // Stores `value` unless it equals `defaultValue` (see above).
    void write(std::string_view key, const Variant& value, const Variant& defaultValue = {});
    // The same for a property that takes the numbers in `range`: a number outside is stored and refused.
    void write(std::string_view key, const Variant& value, const Variant& defaultValue, Range range);
    // Stores unconditionally (a form loader filling the bag from a file).
    void put(std::string_view key, const Variant& value);
    bool remove(std::string_view key);

    bool contains(std::string_view key) const { return find(key) != nullptr; }
    const std::vector<Entry>& entries() const { return m_entries; }
    size_t size() const { return m_entries.size(); }
    bool empty() const { return m_entries.empty(); }
    void clear() {
        m_entries.clear();
        m_refusal.reset();
    }

    // The comparison write() uses against the default.
    static bool sameAsDefault(const Variant& value, const Variant& defaultValue);

private:
    const Entry* find(std::string_view key) const;
    static std::string describe(const Variant& value);
    static bool inRange(const Variant& converted, Range range, std::string& problem);

    std::vector<Entry> m_entries;
    mutable std::optional<Refusal> m_refusal;
};

template <class T>
T PropertyBag::readAs(std::string_view key, const T& defaultValue, Range range) const {
    std::optional<T> value = readIfStored<T>(key, range);
    return value ? std::move(*value) : defaultValue;
}

template <class T>
std::optional<T> PropertyBag::readIfStored(std::string_view key, Range range) const {
    const Entry* e = find(key);
    if (!e) return std::nullopt;
    try {
        T value = VariantTraits<T>::from(e->value);
        if constexpr (std::is_arithmetic_v<T> || std::is_enum_v<T>) {
            std::string problem;
            if (!inRange(VariantTraits<T>::to(value), range, problem)) {
                refuse(e->key, describe(e->value) + problem);
                return std::nullopt;
            }
        }
        return value;
    } catch (const Failure&) {
        refuse(e->key, describe(e->value) + " does not convert to " + VariantTraits<T>::typeName());
        return std::nullopt;
    }
}

} // namespace ov
