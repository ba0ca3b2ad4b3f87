#pragma once

#include <string>
#include <string_view>

namespace ov {

// Letter case is folded for ASCII letters only: names and keys in this library are identifiers.
// Names are compared on every call by name and every look-up of a control, so the comparison is
// inline and folds only bytes that differ.
constexpr char foldCase(char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}
std::string foldCase(std::string_view s);
inline bool equalsNoCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i) {
        if (a[i] != b[i] && foldCase(a[i]) != foldCase(b[i])) return false;
    }
    return true;
}
std::string trimBlanks(std::string_view s);

struct NoCaseHash {
    using is_transparent = void;
    size_t operator()(std::string_view s) const;
};
struct NoCaseEqual {
    using is_transparent = void;
    bool operator()(std::string_view a, std::string_view b) const { return equalsNoCase(a, b); }
};

} // namespace ov
