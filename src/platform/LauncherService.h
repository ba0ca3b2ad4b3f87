#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace ov {

// Window styles a program is started with, numbered as the host numbers them.
namespace windowStyle {
inline constexpr int32_t Hide = 0;
inline constexpr int32_t NormalFocus = 1;
inline constexpr int32_t MinimizedFocus = 2;
inline constexpr int32_t MaximizedFocus = 3;
inline constexpr int32_t NormalNoFocus = 4;
inline constexpr int32_t MinimizedNoFocus = 6;
} // namespace windowStyle

// Starts programs. launch() returns at once, without waiting for the program, and gives its process
// id; a program that cannot be started is failure 53 ("File not found") with the program named in the
// description.
class LauncherService {
public:
    virtual ~LauncherService() = default;
    virtual int32_t launch(const std::string& program, const std::vector<std::string>& arguments,
                           int32_t windowStyle) = 0;
};

// The headless launcher: records every launch and starts nothing. Ids count up from 1000. Programs a
// test names in failOn() fail with 53 instead.
class HeadlessLauncher : public LauncherService {
public:
    struct Launch {
        std::string program;
        std::vector<std::string> arguments;
        int32_t windowStyle = windowStyle::NormalFocus;
        bool operator==(const Launch&) const = default;
    };

    int32_t launch(const std::string& program, const std::vector<std::string>& arguments,
                   int32_t windowStyle) override;

    const std::vector<Launch>& launched() const { return m_launched; }
    void clear() { m_launched.clear(); }
    void failOn(std::string program) { m_failing.push_back(std::move(program)); }

private:
    std::vector<Launch> m_launched;
    std::vector<std::string> m_failing;
    int32_t m_nextId = 1000;
};

} // namespace ov
