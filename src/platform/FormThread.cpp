// Form: its thread and its runtime (the rest of Form is in Form.cpp and FormInput.cpp).
#include "platform/Failure.h"
#include "platform/Form.h"
#include "platform/Runtime.h"

#include <cstdio>
#include <cstdlib>
#include <sstream>

namespace ov {

std::string Form::subject(std::string_view use) const {
    // The name never changes after creation, so another thread may read it while the owner works.
    return m_name + "." + std::string(use);
}

void Form::throwDisconnected(std::string_view use) const {
    throw Failure(err::Disconnected, failureText(err::Disconnected) + " (" + subject(use) +
                                         ": the runtime the form was made under has ended)");
}

void Form::endWithRuntime() noexcept {
    // A control's hook may drop the host's last reference to the form while it ends.
    auto keepAlive = weak_from_this().lock();
    m_runtime->forget(*this);
    // Hooks still see a working form; only once every control has ended is the form cut off.
    std::exception_ptr ignored;
    endControls(ignored);
    m_visible = false;
    m_loaded = false;
    m_runtime = nullptr;
}

void Form::droppedOnAnotherThread() const noexcept {
    // Ending the controls here would race with their thread, and a destructor cannot fail: the one
    // honest answer left is to stop, saying why.
    std::ostringstream text;
    text << "ovcomctl: " << failureText(err::WrongThread) << " (" << subject("~Form")
         << ": the last reference to the form was dropped on thread " << std::this_thread::get_id()
         << "; it was made on thread " << ownerThread() << ")\n";
    std::fputs(text.str().c_str(), stderr);
    std::abort();
}

} // namespace ov
