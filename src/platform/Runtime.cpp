#include "platform/Runtime.h"

#include "platform/Form.h"

#include <filesystem>
#include <system_error>

#ifndef OVCOMCTL_VERSION_MAJOR
#define OVCOMCTL_VERSION_MAJOR 0
#define OVCOMCTL_VERSION_MINOR 0
#define OVCOMCTL_VERSION_PATCH 0
#endif

namespace ov {

namespace {

thread_local Runtime* t_current = nullptr;
thread_local std::unique_ptr<Runtime> t_fallback;

ApplicationInfo defaultApplication() {
    ApplicationInfo info;
    std::error_code ec;
    auto exe = std::filesystem::read_symlink("/proc/self/exe", ec);
    if (!ec) {
        info.path = exe.parent_path().string();
        info.title = exe.stem().string();
    } else {
        info.path = std::filesystem::current_path(ec).string();
        info.title = "OvComCtl";
    }
    return info;
}

} // namespace

Version libraryVersion() {
    return {OVCOMCTL_VERSION_MAJOR, OVCOMCTL_VERSION_MINOR, OVCOMCTL_VERSION_PATCH};
}

Runtime::Runtime() : m_application(defaultApplication()), m_previous(t_current) {
    t_current = this;
}

Runtime::~Runtime() {
    endForms();
    // Thread objects go first, newest first, while the services they may call are still here.
    while (!m_state.empty())
        m_state.pop_back();
    // Runtimes normally go innermost first. One destroyed out of turn is unlinked instead, so that no
    // newer runtime is left with it as the one to restore.
    if (t_current == this) {
        t_current = m_previous;
        return;
    }
    for (Runtime* r = t_current; r; r = r->m_previous) {
        if (r->m_previous == this) {
            r->m_previous = m_previous;
            break;
        }
    }
}

void Runtime::forget(Form& form) {
    // Forms usually end newest first; the search starts there.
    for (auto it = m_forms.rbegin(); it != m_forms.rend(); ++it) {
        if (*it == &form) {
            m_forms.erase(std::next(it).base());
            return;
        }
    }
}

void Runtime::endForms() noexcept {
    if (m_forms.empty()) return;
    // The forms end under this runtime even when it is destroyed out of turn, so that whatever their
    // controls do on the way out (unregistering wizard pages, showing a message) reaches this runtime's
    // services and thread objects, not a neighbour's. A control may make a new form while it ends: that
    // one ends too.
    Visit visit(*this);
    while (!m_forms.empty())
        m_forms.back()->endWithRuntime();
}

Runtime::Visit::Visit(Runtime& runtime) noexcept : m_was(t_current) {
    t_current = &runtime;
}

Runtime::Visit::~Visit() {
    t_current = m_was;
}

Runtime& Runtime::current() {
    if (t_current) return *t_current;
    t_fallback = std::make_unique<Runtime>();
    return *t_fallback;
}

void Runtime::setMessageBox(std::unique_ptr<MessageBoxService> service) {
    m_installed = std::move(service);
    m_messageBox = m_installed ? m_installed.get() : &m_headless;
}

namespace {

// Installs `service`, or goes back to the built-in default when it is empty.
template <class I, class D>
void install(std::unique_ptr<I>& slot, I*& current, D& fallback, std::unique_ptr<I> service) {
    slot = std::move(service);
    current = slot ? slot.get() : &fallback;
}

} // namespace

void Runtime::setRegistry(std::unique_ptr<RegistryService> service) {
    install(m_installedRegistry, m_registry, m_headlessRegistry, std::move(service));
}

void Runtime::setFileSystem(std::unique_ptr<FileSystemService> service) {
    install(m_installedFileSystem, m_fileSystem, m_realFileSystem, std::move(service));
}

void Runtime::setLauncher(std::unique_ptr<LauncherService> service) {
    install(m_installedLauncher, m_launcher, m_headlessLauncher, std::move(service));
}

std::unique_ptr<TextMetricsService> Runtime::setTextMetrics(std::unique_ptr<TextMetricsService> service) {
    std::unique_ptr<TextMetricsService> previous = std::move(m_installedTextMetrics);
    install(m_installedTextMetrics, m_textMetrics, m_headlessTextMetrics, std::move(service));
    return previous;
}

void Runtime::setTwipsPerPixel(int32_t x, int32_t y) {
    if (x > 0) m_twipsPerPixelX = x;
    if (y > 0) m_twipsPerPixelY = y;
}

void Runtime::processPendingMessages() {
    if (m_pump) m_pump();
}

} // namespace ov
