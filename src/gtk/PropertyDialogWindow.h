#pragma once

#include "platform/Event.h"

#include <cstddef>
#include <functional>
#include <gtk/gtk.h>
#include <vector>

namespace ov {
class PropertyDialog;
}

namespace ov::gtk {

class FormWindow;
class WindowHost;

// An open property dialog (ov::PropertyDialog) in a GTK window. The dialog's form, with its pages, is
// shown by an ordinary FormWindow of the host (the renderer draws it; mouse and keys reach the current
// page through the form's input, as in any form window), between a row of tabs above it (one toggle
// button per page, with the page's Caption; a click shows that page) and the OK, Cancel and Apply
// buttons below it.
//
// Apply is enabled while some page is changed (PropertyDialog::anyChanged, looked at after every
// frame) and applies the changed pages; OK applies them and closes the window when every page applied
// (a page that refuses keeps the dialog open on its message); Cancel closes without applying. Closing
// the window (its close button, Alt+F4) is Cancel: the form's own unload is turned into the dialog's
// cancel, so the pages are let go the one way the dialog knows. The buttons act through the host's
// deliver, so a failure of a page's ApplyChanges is shown as any failure in an event is.
//
// The GTK buttons take no keys: the window gives every key to the form (FormWindow), so Tab, typing and
// Enter stay with the page. The dialog form keeps the size of its largest page; the window is not
// resizable.
class PropertyDialogWindow {
public:
    // Shows `dialog`, which must be open (failure 5 otherwise), in a new window of `host`. Neither the
    // dialog nor the host may go before this window object.
    PropertyDialogWindow(WindowHost& host, PropertyDialog& dialog);
    // Cancels the dialog if it is still open.
    ~PropertyDialogWindow();
    PropertyDialogWindow(const PropertyDialogWindow&) = delete;
    PropertyDialogWindow& operator=(const PropertyDialogWindow&) = delete;

    enum class Result { Open, Ok, Cancelled };
    // Open while the dialog is; then how it was closed.
    Result result() const { return m_result; }
    // Runs the host's loop until the dialog has closed; returns how.
    Result run();

    // The form's window (null once the dialog has closed) and the widgets around it.
    FormWindow* formWindow() const { return m_formWindow; }
    GtkWidget* tab(size_t page) const { return m_tabs.at(page); }
    GtkWidget* okButton() const { return m_ok; }
    GtkWidget* cancelButton() const { return m_cancel; }
    GtkWidget* applyButton() const { return m_apply; }

    // Brings the tabs and the Apply button in line with the dialog (done after every frame and every
    // button; code that changes the dialog from outside an input calls it itself).
    void refresh();

private:
    GtkWidget* makeTabs();
    GtkWidget* makeButtons();
    GtkWidget* button(GtkWidget* row, const char* label, GCallback clicked);
    void connectFrameClock();
    // Runs `action` on the dialog as an input of the window; `closing` for the calls that may unload
    // its form, whose unload is then the dialog's own.
    void act(const char* what, bool closing, const std::function<void()>& action);
    void ok();
    void cancel();
    void closed(Result result);
    void forget();

    WindowHost& m_host;
    PropertyDialog& m_dialog;
    FormWindow* m_formWindow = nullptr;
    GtkWindow* m_window = nullptr;
    std::vector<GtkWidget*> m_tabs;
    GtkWidget* m_ok = nullptr;
    GtkWidget* m_cancel = nullptr;
    GtkWidget* m_apply = nullptr;
    GdkFrameClock* m_clock = nullptr;
    gulong m_clockHandler = 0;
    gulong m_realizeHandler = 0;
    guint m_cancelIdle = 0; // a close of the window, waiting to become the dialog's cancel
    ScopedConnection m_unload;
    bool m_closing = false; // inside the dialog's own ok or cancel
    bool m_syncing = false; // refresh() setting the tabs
    Result m_result = Result::Open;
};

} // namespace ov::gtk
