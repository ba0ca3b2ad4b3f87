#include "platform/PropertyBag.h"

#include "platform/Font.h"
#include "platform/Object.h"
#include "platform/Picture.h"
#include "platform/Text.h"

#include <algorithm>
#include <cmath>

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
    if (a == b) return true;
    if (!a || !b) return false;
    // Fonts and pictures never change once made, so two with the same contents are the same value;
    // a control that reloads its font from a file still compares equal to the ambient one.
    auto fa = std::dynamic_pointer_cast<const Font>(a);
    auto fb = std::dynamic_pointer_cast<const Font>(b);
    if (fa && fb) return fa->attributes() == fb->attributes();
    auto pa = std::dynamic_pointer_cast<const Picture>(a);
    auto pb = std::dynamic_pointer_cast<const Picture>(b);
    if (pa && pb) return pa->bytes() == pb->bytes();
    return false;
}

} // namespace

bool PropertyBag::sameAsDefault(const Variant& value, const Variant& def) {
    const auto vt = value.type();
    const auto dt = def.type();
    if (isNumber(vt) && isNumber(dt)) return value.toDouble() == def.toDouble();
    if (vt == Variant::Type::Object && dt == Variant::Type::Empty) return value.isNothing();
    if (vt == Variant::Type::Object && dt == Variant::Type::Object)
        return sameObject(value.toObject(), def.toObject());
    if (vt == Variant::Type::Record || dt == Variant::Type::Record) return false;
    return value == def;
}

const PropertyBag::Entry* PropertyBag::find(std::string_view key) const {
    for (const auto& e : m_entries) {
        if (equalsNoCase(e.key, key)) return &e;
    }
    return nullptr;
}

Variant PropertyBag::read(std::string_view key, const Variant& defaultValue) const {
    const Entry* e = find(key);
    return e ? e->value : defaultValue;
}

void PropertyBag::refuse(std::string_view key, std::string problem) const {
    if (!m_refusal) m_refusal = Refusal{std::string(key), std::move(problem)};
}

// "the String "abc"", "the Double NaN", "a Font": the stored value as a refusal names it.
std::string PropertyBag::describe(const Variant& value) {
    switch (value.type()) {
    case Variant::Type::String: {
        std::string text = value.toString();
        // A refusal names the value, not the whole of a long text.
        if (text.size() > 40) text = text.substr(0, 40) + "...";
        return "the String \"" + text + "\"";
    }
    case Variant::Type::Boolean:
    case Variant::Type::Integer:
    case Variant::Type::Long:
    case Variant::Type::Single:
    case Variant::Type::Double: {
        const double d = value.toDouble();
        return "the " + value.typeName() + " " + (std::isnan(d) ? "NaN" : Variant::numberText(d, 17));
    }
    case Variant::Type::Object:
        if (!value.isNothing()) return "the " + value.toObject()->typeName() + " object";
        [[fallthrough]];
    default:
        return "the " + value.typeName() + " value";
    }
}

bool PropertyBag::inRange(const Variant& converted, Range range, std::string& problem) {
    const double d = converted.toDouble();
    if (d >= range.lo && d <= range.hi) return true;
    problem = " is outside " + Variant::numberText(range.lo, 17) + " to " + Variant::numberText(range.hi, 17);
    return false;
}

void PropertyBag::write(std::string_view key, const Variant& value, const Variant& defaultValue,
                        Range range) {
    std::string problem;
    if (isNumber(value.type()) && !inRange(value, range, problem)) refuse(key, describe(value) + problem);
    write(key, value, defaultValue);
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
    if (it == m_entries.end()) return false;
    m_entries.erase(it);
    return true;
}

} // namespace ov
