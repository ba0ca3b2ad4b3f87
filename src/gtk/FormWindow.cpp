#include "gtk/FormWindow.h"

#include "gtk/KeyMap.h"
#include "gtk/WindowHost.h"
#include "platform/ConstituentControl.h"
#include "platform/Extender.h"
#include "platform/Form.h"
#include "platform/TabOrder.h"
#include "platform/UserControl.h"
#include "platform/WindowTable.h"
#include "render/Renderer.h"

#include <cmath>
#include <utility>

namespace ov::gtk {

namespace {

enum MouseKind { Down, Move, Up };

constexpr int16_t kKeyF4 = 115;
constexpr int16_t kShiftAlt = 4;

FormWindow* me(gpointer self) {
    return static_cast<FormWindow*>(self);
}

} // namespace

FormWindow::FormWindow(WindowHost& host, FormRef form, GtkWindow* owner, bool modal)
    : m_host(host), m_form(std::move(form)) {
    if (!m_form->Visible()) m_form->show();
    m_window = GTK_WINDOW(gtk_window_new());
    m_canvas = gtk_drawing_area_new();
    gtk_widget_set_focusable(m_canvas, TRUE);
    gtk_window_set_child(m_window, m_canvas);
    const int16_t border = m_form->BorderStyle();
    m_sizable = border == 2 || border == 5;
    gtk_window_set_resizable(m_window, m_sizable);
    if (m_sizable) {
        gtk_window_set_default_size(m_window, clientWidth(), clientHeight());
        gtk_widget_set_hexpand(m_canvas, TRUE);
        gtk_widget_set_vexpand(m_canvas, TRUE);
    }
    if (owner) gtk_window_set_transient_for(m_window, owner);
    gtk_window_set_modal(m_window, modal);

    gtk_drawing_area_set_draw_func(GTK_DRAWING_AREA(m_canvas), &FormWindow::draw, this, nullptr);
    g_signal_connect(m_canvas, "resize", G_CALLBACK(&FormWindow::resized), this);
    g_signal_connect(m_window, "close-request", G_CALLBACK(&FormWindow::closeRequested), this);
    g_signal_connect(m_window, "realize", G_CALLBACK(&FormWindow::realized), this);
    // A press after the window was left (for a modal form it opened, say) never completes a double click.
    g_signal_connect(m_window, "notify::is-active",
                     G_CALLBACK(+[](GObject*, GParamSpec*, gpointer self) { me(self)->m_lastPress = {}; }),
                     this);

    // A drag gesture reports every press and its release, however far the pointer went in between (a
    // click gesture gives up on a press that moved); double clicks are counted here.
    GtkGesture* buttons = gtk_gesture_drag_new();
    gtk_gesture_single_set_button(GTK_GESTURE_SINGLE(buttons), 0); // every button
    g_signal_connect(buttons, "drag-begin", G_CALLBACK(&FormWindow::pressed), this);
    g_signal_connect(buttons, "drag-end", G_CALLBACK(&FormWindow::released), this);
    gtk_widget_add_controller(m_canvas, GTK_EVENT_CONTROLLER(buttons));
    GtkEventController* motion = gtk_event_controller_motion_new();
    g_signal_connect(motion, "motion", G_CALLBACK(&FormWindow::moved), this);
    gtk_widget_add_controller(m_canvas, motion);
    // Before GTK's own key handling (focus moves, mnemonics, shortcuts): the form has the keys.
    GtkEventController* keys = gtk_event_controller_key_new();
    gtk_event_controller_set_propagation_phase(keys, GTK_PHASE_CAPTURE);
    g_signal_connect(keys, "key-pressed", G_CALLBACK(&FormWindow::keyPressed), this);
    gtk_widget_add_controller(GTK_WIDGET(m_window), keys);

    update();
    gtk_window_present(m_window);
    gtk_widget_grab_focus(m_canvas);
}

FormWindow::~FormWindow() {
    if (m_sizeIdle) g_source_remove(m_sizeIdle);
    if (m_surface && m_stateHandler) g_signal_handler_disconnect(m_surface, m_stateHandler);
    gtk_window_destroy(m_window);
}

HWnd FormWindow::hwnd() const {
    return WindowTable::current().find(m_form.get());
}

int FormWindow::clientWidth() const {
    return std::max(1, static_cast<int>(std::lround(m_form->ScaleWidth() / m_host.twipsPerPixel())));
}

int FormWindow::clientHeight() const {
    return std::max(1, static_cast<int>(std::lround(m_form->ScaleHeight() / m_host.twipsPerPixel())));
}

void FormWindow::update() {
    if (!m_form->isLoaded()) {
        gtk_widget_set_visible(GTK_WIDGET(m_window), FALSE);
        return;
    }
    const std::string caption = m_form->Caption();
    if (const char* title = gtk_window_get_title(m_window); !title || caption != title)
        gtk_window_set_title(m_window, caption.c_str());
    if (m_sizable) {
        // The form has the last word on its size: one that kept (or set) another size than the window's
        // gets the window sized to it.
        // Asked for from an idle callback: GTK takes no new size while it is giving the window one.
        const int w = gtk_widget_get_width(m_canvas), h = gtk_widget_get_height(m_canvas);
        if (w > 0 && h > 0 && (w != clientWidth() || h != clientHeight()) && !m_sizeIdle) {
            m_sizeIdle = g_idle_add(
                +[](gpointer self) -> gboolean {
                    FormWindow& fw = *me(self);
                    fw.m_sizeIdle = 0;
                    if (fw.m_form->isLoaded())
                        gtk_window_set_default_size(fw.m_window, fw.clientWidth(), fw.clientHeight());
                    return G_SOURCE_REMOVE;
                },
                this);
        }
    } else {
        GtkDrawingArea* area = GTK_DRAWING_AREA(m_canvas);
        if (gtk_drawing_area_get_content_width(area) != clientWidth())
            gtk_drawing_area_set_content_width(area, clientWidth());
        if (gtk_drawing_area_get_content_height(area) != clientHeight())
            gtk_drawing_area_set_content_height(area, clientHeight());
    }
    const WindowTable& table = WindowTable::current();
    const WindowState state = table.state(hwnd());
    if (state == WindowState::Hidden) {
        gtk_widget_set_visible(GTK_WIDGET(m_window), FALSE);
    } else {
        if (!gtk_widget_get_visible(GTK_WIDGET(m_window))) gtk_widget_set_visible(GTK_WIDGET(m_window), TRUE);
        // Owned windows go and come back with their owner, as on the desktop the library was made for.
        const bool minimized =
            state == WindowState::Minimized || table.state(table.ownerWindow()) == WindowState::Minimized;
        if (minimized && !m_minimized) gtk_window_minimize(m_window);
        if (!minimized && m_minimized) gtk_window_unminimize(m_window);
    }
    gtk_widget_queue_draw(m_canvas);
}

void FormWindow::draw(GtkDrawingArea*, cairo_t* cr, int, int, gpointer self) {
    FormWindow& w = *me(self);
    w.m_host.guard(
        "paint",
        [&] {
            // GTK records the paint and reads the pixels later: the surface owns the frame until cairo lets
            // go.
            auto* frame = new Bitmap(w.m_host.renderer().render(*w.m_form));
            cairo_surface_t* image = cairo_image_surface_create_for_data(
                reinterpret_cast<unsigned char*>(frame->pixels().data()), CAIRO_FORMAT_ARGB32, frame->width(),
                frame->height(), frame->stride());
            static cairo_user_data_key_t owner;
            cairo_surface_set_user_data(image, &owner, frame,
                                        [](void* p) { delete static_cast<Bitmap*>(p); });
            cairo_set_source_surface(cr, image, 0, 0);
            cairo_paint(cr);
            cairo_surface_destroy(image);
        },
        true);
    ++w.m_frames;
}

void FormWindow::resized(GtkDrawingArea*, int width, int height, gpointer self) {
    FormWindow& w = *me(self);
    if (!w.m_sizable || !w.m_form->isLoaded() || (width == w.clientWidth() && height == w.clientHeight()))
        return;
    w.m_host.deliver("Resize", [&] {
        Form& f = *w.m_form;
        // The frame and title bar the form counts around its client area stay as they are.
        const float tpp = static_cast<float>(w.m_host.twipsPerPixel());
        f.Move(f.Left(), f.Top(), width * tpp + (f.Width() - f.ScaleWidth()),
               height * tpp + (f.Height() - f.ScaleHeight()));
    });
}

gboolean FormWindow::closeRequested(GtkWindow*, gpointer self) {
    FormWindow& w = *me(self);
    w.m_host.setActiveWindow(&w);
    w.m_host.deliver("Unload", [&] { w.close(); });
    return TRUE; // the window goes when its form has unloaded (update)
}

void FormWindow::close() {
    if (m_form->isLoaded()) m_form->unload();
}

void FormWindow::realized(GtkWidget* window, gpointer self) {
    FormWindow& w = *me(self);
    w.m_surface = gtk_native_get_surface(GTK_NATIVE(window));
    w.m_stateHandler =
        g_signal_connect(w.m_surface, "notify::state", G_CALLBACK(&FormWindow::surfaceStateChanged), self);
}

void FormWindow::surfaceStateChanged(GObject* surface, GParamSpec*, gpointer self) {
    FormWindow& w = *me(self);
    const bool minimized = gdk_toplevel_get_state(GDK_TOPLEVEL(surface)) & GDK_TOPLEVEL_STATE_MINIMIZED;
    if (minimized == w.m_minimized) return;
    w.m_minimized = minimized;
    w.m_host.setActiveWindow(&w);
    w.m_host.deliver(minimized ? "Minimize" : "Restore", [&] { w.userChangedState(minimized); });
}

void FormWindow::userChangedState(bool minimized) {
    WindowTable& table = WindowTable::current();
    const HWnd form = hwnd(), owner = table.ownerWindow();
    if (minimized) {
        if (table.state(form) == WindowState::Normal && table.state(owner) != WindowState::Minimized)
            table.send(form, win::WM_SYSCOMMAND, win::SC_MINIMIZE, 0);
        return;
    }
    // Restoring from the taskbar restores the owner window first; its procedure may bring this one back.
    if (table.state(owner) == WindowState::Minimized)
        table.send(owner, win::WM_SYSCOMMAND, win::SC_RESTORE, 0);
    if (table.state(form) == WindowState::Minimized) table.send(form, win::WM_SYSCOMMAND, win::SC_RESTORE, 0);
}

// ---- Mouse ----

Hit FormWindow::hitAt(double x, double y) const {
    return hitTest(*m_form, x, y, m_host.twipsPerPixel(), m_host.twipsPerPixel());
}

FormWindow::Target FormWindow::targetOf(const Hit& hit) {
    Target t;
    if (hit.control) t.control = std::static_pointer_cast<Extender>(hit.control->shared_from_this());
    if (hit.child) t.child = std::static_pointer_cast<ConstituentControl>(hit.child->shared_from_this());
    return t;
}

bool FormWindow::reaches(const Target& t) const {
    if (!t.control || !m_form->isLoaded() || !canReach(*t.control)) return false;
    return !t.child || (t.child->effectivelyVisible() && t.child->effectivelyEnabled());
}

bool FormWindow::mouse(int kind, const Target& t, int16_t button, int16_t shift, float x, float y) {
    if (!t.control) return false;
    Form& f = *m_form;
    if (t.child) {
        switch (kind) {
        case Down:
            return f.mouseDown(*t.child, button, shift, x, y);
        case Move:
            return f.mouseMove(*t.child, button, shift, x, y);
        default:
            return f.mouseUp(*t.child, button, shift, x, y);
        }
    }
    switch (kind) {
    case Down:
        return f.mouseDown(*t.control, button, shift, x, y);
    case Move:
        return f.mouseMove(*t.control, button, shift, x, y);
    default:
        return f.mouseUp(*t.control, button, shift, x, y);
    }
}

void FormWindow::pressed(GtkGestureDrag* gesture, double x, double y, gpointer self) {
    FormWindow& w = *me(self);
    GtkEventController* c = GTK_EVENT_CONTROLLER(gesture);
    const int16_t button = buttonFromGdk(gtk_gesture_single_get_current_button(GTK_GESTURE_SINGLE(gesture)));
    const int16_t shift = shiftFromGdk(gtk_event_controller_get_current_event_state(c));
    gtk_widget_grab_focus(w.m_canvas);
    w.m_gestureButton = button;
    if (button == 0) return;
    const int presses = w.countPresses(button, x, y, gtk_event_controller_get_current_event_time(c));
    w.m_host.setActiveWindow(&w);
    w.m_host.deliver("MouseDown", [&] { w.press(x, y, button, shift, presses); });
    w.countInput();
}

void FormWindow::press(double x, double y, int16_t button, int16_t shift, int presses) {
    const Hit hit = hitAt(x, y);
    const Target target = targetOf(hit);
    if (m_buttonsDown == 0) {
        m_capture = target;
        m_originX = x - hit.x / m_host.twipsPerPixel();
        m_originY = y - hit.y / m_host.twipsPerPixel();
        m_doubleClick = false;
    }
    m_buttonsDown |= button;
    if (!target.control) return;
    if (canClickFocus(*target.control, target.child.get()))
        m_form->focus(*target.control, target.child.get());
    if (presses == 2 && button == 1 && target == m_capture && reaches(target)) {
        // The second press of a double click is reported as DblClick, not as a MouseDown.
        m_doubleClick = true;
        if (target.child)
            target.child->raise(&ov::ConstituentControl::Events::DblClick);
        else
            target.control->control().raiseSurface(UserControl::SurfaceInput::DblClick);
        return;
    }
    mouse(Down, target, button, shift, hit.x, hit.y);
}

int FormWindow::countPresses(int16_t button, double x, double y, uint32_t time) {
    int doubleTime = 400, distance = 5;
    if (GtkSettings* settings = gtk_widget_get_settings(m_canvas))
        g_object_get(settings, "gtk-double-click-time", &doubleTime, "gtk-double-click-distance", &distance,
                     nullptr);
    // A press soon after another of the same button, close to it, is the second of a double click; a
    // third starts again.
    const bool second = m_lastPress.presses == 1 && m_lastPress.button == button &&
                        time - m_lastPress.time <= static_cast<uint32_t>(doubleTime) &&
                        std::abs(x - m_lastPress.x) <= distance && std::abs(y - m_lastPress.y) <= distance;
    m_lastPress = {button, second ? 2 : 1, time, x, y};
    return m_lastPress.presses;
}

void FormWindow::released(GtkGestureDrag* gesture, double dx, double dy, gpointer self) {
    FormWindow& w = *me(self);
    // The button the gesture began with: GTK may have let go of it by the time the gesture ends.
    const int16_t button = std::exchange(w.m_gestureButton, 0);
    const int16_t shift =
        shiftFromGdk(gtk_event_controller_get_current_event_state(GTK_EVENT_CONTROLLER(gesture)));
    if (button == 0) return;
    double x = 0, y = 0;
    gtk_gesture_drag_get_start_point(gesture, &x, &y);
    w.m_host.setActiveWindow(&w);
    w.m_host.deliver("MouseUp", [&] { w.release(x + dx, y + dy, button, shift); });
    w.countInput();
}

void FormWindow::release(double x, double y, int16_t button, int16_t shift) {
    const Target target = m_capture;
    m_buttonsDown &= static_cast<int16_t>(~button);
    if (m_buttonsDown == 0) m_capture = {};
    if (!target.control) return;
    const float tpp = static_cast<float>(m_host.twipsPerPixel());
    const bool delivered = mouse(Up, target, button, shift, static_cast<float>((x - m_originX) * tpp),
                                 static_cast<float>((y - m_originY) * tpp));
    // A left press released over the control it went down on is a click: the user's click, which ticks a
    // check box, chooses an option button and opens nothing on a drop-down list, as Form::click does.
    if (delivered && button == 1 && !m_doubleClick && targetOf(hitAt(x, y)) == target && reaches(target)) {
        if (target.child)
            target.child->userClick();
        else
            target.control->control().raiseSurface(UserControl::SurfaceInput::Click);
    }
}

void FormWindow::moved(GtkEventControllerMotion* motion, double x, double y, gpointer self) {
    FormWindow& w = *me(self);
    const GdkModifierType state = gtk_event_controller_get_current_event_state(GTK_EVENT_CONTROLLER(motion));
    w.m_host.deliver("MouseMove", [&] {
        const int16_t shift = shiftFromGdk(state);
        const float tpp = static_cast<float>(w.m_host.twipsPerPixel());
        if (w.m_capture.control) {
            w.mouse(Move, w.m_capture, buttonsFromGdk(state), shift,
                    static_cast<float>((x - w.m_originX) * tpp), static_cast<float>((y - w.m_originY) * tpp));
            return;
        }
        const Hit hit = w.hitAt(x, y);
        w.mouse(Move, targetOf(hit), 0, shift, hit.x, hit.y);
    });
}

// ---- Keys ----

gboolean FormWindow::keyPressed(GtkEventControllerKey*, guint keyval, guint, GdkModifierType state,
                                gpointer self) {
    FormWindow& w = *me(self);
    bool used = false;
    w.m_host.setActiveWindow(&w);
    w.m_host.deliver("KeyDown", [&] { used = w.key(keyval, state); });
    if (used) w.countInput();
    return used;
}

bool FormWindow::key(guint keyval, GdkModifierType state) {
    const auto stroke = keyFromGdk(keyval, state);
    if (!stroke || !m_form->isLoaded()) return false;
    m_form->pressKey(stroke->keyCode, stroke->shift);
    if (stroke->keyCode == kKeyF4 && stroke->shift == kShiftAlt && m_form->isLoaded() && m_form->Visible())
        close();
    return true;
}

} // namespace ov::gtk
