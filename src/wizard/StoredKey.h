#pragma once

#include "platform/PropertyBag.h"
#include "platform/Variant.h"
#include "platform/VariantTraits.h"

#include <functional>
#include <string>
#include <utility>

namespace ov {

// One stored property of a wizard control, as its key table lists it: the key it is written under,
// the key it is read under (the bag ignores letter case, so a few differ only in that), the place it
// is read at when the reader's order differs from the writer's (0: in table order), its default, the
// value to write, and how a read value is applied.
struct StoredKey {
    std::string writeKey;
    std::string readKey;
    int readAt;
    Variant defaultValue;
    std::function<Variant()> value;
    std::function<void(const PropertyBag&)> load;
};

// A key whose property has type T: written as the value `get` answers, read with PropertyBag::readAs
// (so a stored value the property cannot take is refused, with `range` for numbers) and handed to
// `apply`.
template <class T, class Get, class Apply>
StoredKey storedKey(std::string writeKey, std::string readKey, int readAt, T defaultValue, Get get,
                    Apply apply, PropertyBag::Range range = {}) {
    std::string key = readKey;
    return StoredKey{std::move(writeKey),
                     std::move(readKey),
                     readAt,
                     VariantTraits<T>::to(defaultValue),
                     [get] { return VariantTraits<T>::to(get()); },
                     [key, defaultValue, apply, range](const PropertyBag& bag) {
                         apply(bag.readAs<T>(key, defaultValue, range));
                     }};
}

} // namespace ov
