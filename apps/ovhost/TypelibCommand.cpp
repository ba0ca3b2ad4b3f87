#include "Commands.h"
#include "frame/LibraryTypes.h"
#include "frame/TypeLibrary.h"
#include "platform/TypeRegistry.h"

#include <iostream>

namespace ovhost {

int typelibCommand(const Arguments& args) {
    bool json = false;
    for (const auto& a : args) {
        if (a == "--json") {
            json = true;
        } else {
            std::cerr << "ovhost typelib: unknown option '" << a << "'\n";
            return 2;
        }
    }
    if (json) {
        std::cout << ov::typeLibraryJson() << "\n";
        return 0;
    }
    ov::registerLibraryTypes();
    const auto& r = ov::TypeRegistry::instance();
    std::cout << r.library().name << " " << r.library().version << " " << r.library().guid << "\n";
    for (const auto& c : r.classes()) {
        if (!c.info->published) continue;
        size_t members = 0;
        for (const auto& m : c.info->members())
            members += m.published ? 1 : 0;
        std::cout << "  " << c.info->name << (c.info->creatable ? " (creatable)" : "") << ": " << members
                  << " members, " << c.info->events().size() << " events\n";
    }
    for (const auto& e : r.enums())
        std::cout << "  enum " << e.name << ": " << e.values.size() << " values\n";
    for (const auto& rec : r.records())
        std::cout << "  record " << rec.name << ": " << rec.size << " bytes\n";
    return 0;
}

} // namespace ovhost
