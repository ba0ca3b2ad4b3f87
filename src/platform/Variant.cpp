#include "platform/Variant.h"

#include "platform/Failure.h"
#include "platform/Object.h"
#include "platform/Text.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <limits>

namespace ov {

namespace {

template <class T>
T checkedWhole(double v, double lo, double hi) {
    if (std::isnan(v)) throw Failure(6);
    double r = Variant::roundHalfEven(v);
    if (r < lo || r > hi) throw Failure(6);
    return static_cast<T>(r);
}

// An object converts through its default member (DISPID 0), as late binding does.
Variant defaultValue(const ObjectRef& o) {
    if (!o) throw Failure(91);
    return o->get("", {});
}

// Rewrites the decimal forms the host's numeric test accepts as plain "-123.45e6" text: one sign,
// leading, trailing ("12-") or as parentheses ("(12)"); a currency sign "$" before or after the
// number, with blanks between; a "," before each group of three whole digits; "D" as well as "E" for
// the exponent. No "inf", "nan" or hexadecimal floats.
bool groupOfThree(std::string_view rest) {
    auto digit = [&](size_t k) { return k < rest.size() && rest[k] >= '0' && rest[k] <= '9'; };
    return digit(0) && digit(1) && digit(2) && !digit(3);
}

bool plainDecimal(std::string_view t, std::string& out) {
    bool negative = false, signed_ = false;
    auto trim = [](std::string_view v) {
        while (!v.empty() && v.front() == ' ')
            v.remove_prefix(1);
        while (!v.empty() && v.back() == ' ')
            v.remove_suffix(1);
        return v;
    };
    auto takeSign = [&](char c) {
        if ((c != '+' && c != '-') || signed_) return false;
        signed_ = true;
        negative = c == '-';
        return true;
    };
    if (t.size() >= 2 && t.front() == '(' && t.back() == ')') {
        t = trim(t.substr(1, t.size() - 2));
        signed_ = negative = true;
    }
    bool currency = false;
    for (bool again = true; again && !t.empty();) { // "-$5", "$-5", "$ 5"
        again = false;
        if (takeSign(t.front()) || (!currency && t.front() == '$')) {
            currency = currency || t.front() == '$';
            t = trim(t.substr(1));
            again = true;
        }
    }
    for (bool again = true; again && !t.empty();) { // "5-", "5$", "5 $-"
        again = false;
        if (takeSign(t.back()) || (!currency && t.back() == '$')) {
            currency = currency || t.back() == '$';
            t = trim(t.substr(0, t.size() - 1));
            again = true;
        }
    }
    out = negative ? "-" : "";
    size_t i = 0;
    bool digits = false, point = false;
    for (; i < t.size(); ++i) {
        char c = t[i];
        if (c >= '0' && c <= '9') {
            digits = true;
            out += c;
        } else if (c == ',' && digits && !point && groupOfThree(t.substr(i + 1))) {
            continue;
        } else if (c == '.' && !point) {
            point = true;
            out += c;
        } else {
            break;
        }
    }
    if (!digits) return false;
    if (i < t.size() && (t[i] == 'e' || t[i] == 'E' || t[i] == 'd' || t[i] == 'D')) {
        out += 'e';
        ++i;
        if (i < t.size() && (t[i] == '+' || t[i] == '-')) out += t[i++];
        const size_t first = i;
        for (; i < t.size() && t[i] >= '0' && t[i] <= '9'; ++i)
            out += t[i];
        if (i == first) return false;
    }
    return i == t.size();
}

} // namespace

void throwTypeMismatch(const std::string& detail) {
    throw Failure(13, failureText(13) + " (" + detail + ")");
}

bool Variant::isNothing() const {
    auto* o = std::get_if<ObjectRef>(&m_value);
    return o && !*o;
}

bool Variant::isNumeric() const {
    switch (type()) {
    case Type::Empty:
    case Type::Boolean:
    case Type::Integer:
    case Type::Long:
    case Type::Single:
    case Type::Double:
        return true;
    case Type::String:
        return isNumericText(std::get<std::string>(m_value));
    default:
        return false;
    }
}

std::string Variant::typeName() const {
    static const char* const names[] = {"Empty",  "Null",   "Boolean", "Integer", "Long",
                                        "Single", "Double", "String",  "Object",  "Record"};
    if (isNothing()) return "Nothing";
    return names[m_value.index()];
}

double Variant::toDouble() const {
    switch (type()) {
    case Type::Empty:
        return 0;
    case Type::Null:
        throw Failure(94);
    case Type::Boolean:
        return std::get<Bool>(m_value).value;
    case Type::Integer:
        return std::get<int16_t>(m_value);
    case Type::Long:
        return std::get<int32_t>(m_value);
    case Type::Single:
        return std::get<float>(m_value);
    case Type::Double:
        return std::get<double>(m_value);
    case Type::String: {
        double d = 0;
        if (!parseNumber(std::get<std::string>(m_value), d))
            throwTypeMismatch("\"" + std::get<std::string>(m_value) + "\" is not a number");
        if (!std::isfinite(d)) throw Failure(err::Overflow); // "1e400" reads as infinity
        return d;
    }
    case Type::Object:
        return defaultValue(std::get<ObjectRef>(m_value)).toDouble();
    case Type::Record:
        break;
    }
    throwTypeMismatch("number expected, found " + typeName());
}

float Variant::toSingle() const {
    double d = toDouble();
    if (std::isfinite(d) && std::fabs(d) > std::numeric_limits<float>::max()) throw Failure(6);
    return static_cast<float>(d);
}

int16_t Variant::toInt16() const {
    if (type() == Type::Integer) return std::get<int16_t>(m_value);
    if (type() == Type::Boolean) return std::get<Bool>(m_value).value;
    return checkedWhole<int16_t>(toDouble(), -32768.0, 32767.0);
}

int32_t Variant::toInt32() const {
    if (type() == Type::Long) return std::get<int32_t>(m_value);
    if (type() == Type::Integer) return std::get<int16_t>(m_value);
    if (type() == Type::Boolean) return std::get<Bool>(m_value).value;
    return checkedWhole<int32_t>(toDouble(), -2147483648.0, 2147483647.0);
}

bool Variant::toBool() const {
    switch (type()) {
    case Type::Boolean:
        return std::get<Bool>(m_value).value != 0;
    case Type::String: {
        const auto& s = std::get<std::string>(m_value);
        std::string t = trimBlanks(s);
        if (equalsNoCase(t, "True")) return true;
        if (equalsNoCase(t, "False")) return false;
        double d = 0;
        if (!parseNumber(t, d)) throwTypeMismatch("\"" + s + "\" is not a Boolean");
        return d != 0;
    }
    default:
        return toDouble() != 0;
    }
}

std::string Variant::toString() const {
    switch (type()) {
    case Type::Empty:
        return {};
    case Type::Null:
        throw Failure(94);
    case Type::Boolean:
        return std::get<Bool>(m_value).value ? "True" : "False";
    case Type::Integer:
        return std::to_string(std::get<int16_t>(m_value));
    case Type::Long:
        return std::to_string(std::get<int32_t>(m_value));
    case Type::Single:
        return numberText(std::get<float>(m_value), 7);
    case Type::Double:
        return numberText(std::get<double>(m_value), 15);
    case Type::String:
        return std::get<std::string>(m_value);
    case Type::Object:
        return defaultValue(std::get<ObjectRef>(m_value)).toString();
    case Type::Record:
        break;
    }
    throwTypeMismatch("text expected, found " + typeName());
}

ObjectRef Variant::toObject() const {
    if (type() == Type::Empty) return {};
    if (auto* o = std::get_if<ObjectRef>(&m_value)) return *o;
    throwTypeMismatch("object expected, found " + typeName());
}

bool operator==(const Variant& a, const Variant& b) {
    if (a.m_value.index() != b.m_value.index()) return false;
    switch (a.type()) {
    case Variant::Type::Empty:
    case Variant::Type::Null:
        return true;
    case Variant::Type::Boolean:
        return std::get<Variant::Bool>(a.m_value) == std::get<Variant::Bool>(b.m_value);
    case Variant::Type::Integer:
        return std::get<int16_t>(a.m_value) == std::get<int16_t>(b.m_value);
    case Variant::Type::Long:
        return std::get<int32_t>(a.m_value) == std::get<int32_t>(b.m_value);
    case Variant::Type::Single:
        return std::get<float>(a.m_value) == std::get<float>(b.m_value);
    case Variant::Type::Double:
        return std::get<double>(a.m_value) == std::get<double>(b.m_value);
    case Variant::Type::String:
        return std::get<std::string>(a.m_value) == std::get<std::string>(b.m_value);
    case Variant::Type::Object:
        return std::get<ObjectRef>(a.m_value) == std::get<ObjectRef>(b.m_value);
    case Variant::Type::Record:
        return false; // records have no identity; compare their fields instead
    }
    return false;
}

double Variant::roundHalfEven(double v) {
    double floorV = std::floor(v);
    double diff = v - floorV;
    if (diff > 0.5) return floorV + 1;
    if (diff < 0.5) return floorV;
    return std::fmod(floorV, 2.0) == 0 ? floorV : floorV + 1;
}

bool Variant::parseNumber(std::string_view text, double& out) {
    std::string t = trimBlanks(text);
    if (t.empty()) return false;
    if (t.size() > 2 && t[0] == '&' && (t[1] == 'H' || t[1] == 'h')) {
        if (t.size() > 10) return false;
        uint64_t v = 0;
        for (size_t i = 2; i < t.size(); ++i) {
            char c = t[i];
            int d = (c >= '0' && c <= '9')   ? c - '0'
                    : (c >= 'a' && c <= 'f') ? c - 'a' + 10
                    : (c >= 'A' && c <= 'F') ? c - 'A' + 10
                                             : -1;
            if (d < 0) return false;
            v = v * 16 + static_cast<uint64_t>(d);
        }
        // Up to four digits is a 16-bit value, more a 32-bit one; both read as signed.
        if (t.size() - 2 <= 4)
            out = static_cast<int16_t>(static_cast<uint16_t>(v));
        else
            out = static_cast<int32_t>(static_cast<uint32_t>(v));
        return true;
    }
    std::string plain;
    if (!plainDecimal(t, plain)) return false;
    char* end = nullptr;
    out = std::strtod(plain.c_str(), &end);
    return end == plain.c_str() + plain.size();
}

bool Variant::isNumericText(std::string_view text) {
    double d = 0;
    return parseNumber(text, d);
}

std::string Variant::numberText(double v, int significantDigits) {
    if (v == 0) return "0";
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.*G", significantDigits, v);
    std::string s = buf;
    auto e = s.find('E');
    std::string mantissa = s.substr(0, e);
    std::string exponent = e == std::string::npos ? "" : s.substr(e);
    if (mantissa.find('.') != std::string::npos) {
        while (!mantissa.empty() && mantissa.back() == '0')
            mantissa.pop_back();
        if (!mantissa.empty() && mantissa.back() == '.') mantissa.pop_back();
    }
    if (!exponent.empty()) {
        // "E+05" -> "E+5"
        std::string sign = exponent.substr(1, 1);
        std::string digits = exponent.substr(2);
        while (digits.size() > 1 && digits[0] == '0')
            digits.erase(0, 1);
        exponent = "E" + sign + digits;
    }
    return mantissa + exponent;
}

} // namespace ov
