#pragma once

#include "platform/Forward.h"

#include <any>
#include <cstdint>
#include <string>
#include <string_view>
#include <variant>

namespace ov {

// The late-bound value every by-name call carries. Booleans are 16-bit (true = -1) as the published
// interface stores them. Conversions follow the host language: whole numbers round halves to even,
// numeric text converts, a value out of range is failure 6 and a value that cannot convert is 13.
class Variant {
public:
    enum class Type { Empty, Null, Boolean, Integer, Long, Single, Double, String, Object, Record };

    struct NullTag {};
    static constexpr NullTag Null{};

    Variant() = default;
    Variant(NullTag) : m_value(NullTag{}) {}
    Variant(bool b) : m_value(Bool{static_cast<int16_t>(b ? -1 : 0)}) {}
    Variant(int16_t v) : m_value(v) {}
    Variant(int32_t v) : m_value(v) {}
    Variant(float v) : m_value(v) {}
    Variant(double v) : m_value(v) {}
    Variant(std::string s) : m_value(std::move(s)) {}
    Variant(const char* s) : m_value(std::string(s)) {}
    Variant(std::string_view s) : m_value(std::string(s)) {}
    Variant(ObjectRef o) : m_value(std::move(o)) {}
    Variant(std::nullptr_t) : m_value(ObjectRef{}) {}
    template <class T>
    requires std::is_base_of_v<Object, T> Variant(std::shared_ptr<T> o) : m_value(ObjectRef(std::move(o))) {}

    // A published record (such as PageButtons) carried by value.
    template <class R>
    static Variant record(R r) {
        Variant v;
        v.m_value = std::any(std::move(r));
        return v;
    }

    Type type() const { return static_cast<Type>(m_value.index()); }
    bool isEmpty() const { return type() == Type::Empty; }
    bool isNull() const { return type() == Type::Null; }
    bool isObject() const { return type() == Type::Object; }
    // An object variant whose reference is empty: the host's "Nothing".
    bool isNothing() const;
    bool isNumeric() const;
    // The host's name for the held type ("Empty", "Long", "String", "Object"...).
    std::string typeName() const;

    bool toBool() const;
    int16_t toInt16() const;
    int32_t toInt32() const;
    float toSingle() const;
    double toDouble() const;
    std::string toString() const;
    // The held reference; Empty gives Nothing. Anything else is a type mismatch.
    ObjectRef toObject() const;

    template <class R>
    R toRecord() const;

    friend bool operator==(const Variant& a, const Variant& b);

private:
    struct Bool {
        int16_t value;
        bool operator==(const Bool&) const = default;
    };
    std::variant<std::monostate, NullTag, Bool, int16_t, int32_t, float, double, std::string, ObjectRef,
                 std::any>
        m_value;
    friend struct VariantAccess;

public:
    // Conversion helpers shared with the text routines.
    static bool isNumericText(std::string_view text);
    // Parses numeric text, as the host's numeric test reads it: leading and trailing blanks; one sign,
    // leading, trailing ("12-") or as parentheses ("(12)"); a currency sign "$" before or after
    // ("$1,234.50", "-$5", "5 $"); a "," before each group of three whole digits; a decimal point; an
    // exponent with "E" or "D" ("1.5E3", "2D-1"); or "&H" hex. False if not numeric.
    static bool parseNumber(std::string_view text, double& out);
    // Rounds halves to even, as the host's whole-number conversions do.
    static double roundHalfEven(double v);
    // Shortest decimal text for a number, as the host prints it (no trailing zeros, "E+" exponents).
    static std::string numberText(double v, int significantDigits);
};

[[noreturn]] void throwTypeMismatch(const std::string& detail);

template <class R>
R Variant::toRecord() const {
    if (auto* a = std::get_if<std::any>(&m_value)) {
        if (auto* r = std::any_cast<R>(a)) return *r;
    }
    throwTypeMismatch("record expected, found " + typeName());
}

inline bool operator==(const Variant::NullTag&, const Variant::NullTag&) {
    return true;
}

} // namespace ov
