#pragma once

#include <cstdint>
#include <deque>
#include <string>
#include <vector>

namespace ov {

// Message-box styles and results, as the host's message box numbers them.
namespace mb {
inline constexpr int32_t OkOnly = 0;
inline constexpr int32_t OkCancel = 1;
inline constexpr int32_t AbortRetryIgnore = 2;
inline constexpr int32_t YesNoCancel = 3;
inline constexpr int32_t YesNo = 4;
inline constexpr int32_t RetryCancel = 5;
inline constexpr int32_t Critical = 16;
inline constexpr int32_t Question = 32;
inline constexpr int32_t Exclamation = 48;
inline constexpr int32_t Information = 64;

inline constexpr int32_t Ok = 1;
inline constexpr int32_t Cancel = 2;
inline constexpr int32_t Abort = 3;
inline constexpr int32_t Retry = 4;
inline constexpr int32_t Ignore = 5;
inline constexpr int32_t Yes = 6;
inline constexpr int32_t No = 7;
} // namespace mb

// A modal message box: shows prompt and title with the given style and returns the button pressed.
class MessageBoxService {
public:
    virtual ~MessageBoxService() = default;
    virtual int32_t show(const std::string& prompt, int32_t style, const std::string& title) = 0;
};

// The headless message box: records every box shown and answers from a queue a test fills, or with
// the style's first button when the queue is empty.
class HeadlessMessageBox : public MessageBoxService {
public:
    struct Shown {
        std::string prompt;
        int32_t style = 0;
        std::string title;
    };

    int32_t show(const std::string& prompt, int32_t style, const std::string& title) override;

    void queueAnswer(int32_t answer) { m_answers.push_back(answer); }
    const std::vector<Shown>& shown() const { return m_shown; }
    void clear() { m_shown.clear(); }

private:
    std::vector<Shown> m_shown;
    std::deque<int32_t> m_answers;
};

// Shows a message box through the current runtime. An empty title is replaced by the application's
// title, as the host's own message box does.
int32_t msgBox(const std::string& prompt, int32_t style = mb::OkOnly, const std::string& title = {});

} // namespace ov
