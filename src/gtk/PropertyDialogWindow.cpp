#include "gtk/PropertyDialogWindow.h"

#include "gtk/FormWindow.h"
#include "gtk/WindowHost.h"
#include "platform/ComboBox.h"
#include "platform/Failure.h"
#include "platform/Form.h"
#include "platform/PropertyDialog.h"
#include "platform/PropertyPage.h"

#include <utility>

namespace ov::gtk {

namespace {

PropertyDialogWindow* me(gpointer self) {
    return static_cast<PropertyDialogWindow*>(self);
}

constexpr const char* kPageKey = "ov-page";

} // namespace

PropertyDialogWindow::PropertyDialogWindow(WindowHost& host, PropertyDialog& dialog)
    : m_host(host), m_dialog(dialog) {
    if (!m_dialog.isOpen()) {
        throw Failure(err::InvalidProcedureCall,
                      failureText(err::InvalidProcedureCall) + " (the property dialog is not open)");
    }
    Form& form = *m_dialog.form();
    // The window's close button and Alt+F4 unload the form; that unload waits and becomes a Cancel, so
    // the dialog is closed the one way it knows (its pages let go, its selection dropped).
    m_unload = form.Unload.connect([this](int16_t& cancel) {
        if (m_closing) return;
        cancel = 1;
        if (!m_cancelIdle) {
            m_cancelIdle = g_idle_add(
                +[](gpointer self) -> gboolean {
                    me(self)->m_cancelIdle = 0;
                    me(self)->cancel();
                    return G_SOURCE_REMOVE;
                },
                this);
        }
    });

    m_formWindow = &m_host.open(m_dialog.form());
    m_window = m_formWindow->window();
    GtkWidget* canvas = m_formWindow->canvas();
    // The form window's canvas moves into the dialog's layout; its pointer controllers go with it, and
    // the key controller stays on the window, so every key still reaches the form.
    g_object_ref(canvas);
    gtk_window_set_child(m_window, nullptr);
    GtkWidget* column = gtk_box_new(GTK_ORIENTATION_VERTICAL, 8);
    gtk_widget_set_margin_start(column, 8);
    gtk_widget_set_margin_end(column, 8);
    gtk_widget_set_margin_top(column, 8);
    gtk_widget_set_margin_bottom(column, 8);
    gtk_box_append(GTK_BOX(column), makeTabs());
    // The dialog's form is sizable, as every new form is; here it keeps the size of its largest page.
    gtk_widget_set_hexpand(canvas, FALSE);
    gtk_widget_set_vexpand(canvas, FALSE);
    gtk_widget_set_halign(canvas, GTK_ALIGN_START);
    gtk_widget_set_size_request(canvas, static_cast<int>(form.ScaleWidth()) / m_host.twipsPerPixel(),
                                static_cast<int>(form.ScaleHeight()) / m_host.twipsPerPixel());
    gtk_box_append(GTK_BOX(column), canvas);
    g_object_unref(canvas);
    gtk_box_append(GTK_BOX(column), makeButtons());
    gtk_window_set_child(m_window, column);
    gtk_window_set_resizable(m_window, FALSE);
    gtk_widget_grab_focus(canvas);
    connectFrameClock();
    watchLists();
    refresh();
}

PropertyDialogWindow::~PropertyDialogWindow() {
    if (m_dialog.isOpen()) cancel();
    if (m_cancelIdle) g_source_remove(m_cancelIdle);
    forget();
}

GtkWidget* PropertyDialogWindow::makeTabs() {
    // Toggle buttons in one group, linked into a strip: what GTK's stack switcher shows.
    GtkWidget* row = gtk_box_new(GTK_ORIENTATION_HORIZONTAL, 0);
    gtk_widget_add_css_class(row, "linked");
    gtk_widget_set_halign(row, GTK_ALIGN_CENTER);
    for (size_t i = 0; i < m_dialog.pageCount(); ++i) {
        GtkWidget* tab = gtk_toggle_button_new_with_label(m_dialog.page(i).Caption().c_str());
        gtk_widget_set_focus_on_click(tab, FALSE);
        if (!m_tabs.empty())
            gtk_toggle_button_set_group(GTK_TOGGLE_BUTTON(tab), GTK_TOGGLE_BUTTON(m_tabs[0]));
        g_object_set_data(G_OBJECT(tab), kPageKey, GSIZE_TO_POINTER(i));
        g_signal_connect(tab, "toggled", G_CALLBACK(+[](GtkToggleButton* t, gpointer self) {
                             PropertyDialogWindow& w = *me(self);
                             if (w.m_syncing || !gtk_toggle_button_get_active(t)) return;
                             const size_t page = GPOINTER_TO_SIZE(g_object_get_data(G_OBJECT(t), kPageKey));
                             w.act("Tab", false, [&w, page] { w.m_dialog.showPage(page); });
                         }),
                         this);
        gtk_box_append(GTK_BOX(row), tab);
        m_tabs.push_back(tab);
    }
    return row;
}

GtkWidget* PropertyDialogWindow::makeButtons() {
    GtkWidget* row = gtk_box_new(GTK_ORIENTATION_HORIZONTAL, 6);
    gtk_widget_set_halign(row, GTK_ALIGN_END);
    m_ok = button(row, "OK", G_CALLBACK(+[](GtkButton*, gpointer self) { me(self)->ok(); }));
    m_cancel = button(row, "Cancel", G_CALLBACK(+[](GtkButton*, gpointer self) { me(self)->cancel(); }));
    m_apply = button(row, "Apply", G_CALLBACK(+[](GtkButton*, gpointer self) {
                         PropertyDialogWindow& w = *me(self);
                         w.act("Apply", false, [&w] { w.m_dialog.apply(); });
                     }));
    return row;
}

GtkWidget* PropertyDialogWindow::button(GtkWidget* row, const char* label, GCallback clicked) {
    GtkWidget* b = gtk_button_new_with_label(label);
    gtk_widget_set_focus_on_click(b, FALSE);
    gtk_widget_set_size_request(b, 80, -1);
    g_signal_connect(b, "clicked", clicked, this);
    gtk_box_append(GTK_BOX(row), b);
    return b;
}

void PropertyDialogWindow::connectFrameClock() {
    // Input reaches the pages through the form window, which repaints after each: looking at the dialog
    // after every frame keeps Apply in step with what the user typed or ticked.
    auto connect = +[](GtkWidget* window, gpointer self) {
        PropertyDialogWindow& w = *me(self);
        if (w.m_clock) return;
        w.m_clock = gtk_widget_get_frame_clock(window);
        if (!w.m_clock) return;
        g_object_ref(w.m_clock);
        w.m_clockHandler =
            g_signal_connect(w.m_clock, "after-paint",
                             G_CALLBACK(+[](GdkFrameClock*, gpointer s) { me(s)->refresh(); }), self);
    };
    m_realizeHandler = g_signal_connect(m_window, "realize", G_CALLBACK(connect), this);
    if (gtk_widget_get_realized(GTK_WIDGET(m_window))) connect(GTK_WIDGET(m_window), this);
}

void PropertyDialogWindow::watchLists() {
    // The form window delivers the press and release; where the pointer was is kept here, to open a
    // list there.
    m_motion = gtk_event_controller_motion_new();
    g_signal_connect(m_motion, "motion",
                     G_CALLBACK(+[](GtkEventControllerMotion*, double x, double y, gpointer self) {
                         me(self)->m_pointerX = x;
                         me(self)->m_pointerY = y;
                     }),
                     this);
    gtk_widget_add_controller(m_formWindow->canvas(), m_motion);
    for (size_t i = 0; i < m_dialog.pageCount(); ++i) {
        for (const auto& child : m_dialog.page(i).children()) {
            auto* box = dynamic_cast<ComboBox*>(child.get());
            if (!box) continue;
            m_listClicks.emplace_back(
                box->MouseUp().connect([this, box](int16_t& button, int16_t&, float& x, float& y) {
                    if (button == 1 && x >= 0 && y >= 0 && x < box->Width() && y < box->Height())
                        openList(*box);
                }));
        }
    }
}

void PropertyDialogWindow::openList(ComboBox& box) {
    closeList();
    m_list = gtk_popover_new();
    gtk_widget_set_parent(m_list, m_formWindow->canvas());
    gtk_popover_set_has_arrow(GTK_POPOVER(m_list), FALSE);
    gtk_popover_set_position(GTK_POPOVER(m_list), GTK_POS_BOTTOM);
    const GdkRectangle at{static_cast<int>(m_pointerX), static_cast<int>(m_pointerY), 1, 1};
    gtk_popover_set_pointing_to(GTK_POPOVER(m_list), &at);
    GtkWidget* column = gtk_box_new(GTK_ORIENTATION_VERTICAL, 0);
    const std::string name = box.Name();
    for (int16_t i = 0; i < box.ListCount(); ++i) {
        GtkWidget* entry = gtk_button_new_with_label(box.List(i).c_str());
        gtk_widget_add_css_class(entry, "flat");
        gtk_label_set_xalign(GTK_LABEL(gtk_button_get_child(GTK_BUTTON(entry))), 0);
        g_object_set_data(G_OBJECT(entry), kPageKey, GSIZE_TO_POINTER(static_cast<size_t>(i)));
        g_object_set_data_full(G_OBJECT(entry), "ov-list", g_strdup(name.c_str()), g_free);
        g_signal_connect(entry, "clicked", G_CALLBACK(+[](GtkButton* b, gpointer self) {
                             PropertyDialogWindow& w = *me(self);
                             const auto index = static_cast<int16_t>(
                                 GPOINTER_TO_SIZE(g_object_get_data(G_OBJECT(b), kPageKey)));
                             const std::string list =
                                 static_cast<const char*>(g_object_get_data(G_OBJECT(b), "ov-list"));
                             w.closeList();
                             w.act("Choose", false, [&w, &list, index] { w.m_dialog.choose(list, index); });
                         }),
                         this);
        gtk_box_append(GTK_BOX(column), entry);
        m_entries.push_back(entry);
    }
    gtk_popover_set_child(GTK_POPOVER(m_list), column);
    g_signal_connect(m_list, "closed", G_CALLBACK(+[](GtkPopover*, gpointer self) { me(self)->closeList(); }),
                     this);
    gtk_popover_popup(GTK_POPOVER(m_list));
}

void PropertyDialogWindow::closeList(bool now) {
    if (m_listIdle) { // a list closed before, still waiting to go
        g_source_remove(std::exchange(m_listIdle, 0));
        gtk_widget_unparent(std::exchange(m_closedList, nullptr));
    }
    if (!m_list) return;
    GtkWidget* list = std::exchange(m_list, nullptr);
    m_entries.clear();
    g_signal_handlers_disconnect_by_data(list, this);
    gtk_popover_popdown(GTK_POPOVER(list));
    if (now) {
        gtk_widget_unparent(list);
        return;
    }
    // From the list's own signals it goes on an idle callback, once GTK has finished with it.
    m_closedList = list;
    m_listIdle = g_idle_add(
        +[](gpointer self) -> gboolean {
            PropertyDialogWindow& w = *me(self);
            w.m_listIdle = 0;
            gtk_widget_unparent(std::exchange(w.m_closedList, nullptr));
            return G_SOURCE_REMOVE;
        },
        this);
}

GtkWidget* PropertyDialogWindow::listEntry(size_t index) const {
    return index < m_entries.size() ? m_entries[index] : nullptr;
}

void PropertyDialogWindow::refresh() {
    if (!m_window || !m_dialog.isOpen()) return;
    m_syncing = true;
    for (size_t i = 0; i < m_tabs.size(); ++i) {
        const bool current = i == m_dialog.currentIndex();
        if (gtk_toggle_button_get_active(GTK_TOGGLE_BUTTON(m_tabs[i])) != current)
            gtk_toggle_button_set_active(GTK_TOGGLE_BUTTON(m_tabs[i]), current);
    }
    m_syncing = false;
    const bool changed = m_dialog.anyChanged();
    if (gtk_widget_get_sensitive(m_apply) != changed) gtk_widget_set_sensitive(m_apply, changed);
}

void PropertyDialogWindow::act(const char* what, bool closing, const std::function<void()>& action) {
    if (!m_dialog.isOpen()) return;
    m_host.setActiveWindow(m_formWindow);
    m_closing = closing;
    m_host.deliver(what, action);
    m_closing = false;
    refresh();
}

void PropertyDialogWindow::ok() {
    act("OK", true, [this] {
        if (m_dialog.ok()) closed(Result::Ok);
    });
}

void PropertyDialogWindow::cancel() {
    act("Cancel", true, [this] {
        m_dialog.cancel();
        closed(Result::Cancelled);
    });
}

void PropertyDialogWindow::closed(Result result) {
    m_result = result;
    forget();
}

void PropertyDialogWindow::forget() {
    // The host lets the form's window go on its next loop turn; nothing of it may call back here.
    m_unload.disconnect();
    m_listClicks.clear();
    closeList(true); // before the canvas it hangs on goes
    if (m_clock) {
        g_signal_handler_disconnect(m_clock, m_clockHandler);
        g_object_unref(m_clock);
        m_clock = nullptr;
    }
    if (m_window) {
        g_signal_handler_disconnect(m_window, m_realizeHandler);
        g_signal_handlers_disconnect_by_data(m_motion, this);
        for (GtkWidget* w : m_tabs)
            g_signal_handlers_disconnect_by_data(w, this);
        for (GtkWidget* w : {m_ok, m_cancel, m_apply})
            g_signal_handlers_disconnect_by_data(w, this);
    }
    m_window = nullptr;
    m_formWindow = nullptr;
    m_tabs.clear();
    m_ok = m_cancel = m_apply = nullptr;
}

PropertyDialogWindow::Result PropertyDialogWindow::run() {
    m_host.iterateUntil([this] { return m_result != Result::Open; }, std::chrono::hours(24 * 365));
    return m_result;
}

} // namespace ov::gtk
