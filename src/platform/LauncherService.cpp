#include "platform/LauncherService.h"

#include "platform/Failure.h"

#include <algorithm>

namespace ov {

int32_t HeadlessLauncher::launch(const std::string& program, const std::vector<std::string>& arguments,
                                 int32_t style) {
    if (std::find(m_failing.begin(), m_failing.end(), program) != m_failing.end())
        throw Failure(err::FileNotFound, failureText(err::FileNotFound) + ": " + program);
    m_launched.push_back({program, arguments, style});
    return m_nextId++;
}

} // namespace ov
