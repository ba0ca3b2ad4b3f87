#pragma once

#include "frame/ErrorReporting.h"
#include "platform/Failure.h"

#include <string>
#include <string_view>
#include <type_traits>
#include <utility>

namespace ov {

// The failure convention of controls that name the class and procedure in a stop box: the message box
// (style 16, critical icon and OK, no title of its own) says the failure's description, CR LF,
// "Class: <class>", CR LF, "Procedure: <procedure>", and, when `step` is given, CR LF "Step: <step>".
void showProcedureFailure(const Failure& f, std::string_view className, std::string_view procedure,
                          const std::string* step = nullptr);

// Runs `body`; an ov::Failure it raises is shown as above and the call ends normally (a value-returning
// body then gives a value-initialised result). `step`, when given, is read at the time of the failure,
// so the body can advance it. A misuse (wrong thread, ended runtime) reaches the caller untouched.
template <class F>
auto inProcedure(std::string_view className, std::string_view procedure, F&& body,
                 const std::string* step = nullptr) -> decltype(body()) {
    try {
        return std::forward<F>(body)();
    } catch (const Failure& f) {
        if (isMisuse(f)) throw;
        showProcedureFailure(f, className, procedure, step);
        if constexpr (!std::is_void_v<decltype(body())>) return decltype(body()){};
    }
}

} // namespace ov
