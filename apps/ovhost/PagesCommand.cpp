#include "Commands.h"
#include "platform/Extender.h"
#include "platform/Form.h"
#include "platform/FormFile.h"
#include "platform/PropertyDialog.h"
#include "platform/PropertyPage.h"
#include "platform/Runtime.h"
#include "render/Renderer.h"

#include <iostream>

namespace ovhost {

namespace {

int usage() {
    std::cerr << "usage: ovhost pages FORMFILE CONTROL --out DIR\n";
    return 2;
}

} // namespace

// ovhost pages FORMFILE CONTROL --out DIR: loads the form at design time, opens the named control's
// property pages in a property dialog, and renders each page to DIR/<nn>-<PageClass>.png (nn from 01,
// in the order the control lists its pages), naming each file on standard output.
int pagesCommand(const Arguments& args) {
    std::vector<std::string> positional;
    std::filesystem::path out;
    for (size_t i = 0; i < args.size(); ++i) {
        if (args[i] == "--out") {
            if (i + 1 >= args.size()) return usage();
            out = args[++i];
        } else {
            positional.push_back(args[i]);
        }
    }
    if (positional.size() != 2 || out.empty()) return usage();
    prepareOutputFolder(out);
    ov::Runtime runtime;
    ov::Renderer renderer; // before anything is built, so labels measure with the fonts they are drawn in
    auto form = ov::FormFile::load(positional[0], ov::Mode::Design);
    ov::PropertyDialog dialog;
    dialog.open({form->control(positional[1])});
    for (size_t i = 0; i < dialog.pageCount(); ++i) {
        dialog.showPage(i);
        const std::string number = (i < 9 ? "0" : "") + std::to_string(i + 1);
        const std::string name = number + "-" + dialog.page(i).typeName() + ".png";
        renderer.renderToPng(*dialog.form(), (out / name).string());
        std::cout << (out / name).string() << "\n";
    }
    dialog.cancel();
    return 0;
}

} // namespace ovhost
