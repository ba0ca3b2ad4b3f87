#include "platform/MessageBoxFailures.h"

#include "platform/MessageBox.h"

#include <string>

namespace ov {

void showFailureBox(const Failure& failure) {
    // 398 means the control is not sited yet (a writer run while the container builds it): nothing a
    // user could act on.
    if (failure.number() == err::ClientSiteNotAvailable) return;
    msgBox("Error: " + std::to_string(failure.number()) + "\r\n" + failure.description(), mb::Exclamation);
}

} // namespace ov
