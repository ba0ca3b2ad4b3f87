#pragma once

#include "platform/Args.h"
#include "platform/Event.h"
#include "platform/Text.h"

#include <cstdint>
#include <deque>
#include <functional>
#include <string>
#include <unordered_map>
#include <vector>

namespace ov {

class Object;

namespace access {
inline constexpr unsigned Get = 1;
inline constexpr unsigned Let = 2;
inline constexpr unsigned Set = 4;
inline constexpr unsigned Method = 8;
} // namespace access

struct ParamInfo {
    std::string name;
    std::string type;
    bool byRef = false;
    bool optional = false;
};

// One published property or method: its name, DISPID, which accesses it has and the code each
// access reaches. The same functions serve typed calls (they are the class's own members) and calls
// by name.
struct MemberInfo {
    using Getter = std::function<Variant(Object&, Args&)>;
    using Putter = std::function<void(Object&, Args&, const Variant&)>;

    std::string name;
    int32_t dispid = 0;
    unsigned access = 0;
    std::string type;              // property type, or a method's result type ("void" for none)
    std::vector<ParamInfo> params; // a method's parameters, or a property's index parameters
    bool published = true;         // internal members are reachable by name but left out of the type library
    std::string helpString;        // the type library's help text for the member; empty for none
    Getter get;
    Putter let;
    Putter set;
    Getter call;
};

struct EventInfo {
    using Connector = std::function<Connection(Object&, std::function<void(Args&)>)>;

    std::string name;
    int32_t dispid = 0;
    std::vector<ParamInfo> params;
    Connector connect;
};

// What the type library says about a published class or control, and the table that late-bound
// calls are resolved against. Names are matched without letter case.
class ClassInfo {
public:
    // PropertyPage: a design-time property page (PropertyPage), created by class name when a
    // property dialog opens the pages a control lists.
    enum class Kind { Control, Class, Module, PropertyPage };

    std::string name;
    std::string guid;
    Kind kind = Kind::Class;
    bool creatable = false;
    bool published = true;
    std::string interfaceName; // "_CPage"
    std::string eventInterfaceName;
    std::string eventGuid;

    // Program ids are "<prefix>.<name>"; classes outside the library (a test's, a host's) set their own
    // prefix.
    std::string progIdPrefix = "OvComCtl";
    std::string progId() const { return progIdPrefix + "." + name; }

    // A control's property pages, by page class name, in the order a property dialog shows them.
    std::vector<std::string> propertyPages;

    const std::deque<MemberInfo>& members() const { return m_members; }
    const std::deque<EventInfo>& events() const { return m_events; }
    const MemberInfo* findMember(std::string_view name) const;
    const MemberInfo* findMember(int32_t dispid) const;
    const EventInfo* findEvent(std::string_view name) const;

    MemberInfo& addMember(MemberInfo m);
    EventInfo& addEvent(EventInfo e);

private:
    std::deque<MemberInfo> m_members;
    std::deque<EventInfo> m_events;
    std::unordered_map<std::string, size_t, NoCaseHash, NoCaseEqual> m_memberIndex;
    std::unordered_map<std::string, size_t, NoCaseHash, NoCaseEqual> m_eventIndex;
};

} // namespace ov
