#pragma once

#include "platform/Event.h"

#include <cstddef>
#include <functional>
#include <gtk/gtk.h>
#include <vector>

namespace ov {
class ComboBox;
class PropertyDialog;
} // namespace ov

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
// A drop-down list (ComboBox) of a page opens, when a left click on it is released over it, as a list of
// its entries below the pointer; choosing one is PropertyDialog::choose, as a user picking from the open
// list (the list raises Click, which marks the page changed). The list takes no keys.
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
    // Entry `index` of the drop-down list now open; null when none is open or it has no such entry.
    GtkWidget* listEntry(size_t index) const;

    // Brings the tabs and the Apply button in line with the dialog (done after every frame and every
    // button; code that changes the dialog from outside an input calls it itself).
    void refresh();

private:
    GtkWidget* makeTabs();
    GtkWidget* makeButtons();
    GtkWidget* button(GtkWidget* row, const char* label, GCallback clicked);
    void connectFrameClock();
    void watchLists();
    void openList(ComboBox& box);
    // `now` unless called from the list's own signals.
    void closeList(bool now = false);
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
    GtkWidget* m_list = nullptr;       // the open list of a drop-down list (a popover on the canvas)
    GtkWidget* m_closedList = nullptr; // a list closed from its own signals, unparented on m_listIdle
    guint m_listIdle = 0;
    std::vector<GtkWidget*> m_entries;     // its entries
    double m_pointerX = 0, m_pointerY = 0; // the pointer over the canvas, where a list opens
    GtkEventController* m_motion = nullptr;
    std::vector<ScopedConnection> m_listClicks;
    guint m_cancelIdle = 0; // a close of the window, waiting to become the dialog's cancel
    ScopedConnection m_unload;
    bool m_closing = false; // inside the dialog's own ok or cancel
    bool m_syncing = false; // refresh() setting the tabs
    Result m_result = Result::Open;
};

} // namespace ov::gtk
