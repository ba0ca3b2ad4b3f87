#pragma once

#include "platform/FileSystemService.h"
#include "platform/Forward.h"
#include "platform/LauncherService.h"
#include "platform/MessageBox.h"
#include "platform/RegistryService.h"
#include "platform/TextMetricsService.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <typeindex>
#include <utility>
#include <vector>

namespace ov {

struct Version {
    int32_t major = 0, minor = 0, revision = 0;
};

// This library's own version, from its build.
Version libraryVersion();

// What the host application tells about itself. The version defaults to the library's own.
struct ApplicationInfo {
    std::string path;  // folder of the running program, without a trailing separator
    std::string title; // the program's title (its file name unless the host sets one)
    Version version = libraryVersion();
};

// The services of one user-interface thread. Constructing a Runtime installs headless defaults for
// the calling thread (recorded message boxes, 15 twips per pixel, no message pump, an in-memory
// registry, recorded program launches, the deterministic text metrics, the real file system); a host
// replaces what it has real versions of. Runtimes nest: destroying one restores the one before (one
// destroyed while a newer one lives is taken out of the chain; the newer one stays current). The
// objects the library keeps "once per user-interface thread" live in the runtime, so a new runtime
// starts them afresh.
//
// A runtime belongs to the thread that made it, and so does every form made under it. A runtime that
// ends while some of its forms are still referenced ends those forms first, newest first, while its
// services and thread objects are still here (see Form: their controls hear onHide and onTerminate,
// the forms are left empty, and any later use of them fails with err::Disconnected). A form's
// controls end under the form's own runtime, whichever runtime is current at the time.
class Runtime {
public:
    Runtime();
    ~Runtime();
    Runtime(const Runtime&) = delete;
    Runtime& operator=(const Runtime&) = delete;

    // The innermost runtime of this thread; one with headless defaults is made on first use if the
    // host installed none.
    static Runtime& current();

    MessageBoxService& messageBox() { return *m_messageBox; }
    void setMessageBox(std::unique_ptr<MessageBoxService> service);
    // The default recorder; it sees boxes only while no other service replaces it.
    HeadlessMessageBox& headlessMessageBox() { return m_headless; }

    int32_t twipsPerPixelX() const { return m_twipsPerPixelX; }
    int32_t twipsPerPixelY() const { return m_twipsPerPixelY; }
    void setTwipsPerPixel(int32_t x, int32_t y);

    ApplicationInfo& application() { return m_application; }

    // Registry reading; the default is the in-memory tree below, which tests fill.
    RegistryService& registry() { return *m_registry; }
    void setRegistry(std::unique_ptr<RegistryService> service);
    HeadlessRegistry& headlessRegistry() { return m_headlessRegistry; }

    // The file-exists test; the real file system unless a host or test installs another.
    FileSystemService& fileSystem() { return *m_fileSystem; }
    void setFileSystem(std::unique_ptr<FileSystemService> service);

    // Program start; the default records launches (a host installs a PosixLauncher to start them).
    LauncherService& launcher() { return *m_launcher; }
    void setLauncher(std::unique_ptr<LauncherService> service);
    HeadlessLauncher& headlessLauncher() { return m_headlessLauncher; }

    // Text measurement; the default is the deterministic HeadlessTextMetrics. Installing returns the
    // service installed before (null when it was the default), so that a caller can put it back.
    TextMetricsService& textMetrics() { return *m_textMetrics; }
    std::unique_ptr<TextMetricsService> setTextMetrics(std::unique_ptr<TextMetricsService> service);

    // Lets the host process pending window messages; a no-op unless a host installs a pump.
    void processPendingMessages();
    void setMessagePump(std::function<void()> pump) { m_pump = std::move(pump); }

    // The one T of this thread, made on first use and destroyed with the runtime (last made, first
    // destroyed).
    template <class T>
    T& threadState() {
        for (auto& [type, ptr] : m_state) {
            if (type == std::type_index(typeid(T))) return *static_cast<T*>(ptr.get());
        }
        auto p = std::make_shared<T>();
        m_state.emplace_back(std::type_index(typeid(T)), p);
        return *p;
    }
    // The T of this thread if one was made, or null (nothing is made).
    template <class T>
    T* findThreadState() {
        for (auto& [type, ptr] : m_state) {
            if (type == std::type_index(typeid(T))) return static_cast<T*>(ptr.get());
        }
        return nullptr;
    }

private:
    friend class Form;
    // Makes a runtime the current one of this thread while it lives, so that what a form's controls
    // do as they end reaches the form's own runtime even when another is current.
    class Visit {
    public:
        explicit Visit(Runtime& runtime) noexcept;
        ~Visit();
        Visit(const Visit&) = delete;
        Visit& operator=(const Visit&) = delete;

    private:
        Runtime* m_was;
    };
    void adopt(Form& form) { m_forms.push_back(&form); }
    void forget(Form& form);
    void endForms() noexcept;

    HeadlessMessageBox m_headless;
    std::unique_ptr<MessageBoxService> m_installed;
    MessageBoxService* m_messageBox = &m_headless;
    int32_t m_twipsPerPixelX = 15;
    int32_t m_twipsPerPixelY = 15;
    ApplicationInfo m_application;
    HeadlessRegistry m_headlessRegistry;
    std::unique_ptr<RegistryService> m_installedRegistry;
    RegistryService* m_registry = &m_headlessRegistry;
    RealFileSystem m_realFileSystem;
    std::unique_ptr<FileSystemService> m_installedFileSystem;
    FileSystemService* m_fileSystem = &m_realFileSystem;
    HeadlessLauncher m_headlessLauncher;
    std::unique_ptr<LauncherService> m_installedLauncher;
    LauncherService* m_launcher = &m_headlessLauncher;
    HeadlessTextMetrics m_headlessTextMetrics;
    std::unique_ptr<TextMetricsService> m_installedTextMetrics;
    TextMetricsService* m_textMetrics = &m_headlessTextMetrics;
    std::function<void()> m_pump;
    std::vector<std::pair<std::type_index, std::shared_ptr<void>>> m_state;
    Runtime* m_previous = nullptr;
    std::vector<Form*> m_forms; // alive and made under this runtime, oldest first
};

} // namespace ov
