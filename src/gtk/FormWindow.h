#pragma once

#include "gtk/HitTest.h"
#include "platform/Forward.h"
#include "platform/WindowMessages.h"

#include <cstdint>
#include <gtk/gtk.h>
#include <memory>

namespace ov::gtk {

class WindowHost;

// One shown form in a GTK window: a drawing area that shows the renderer's picture of the form at the
// host's twips per pixel, and the controllers that turn GTK's pointer and key events into the form's
// input (Form::pressKey, mouseDown/Move/Up, focus). Made and owned by a WindowHost.
//
// The window takes the form's Caption as its title and its client size (ScaleWidth × ScaleHeight) as its
// size; it is resizable when the form's BorderStyle is sizable (2 or 5), and a size the user gives it is
// handed to the form (Form::Move), which docks its controls again and raises Resize; a form that then
// has another size (its Resize handler keeps a minimum, say) has the window follow it. The close button
// unloads the form (its Unload handlers may refuse).
//
// Mouse: a press goes to the control under the pointer (HitTest), which takes the focus first when it
// can; moves and the release go to the control that had the press (it keeps the pointer until every
// button is up), and a release over that control after a left press raises its Click. A second press
// in a double click raises DblClick in place of MouseDown. Moves with no button held go to the control
// under the pointer. Coordinates are twips from the target's corner.
//
// Keys: every key with a code (KeyMap) goes to Form::pressKey, which handles Tab and Shift+Tab (the
// tab order), Enter and Esc (default and cancel buttons), access keys and typing. A
// key with Alt+F4 that leaves the form shown closes the window as the close button does.
class FormWindow {
public:
    FormWindow(WindowHost& host, FormRef form, GtkWindow* owner, bool modal);
    ~FormWindow();
    FormWindow(const FormWindow&) = delete;
    FormWindow& operator=(const FormWindow&) = delete;

    Form& form() const { return *m_form; }
    const FormRef& formRef() const { return m_form; }
    GtkWindow* window() const { return m_window; }
    // The drawing area that shows the form (its top-left is pixel 0, 0 of the form's client area).
    GtkWidget* canvas() const { return m_canvas; }
    // The form's window in the thread's window table (0 once the form has unloaded).
    HWnd hwnd() const;
    // Frames drawn so far.
    uint64_t framesDrawn() const { return m_frames; }
    // Mouse presses, releases and keys delivered to the form so far (moves and modifier keys alone are
    // not counted), and whether a frame has been drawn since the last of them: what a test or benchmark
    // waits for after it sends an input.
    uint64_t inputsDelivered() const { return m_inputs; }
    bool repaintedSinceInput() const { return m_frames > m_framesAtInput; }

    // Brings the GTK window in line with the form: title, size, and the window table's state (hidden,
    // minimized with itself or with the owner window, normal). Queues a repaint.
    void update();

private:
    static void draw(GtkDrawingArea* area, cairo_t* cr, int width, int height, gpointer self);
    static void resized(GtkDrawingArea* area, int width, int height, gpointer self);
    static gboolean closeRequested(GtkWindow* window, gpointer self);
    static void pressed(GtkGestureDrag* gesture, double x, double y, gpointer self);
    static void released(GtkGestureDrag* gesture, double dx, double dy, gpointer self);
    // 1 for a press, 2 for the second press of a double click (GTK's double-click time and distance).
    int countPresses(int16_t button, double x, double y, uint32_t time);
    static void moved(GtkEventControllerMotion* motion, double x, double y, gpointer self);
    static gboolean keyPressed(GtkEventControllerKey* keys, guint keyval, guint keycode,
                               GdkModifierType state, gpointer self);
    static void surfaceStateChanged(GObject* surface, GParamSpec*, gpointer self);
    static void realized(GtkWidget* window, gpointer self);

    Hit hitAt(double x, double y) const;
    void press(double x, double y, int16_t button, int16_t shift, int presses);
    void release(double x, double y, int16_t button, int16_t shift);
    bool key(guint keyval, GdkModifierType state);
    void userChangedState(bool minimized);
    void close();
    int clientWidth() const;
    int clientHeight() const;

    WindowHost& m_host;
    FormRef m_form;
    GtkWindow* m_window = nullptr;
    GtkWidget* m_canvas = nullptr;
    GdkSurface* m_surface = nullptr;
    gulong m_stateHandler = 0;
    guint m_sizeIdle = 0; // a size for the window, waiting to be asked for
    uint64_t m_frames = 0;
    uint64_t m_inputs = 0;
    uint64_t m_framesAtInput = 0;
    void countInput() {
        ++m_inputs;
        m_framesAtInput = m_frames;
    }
    bool m_sizable = false;
    bool m_minimized = false; // what GTK last reported
    // A control, or a constituent control of it, kept alive while input for it is in flight.
    struct Target {
        ExtenderRef control;
        std::shared_ptr<ConstituentControl> child;
        bool operator==(const Target&) const = default;
    };
    static Target targetOf(const Hit& hit);
    bool mouse(int kind, const Target& t, int16_t button, int16_t shift, float x, float y);
    bool reaches(const Target& t) const;

    // The press that holds the pointer: its target, the target's top-left pixel, and the buttons down.
    Target m_capture;
    double m_originX = 0, m_originY = 0;
    int16_t m_buttonsDown = 0;
    int16_t m_gestureButton = 0; // the button of the press the gesture is following
    struct Press {
        int16_t button = 0;
        int presses = 0;
        uint32_t time = 0;
        double x = 0, y = 0;
    } m_lastPress;
    bool m_doubleClick = false;
};

} // namespace ov::gtk
