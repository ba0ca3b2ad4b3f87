#include "WindowDriver.h"

#include "platform/Form.h"

#include <X11/Xutil.h>
#include <X11/extensions/XTest.h>
#include <gdk/x11/gdkx.h>

namespace {

constexpr std::chrono::seconds kDeadline{20};

} // namespace

WindowDriver::WindowDriver(ov::gtk::WindowHost& host, ov::gtk::FormWindow& window)
    : m_host(host), m_window(window),
      m_display(gdk_x11_display_get_xdisplay(gtk_widget_get_display(GTK_WIDGET(window.window())))) {}

unsigned long WindowDriver::xid() const {
    return gdk_x11_surface_get_xid(gtk_native_get_surface(GTK_NATIVE(m_window.window())));
}

bool WindowDriver::waitFor(const std::function<bool()>& condition) {
    return m_host.iterateUntil(condition, kDeadline);
}

bool WindowDriver::waitForInputs(uint64_t count) {
    return waitFor([&] { return m_window.inputsDelivered() >= count && m_window.repaintedSinceInput(); });
}

bool WindowDriver::ready() {
    GtkWidget* w = GTK_WIDGET(m_window.window());
    if (!waitFor([&] { return gtk_widget_get_mapped(w) && m_window.framesDrawn() > 0; })) return false;
    // No window manager runs on the test server: the test gives the window the focus as one would.
    XSetInputFocus(m_display, xid(), RevertToParent, CurrentTime);
    XFlush(m_display);
    return waitFor([&] { return gtk_window_is_active(m_window.window()); });
}

std::pair<int, int> WindowDriver::rootPoint(int x, int y) const {
    graphene_point_t origin;
    const graphene_point_t zero = GRAPHENE_POINT_INIT(0, 0);
    if (!gtk_widget_compute_point(m_window.canvas(), GTK_WIDGET(m_window.window()), &zero, &origin))
        origin = zero;
    double sx = 0, sy = 0;
    gtk_native_get_surface_transform(GTK_NATIVE(m_window.window()), &sx, &sy);
    int rx = 0, ry = 0;
    Window child;
    XTranslateCoordinates(m_display, xid(), DefaultRootWindow(m_display), static_cast<int>(origin.x + sx) + x,
                          static_cast<int>(origin.y + sy) + y, &rx, &ry, &child);
    return {rx, ry};
}

bool WindowDriver::key(XKeySym keysym, std::initializer_list<XKeySym> modifiers) {
    const uint64_t inputs = m_window.inputsDelivered();
    sendKey(keysym, modifiers);
    return waitForInputs(inputs + 1);
}

void WindowDriver::sendKey(XKeySym keysym, std::initializer_list<XKeySym> modifiers) {
    for (XKeySym m : modifiers)
        XTestFakeKeyEvent(m_display, XKeysymToKeycode(m_display, m), True, CurrentTime);
    const KeyCode code = XKeysymToKeycode(m_display, keysym);
    XTestFakeKeyEvent(m_display, code, True, CurrentTime);
    XTestFakeKeyEvent(m_display, code, False, CurrentTime);
    for (auto it = std::rbegin(modifiers); it != std::rend(modifiers); ++it)
        XTestFakeKeyEvent(m_display, XKeysymToKeycode(m_display, *it), False, CurrentTime);
    XFlush(m_display);
}

bool WindowDriver::click(int x, int y) {
    const uint64_t inputs = m_window.inputsDelivered();
    const auto [rx, ry] = rootPoint(x, y);
    XTestFakeMotionEvent(m_display, DefaultScreen(m_display), rx, ry, CurrentTime);
    XTestFakeButtonEvent(m_display, 1, True, CurrentTime);
    XTestFakeButtonEvent(m_display, 1, False, CurrentTime);
    XFlush(m_display);
    return waitForInputs(inputs + 2); // the press and the release
}

ov::Bitmap WindowDriver::screenshot() {
    const int w = gtk_widget_get_width(m_window.canvas()), h = gtk_widget_get_height(m_window.canvas());
    const auto [rx, ry] = rootPoint(0, 0);
    XSync(m_display, False);
    ov::Bitmap shot(w, h);
    XImage* image = XGetImage(m_display, DefaultRootWindow(m_display), rx, ry, static_cast<unsigned>(w),
                              static_cast<unsigned>(h), AllPlanes, ZPixmap);
    if (!image) return shot;
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x)
            shot.pixels()[static_cast<size_t>(y * w + x)] =
                0xFF000000u | (XGetPixel(image, x, y) & 0xFFFFFFu);
    }
    XDestroyImage(image);
    return shot;
}

void WindowDriver::whenAnotherWindowOpens(std::function<void(ov::gtk::FormWindow&)> play) {
    struct Watch {
        WindowDriver* driver;
        std::function<void(ov::gtk::FormWindow&)> play;
    };
    auto poll = [](gpointer data) -> gboolean {
        auto& watch = *static_cast<Watch*>(data);
        for (const auto& w : watch.driver->m_host.windows()) {
            if (w.get() == &watch.driver->m_window || !w->form().isLoaded()) continue;
            watch.play(*w);
            return G_SOURCE_REMOVE;
        }
        return G_SOURCE_CONTINUE;
    };
    g_timeout_add_full(G_PRIORITY_DEFAULT, 20, poll, new Watch{this, std::move(play)},
                       [](gpointer data) { delete static_cast<Watch*>(data); });
}
