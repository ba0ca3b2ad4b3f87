#pragma once

#include "platform/UserControl.h"
#include "platform/WindowMessages.h"

namespace ov {

// An invisible control that ties a form to the application's owner window (the one with the taskbar
// button): minimizing the form from its system menu minimizes the owner window with it and hides the
// form; restoring the owner window restores both. It publishes no properties, methods or events.
//
// On its first show at run time it takes its own window (WindowTable::controlWindow), installs
// procedure A on its parent, the form window, and procedure B on that window's owner. A:
// WM_SYSCOMMAND with SC_MINIMIZE minimizes the owner window (show command 6) and marks the form
// minimized before passing the command on; while marked, WM_NCPAINT hides the form window (0) and
// WM_PAINT is swallowed, both answered 0 without passing them on. B: WM_SYSCOMMAND with SC_RESTORE
// restores the owner window (9), clears the mark, restores the form window (9), then passes the
// command on. Everything else passes on to the procedure each one replaced, with the same four
// arguments. Later shows, and shows at design time, install nothing.
//
// The hooks are one set per thread: a second hooked form on the thread takes the set over (its form
// window, the mark); procedure B stays installed once on the owner window, and the procedure it
// replaced first stays the one it passes on to. On terminate the owner window gets that procedure
// back; procedure A stays on the form window, which ends with the form.
//
// Size: 28 × 28 pixels at design time, where an icon framed by four lines shows; 0 × 0 at run time.
//
// A new control (init properties) refuses to join a form that already holds another OvMinimized:
// failure &H80040000, source "SystemMenu", description "Control already exists.". The form then takes
// the new control off again, as it does with any control whose initialisation fails.
class OvMinimized : public UserControl {
    OV_OBJECT(OvMinimized)
public:
    OvMinimized();

    static void describe(ClassBuilder<OvMinimized>& b);

    // The failure number of the duplicate check.
    static constexpr int32_t kAlreadyExists = static_cast<int32_t>(0x80040000);

    bool hooked() const { return m_hooked; }
    // The owner window procedure B was installed on (0 while not hooked at run time).
    HWnd ownerWindow() const { return m_ownerWindow; }
    // The two procedures, for a host or test that follows a window's chain.
    static WindowProc procedureA();
    static WindowProc procedureB();

protected:
    void onInitProperties() override;
    void onShow() override;
    void onResize() override;
    void onTerminate() override;

private:
    void installHooks();

    bool m_hooked = false;
    HWnd m_ownerWindow = 0;
};

} // namespace ov
