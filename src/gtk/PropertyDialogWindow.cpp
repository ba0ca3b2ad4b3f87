#include "gtk/PropertyDialogWindow.h"

#include "gtk/FormWindow.h"
#include "gtk/WindowHost.h"
#include "platform/Failure.h"
#include "platform/Form.h"
#include "platform/PropertyDialog.h"
#include "platform/PropertyPage.h"

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
    if (m_clock) {
        g_signal_handler_disconnect(m_clock, m_clockHandler);
        g_object_unref(m_clock);
        m_clock = nullptr;
    }
    if (m_window) {
        g_signal_handler_disconnect(m_window, m_realizeHandler);
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
