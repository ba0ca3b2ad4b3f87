#include "WindowDriver.h"

#include "platform/Form.h"

#include <X11/Xatom.h>
#include <X11/Xutil.h>
#include <X11/extensions/XTest.h>
#include <gdk/x11/gdkx.h>

constexpr std::chrono::seconds kDeadline{20};

WindowDriver::WindowDriver(ov::gtk::WindowHost& host, ov::gtk::FormWindow& window)
    : WindowDriver(host, window.window()) {
    m_form = &window;
}

WindowDriver::WindowDriver(ov::gtk::WindowHost& host, GtkWindow* window)
    : m_host(host), m_form(nullptr), m_window(window),
      m_display(gdk_x11_display_get_xdisplay(gtk_widget_get_display(GTK_WIDGET(window)))) {}

unsigned long WindowDriver::xid() const {
    return gdk_x11_surface_get_xid(gtk_native_get_surface(GTK_NATIVE(m_window)));
}

bool WindowDriver::waitFor(const std::function<bool()>& condition) {
    return m_host.iterateUntil(condition, kDeadline);
}

bool WindowDriver::waitForInputs(uint64_t count) {
    return waitFor([&] { return m_form->inputsDelivered() >= count && m_form->repaintedSinceInput(); });
}

bool WindowDriver::ready() {
    GtkWidget* w = GTK_WIDGET(m_window);
    if (!waitFor([&] { return gtk_widget_get_mapped(w) && (!m_form || m_form->framesDrawn() > 0); }))
        return false;
    // No window manager runs on the test server: the test gives the window the focus as one would.
    XSetInputFocus(m_display, xid(), RevertToParent, CurrentTime);
    XFlush(m_display);
    return waitFor([&] { return gtk_window_is_active(m_window); });
}

std::pair<int, int> WindowDriver::rootPoint(GtkWidget* widget, int x, int y) const {
    // From the surface the widget is on: the window's, or a popover's of its own.
    GtkNative* native = gtk_widget_get_native(widget);
    graphene_point_t origin;
    const graphene_point_t zero = GRAPHENE_POINT_INIT(0, 0);
    if (!gtk_widget_compute_point(widget, GTK_WIDGET(native), &zero, &origin)) origin = zero;
    double sx = 0, sy = 0;
    gtk_native_get_surface_transform(native, &sx, &sy);
    int rx = 0, ry = 0;
    Window child;
    XTranslateCoordinates(m_display, gdk_x11_surface_get_xid(gtk_native_get_surface(native)),
                          DefaultRootWindow(m_display), static_cast<int>(origin.x + sx) + x,
                          static_cast<int>(origin.y + sy) + y, &rx, &ry, &child);
    return {rx, ry};
}

bool WindowDriver::key(XKeySym keysym, std::initializer_list<XKeySym> modifiers) {
    const uint64_t inputs = m_form->inputsDelivered();
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

void WindowDriver::clickAt(std::pair<int, int> root, int times) {
    XTestFakeMotionEvent(m_display, DefaultScreen(m_display), root.first, root.second, CurrentTime);
    for (int i = 0; i < times; ++i) {
        XTestFakeButtonEvent(m_display, 1, True, CurrentTime);
        XTestFakeButtonEvent(m_display, 1, False, CurrentTime);
    }
    XFlush(m_display);
}

bool WindowDriver::click(int x, int y, int times) {
    const uint64_t inputs = m_form->inputsDelivered();
    clickAt(rootPoint(m_form->canvas(), x, y), times);
    return waitForInputs(inputs + 2 * static_cast<uint64_t>(times)); // each press and release
}

bool WindowDriver::drag(int x, int y, int toX, int toY) {
    const uint64_t inputs = m_form->inputsDelivered();
    const auto from = rootPoint(m_form->canvas(), x, y), to = rootPoint(m_form->canvas(), toX, toY);
    XTestFakeMotionEvent(m_display, DefaultScreen(m_display), from.first, from.second, CurrentTime);
    XTestFakeButtonEvent(m_display, 1, True, CurrentTime);
    XTestFakeMotionEvent(m_display, DefaultScreen(m_display), to.first, to.second, CurrentTime);
    XTestFakeButtonEvent(m_display, 1, False, CurrentTime);
    XFlush(m_display);
    return waitForInputs(inputs + 2);
}

void WindowDriver::clickWidget(GtkWidget* widget) {
    clickAt(rootPoint(widget, gtk_widget_get_width(widget) / 2, gtk_widget_get_height(widget) / 2), 1);
}

void WindowDriver::setMinimizedByUser(bool minimized) {
    const Atom state = XInternAtom(m_display, "_NET_WM_STATE", False);
    const Atom hidden = XInternAtom(m_display, "_NET_WM_STATE_HIDDEN", False);
    XChangeProperty(m_display, xid(), state, XA_ATOM, 32, PropModeReplace,
                    reinterpret_cast<const unsigned char*>(&hidden), minimized ? 1 : 0);
    XFlush(m_display);
}

ov::Bitmap WindowDriver::screenshot() {
    GtkWidget* canvas = m_form->canvas();
    const int w = gtk_widget_get_width(canvas), h = gtk_widget_get_height(canvas);
    const auto [rx, ry] = rootPoint(canvas, 0, 0);
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

void WindowDriver::whenWindowOpens(const std::string& title, std::function<void(GtkWindow*)> play) {
    struct Watch {
        std::string title;
        std::function<void(GtkWindow*)> play;
        std::chrono::steady_clock::time_point end = std::chrono::steady_clock::now() + kDeadline;
    };
    auto poll = [](gpointer data) -> gboolean {
        auto& watch = *static_cast<Watch*>(data);
        GList* all = gtk_window_list_toplevels();
        GtkWindow* found = nullptr;
        for (GList* l = all; l && !found; l = l->next) {
            auto* w = GTK_WINDOW(l->data);
            const char* t = gtk_window_get_title(w);
            if (t && watch.title == t && gtk_widget_get_visible(GTK_WIDGET(w))) found = w;
        }
        if (!found && std::chrono::steady_clock::now() > watch.end) {
            // Whatever opened instead would wait for a user for ever: close it, and tell.
            for (GList* l = all; l; l = l->next)
                gtk_window_close(GTK_WINDOW(l->data));
            g_list_free(all);
            watch.play(nullptr);
            return G_SOURCE_REMOVE;
        }
        g_list_free(all);
        if (!found) return G_SOURCE_CONTINUE;
        watch.play(found);
        return G_SOURCE_REMOVE;
    };
    g_timeout_add_full(G_PRIORITY_DEFAULT, 20, poll, new Watch{title, std::move(play)},
                       [](gpointer data) { delete static_cast<Watch*>(data); });
}
