#pragma once

#include "platform/Args.h"
#include "platform/ClassInfo.h"
#include "platform/Event.h"
#include "platform/Forward.h"
#include "platform/Variant.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <thread>

namespace ov {

// Declares a class's published name and its descriptor. The descriptor is built once, on first use,
// by the class's static `describe(ClassBuilder<T>&)`.
#define OV_OBJECT(Name)                                                                                      \
public:                                                                                                      \
    static constexpr const char* kClassName = #Name;                                                         \
    static const ::ov::ClassInfo& staticClass();                                                             \
    const ::ov::ClassInfo& classInfo() const override {                                                      \
        return staticClass();                                                                                \
    }                                                                                                        \
                                                                                                             \
private:

// The late-bound base of every published control and class. Calls by name ignore letter case and
// reach the same member functions that typed C++ calls reach. An unknown member is failure 438, a
// wrong number of arguments or an access the member lacks is 450, an argument that does not convert
// is 13; each description names the class and the member.
//
// Thread affinity. An object belongs to the thread that made it (a copy to the thread that copied it),
// as its form and its runtime do: the calls by name below fail with err::WrongThread on any other
// thread, before they touch anything, and the description names the member, the owning thread and the
// calling one. Only immutable objects made as shared (AnyThread: fonts, pictures) pass on every
// thread. There is no moving an object to another thread; a thread that needs a form makes its own.
class Object : public std::enable_shared_from_this<Object> {
public:
    Object() noexcept;
    Object(const Object&) noexcept;
    // Assignment copies no thread: the object stays with the thread that made it.
    Object& operator=(const Object&) noexcept { return *this; }
    virtual ~Object();
    // How many objects (of every class built on Object) are alive in the process; what tells the host
    // whether the library can be unloaded.
    static int64_t liveCount() noexcept;
    virtual const ClassInfo& classInfo() const = 0;

    std::string typeName() const { return classInfo().name; }

    // Property read (or a function call with `args`). An empty name reads the default member.
    Variant get(std::string_view member, Args args = {});
    // Value assignment; `index` carries a property's index arguments.
    void let(std::string_view member, const Variant& value, Args index = {});
    // Object-reference assignment.
    void set(std::string_view member, const Variant& object, Args index = {});
    // Method call; arguments the method takes by reference are written back into `args`.
    Variant call(std::string_view member, Args& args);
    Variant call(std::string_view member, Args&& args = {});
    // Connects to an event by name; the handler's writes to by-reference arguments reach the raiser.
    Connection on(std::string_view event, std::function<void(Args&)> handler);

    bool hasMember(std::string_view member);

    // The thread the object belongs to; a default id for an object shared by every thread.
    std::thread::id ownerThread() const { return m_thread; }
    // Fails with err::WrongThread unless the calling thread owns the object (or it is shared); `use`
    // (a member or an operation) is named in the description. One comparison when it passes.
    void affirmThread(std::string_view use) const {
        if (m_thread != std::thread::id{} && m_thread != std::this_thread::get_id()) [[unlikely]]
            throwWrongThread(use);
    }

protected:
    // For immutable objects that any thread may share.
    struct AnyThread {};
    explicit Object(AnyThread) noexcept;

    // What every call by name checks first; the default is affirmThread. A class that can outlive
    // what it needs (a form its runtime) adds its own check.
    virtual void affirmUse(std::string_view member) const { affirmThread(member); }
    // The subject a failure description names: "OvWizardNavigator.Caption". Only built on failure.
    virtual std::string subject(std::string_view use) const;

    struct Resolved {
        Object* target = nullptr;
        const MemberInfo* member = nullptr;
    };
    // Finds the object and member a name refers to. A container's extender widens this to the
    // control it wraps.
    virtual Resolved resolveMember(std::string_view name);
    virtual std::pair<Object*, const EventInfo*> resolveEvent(std::string_view name);

private:
    Resolved require(std::string_view name, unsigned access, const char* what);
    [[noreturn]] void throwWrongThread(std::string_view use) const;

    std::thread::id m_thread;
};

// Fails with err::WrongThread: `subject` (what was used) belongs to `owner`, not to the calling thread.
[[noreturn]] void throwWrongThread(const std::string& subject, std::thread::id owner);

} // namespace ov
