#include "gtk/WindowHost.h"

#include "gtk/FormWindow.h"
#include "platform/Failure.h"
#include "platform/Form.h"
#include "platform/MessageBox.h"
#include "platform/Runtime.h"
#include "render/Renderer.h"

#include <algorithm>
#include <cmath>
#include <gtk/gtk.h>
#include <iostream>

namespace ov::gtk {

namespace {

// 1440 twips to the inch, at the resolution GTK lays text out in (its "gtk-xft-dpi", in 1/1024 dots per
// inch; 96 dpi when the screen says nothing).
int32_t screenTwipsPerPixel() {
    int dpi1024 = 0;
    if (GtkSettings* settings = gtk_settings_get_default())
        g_object_get(settings, "gtk-xft-dpi", &dpi1024, nullptr);
    const double dpi = dpi1024 > 0 ? dpi1024 / 1024.0 : 96.0;
    return std::clamp<int32_t>(static_cast<int32_t>(std::lround(1440.0 / dpi)), 1, 1440);
}

// Wakes the loop now and then, so that a wait with a deadline ends on time when nothing happens.
gboolean wake(gpointer) {
    return G_SOURCE_CONTINUE;
}

} // namespace

WindowHost::WindowHost() {
    if (!gtk_init_check())
        throw Failure(err::InvalidProcedureCall,
                      failureText(err::InvalidProcedureCall) + " (no display: GTK cannot open a window)");
    m_twipsPerPixel = screenTwipsPerPixel();
    Runtime::current().setTwipsPerPixel(m_twipsPerPixel, m_twipsPerPixel);
    m_renderer = std::make_unique<Renderer>();
    m_previousHook = Form::setModalHook([this](Form& form) { runModal(form); });
}

WindowHost::~WindowHost() {
    Form::setModalHook(std::move(m_previousHook));
    m_windows.clear();
    // Let GTK finish tearing the windows down before the renderer and the runtime go.
    while (g_main_context_iteration(nullptr, FALSE)) {
    }
}

FormWindow& WindowHost::open(FormRef form) {
    if (FormWindow* existing = windowOf(*form)) return *existing;
    m_windows.push_back(std::make_unique<FormWindow>(*this, std::move(form), nullptr, false));
    return *m_windows.back();
}

FormWindow* WindowHost::windowOf(const Form& form) const {
    for (const auto& w : m_windows) {
        if (&w->form() == &form) return w.get();
    }
    return nullptr;
}

void WindowHost::reapClosed() {
    // Only between inputs: a window whose input is being delivered is still on the stack.
    if (m_depth > 0) return;
    std::erase_if(m_windows, [this](const std::unique_ptr<FormWindow>& w) {
        if (w->form().isLoaded()) return false;
        if (m_active == w.get()) m_active = nullptr;
        return true;
    });
}

void WindowHost::run() {
    reapClosed();
    while (!m_windows.empty()) {
        g_main_context_iteration(nullptr, TRUE);
        reapClosed();
    }
}

bool WindowHost::iterateUntil(const std::function<bool()>& done, std::chrono::milliseconds deadline) {
    const auto end = std::chrono::steady_clock::now() + deadline;
    const guint waker = g_timeout_add(20, &wake, nullptr);
    bool held = done();
    while (!held && std::chrono::steady_clock::now() < end) {
        g_main_context_iteration(nullptr, TRUE);
        reapClosed();
        held = done();
    }
    g_source_remove(waker);
    return held;
}

void WindowHost::update() {
    for (const auto& w : m_windows)
        w->update();
}

void WindowHost::guard(std::string_view what, const std::function<void()>& body, bool quiet) {
    std::string message;
    try {
        body();
        return;
    } catch (const Failure& f) {
        message = "Run-time error '" + std::to_string(f.number()) + "':\n\n" + f.description();
    } catch (const std::exception& e) {
        message = std::string(e.what());
    }
    message += "\n\n(" + std::string(what) + ")";
    std::cerr << message << "\n";
    if (quiet) return;
    Runtime& rt = Runtime::current();
    rt.messageBox().show(message, 16, rt.application().title);
}

void WindowHost::deliver(std::string_view what, const std::function<void()>& input) {
    ++m_depth;
    guard(what, input);
    --m_depth;
    update();
}

void WindowHost::runModal(Form& form) {
    auto ref = std::static_pointer_cast<Form>(form.shared_from_this());
    FormWindow* owner = m_active;
    m_windows.push_back(std::make_unique<FormWindow>(*this, ref, owner ? owner->window() : nullptr, true));
    FormWindow* window = m_windows.back().get();
    FormWindow* before = m_active;
    m_active = window;
    // The nested loop: the call returns when the user (or the form's own code) closes the form.
    while (form.isLoaded() && form.Visible())
        g_main_context_iteration(nullptr, TRUE);
    m_active = before;
    std::erase_if(m_windows, [window](const std::unique_ptr<FormWindow>& w) { return w.get() == window; });
    update();
}

} // namespace ov::gtk
