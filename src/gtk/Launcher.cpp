#include "gtk/Launcher.h"

#include "gtk/WindowHost.h"

#include <filesystem>

namespace ov::gtk {

Launcher::Launcher(WindowHost& host, std::string title, std::vector<std::string> paths,
                   std::function<void(const std::string&)> open)
    : m_host(host), m_paths(std::move(paths)), m_open(std::move(open)) {
    m_window = GTK_WINDOW(gtk_window_new());
    gtk_window_set_title(m_window, title.c_str());
    GtkWidget* list = gtk_box_new(GTK_ORIENTATION_VERTICAL, 6);
    gtk_widget_set_margin_start(list, 12);
    gtk_widget_set_margin_end(list, 12);
    gtk_widget_set_margin_top(list, 12);
    gtk_widget_set_margin_bottom(list, 12);
    gtk_box_append(GTK_BOX(list), gtk_label_new(m_paths.empty() ? "No form files found." : "Open a form:"));
    for (const std::string& path : m_paths) {
        const std::string name = std::filesystem::path(path).stem().string();
        GtkWidget* b = gtk_button_new_with_label(name.c_str());
        g_signal_connect(b, "clicked", G_CALLBACK(&Launcher::clicked), this);
        gtk_box_append(GTK_BOX(list), b);
        m_buttons.push_back(b);
    }
    gtk_window_set_child(m_window, list);
    g_signal_connect(m_window, "destroy", G_CALLBACK(&Launcher::destroyed), this);
    gtk_window_present(m_window);
}

Launcher::~Launcher() {
    if (m_window) {
        g_signal_handlers_disconnect_by_data(m_window, this);
        gtk_window_destroy(m_window);
    }
}

void Launcher::clicked(GtkButton* button, gpointer self) {
    Launcher& l = *static_cast<Launcher*>(self);
    for (size_t i = 0; i < l.m_buttons.size(); ++i) {
        if (l.m_buttons[i] != GTK_WIDGET(button)) continue;
        const std::string path = l.m_paths[i];
        l.m_host.deliver("open " + path, [&] { l.m_open(path); });
        return;
    }
}

void Launcher::destroyed(GtkWidget*, gpointer self) {
    auto& l = *static_cast<Launcher*>(self);
    l.m_window = nullptr;
    l.m_buttons.clear();
}

} // namespace ov::gtk
