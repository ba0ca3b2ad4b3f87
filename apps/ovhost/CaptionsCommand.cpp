#include "Commands.h"
#include "platform/Extender.h"
#include "platform/Failure.h"
#include "platform/Form.h"
#include "platform/FormFile.h"
#include "platform/Runtime.h"
#include "wizard/CaptionsImport.h"
#include "wizard/OvWizardNavigator.h"
#include "wizard/OvWizardTab.h"

#include <filesystem>
#include <iostream>
#include <optional>

namespace ovhost {

namespace {

// A page or the navigator, with its file.
struct ControlFile {
    std::shared_ptr<ov::OvWizardTab> page;
    std::shared_ptr<ov::OvWizardNavigator> navigator;
    std::string name;
    std::string path;
    std::optional<ov::CaptionsImport> captions;
};

} // namespace

// ovhost captions import FORMFILE FOLDER: brings the captions files a translator edited back into the
// pages and the navigator of a saved wizard. Each takes "<FOLDER>/<its name>.txt" when there is one. Every
// file is read and checked against its page before any is applied: one refusal leaves FORMFILE as it was.
int captionsCommand(const Arguments& args) {
    if (args.size() != 3 || args[0] != "import") {
        std::cerr << "usage: ovhost captions import FORMFILE FOLDER\n";
        return 2;
    }
    const std::string formFile = args[1];
    const std::filesystem::path folder = args[2];
    if (!std::filesystem::is_directory(folder))
        throw ov::Failure(ov::err::PathNotFound,
                          ov::failureText(ov::err::PathNotFound) + ": " + folder.string());
    ov::Runtime runtime;
    auto form = ov::FormFile::load(formFile, ov::Mode::Design);

    std::vector<ControlFile> controls;
    int refused = 0;
    for (const auto& ext : form->controls()) {
        ControlFile entry{ext->controlAs<ov::OvWizardTab>(), ext->controlAs<ov::OvWizardNavigator>(),
                          ext->Name(), (folder / (ext->Name() + ".txt")).string(), std::nullopt};
        if (!entry.page && !entry.navigator) continue;
        std::error_code ec;
        if (std::filesystem::symlink_status(entry.path, ec).type() != std::filesystem::file_type::not_found) {
            try {
                entry.captions = ov::CaptionsImport::read(entry.path);
                if (entry.page)
                    entry.captions->checkFor(*entry.page);
                else
                    entry.captions->checkFor(*entry.navigator);
            } catch (const ov::Failure& f) {
                std::cerr << "ovhost: error " << f.number() << ": " << f.description() << "\n";
                ++refused;
            }
        }
        controls.push_back(std::move(entry));
    }
    if (refused) {
        std::cerr << "ovhost: " << refused << (refused == 1 ? " file" : " files") << " refused; " << formFile
                  << " is left as it was\n";
        return 1;
    }

    size_t written = 0;
    for (const auto& entry : controls) {
        if (!entry.captions) {
            std::cout << entry.name << ": no captions file\n";
            continue;
        }
        const size_t n =
            entry.page ? entry.captions->applyTo(*entry.page) : entry.captions->applyTo(*entry.navigator);
        written += n;
        std::cout << entry.name << ": " << n << (n == 1 ? " text" : " texts") << " changed from "
                  << entry.path << "\n";
    }
    if (written == 0) {
        std::cout << "nothing changed; " << formFile << " is left as it was\n";
        return 0;
    }
    form->save(formFile);
    std::cout << formFile << " saved\n";
    form->unload();
    return 0;
}

} // namespace ovhost
