#include "platform/ClassInfo.h"

#include <stdexcept>
#include <string>

namespace ov {

const MemberInfo* ClassInfo::findMember(std::string_view n) const {
    auto it = m_memberIndex.find(n);
    return it == m_memberIndex.end() ? nullptr : &m_members[it->second];
}

const MemberInfo* ClassInfo::findMember(int32_t dispid) const {
    for (const auto& m : m_members) {
        if (m.dispid == dispid) return &m;
    }
    return nullptr;
}

const EventInfo* ClassInfo::findEvent(std::string_view n) const {
    auto it = m_eventIndex.find(n);
    return it == m_eventIndex.end() ? nullptr : &m_events[it->second];
}

MemberInfo& ClassInfo::addMember(MemberInfo m) {
    // A member is declared once; a second declaration under the same name or DISPID is a programming
    // error (late binding by DISPID and the type library would each see only one of them).
    if (m_memberIndex.contains(m.name))
        throw std::logic_error("member declared twice: " + name + "." + m.name);
    if (const MemberInfo* other = findMember(m.dispid))
        throw std::logic_error("DISPID " + std::to_string(m.dispid) + " declared twice: " + name + "." +
                               other->name + " and " + name + "." + m.name);
    m_memberIndex.emplace(m.name, m_members.size());
    m_members.push_back(std::move(m));
    return m_members.back();
}

EventInfo& ClassInfo::addEvent(EventInfo e) {
    if (m_eventIndex.contains(e.name)) throw std::logic_error("event declared twice: " + name + "." + e.name);
    for (const auto& other : m_events) {
        if (other.dispid == e.dispid)
            throw std::logic_error("event DISPID " + std::to_string(e.dispid) + " declared twice: " + name +
                                   "." + other.name + " and " + name + "." + e.name);
    }
    m_eventIndex.emplace(e.name, m_events.size());
    m_events.push_back(std::move(e));
    return m_events.back();
}

} // namespace ov
