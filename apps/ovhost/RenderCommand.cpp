#include "Commands.h"
#include "WizardPictures.h"
#include "platform/Form.h"
#include "platform/FormFile.h"
#include "platform/Runtime.h"
#include "render/Renderer.h"
#include "wizard/CPages.h"
#include "wizard/OvWizardNavigator.h"

#include <filesystem>
#include <iostream>

namespace ovhost {

// ovhost render FORMFILE|demo --out DIR: loads the form at run time and renders it; a wizard form is
// rendered once per page, in page order.
int renderCommand(const Arguments& args) {
    std::string source;
    std::filesystem::path out = ".";
    for (size_t i = 0; i < args.size(); ++i) {
        if (args[i] == "--out" && i + 1 < args.size())
            out = args[++i];
        else if (source.empty() && args[i] != "--out")
            source = args[i];
        else {
            std::cerr << "usage: ovhost render FORMFILE|demo --out DIR\n";
            return 2;
        }
    }
    if (source.empty()) {
        std::cerr << "usage: ovhost render FORMFILE|demo --out DIR\n";
        return 2;
    }
    if (source == "demo") return demoCommand({"--out", out.string()});
    prepareOutputFolder(out);
    ov::Runtime runtime;
    ov::Renderer renderer; // before the form loads, so labels measure with the fonts they are drawn in
    auto form = ov::FormFile::load(source, ov::Mode::Run);
    form->show();
    const std::string stem = std::filesystem::path(source).stem().string();
    std::shared_ptr<ov::OvWizardNavigator> nav;
    for (const auto& ext : form->controls()) {
        if (!nav) nav = ext->controlAs<ov::OvWizardNavigator>();
    }
    if (!nav || nav->WizardPages()->Count() == 0) {
        renderWizardPage(*form, out, stem + ".png", std::cout);
        return 0;
    }
    for (const auto& page : *nav->WizardPages()) {
        ov::CPageRef target = page;
        nav->GoToNewPage(target);
        renderWizardPage(*form, out, stem + "-" + page->Name() + ".png", std::cout);
    }
    form->unload();
    return 0;
}

} // namespace ovhost
