#pragma once

#include "platform/Forward.h"
#include "platform/WindowMessages.h"

#include <cstdint>
#include <vector>

namespace ov {

enum class WindowState : uint8_t { Hidden, Normal, Minimized };

// The windows of one user-interface thread (one table per runtime, made on first use). The table
// makes the application's owner window first (the window that carries the taskbar button, shown
// normal); every form gets a window owned by it when the form is first shown, and a control gets a
// window, a child of its form's, only when it asks for one (controlWindow): controls that never ask
// cost nothing. Handles are small numbers; a destroyed window's handle may be given out again.
//
// Each window has a procedure slot, the default procedure at first. Messages sent to a window reach
// its current procedure; a procedure that replaces another passes messages on by calling the one it
// replaced with the same four arguments (callWindowProc). The default procedure answers the system
// command SC_MINIMIZE with show command 6 and SC_RESTORE with 9 (on the window it was sent to) and
// counts the paint and non-client paint messages that reach it (paints, framePaints): what the
// window has drawn. Any other message is answered with 0.
//
// Show commands change a window's state: 0 hides it, 6 minimizes it, 9 restores it (normal and
// visible). A change of state is followed at once by what the window then draws: WM_NCPAINT when it
// becomes minimized, WM_NCPAINT and WM_PAINT when it becomes normal; hiding sends nothing. A command
// that leaves the state as it is sends nothing. Everything runs synchronously on the calling thread;
// procedures may send messages, change procedures, show and destroy windows while they run.
//
// Calls with a handle that names no window do nothing and answer 0 (null, Hidden), as the platform's
// functions do.
class WindowTable {
public:
    WindowTable();
    WindowTable(const WindowTable&) = delete;
    WindowTable& operator=(const WindowTable&) = delete;

    // The table of the current runtime.
    static WindowTable& current();

    HWnd ownerWindow() const { return m_ownerWindow; }
    // A new hidden window with the default procedure, for `key` (the object it stands for; may be null).
    HWnd create(const void* key, HWnd parent, HWnd owner);
    // The window made for `key`, or 0.
    HWnd find(const void* key) const;
    // Destroys the window and the windows whose parent it is. No message is sent.
    void destroy(HWnd hwnd);
    bool isWindow(HWnd hwnd) const { return entry(hwnd) != nullptr; }

    // The window a form shows in: made (owned by the owner window) on the first call, then given
    // `command`. What Form calls when it is shown (9) and hidden (0).
    HWnd showFor(const void* form, int32_t command);
    // The window of a control on a shown form, made as a child of the form's window on the first call;
    // 0 while the control's form has no window. releaseControlWindow destroys it.
    HWnd controlWindow(const UserControl& control);
    void releaseControlWindow(const UserControl& control) { destroy(find(&control)); }

    // GetParent; GetWindow with GW_OWNER (other commands answer 0).
    HWnd parent(HWnd hwnd) const;
    HWnd window(HWnd hwnd, int32_t command) const;
    // SetWindowLongA with GWL_WNDPROC: installs `proc` and returns the procedure it replaces (null
    // for another index or no window, which change nothing).
    WindowProc setWindowLong(HWnd hwnd, int32_t index, WindowProc proc);
    WindowProc procedure(HWnd hwnd) const;
    // CallWindowProcA: calls `proc` with the four arguments (0 when proc is null).
    static intptr_t callWindowProc(WindowProc proc, HWnd hwnd, uint32_t msg, uintptr_t wParam,
                                   intptr_t lParam);
    // SendMessage: the window's current procedure.
    intptr_t send(HWnd hwnd, uint32_t msg, uintptr_t wParam, intptr_t lParam);
    // ShowWindow with 0, 6 or 9 (other commands change nothing); returns whether the window was
    // visible before.
    bool showWindow(HWnd hwnd, int32_t command);
    WindowState state(HWnd hwnd) const;
    uint32_t paints(HWnd hwnd) const;
    uint32_t framePaints(HWnd hwnd) const;

    // DefWindowProc of this table's windows (reaches the current runtime's table).
    static intptr_t defaultProc(HWnd hwnd, uint32_t msg, uintptr_t wParam, intptr_t lParam);

private:
    struct Window {
        const void* key = nullptr;
        HWnd parent = 0;
        HWnd owner = 0;
        WindowProc proc = nullptr; // null: the slot is free
        WindowState state = WindowState::Hidden;
        uint32_t paints = 0;
        uint32_t framePaints = 0;
    };
    Window* entry(HWnd hwnd);
    const Window* entry(HWnd hwnd) const;

    // Handle n is m_windows[n - 1]; entries are looked up afresh after every call into a procedure,
    // since the procedure may have made windows (moving the vector) or destroyed this one.
    std::vector<Window> m_windows;
    HWnd m_ownerWindow = 0;
};

} // namespace ov
