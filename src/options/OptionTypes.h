#pragma once

#include "platform/VariantTraits.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace ov {

class TypeRegistry;

enum class en_Buttons : int32_t { btnOK = 0, btnCancel = 1, btnHelp = 2, btnApply = 3, btnCustom = 4 };
enum class en_Mode : int32_t { ovMDIndex = 0, ovMDName = 1 };
enum class en_OptionType : int32_t { Container = 0, PropertyPage = 1 };
enum class En_HeaderMode : int32_t { ovHMVisualNET = 0, ovHMOutlook = 1, ovHMNone = 2 };

OV_ENUM(en_Buttons)
OV_ENUM(en_Mode)
OV_ENUM(en_OptionType)
OV_ENUM(En_HeaderMode)

// Option keys are compared and stored in upper case (ASCII letters; other bytes unchanged).
std::string upperCase(std::string_view s);

// Publishes the options enumerations and classes.
void registerOptionTypes(TypeRegistry& registry);

} // namespace ov
