#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace ov {

// Base64 text (RFC 4648, standard alphabet, "=" padding) of bytes.
std::string toBase64(std::string_view bytes);
// The bytes of base64 text; nothing unless the text is canonical: whole groups of four characters of
// the standard alphabet, "=" padding only at the very end, no blanks or line breaks.
std::optional<std::string> fromBase64(std::string_view text);

} // namespace ov
