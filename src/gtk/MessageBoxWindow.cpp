#include "gtk/MessageBoxWindow.h"

#include "gtk/FormWindow.h"
#include "gtk/WindowHost.h"

#include <gtk/gtk.h>
#include <utility>
#include <vector>

namespace ov::gtk {

namespace {

using Button = std::pair<const char*, int32_t>;

std::vector<Button> buttonsOf(int32_t style) {
    switch (style & 7) {
    case mb::OkCancel:
        return {{"OK", mb::Ok}, {"Cancel", mb::Cancel}};
    case mb::AbortRetryIgnore:
        return {{"_Abort", mb::Abort}, {"_Retry", mb::Retry}, {"_Ignore", mb::Ignore}};
    case mb::YesNoCancel:
        return {{"_Yes", mb::Yes}, {"_No", mb::No}, {"Cancel", mb::Cancel}};
    case mb::YesNo:
        return {{"_Yes", mb::Yes}, {"_No", mb::No}};
    case mb::RetryCancel:
        return {{"_Retry", mb::Retry}, {"Cancel", mb::Cancel}};
    default:
        return {{"OK", mb::Ok}};
    }
}

struct Answer {
    int32_t value = 0;
};

} // namespace

int32_t MessageBoxWindow::show(const std::string& prompt, int32_t style, const std::string& title) {
    const std::vector<Button> buttons = buttonsOf(style);
    Answer answer;
    int32_t onClose = buttons.front().second;
    for (const Button& b : buttons) {
        if (b.second == mb::Cancel) onClose = mb::Cancel;
    }

    GtkWindow* window = GTK_WINDOW(gtk_window_new());
    gtk_window_set_title(window, title.c_str());
    gtk_window_set_modal(window, TRUE);
    gtk_window_set_resizable(window, FALSE);
    if (FormWindow* owner = m_host.activeWindow()) gtk_window_set_transient_for(window, owner->window());
    GtkWidget* box = gtk_box_new(GTK_ORIENTATION_VERTICAL, 12);
    for (auto margin : {gtk_widget_set_margin_start, gtk_widget_set_margin_end, gtk_widget_set_margin_top,
                        gtk_widget_set_margin_bottom})
        margin(box, 12);
    GtkWidget* text = gtk_label_new(prompt.c_str());
    gtk_label_set_wrap(GTK_LABEL(text), TRUE);
    gtk_label_set_max_width_chars(GTK_LABEL(text), 60);
    gtk_box_append(GTK_BOX(box), text);
    GtkWidget* row = gtk_box_new(GTK_ORIENTATION_HORIZONTAL, 6);
    gtk_widget_set_halign(row, GTK_ALIGN_CENTER);
    const size_t defaultIndex = std::min<size_t>(static_cast<size_t>((style >> 8) & 3), buttons.size() - 1);
    for (size_t i = 0; i < buttons.size(); ++i) {
        GtkWidget* b = gtk_button_new_with_mnemonic(buttons[i].first);
        g_object_set_data(G_OBJECT(b), "ov-answer", GINT_TO_POINTER(buttons[i].second));
        g_signal_connect(b, "clicked", G_CALLBACK(+[](GtkButton* button, gpointer data) {
                             static_cast<Answer*>(data)->value =
                                 GPOINTER_TO_INT(g_object_get_data(G_OBJECT(button), "ov-answer"));
                         }),
                         &answer);
        gtk_box_append(GTK_BOX(row), b);
        if (i == defaultIndex) gtk_window_set_default_widget(window, b);
    }
    gtk_box_append(GTK_BOX(box), row);
    gtk_window_set_child(window, box);
    struct Close {
        Answer* answer;
        int32_t value;
    } close{&answer, onClose};
    g_signal_connect(window, "close-request", G_CALLBACK(+[](GtkWindow*, gpointer data) -> gboolean {
                         auto* c = static_cast<Close*>(data);
                         c->answer->value = c->value;
                         return TRUE;
                     }),
                     &close);
    gtk_window_present(window);
    if (GtkWidget* d = gtk_window_get_default_widget(window)) gtk_widget_grab_focus(d);
    while (answer.value == 0)
        g_main_context_iteration(nullptr, TRUE);
    g_signal_handlers_disconnect_by_data(window, &close);
    gtk_window_destroy(window);
    return answer.value;
}

} // namespace ov::gtk
