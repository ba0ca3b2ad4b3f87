#pragma once

#include "platform/Runtime.h"

#include <string>
#include <vector>

namespace ovtest {

// The message boxes the runtime's headless message box showed so far, one "<title> | <style> | <prompt>"
// each, so that a test compares all three at once.
inline std::vector<std::string> shownBoxes(ov::Runtime& runtime) {
    std::vector<std::string> out;
    for (const auto& b : runtime.headlessMessageBox().shown())
        out.push_back(b.title + " | " + std::to_string(b.style) + " | " + b.prompt);
    return out;
}

} // namespace ovtest
