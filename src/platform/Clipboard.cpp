#include "platform/Clipboard.h"

namespace ov {

namespace {
thread_local std::string t_clipboard;
} // namespace

std::string Clipboard::GetText() {
    return t_clipboard;
}

void Clipboard::SetText(const std::string& text) {
    t_clipboard = text;
}

} // namespace ov
