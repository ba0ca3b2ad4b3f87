// The GTK window host under an X server (run with xvfb-run -a, or on a desktop): the time from a real
// key press (XTest) to the repainted frame for a page change of the sample wizard, and the repaint of a
// 640 x 480 form in its window and by the renderer alone.
#include "gtk/FormWindow.h"
#include "gtk/WindowHost.h"
#include "platform/Form.h"
#include "platform/FormFile.h"
#include "platform/Runtime.h"
#include "render/Renderer.h"

#include <X11/extensions/XTest.h>
#include <X11/keysym.h>
#include <benchmark/benchmark.h>
#include <chrono>
#include <gdk/x11/gdkx.h>
#include <string>

namespace {

using Clock = std::chrono::steady_clock;
constexpr std::chrono::seconds kDeadline{10};

// A sample form in a window that has the keyboard focus.
struct FormInWindow {
    explicit FormInWindow(const char* example)
        : form(ov::FormFile::load(std::string(OVCOMCTL_EXAMPLES "/") + example, ov::Mode::Run)),
          window(host.open(form)) {}
    ov::Runtime runtime;
    ov::gtk::WindowHost host; // before the form: the screen's scale and the text metrics
    ov::FormRef form;
    ov::gtk::FormWindow& window;
    Display* display = gdk_x11_display_get_xdisplay(gtk_widget_get_display(window.canvas()));

    bool ready() {
        GtkWidget* w = GTK_WIDGET(window.window());
        if (!host.iterateUntil([&] { return gtk_widget_get_mapped(w) && window.framesDrawn() > 0; },
                               kDeadline))
            return false;
        XSetInputFocus(display, gdk_x11_surface_get_xid(gtk_native_get_surface(GTK_NATIVE(w))),
                       RevertToParent, CurrentTime);
        XFlush(display);
        return host.iterateUntil([&] { return gtk_window_is_active(window.window()); }, kDeadline);
    }
    void key(KeySym sym, KeySym modifier) {
        if (modifier) XTestFakeKeyEvent(display, XKeysymToKeycode(display, modifier), True, CurrentTime);
        XTestFakeKeyEvent(display, XKeysymToKeycode(display, sym), True, CurrentTime);
        XTestFakeKeyEvent(display, XKeysymToKeycode(display, sym), False, CurrentTime);
        if (modifier) XTestFakeKeyEvent(display, XKeysymToKeycode(display, modifier), False, CurrentTime);
        XFlush(display);
    }
    // Lets the frame clock come to rest (it paints at most once a refresh interval), untimed, so that
    // each measured input starts from an idle window as a person's key press does.
    void settle() {
        host.iterateUntil([] { return false; }, std::chrono::milliseconds(25));
    }
    bool framed(uint64_t inputs) {
        return host.iterateUntil(
            [&] { return window.inputsDelivered() >= inputs && window.repaintedSinceInput(); }, kDeadline);
    }
};

// Enter (Next: Welcome to License) and Alt+B (Back) in turn; each is one page change and one frame.
void BM_WindowKeyToFrame(benchmark::State& state) {
    FormInWindow w("setup-wizard.json");
    if (!w.ready()) {
        state.SkipWithError("the window never took the focus");
        return;
    }
    bool forward = true;
    for (auto _ : state) {
        w.settle();
        const uint64_t inputs = w.window.inputsDelivered() + 1;
        const auto start = Clock::now();
        forward ? w.key(XK_Return, 0) : w.key(XK_b, XK_Alt_L);
        if (!w.framed(inputs)) {
            state.SkipWithError("no frame after the key");
            return;
        }
        state.SetIterationTime(std::chrono::duration<double>(Clock::now() - start).count());
        forward = !forward;
    }
}
BENCHMARK(BM_WindowKeyToFrame)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(200);

// The options dialog (tree, page, buttons, spin box) with a client area of 640 x 480 pixels.
void make640x480(ov::Form& form, int32_t tpp) {
    form.Move(form.Left(), form.Top(), 640.f * tpp + (form.Width() - form.ScaleWidth()),
              480.f * tpp + (form.Height() - form.ScaleHeight()));
}

// A repaint asked for (as after every input) until the window has drawn it.
void BM_WindowRepaint640x480(benchmark::State& state) {
    FormInWindow w("options-dialog.json");
    if (!w.ready()) {
        state.SkipWithError("the window never showed");
        return;
    }
    make640x480(*w.form, w.host.twipsPerPixel());
    w.host.update();
    for (auto _ : state) {
        w.settle();
        const uint64_t frames = w.window.framesDrawn();
        const auto start = Clock::now();
        w.host.update();
        if (!w.host.iterateUntil([&] { return w.window.framesDrawn() > frames; }, kDeadline)) {
            state.SkipWithError("no frame");
            return;
        }
        state.SetIterationTime(std::chrono::duration<double>(Clock::now() - start).count());
    }
    state.counters["width"] = gtk_widget_get_width(w.window.canvas());
    state.counters["height"] = gtk_widget_get_height(w.window.canvas());
}
BENCHMARK(BM_WindowRepaint640x480)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(200);

// The renderer's part of that repaint: the whole 640 x 480 form drawn into a bitmap.
void BM_Render640x480(benchmark::State& state) {
    FormInWindow w("options-dialog.json");
    make640x480(*w.form, w.host.twipsPerPixel());
    for (auto _ : state)
        benchmark::DoNotOptimize(w.host.renderer().render(*w.form));
}
BENCHMARK(BM_Render640x480)->Unit(benchmark::kMillisecond);

} // namespace
