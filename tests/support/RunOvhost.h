#pragma once

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <sys/wait.h>
#include <vector>

namespace ovtest {

// What a run of the ovhost binary gave: its exit status (-1 when it did not exit normally: a signal,
// an abort) and its standard error.
struct HostOutcome {
    int status = -1;
    std::string err;
};

// Runs ovhost with `args`, each quoted for the shell, its standard input empty and its output dropped;
// standard error goes through `errFile`.
inline HostOutcome runOvhost(const std::vector<std::string>& args, const std::filesystem::path& errFile) {
    auto quote = [](const std::string& s) {
        std::string q = "'";
        for (char c : s)
            q += c == '\'' ? std::string("'\\''") : std::string(1, c);
        return q + "'";
    };
    std::string command = quote(OVHOST_PATH);
    for (const auto& a : args)
        command += " " + quote(a);
    command += " >/dev/null 2>" + quote(errFile.string()) + " </dev/null";
    const int raw = std::system(command.c_str());
    HostOutcome o;
    if (raw != -1 && WIFEXITED(raw)) o.status = WEXITSTATUS(raw);
    std::ostringstream text;
    text << std::ifstream(errFile).rdbuf();
    o.err = text.str();
    return o;
}

} // namespace ovtest
