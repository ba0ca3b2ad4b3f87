#pragma once

#include <functional>
#include <gtk/gtk.h>
#include <string>
#include <vector>

namespace ov::gtk {

class WindowHost;

// A small window that lists form files, one button each (the file's name without ".json"); a click
// calls `open` with the file's path through WindowHost::deliver, so a file that cannot be loaded ends
// as a message box, not as a crash. Closing the window ends the launcher (isOpen false); forms it
// opened stay open.
class Launcher {
public:
    Launcher(WindowHost& host, std::string title, std::vector<std::string> paths,
             std::function<void(const std::string&)> open);
    ~Launcher();
    Launcher(const Launcher&) = delete;
    Launcher& operator=(const Launcher&) = delete;

    bool isOpen() const { return m_window != nullptr; }
    GtkWindow* window() const { return m_window; }
    // The button that opens paths[i].
    GtkWidget* button(size_t i) const { return m_buttons.at(i); }

private:
    static void clicked(GtkButton* button, gpointer self);
    static void destroyed(GtkWidget* window, gpointer self);

    WindowHost& m_host;
    std::vector<std::string> m_paths;
    std::function<void(const std::string&)> m_open;
    GtkWindow* m_window = nullptr;
    std::vector<GtkWidget*> m_buttons;
};

} // namespace ov::gtk
