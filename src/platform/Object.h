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

namespace ov {

// Declares a class's published name and its descriptor. The descriptor is built once, on first use,
// by the class's static `describe(ClassBuilder<T>&)`.
#define OV_OBJECT(Name)                                                                                      \
public:                                                                                                      \
    static constexpr const char* kClassName = #Name;                                                         \
    static const ::ov::ClassInfo& staticClass();                                                             \
    const ::ov::ClassInfo& classInfo() const override { return staticClass(); }                              \
                                                                                                             \
private:

// The late-bound base of every published control and class. Calls by name ignore letter case and
// reach the same member functions that typed C++ calls reach. An unknown member is failure 438, a
// wrong number of arguments or an access the member lacks is 450, an argument that does not convert
// is 13; each description names the class and the member.
class Object : public std::enable_shared_from_this<Object> {
public:
    Object() noexcept;
    Object(const Object&) noexcept;
    Object& operator=(const Object&) noexcept = default;
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

protected:
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
};

} // namespace ov
