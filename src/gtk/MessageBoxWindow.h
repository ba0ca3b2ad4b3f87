#pragma once

#include "platform/MessageBox.h"

#include <string>

namespace ov::gtk {

class WindowHost;

// The runtime's message box as a modal GTK window, for hosts that show forms in windows (ovhost run
// installs it with Runtime::setMessageBox; tests keep the headless recorder). The window shows the
// title and the prompt with the buttons of the style's button set (OK; OK, Cancel; Abort, Retry,
// Ignore; Yes, No, Cancel; Yes, No; Retry, Cancel), the first, second or third of them the default
// (style bits 0, 256, 512); it is owned by the window whose input is being delivered, and show()
// returns the button pressed (mb::Ok ... mb::No). Closing the window answers Cancel where the set has
// it, else its first button.
class MessageBoxWindow : public MessageBoxService {
public:
    explicit MessageBoxWindow(WindowHost& host) : m_host(host) {}
    int32_t show(const std::string& prompt, int32_t style, const std::string& title) override;

private:
    WindowHost& m_host;
};

} // namespace ov::gtk
