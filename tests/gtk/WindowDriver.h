#pragma once

#include "gtk/FormWindow.h"
#include "gtk/WindowHost.h"
#include "render/Bitmap.h"

#include <chrono>
#include <functional>
#include <initializer_list>
#include <string>

struct _XDisplay;
// An X keysym (X11/keysym.h names them); the X headers stay out of the tests, whose names they clash with.
using XKeySym = unsigned long;

// Plays a user at a GTK window with real X events (XTest): keys with modifiers, clicks at pixels of a
// form's client area or on a widget, and a screenshot of the client area from the X server. Every wait
// iterates the GLib main context until its condition holds or a deadline passes.
class WindowDriver {
public:
    // At a form's window.
    WindowDriver(ov::gtk::WindowHost& host, ov::gtk::FormWindow& window);
    // At any other window of the application (the launcher, a message box).
    WindowDriver(ov::gtk::WindowHost& host, GtkWindow* window);

    // Waits until the window is mapped (and a form's has drawn a frame), then gives it the keyboard
    // focus and waits until GTK sees it active.
    bool ready();
    // Presses and releases `keysym` while the modifier keys (Shift_L, Alt_L, ...) are held, then waits
    // until the form has had the key and the window has repainted.
    bool key(XKeySym keysym, std::initializer_list<XKeySym> modifiers = {});
    // The same key without the wait (for a key that closes the window, or a window that is no form's).
    void sendKey(XKeySym keysym, std::initializer_list<XKeySym> modifiers = {});
    // Moves the pointer to pixel (x, y) of the form's client area and clicks the left button there;
    // waits until the form has had the press and the release and the window has repainted.
    bool click(int x, int y, int times = 1);
    // Presses the left button at (x, y), moves to (toX, toY) and releases it there; waits as click does.
    bool drag(int x, int y, int toX, int toY);
    // Clicks the middle of `widget` without waiting.
    void clickWidget(GtkWidget* widget);
    // What a window manager does when the user minimizes or restores the window: it marks the window
    // hidden (or not) in its _NET_WM_STATE, which GTK reads as the window's minimized state.
    void setMinimizedByUser(bool minimized);
    bool waitFor(const std::function<bool()>& condition);
    // The form's client area as the X server shows it.
    ov::Bitmap screenshot();
    // Once a window titled `title` shows (a modal window, whose loop runs inside the input that opened
    // it), calls `play` with it from inside that loop, once. When none shows before the deadline, every
    // window is closed (so that a loop waiting for one ends) and `play` is called with null.
    static void whenWindowOpens(const std::string& title, std::function<void(GtkWindow*)> play);

private:
    unsigned long xid() const;
    // Pixel (x, y) of `widget` (in this window or a popover of it) on the root window.
    std::pair<int, int> rootPoint(GtkWidget* widget, int x, int y) const;
    void clickAt(std::pair<int, int> root, int times);
    // Until `count` inputs have reached the form and a frame has been drawn after the last.
    bool waitForInputs(uint64_t count);

    ov::gtk::WindowHost& m_host;
    ov::gtk::FormWindow* m_form;
    GtkWindow* m_window;
    _XDisplay* m_display;
};
