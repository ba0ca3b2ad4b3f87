#include "platform/Object.h"

#include "platform/Failure.h"

#include <atomic>
#include <exception>
#include <sstream>

namespace ov {

namespace {

std::atomic<int64_t> g_liveObjects{0};

std::string qualified(const Object& o, std::string_view member) {
    return o.classInfo().name + "." + std::string(member);
}

} // namespace

Object::Object() noexcept : m_thread(std::this_thread::get_id()) {
    g_liveObjects.fetch_add(1, std::memory_order_relaxed);
}

Object::Object(AnyThread) noexcept {
    g_liveObjects.fetch_add(1, std::memory_order_relaxed);
}

Object::Object(const Object& other) noexcept
    : std::enable_shared_from_this<Object>(other), m_thread(std::this_thread::get_id()) {
    g_liveObjects.fetch_add(1, std::memory_order_relaxed);
}

Object::~Object() {
    g_liveObjects.fetch_sub(1, std::memory_order_relaxed);
}

int64_t Object::liveCount() noexcept {
    return g_liveObjects.load(std::memory_order_relaxed);
}

void throwWrongThread(const std::string& subject, std::thread::id owner) {
    // Only immutable data of the object is read here: its owner may be changing the rest right now.
    std::ostringstream text;
    text << failureText(err::WrongThread) << " (" << subject << ": made on thread " << owner
         << ", used from thread " << std::this_thread::get_id() << ")";
    throw Failure(err::WrongThread, text.str());
}

namespace detail {

void throwEventWrongThread(std::thread::id owner, const char* use) {
    throwWrongThread(std::string(use) + " an event", owner);
}

uintptr_t currentThreadWord() noexcept {
    const uintptr_t w = threadWord(std::this_thread::get_id());
    if (w & 1) std::terminate();
    return w;
}

} // namespace detail

std::string Object::subject(std::string_view use) const {
    return qualified(*this, use);
}

void Object::throwWrongThread(std::string_view use) const {
    ov::throwWrongThread(subject(use), m_thread);
}

Object::Resolved Object::resolveMember(std::string_view name) {
    const ClassInfo& info = classInfo();
    const MemberInfo* m = name.empty() ? info.findMember(int32_t{0}) : info.findMember(name);
    return {m ? this : nullptr, m};
}

std::pair<Object*, const EventInfo*> Object::resolveEvent(std::string_view name) {
    const EventInfo* e = classInfo().findEvent(name);
    return {e ? this : nullptr, e};
}

bool Object::hasMember(std::string_view member) {
    return resolveMember(member).member != nullptr;
}

Object::Resolved Object::require(std::string_view name, unsigned access, const char* what) {
    Resolved r = resolveMember(name);
    if (!r.member) {
        std::string shown = name.empty() ? "(default member)" : std::string(name);
        throw Failure(err::NoSuchMember,
                      failureText(err::NoSuchMember) + " (" + qualified(*this, shown) + ")");
    }
    if (!(r.member->access & access)) {
        throw Failure(err::WrongArguments, failureText(err::WrongArguments) + " (" +
                                               qualified(*r.target, r.member->name) + " cannot be " + what +
                                               ")");
    }
    return r;
}

Variant Object::get(std::string_view member, Args args) {
    affirmUse(member);
    auto keepAlive = weak_from_this().lock();
    Resolved r = require(member, access::Get | access::Method, "read");
    if (r.member->access & access::Get) return r.member->get(*r.target, args);
    return r.member->call(*r.target, args);
}

void Object::let(std::string_view member, const Variant& value, Args index) {
    affirmUse(member);
    auto keepAlive = weak_from_this().lock();
    Resolved r = require(member, access::Let, "assigned a value");
    r.member->let(*r.target, index, value);
}

void Object::set(std::string_view member, const Variant& object, Args index) {
    affirmUse(member);
    auto keepAlive = weak_from_this().lock();
    Resolved r = require(member, access::Set, "assigned an object");
    if (!object.isObject() && !object.isEmpty()) {
        throw Failure(err::TypeMismatch, failureText(err::TypeMismatch) + " (" +
                                             qualified(*r.target, r.member->name) + " takes an object)");
    }
    r.member->set(*r.target, index, object);
}

Variant Object::call(std::string_view member, Args& args) {
    affirmUse(member);
    auto keepAlive = weak_from_this().lock();
    Resolved r = require(member, access::Method | access::Get, "called");
    if (r.member->access & access::Method) return r.member->call(*r.target, args);
    return r.member->get(*r.target, args);
}

Variant Object::call(std::string_view member, Args&& args) {
    return call(member, args);
}

Connection Object::on(std::string_view event, std::function<void(Args&)> handler) {
    affirmUse(event);
    auto [target, e] = resolveEvent(event);
    if (!e) {
        throw Failure(err::NoSuchMember,
                      failureText(err::NoSuchMember) + " (" + qualified(*this, event) + " is not an event)");
    }
    return e->connect(*target, std::move(handler));
}

} // namespace ov
