#pragma once

#include "platform/Color.h"
#include "platform/Failure.h"
#include "platform/Variant.h"

#include <cmath>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <type_traits>

namespace ov {

class Object;

// How a C++ type crosses the late-bound boundary: its name in the type library, and its conversions
// to and from Variant. Published enumerations and records specialise TypeName (see OV_ENUM / a
// record's kTypeName); Object classes name themselves with kClassName.
template <class T, class = void>
struct VariantTraits;

#define OV_SIMPLE_TRAITS(Type, Name, ToExpr, FromExpr)                                                       \
    template <>                                                                                              \
    struct VariantTraits<Type> {                                                                             \
        static std::string typeName() { return Name; }                                                       \
        static Variant to(const Type& v) { return ToExpr; }                                                  \
        static Type from(const Variant& v) { return FromExpr; }                                              \
    };

OV_SIMPLE_TRAITS(bool, "Boolean", Variant(v), v.toBool())
OV_SIMPLE_TRAITS(int16_t, "Integer", Variant(v), v.toInt16())
OV_SIMPLE_TRAITS(int32_t, "Long", Variant(v), v.toInt32())
OV_SIMPLE_TRAITS(float, "Single", Variant(v), v.toSingle())
OV_SIMPLE_TRAITS(double, "Double", Variant(v), v.toDouble())
OV_SIMPLE_TRAITS(std::string, "String", Variant(v), v.toString())
OV_SIMPLE_TRAITS(Variant, "Variant", v, v)
#undef OV_SIMPLE_TRAITS

// Colours travel as the host's 32-bit signed Long and read back from any number in either range.
template <>
struct VariantTraits<OleColor> {
    static std::string typeName() { return "OLE_COLOR"; }
    static Variant to(OleColor v) { return Variant(static_cast<int32_t>(v)); }
    static OleColor from(const Variant& v) {
        // Round first, then check: a half at either end decides which side of the range it lands on,
        // and a value outside it must never reach the integer conversion.
        double d = Variant::roundHalfEven(v.toDouble());
        if (std::isnan(d) || d < -2147483648.0 || d > 4294967295.0) throw Failure(err::Overflow);
        return d < 0 ? static_cast<OleColor>(static_cast<int32_t>(d)) : static_cast<OleColor>(d);
    }
};

template <class E>
struct EnumName; // specialised by OV_ENUM

#define OV_ENUM(Enum)                                                                                        \
    template <>                                                                                              \
    struct EnumName<Enum> {                                                                                  \
        static constexpr const char* value = #Enum;                                                          \
    };

template <class E>
struct VariantTraits<E, std::enable_if_t<std::is_enum_v<E>>> {
    static std::string typeName() { return EnumName<E>::value; }
    static Variant to(E v) { return Variant(static_cast<int32_t>(v)); }
    static E from(const Variant& v) { return static_cast<E>(v.toInt32()); }
};

// Records declare `static constexpr const char* kTypeName`.
template <class R>
struct VariantTraits<R, std::void_t<decltype(R::kTypeName)>> {
    static std::string typeName() { return R::kTypeName; }
    static Variant to(const R& v) { return Variant::record(v); }
    static R from(const Variant& v) { return v.toRecord<R>(); }
};

template <>
struct VariantTraits<std::shared_ptr<Object>> {
    static std::string typeName() { return "Object"; }
    static Variant to(const std::shared_ptr<Object>& v) { return Variant(v); }
    static std::shared_ptr<Object> from(const Variant& v) { return v.toObject(); }
};

// References to a published class (or to a shared immutable object such as a font).
template <class X>
struct VariantTraits<std::shared_ptr<X>,
                     std::enable_if_t<!std::is_same_v<std::remove_const_t<X>, Object> &&
                                      std::is_base_of_v<Object, std::remove_const_t<X>>>> {
    using M = std::remove_const_t<X>;
    static std::string typeName() { return M::kClassName; }
    static Variant to(const std::shared_ptr<X>& v) { return Variant(std::const_pointer_cast<M>(v)); }
    static std::shared_ptr<X> from(const Variant& v) {
        auto o = v.toObject();
        if (!o) return {};
        auto t = std::dynamic_pointer_cast<M>(o);
        if (!t) throwTypeMismatch(std::string(M::kClassName) + " expected");
        return t;
    }
};

// An optional parameter: absent when the caller passes fewer arguments.
template <class T>
struct VariantTraits<std::optional<T>> {
    static std::string typeName() { return VariantTraits<T>::typeName(); }
    static Variant to(const std::optional<T>& v) { return v ? VariantTraits<T>::to(*v) : Variant(); }
    static std::optional<T> from(const Variant& v) {
        if (v.isEmpty()) return std::nullopt;
        return VariantTraits<T>::from(v);
    }
};

template <class T>
struct IsOptional : std::false_type {};
template <class T>
struct IsOptional<std::optional<T>> : std::true_type {};

} // namespace ov
