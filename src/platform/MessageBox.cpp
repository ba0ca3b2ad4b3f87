#include "platform/MessageBox.h"

#include "platform/Runtime.h"

namespace ov {

int32_t HeadlessMessageBox::show(const std::string& prompt, int32_t style, const std::string& title) {
    m_shown.push_back({prompt, style, title});
    if (!m_answers.empty()) {
        int32_t a = m_answers.front();
        m_answers.pop_front();
        return a;
    }
    switch (style & 7) {
    case mb::AbortRetryIgnore:
        return mb::Abort;
    case mb::YesNoCancel:
    case mb::YesNo:
        return mb::Yes;
    case mb::RetryCancel:
        return mb::Retry;
    default:
        return mb::Ok;
    }
}

int32_t msgBox(const std::string& prompt, int32_t style, const std::string& title) {
    Runtime& rt = Runtime::current();
    return rt.messageBox().show(prompt, style, title.empty() ? rt.application().title : title);
}

} // namespace ov
