#pragma once

#include "options/OptionCollection.h"

#include <string>
#include <string_view>

namespace ov {

// The option-list text: one record per item in collection order, fields separated by TAB, every
// record (the last too) ended by CR LF. Fields: parent key, key, type (decimal), name, page index
// (decimal) and, for a container only, the remembered page.
//
// EncodeOptions refuses (380, naming the item's position and key) an item whose parent key, key,
// name or remembered page holds a TAB, CR or LF: such a text could not be read back as written, and
// a saved form must always load again. Nothing (null) encodes as "".
std::string EncodeOptions(const OptionCollection* options);

// Reads a text written by EncodeOptions into a new collection keyed by key. What follows the last
// CR LF is not read. Failures name the record (1-based): fewer than five fields, or a container
// with fewer than six, is 9; a type or page index that is not a number is 13 (6 when it does not
// fit); a key used twice is 457; more than 32,766 records is 6.
OptionCollectionRef DecodeOptions(std::string_view text);

} // namespace ov
