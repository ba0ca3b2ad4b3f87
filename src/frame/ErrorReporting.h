#pragma once

#include "platform/Failure.h"

#include <cstdint>
#include <string>
#include <type_traits>
#include <utility>

namespace ov {

// Shows a failure to the user: "Error: " + number + CR LF + description, in a modal message box of the
// given style titled `source` (the application's title when empty). Does nothing and answers 0 when
// `show` is false; otherwise answers the message box's result. Never fails itself.
int32_t ShowError(bool show, int32_t number, const std::string& description, const std::string& source,
                  int32_t style);

// The label a wizard procedure reports its failures under ("::NextClick", "::Tag (Let)"). A few
// procedures title their message box differently from the source they relay; `shown` holds that.
struct ProcedureLabel {
    const char* relayed;
    const char* shown = nullptr;
    // Page moves of the navigator also drop failure 57097.
    bool navigationMove = false;

    ProcedureLabel(const char* label) : relayed(label) {}
    ProcedureLabel(const char* relayedLabel, const char* shownLabel)
        : relayed(relayedLabel), shown(shownLabel) {}
    static ProcedureLabel move(const char* label) {
        ProcedureLabel l(label);
        l.navigationMove = true;
        return l;
    }
    const char* boxLabel() const { return shown ? shown : relayed; }
};

// The number and description of the last failure a wizard control caught.
struct LastError {
    int32_t number = 0;
    std::string description;
};

// A wizard control's failure convention: what it does with a failure caught in one of its procedures.
class FailureReporter {
public:
    virtual void reportFailure(const Failure& failure, const ProcedureLabel& label) = 0;
    // Fails with err::WrongThread (or err::Disconnected) when the control may not be used from the
    // calling thread; checked before a procedure body runs.
    virtual void affirmProcedureUse(const char* procedure) const = 0;

protected:
    ~FailureReporter() = default;
};

// A use of a control from a thread it does not belong to (or after its runtime ended) is the host's
// mistake, not a failure of the procedure: it reaches the caller untouched by any convention.
inline bool isMisuse(const Failure& f) {
    return f.number() == err::WrongThread || f.number() == err::Disconnected;
}

// Runs a procedure body of a wizard control; a failure it raises is handed to the control's convention
// and the procedure then ends normally, a reader answering its type's zero value. A call from the wrong
// thread fails before the body runs.
template <class F>
auto trapFailures(FailureReporter& reporter, const ProcedureLabel& label, F&& body) -> decltype(body()) {
    reporter.affirmProcedureUse(label.relayed);
    try {
        return std::forward<F>(body)();
    } catch (const Failure& f) {
        if (isMisuse(f)) throw;
        reporter.reportFailure(f, label);
        if constexpr (!std::is_void_v<decltype(body())>) return decltype(body()){};
    }
}

// Runs a body whose failures the behaviour says are ignored (listeners, resizing, focus handling):
// a failure ends the body and goes no further.
template <class F>
void ignoreFailures(F&& body) {
    try {
        std::forward<F>(body)();
    } catch (const Failure& f) {
        if (isMisuse(f)) throw;
    }
}

} // namespace ov
