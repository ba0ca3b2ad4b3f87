#include "frame/AboutBox.h"

#include "frame/frmAbout.h"
#include "platform/Runtime.h"

#include <memory>

namespace ov {

namespace {

// Whether an About window is being shown on this user-interface thread.
struct AboutBoxState {
    bool open = false;
};

} // namespace

void showAboutBox() {
    AboutBoxState& state = Runtime::current().threadState<AboutBoxState>();
    if (state.open) return;
    struct Closing {
        bool& open;
        ~Closing() { open = false; }
    } closing{state.open};
    state.open = true;
    std::shared_ptr<frmAbout> window = frmAbout::create();
    window->showModal();
    // A window closed by hiding it is unloaded as well, so that nothing of it stays loaded even when
    // something kept a reference to it.
    if (window->isLoaded()) window->unload();
}

} // namespace ov
