#include "frame/ErrorReporting.h"

#include "platform/MessageBox.h"

namespace ov {

int32_t ShowError(bool show, int32_t number, const std::string& description, const std::string& source,
                  int32_t style) {
    if (!show) return 0;
    try {
        return msgBox("Error: " + std::to_string(number) + "\r\n" + description, style, source);
    } catch (...) {
        // Showing an error must never raise another one.
        return 0;
    }
}

} // namespace ov
