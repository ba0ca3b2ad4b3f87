#pragma once

#include <string>
#include <string_view>

namespace ov {

// Letter case is folded for ASCII letters only: names and keys in this library are identifiers.
char foldCase(char c);
std::string foldCase(std::string_view s);
bool equalsNoCase(std::string_view a, std::string_view b);
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
