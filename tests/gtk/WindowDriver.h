#pragma once

#include "gtk/FormWindow.h"
#include "gtk/WindowHost.h"
#include "render/Bitmap.h"

#include <chrono>
#include <functional>
#include <initializer_list>

// Plays a user at a form's GTK window with real X events (XTest): keys with modifiers, clicks at pixels
// of the form's client area, and a screenshot of the client area from the X server. Every wait iterates
// the GLib main context until its condition holds or a deadline passes.
struct _XDisplay;
// An X keysym (X11/keysym.h names them); the X headers stay out of the tests, whose names they clash with.
using XKeySym = unsigned long;

class WindowDriver {
public:
    WindowDriver(ov::gtk::WindowHost& host, ov::gtk::FormWindow& window);

    // Waits until the window is mapped, has the keyboard focus and has drawn a frame.
    bool ready();
    // Presses and releases `keysym` while the modifier keys (Shift_L, Alt_L, ...) are held, then waits
    // until the form has had the key and the window has repainted.
    bool key(XKeySym keysym, std::initializer_list<XKeySym> modifiers = {});
    // The same key without the wait (for a key that closes the window).
    void sendKey(XKeySym keysym, std::initializer_list<XKeySym> modifiers = {});
    // Once the host shows a window other than this one (a modal form, whose loop runs inside the input
    // that opened it), calls `play` with it from inside that loop, once.
    void whenAnotherWindowOpens(std::function<void(ov::gtk::FormWindow&)> play);
    // Moves the pointer to pixel (x, y) of the client area and clicks the left button there; waits until
    // the form has had the press and the release and the window has repainted.
    bool click(int x, int y);
    bool waitFor(const std::function<bool()>& condition);
    // The client area as the X server shows it.
    ov::Bitmap screenshot();

private:
    unsigned long xid() const;
    // The client area's pixel (x, y) on the root window.
    std::pair<int, int> rootPoint(int x, int y) const;
    // Until `count` inputs have reached the form and a frame has been drawn after the last.
    bool waitForInputs(uint64_t count);

    ov::gtk::WindowHost& m_host;
    ov::gtk::FormWindow& m_window;
    _XDisplay* m_display;
};
