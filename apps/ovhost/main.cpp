#include "Commands.h"
#include "platform/Failure.h"

#include <cstring>
#include <exception>
#include <iostream>
#include <new>

namespace {

void usage(std::ostream& out) {
    out << "usage: ovhost <command> [options]\n"
           "  demo              run the demonstration wizard and print what happens\n"
           "  render FORMFILE|demo --out DIR\n"
           "                    render a saved form (each page of a wizard) to PNG files\n"
           "  typelib [--json]  print the library's type library\n"
           "  captions import FORMFILE FOLDER\n"
           "                    bring edited captions files (FOLDER/<page>.txt) back into a saved wizard\n"
           "  check FORMFILE    check a saved wizard's page order; status 1 on errors\n"
           "  pages FORMFILE CONTROL --out DIR\n"
           "                    render the property pages of a control of a saved form to PNG files\n"
           "  run [FORMFILE]    open a saved form in a window (GTK 4); without one, a list of the examples\n"
           "  design FORMFILE CONTROL\n"
           "                    edit a control of a saved form in its property dialog (GTK 4); OK saves\n";
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        usage(std::cerr);
        return 2;
    }
    const std::string command = argv[1];
    const ovhost::Arguments args(argv + 2, argv + argc);
    try {
        if (command == "typelib") return ovhost::typelibCommand(args);
        if (command == "demo") return ovhost::demoCommand(args);
        if (command == "render") return ovhost::renderCommand(args);
        if (command == "captions") return ovhost::captionsCommand(args);
        if (command == "check") return ovhost::checkCommand(args);
        if (command == "pages") return ovhost::pagesCommand(args);
        if (command == "run") return ovhost::runCommand(args);
        if (command == "design") return ovhost::designCommand(args);
        if (command == "--help" || command == "-h" || command == "help") {
            usage(std::cout);
            return 0;
        }
    } catch (const ov::Failure& f) {
        std::cerr << "ovhost: error " << f.number() << ": " << f.description() << "\n";
        return 1;
    } catch (const std::bad_alloc&) {
        std::cerr << "ovhost: out of memory\n";
        return 1;
    } catch (const std::exception& e) {
        // Whatever the library or the standard library raises besides its failures (a filesystem_error,
        // a stream failure) still ends as a message and a status, never as an abort.
        std::cerr << "ovhost: " << e.what() << "\n";
        return 1;
    }
    std::cerr << "ovhost: unknown command '" << command << "'\n";
    usage(std::cerr);
    return 2;
}
