#pragma once

#include "platform/Color.h"
#include "platform/Extender.h"
#include "platform/Forward.h"
#include "platform/PropertyBag.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace ov {

// A form file read and checked, before any form exists: what FormFile builds a form from. Form
// properties the file leaves out are nothing (the new form keeps its own).
struct FormFilePlan {
    struct Control {
        std::string progId;
        std::string name;
        ExtenderValues values;
        PropertyBag bag;
    };
    std::string name;
    std::optional<std::string> caption;
    std::optional<float> left, top, width, height;
    std::optional<int16_t> windowState, borderStyle, startUpPosition;
    std::optional<bool> controlBox, keyPreview;
    std::optional<OleColor> backColor;
    FontRef font;
    std::vector<Control> controls;
    std::vector<size_t> zOrder; // positions in `controls`, back to front; empty for file order
};

// Reads form file text into `plan`, checking everything a file can get wrong (see FormFile); failure
// 321 naming `path` (used for nothing else) otherwise. Objects that bags hold by value are created
// here, through the type registry.
void readFormFile(std::string_view text, const std::string& path, FormFilePlan& plan);

} // namespace ov
