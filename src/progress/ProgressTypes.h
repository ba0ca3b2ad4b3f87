#pragma once

#include "platform/VariantTraits.h"

#include <cstdint>

namespace ov {

class TypeRegistry;

// Where a progress bar puts its caption. Any other number is kept as given and draws as left.
enum class CaptionAlign : int32_t { arAlignLeft = 0, arAlignRight = 1, arAlignCenter = 2 };

// The border of a progress bar: none, or the sunken edge.
enum class En_BorderStyle : int32_t { arNone = 0, arFixed_Single = 1 };

// The state a progress panel shows for one of its steps.
enum class STATES : int32_t { ST_NONE = 0, ST_RUNNING = 1, ST_SKIPPED = 2, ST_PASSED = 3 };

OV_ENUM(CaptionAlign)
OV_ENUM(STATES)
OV_ENUM(En_BorderStyle)

// Adds the progress controls and their enumerations to the library's type registry.
void registerProgressTypes(TypeRegistry& r);

} // namespace ov
