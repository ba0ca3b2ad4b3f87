#pragma once

#include "platform/LauncherService.h"

#include <sys/types.h>
#include <vector>

namespace ov {

// Starts real programs with posix_spawn: no shell, arguments passed as they are, the environment of
// this process, and no waiting. A program name without "/" is looked up on PATH. The window style
// has no meaning here and is ignored. Children that have ended are collected on each later launch
// and when the launcher is destroyed, so none is left as a zombie for long; a child still running
// then is left to run.
class PosixLauncher : public LauncherService {
public:
    PosixLauncher() = default;
    PosixLauncher(const PosixLauncher&) = delete;
    PosixLauncher& operator=(const PosixLauncher&) = delete;
    ~PosixLauncher() override;

    int32_t launch(const std::string& program, const std::vector<std::string>& arguments,
                   int32_t windowStyle) override;

private:
    void collectEnded();

    std::vector<pid_t> m_children;
};

} // namespace ov
