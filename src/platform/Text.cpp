#include "platform/Text.h"

namespace ov {

std::string foldCase(std::string_view s) {
    std::string out(s);
    for (char& c : out)
        c = foldCase(c);
    return out;
}

std::string trimBlanks(std::string_view s) {
    size_t b = s.find_first_not_of(" \t");
    if (b == std::string_view::npos) return {};
    size_t e = s.find_last_not_of(" \t");
    return std::string(s.substr(b, e - b + 1));
}

size_t NoCaseHash::operator()(std::string_view s) const {
    // FNV-1a over folded bytes: keys that differ only in case hash alike.
    size_t h = 1469598103934665603ull;
    for (char c : s) {
        h ^= static_cast<unsigned char>(foldCase(c));
        h *= 1099511628211ull;
    }
    return h;
}

} // namespace ov
