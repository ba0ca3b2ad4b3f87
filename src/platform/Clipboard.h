#pragma once

#include <string>

namespace ov {

// The text clipboard of this user-interface thread: what a text box copies and pastes. Headless it is
// a per-thread string; a window host may mirror it to the system clipboard.
class Clipboard {
public:
    static std::string GetText();
    static void SetText(const std::string& text);
    static void Clear() { SetText({}); }
};

} // namespace ov
