#pragma once

#include "platform/Failure.h"
#include "platform/Object.h"

#include <string_view>
#include <utility>

namespace ov {

// The failure convention of controls whose writers tell the user and carry on (the progress bar, the
// label): failure 398 is dropped without a word; any other is shown in a modal message box with the
// exclamation icon and an OK button (style 48) and no title of its own (the host puts the
// application's title), reading "Error: " + number + CR LF + description. Nothing reaches the caller.
void showFailureBox(const Failure& failure);

// Runs one procedure body of such a control under the convention above. A use from a thread the
// control does not belong to (or after its runtime ended) is the host's mistake, not a failure of the
// procedure: it is refused before the body runs and reaches the caller.
template <class F>
void reportInMessageBox(const Object& control, std::string_view procedure, F&& body) {
    control.affirmThread(procedure);
    try {
        std::forward<F>(body)();
    } catch (const Failure& f) {
        if (f.number() == err::WrongThread || f.number() == err::Disconnected) throw;
        showFailureBox(f);
    }
}

} // namespace ov
