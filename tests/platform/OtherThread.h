#pragma once

#include "platform/FailureCapture.h"
#include "platform/Runtime.h"

#include <functional>
#include <sstream>
#include <string>
#include <thread>

namespace ovtest {

// A thread's id as failure descriptions write it.
inline std::string threadText(std::thread::id id) {
    std::ostringstream s;
    s << id;
    return s.str();
}

// What `call` raised on a second user-interface thread (with a runtime of its own): "<number>
// <description>" with the ids of this thread and that one written "owner" and "other"; "" when it
// raised nothing.
inline std::string refusedElsewhere(const std::function<void()>& call) {
    std::string other, refusal;
    std::thread t([&] {
        ov::Runtime own;
        other = threadText(std::this_thread::get_id());
        refusal = ov::test::failureText(call);
    });
    t.join();
    for (auto [id, word] :
         {std::pair{threadText(std::this_thread::get_id()), "owner"}, std::pair{other, "other"}})
        for (size_t at; (at = refusal.find(id)) != std::string::npos;)
            refusal.replace(at, id.size(), word);
    return refusal;
}

// The refusal of a use of `subject` from thread `user` when it was made on thread `owner`.
inline std::string wrongThread(const std::string& subject, const std::string& owner = "owner",
                               const std::string& user = "other") {
    return "-2147417842 The application called an interface that was marshalled for a different thread (" +
           subject + ": made on thread " + owner + ", used from thread " + user + ")";
}

} // namespace ovtest
