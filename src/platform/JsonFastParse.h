#pragma once

#include <cstddef>
#include <nlohmann/json.hpp>
#include <string_view>

namespace ov {

// Parses well-formed JSON text into the tree nlohmann's parser makes of it (same value types, member
// order, a repeated key keeping its first place and its last value), several times faster: a form file
// of a thousand wizard pages is over a megabyte of text. It takes only what it is sure of: it answers
// false, leaving `out` unspecified, for any text that is not plain JSON in UTF-8 (a byte order mark,
// comments, bad escapes or bytes, numbers beyond a double), for more than `maxValues` values and for
// nesting deeper than it recurses; the caller then parses with nlohmann, which gives the exact error.
bool parseJsonFast(std::string_view text, nlohmann::ordered_json& out, size_t maxValues);

} // namespace ov
