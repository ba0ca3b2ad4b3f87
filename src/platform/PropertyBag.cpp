#include "platform/PropertyBag.h"

#include "platform/Font.h"
#include "platform/Picture.h"
#include "platform/Text.h"

#include <algorithm>

namespace ov {

namespace {

bool isNumber(Variant::Type t) {
    switch (t) {
    case Variant::Type::Boolean:
    case Variant::Type::Integer:
    case Variant::Type::Long:
    case Variant::Type::Single:
    case Variant::Type::Double:
        return true;
    default:
        return false;
    }
}

bool sameObject(const ObjectRef& a, const ObjectRef& b) {
    if (a == b)
        return true;
    if (!a || !b)
        return false;
    // Fonts and pictures never change once made, so two with the same contents are the same value;
    // a control that reloads its font from a file still compares equal to the ambient one.
    auto fa = std::dynamic_pointer_cast<const Font>(a);
    auto fb = std::dynamic_pointer_cast<const Font>(b);
    if (fa && fb)
        return fa->attributes() == fb->attributes();
    auto pa = std::dynamic_pointer_cast<const Picture>(a);
    auto pb = std::dynamic_pointer_cast<const Picture>(b);
    if (pa && pb)
        return pa->bytes() == pb->bytes();
    return false;
}

} // namespace

bool PropertyBag::sameAsDefault(const Variant& value, const Variant& def) {
    const auto vt = value.type();
    const auto dt = def.type();
    if (isNumber(vt) && isNumber(dt))
        return value.toDouble() == def.toDouble();
    if (vt == Variant::Type::Object && dt == Variant::Type::Empty)
        return value.isNothing();
    if (vt == Variant::Type::Object && dt == Variant::Type::Object)
        return sameObject(value.toObject(), def.toObject());
    if (vt == Variant::Type::Record || dt == Variant::Type::Record)
        return false;
    return value == def;
}

const PropertyBag::Entry* PropertyBag::find(std::string_view key) const {
    for (const auto& e : m_entries) {
        if (equalsNoCase(e.key, key))
            return &e;
    }
    return nullptr;
}

Variant PropertyBag::read(std::string_view key, const Variant& defaultValue) const {
    const Entry* e = find(key);
    return e ? e->value : defaultValue;
}

void PropertyBag::write(std::string_view key, const Variant& value, const Variant& defaultValue) {
    if (sameAsDefault(value, defaultValue)) {
        remove(key);
        return;
    }
    put(key, value);
}

void PropertyBag::put(std::string_view key, const Variant& value) {
    if (auto* e = const_cast<Entry*>(find(key))) {
        e->value = value;
        return;
    }
    m_entries.push_back({std::string(key), value});
}

bool PropertyBag::remove(std::string_view key) {
    auto it = std::find_if(m_entries.begin(), m_entries.end(),
                           [&](const Entry& e) { return equalsNoCase(e.key, key); });
    if (it == m_entries.end())
        return false;
    m_entries.erase(it);
    return true;
}

} // namespace ov
