#include "Commands.h"
#include "platform/Form.h"
#include "platform/FormFile.h"
#include "platform/Runtime.h"
#include "wizard/PageGraphCheck.h"

#include <iostream>

namespace ovhost {

// ovhost check FORMFILE: the page-graph findings of a saved wizard, one a line; status 1 when any is an
// error, 0 otherwise (warnings included).
int checkCommand(const Arguments& args) {
    if (args.size() != 1) {
        std::cerr << "usage: ovhost check FORMFILE\n";
        return 2;
    }
    ov::Runtime runtime;
    auto form = ov::FormFile::load(args[0], ov::Mode::Design);
    const auto findings = ov::checkPageGraph(*form);
    size_t errors = 0;
    for (const auto& f : findings) {
        std::cout << ov::describe(f) << "\n";
        if (f.severity == ov::PageGraphFinding::Severity::Error) ++errors;
    }
    std::cout << args[0] << ": " << errors << (errors == 1 ? " error, " : " errors, ")
              << findings.size() - errors << (findings.size() - errors == 1 ? " warning\n" : " warnings\n");
    form->unload();
    return errors ? 1 : 0;
}

} // namespace ovhost
