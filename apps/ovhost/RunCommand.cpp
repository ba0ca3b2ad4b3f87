// ovhost run [FORMFILE]: a saved form in a GTK 4 window, or a launcher of the examples.
#include "Commands.h"

#include <iostream>

#if OVHOST_HAVE_GTK
#include "gtk/FormWindow.h"
#include "gtk/Launcher.h"
#include "gtk/MessageBoxWindow.h"
#include "gtk/WindowHost.h"
#include "platform/Extender.h"
#include "platform/Form.h"
#include "platform/FormFile.h"
#include "platform/Runtime.h"
#include "platform/UserControl.h"

#include <algorithm>
#include <filesystem>
#include <memory>
#endif

namespace ovhost {

#if OVHOST_HAVE_GTK
namespace {

// The events after which a host closes the dialog: the wizard's Finish, Cancel and Exit buttons and the
// options dialog's OK and Cancel. Each is printed as it happens.
constexpr const char* kClosingEvents[] = {"FinishClick", "CancelClick", "ExitClick", "OKClick"};

void closeOnEnd(const ov::FormRef& form, std::vector<ov::Connection>& links) {
    for (const ov::ExtenderRef& ext : form->controls()) {
        for (const char* event : kClosingEvents) {
            if (!ext->control().classInfo().findEvent(event)) continue;
            const std::string what = ext->Name() + "." + event;
            std::weak_ptr<ov::Form> weak = form;
            links.push_back(ext->on(event, [what, weak](ov::Args&) {
                std::cout << what << std::endl;
                if (auto f = weak.lock(); f && f->isLoaded()) f->unload();
            }));
        }
    }
}

std::vector<std::string> exampleFiles() {
    namespace fs = std::filesystem;
    fs::path folder = "examples";
    if (!fs::is_directory(folder)) folder = OVHOST_EXAMPLES_DIR;
    std::vector<std::string> files;
    std::error_code ec;
    for (const auto& entry : fs::directory_iterator(folder, ec)) {
        if (entry.is_regular_file() && entry.path().extension() == ".json")
            files.push_back(entry.path().string());
    }
    std::sort(files.begin(), files.end());
    return files;
}

} // namespace

int runCommand(const Arguments& args) {
    if (args.size() > 1) {
        std::cerr << "usage: ovhost run [FORMFILE]\n";
        return 2;
    }
    ov::Runtime runtime;
    runtime.application().title = "ovhost";
    ov::gtk::WindowHost host; // before any form is loaded: it sets the screen's scale and the text metrics
    runtime.setMessageBox(std::make_unique<ov::gtk::MessageBoxWindow>(host));
    std::vector<ov::Connection> links;
    auto open = [&](const std::string& path) {
        auto form = ov::FormFile::load(path, ov::Mode::Run);
        closeOnEnd(form, links);
        host.open(form);
    };
    if (!args.empty()) {
        open(args[0]);
        host.run();
        return 0;
    }
    ov::gtk::Launcher launcher(host, "OvComCtl examples", exampleFiles(), open);
    host.iterateUntil([&] { return !launcher.isOpen() && host.windows().empty(); },
                      std::chrono::hours(24 * 365));
    return 0;
}
#else
int runCommand(const Arguments&) {
    std::cerr << "ovhost: run needs GTK 4, which this build was made without (Debian: libgtk-4-dev)\n";
    return 2;
}
#endif

} // namespace ovhost
