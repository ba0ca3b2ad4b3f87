#include "controls/ProcedureFailureBox.h"

#include "platform/MessageBox.h"

namespace ov {

void showProcedureFailure(const Failure& f, std::string_view className, std::string_view procedure,
                          const std::string* step) {
    std::string text =
        f.description() + "\r\nClass: " + std::string(className) + "\r\nProcedure: " + std::string(procedure);
    if (step) text += "\r\nStep: " + *step;
    msgBox(text, mb::Critical);
}

} // namespace ov
