#include "platform/PosixLauncher.h"

#include "platform/Failure.h"

#include <algorithm>
#include <cstring>
#include <spawn.h>
#include <sys/wait.h>

extern char** environ;

namespace ov {

PosixLauncher::~PosixLauncher() {
    collectEnded();
}

void PosixLauncher::collectEnded() {
    std::erase_if(m_children, [](pid_t pid) {
        int status = 0;
        pid_t r = waitpid(pid, &status, WNOHANG);
        // r == 0: still running. -1: already collected by someone else (a test waiting on it).
        return r != 0;
    });
}

int32_t PosixLauncher::launch(const std::string& program, const std::vector<std::string>& arguments,
                              int32_t /*windowStyle*/) {
    collectEnded();
    if (program.empty()) throw Failure(err::FileNotFound, failureText(err::FileNotFound) + ": (no program)");
    std::vector<std::string> storage;
    storage.reserve(arguments.size() + 1);
    storage.push_back(program);
    storage.insert(storage.end(), arguments.begin(), arguments.end());
    std::vector<char*> argv;
    for (auto& s : storage)
        argv.push_back(s.data());
    argv.push_back(nullptr);

    pid_t pid = 0;
    const bool onPath = program.find('/') == std::string::npos;
    int rc = onPath ? posix_spawnp(&pid, program.c_str(), nullptr, nullptr, argv.data(), environ)
                    : posix_spawn(&pid, program.c_str(), nullptr, nullptr, argv.data(), environ);
    if (rc != 0) {
        throw Failure(err::FileNotFound,
                      failureText(err::FileNotFound) + ": " + program + " (" + std::strerror(rc) + ")");
    }
    m_children.push_back(pid);
    return static_cast<int32_t>(pid);
}

} // namespace ov
