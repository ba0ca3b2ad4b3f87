#pragma once

#include "platform/Forward.h"

#include <chrono>
#include <functional>
#include <memory>
#include <string_view>
#include <vector>

namespace ov {
class Renderer;
}

namespace ov::gtk {

class FormWindow;

// Shows the forms of one user-interface thread in GTK 4 windows. Made on the thread of a Runtime, before
// the forms it shows are built or loaded:
//   - it initialises GTK (failure 5, "no display", when GTK cannot open one);
//   - it sets the runtime's twips per pixel from the screen (1440 / the screen's dots per inch, as GTK's
//     font resolution gives it: 15 at 96 dpi), so forms lay out at the screen's real scale;
//   - it makes the renderer that draws every window, which from then on measures the runtime's text
//     with the fonts the windows draw in;
//   - it installs the runtime's modal hook: a form shown modally (About, the detail window) opens as a
//     modal GTK window owned by the window of the form whose input opened it, and the call returns when
//     the form is unloaded or hidden (or its window closed), as it does headless.
// Destroying the host closes its windows and puts the modal hook before it back.
//
// Windows follow the thread's WindowTable: a form hidden through the table (show command 0) hides its
// GTK window, one minimized (6) minimizes it, restored (9) shows it again; every window is minimized
// while the application's owner window is. The other way, a user minimizing a window sends it
// WM_SYSCOMMAND with SC_MINIMIZE, and restoring it sends SC_RESTORE, to the owner window when that is
// minimized and then to the form's own window, so window procedures (OvMinimized) see what a desktop
// sends them. The host brings the windows in line (update) after every input it delivers; code that
// changes forms from outside an input calls update() itself.
//
// The model changes only inside the input the host delivers (the library has no timers), so the host
// repaints every window, whole, after each input: rendering a 640 × 480 form takes about a millisecond
// (bench/WindowHostBench.cpp).
class WindowHost {
public:
    WindowHost();
    ~WindowHost();
    WindowHost(const WindowHost&) = delete;
    WindowHost& operator=(const WindowHost&) = delete;

    // Opens `form` (showing it first if it is not shown) in a window of its own. A form has one window.
    FormWindow& open(FormRef form);
    // The window of `form`, or null.
    FormWindow* windowOf(const Form& form) const;
    const std::vector<std::unique_ptr<FormWindow>>& windows() const { return m_windows; }

    // Runs the GTK main loop until every window has closed (its form unloaded).
    void run();
    // Runs the loop until `done` holds (checked after every event, and every 20 ms) or the deadline
    // passes; returns whether `done` held.
    bool iterateUntil(const std::function<bool()>& done, std::chrono::milliseconds deadline);

    // Brings every window in line with its form and the window table, and queues their repaint; closes
    // the windows of unloaded forms (their GTK windows at once, their objects on the next loop turn).
    void update();

    Renderer& renderer() { return *m_renderer; }
    int32_t twipsPerPixel() const { return m_twipsPerPixel; }

    // Runs `body`; a failure escaping it (from the form or a control's handler) is written to standard
    // error and, unless `quiet`, shown in a message box (style 16, "Run-time error '<number>':" and the
    // description) through the runtime, as an unhandled error in an event is; the host goes on. `what`
    // names the input in the message. Painting is quiet: a box opened from a paint would paint again.
    void guard(std::string_view what, const std::function<void()>& body, bool quiet = false);
    // guard(), then update(): how every input reaches a form.
    void deliver(std::string_view what, const std::function<void()>& input);

    // The window whose input is being delivered: the owner of a modal form that input opens.
    FormWindow* activeWindow() const { return m_active; }
    void setActiveWindow(FormWindow* w) { m_active = w; }

private:
    void runModal(Form& form);
    void reapClosed();

    std::unique_ptr<Renderer> m_renderer;
    std::vector<std::unique_ptr<FormWindow>> m_windows;
    std::function<void(Form&)> m_previousHook;
    FormWindow* m_active = nullptr;
    int32_t m_twipsPerPixel = 15;
    int m_depth = 0; // nested deliveries
};

} // namespace ov::gtk
