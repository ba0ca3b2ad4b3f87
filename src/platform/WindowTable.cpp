#include "platform/WindowTable.h"

#include "platform/Extender.h"
#include "platform/Form.h"
#include "platform/Runtime.h"
#include "platform/UserControl.h"

namespace ov {

WindowTable::WindowTable() {
    m_windows.reserve(8);
    m_ownerWindow = create(nullptr, 0, 0);
    m_windows.front().state = WindowState::Normal;
}

WindowTable& WindowTable::current() {
    return Runtime::current().threadState<WindowTable>();
}

WindowTable::Window* WindowTable::entry(HWnd hwnd) {
    if (hwnd == 0 || hwnd > m_windows.size()) return nullptr;
    Window& w = m_windows[hwnd - 1];
    return w.proc ? &w : nullptr;
}

const WindowTable::Window* WindowTable::entry(HWnd hwnd) const {
    return const_cast<WindowTable*>(this)->entry(hwnd);
}

HWnd WindowTable::create(const void* key, HWnd parent, HWnd owner) {
    Window w{key, parent, owner, &WindowTable::defaultProc, WindowState::Hidden, 0, 0};
    // A freed slot first: a form shown and unloaded again and again keeps the table its size.
    for (size_t i = 0; i < m_windows.size(); ++i) {
        if (!m_windows[i].proc) {
            m_windows[i] = w;
            return static_cast<HWnd>(i + 1);
        }
    }
    m_windows.push_back(w);
    return static_cast<HWnd>(m_windows.size());
}

HWnd WindowTable::find(const void* key) const {
    if (!key) return 0;
    for (size_t i = 0; i < m_windows.size(); ++i) {
        if (m_windows[i].proc && m_windows[i].key == key) return static_cast<HWnd>(i + 1);
    }
    return 0;
}

void WindowTable::destroy(HWnd hwnd) {
    Window* w = entry(hwnd);
    if (!w || hwnd == m_ownerWindow) return;
    *w = Window{};
    for (size_t i = 0; i < m_windows.size(); ++i) {
        if (m_windows[i].proc && m_windows[i].parent == hwnd) destroy(static_cast<HWnd>(i + 1));
    }
}

HWnd WindowTable::showFor(const void* form, int32_t command) {
    HWnd hwnd = find(form);
    if (!hwnd) {
        if (command == win::SW_HIDE)
            return 0; // nothing to hide: a form that was never shown has no window yet
        hwnd = create(form, 0, m_ownerWindow);
    }
    showWindow(hwnd, command);
    return hwnd;
}

HWnd WindowTable::controlWindow(const UserControl& control) {
    if (HWnd hwnd = find(&control)) return hwnd;
    if (!control.isSited()) return 0;
    HWnd formWindow = find(&control.parentForm());
    if (!formWindow) return 0;
    HWnd hwnd = create(&control, formWindow, 0);
    entry(hwnd)->state = WindowState::Normal;
    return hwnd;
}

HWnd WindowTable::parent(HWnd hwnd) const {
    const Window* w = entry(hwnd);
    return w ? w->parent : 0;
}

HWnd WindowTable::window(HWnd hwnd, int32_t command) const {
    const Window* w = entry(hwnd);
    return w && command == win::GW_OWNER ? w->owner : 0;
}

WindowProc WindowTable::setWindowLong(HWnd hwnd, int32_t index, WindowProc proc) {
    Window* w = entry(hwnd);
    if (!w || index != win::GWL_WNDPROC || !proc) return nullptr;
    WindowProc previous = w->proc;
    w->proc = proc;
    return previous;
}

WindowProc WindowTable::procedure(HWnd hwnd) const {
    const Window* w = entry(hwnd);
    return w ? w->proc : nullptr;
}

intptr_t WindowTable::callWindowProc(WindowProc proc, HWnd hwnd, uint32_t msg, uintptr_t wParam,
                                     intptr_t lParam) {
    return proc ? proc(hwnd, msg, wParam, lParam) : 0;
}

intptr_t WindowTable::send(HWnd hwnd, uint32_t msg, uintptr_t wParam, intptr_t lParam) {
    return callWindowProc(procedure(hwnd), hwnd, msg, wParam, lParam);
}

bool WindowTable::showWindow(HWnd hwnd, int32_t command) {
    Window* w = entry(hwnd);
    if (!w) return false;
    const WindowState was = w->state;
    WindowState next = was;
    switch (command) {
    case win::SW_HIDE:
        next = WindowState::Hidden;
        break;
    case win::SW_MINIMIZE:
        next = WindowState::Minimized;
        break;
    case win::SW_RESTORE:
        next = WindowState::Normal;
        break;
    default:
        break;
    }
    if (next == was) return was != WindowState::Hidden;
    w->state = next;
    // The window draws what its new state shows: a minimized one only its frame (the caption in the
    // taskbar), a restored one its frame and then its client area.
    if (next != WindowState::Hidden) send(hwnd, win::WM_NCPAINT, 1, 0);
    if (next == WindowState::Normal) send(hwnd, win::WM_PAINT, 0, 0);
    return was != WindowState::Hidden;
}

WindowState WindowTable::state(HWnd hwnd) const {
    const Window* w = entry(hwnd);
    return w ? w->state : WindowState::Hidden;
}

uint32_t WindowTable::paints(HWnd hwnd) const {
    const Window* w = entry(hwnd);
    return w ? w->paints : 0;
}

uint32_t WindowTable::framePaints(HWnd hwnd) const {
    const Window* w = entry(hwnd);
    return w ? w->framePaints : 0;
}

intptr_t WindowTable::defaultProc(HWnd hwnd, uint32_t msg, uintptr_t wParam, intptr_t) {
    WindowTable& table = current();
    switch (msg) {
    case win::WM_SYSCOMMAND:
        // The low four bits of the command are the system's own.
        if ((wParam & 0xFFF0) == win::SC_MINIMIZE)
            table.showWindow(hwnd, win::SW_MINIMIZE);
        else if ((wParam & 0xFFF0) == win::SC_RESTORE)
            table.showWindow(hwnd, win::SW_RESTORE);
        break;
    case win::WM_PAINT:
        if (Window* w = table.entry(hwnd)) ++w->paints;
        break;
    case win::WM_NCPAINT:
        if (Window* w = table.entry(hwnd)) ++w->framePaints;
        break;
    default:
        break;
    }
    return 0;
}

} // namespace ov
