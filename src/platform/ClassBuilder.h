#pragma once

#include "platform/ClassInfo.h"
#include "platform/Event.h"
#include "platform/Failure.h"
#include "platform/Object.h"
#include "platform/VariantTraits.h"

#include <functional>
#include <string>
#include <tuple>
#include <type_traits>
#include <utility>
#include <vector>

namespace ov {

namespace detail {

template <class F>
struct MemFn;
template <class C, class R, class... A>
struct MemFn<R (C::*)(A...)> {
    using Result = R;
    using Params = std::tuple<A...>;
};
template <class C, class R, class... A>
struct MemFn<R (C::*)(A...) const> {
    using Result = R;
    using Params = std::tuple<A...>;
};
// noexcept is part of a member function's type; such members are declared the same way.
template <class C, class R, class... A>
struct MemFn<R (C::*)(A...) noexcept> : MemFn<R (C::*)(A...)> {};
template <class C, class R, class... A>
struct MemFn<R (C::*)(A...) const noexcept> : MemFn<R (C::*)(A...) const> {};

template <class P>
using Stored = std::remove_cvref_t<P>;

template <class P>
constexpr bool isOutParam = std::is_lvalue_reference_v<P> && !std::is_const_v<std::remove_reference_t<P>>;

template <class Tuple, size_t... I>
constexpr size_t requiredCount(std::index_sequence<I...>) {
    return (size_t{0} + ... + (IsOptional<Stored<std::tuple_element_t<I, Tuple>>>::value ? 0 : 1));
}

[[noreturn]] void rethrowArgument(const Failure& f, size_t index, const ClassInfo& cls,
                                  const std::string& member);
// "p1", "p2"... for parameters declared without a name.
std::string defaultParamName(size_t index);
[[noreturn]] void throwArgumentCount(size_t given, size_t lo, size_t hi, const ClassInfo& cls,
                                     const std::string& member);

template <class P>
Stored<P> convertArg(const Args& args, size_t index, const ClassInfo& cls, const std::string& member) {
    if (index >= args.size()) return Stored<P>{}; // an optional parameter the caller left out
    try {
        return VariantTraits<Stored<P>>::from(args[index]);
    } catch (const Failure& f) {
        rethrowArgument(f, index, cls, member);
    }
}

template <class Tuple, size_t... I>
auto convertArgs(const Args& args, const ClassInfo& cls, const std::string& member,
                 std::index_sequence<I...>) {
    // Braced initialisation converts the arguments left to right.
    return std::tuple<Stored<std::tuple_element_t<I, Tuple>>...>{
        convertArg<std::tuple_element_t<I, Tuple>>(args, I, cls, member)...};
}

template <class Tuple, class Values, size_t... I>
void writeBack(Args& args, Values& values, std::index_sequence<I...>) {
    (
        [&] {
            using P = std::tuple_element_t<I, Tuple>;
            if constexpr (isOutParam<P>) {
                if (I < args.size()) args[I] = VariantTraits<Stored<P>>::to(std::get<I>(values));
            }
        }(),
        ...);
}

// Calls `f` on `obj` with arguments converted from `args`; writes by-reference arguments back.
template <class T, class F>
Variant invoke(T& obj, F f, Args& args, const std::string& member) {
    using Params = typename MemFn<F>::Params;
    using R = typename MemFn<F>::Result;
    constexpr size_t n = std::tuple_size_v<Params>;
    constexpr size_t required = requiredCount<Params>(std::make_index_sequence<n>{});
    const ClassInfo& cls = obj.classInfo();
    if (args.size() < required || args.size() > n) throwArgumentCount(args.size(), required, n, cls, member);
    auto values = convertArgs<Params>(args, cls, member, std::make_index_sequence<n>{});
    auto apply = [&](auto&... v) -> decltype(auto) { return (obj.*f)(v...); };
    if constexpr (std::is_void_v<R>) {
        std::apply(apply, values);
        writeBack<Params>(args, values, std::make_index_sequence<n>{});
        return Variant();
    } else {
        Variant result = VariantTraits<Stored<R>>::to(std::apply(apply, values));
        writeBack<Params>(args, values, std::make_index_sequence<n>{});
        return result;
    }
}

// Only a writable reference is by reference; a const reference is how C++ passes a value cheaply.
template <class Tuple, size_t... I>
std::vector<ParamInfo> paramInfos(const std::vector<std::string>& names, std::index_sequence<I...>) {
    std::vector<ParamInfo> out;
    (out.push_back(ParamInfo{I < names.size() ? names[I] : defaultParamName(I),
                             VariantTraits<Stored<std::tuple_element_t<I, Tuple>>>::typeName(),
                             isOutParam<std::tuple_element_t<I, Tuple>>,
                             IsOptional<Stored<std::tuple_element_t<I, Tuple>>>::value}),
     ...);
    return out;
}

// After an event handler ran: by-reference arguments take what the handler wrote.
template <class Tuple, class Refs, size_t... I>
void readBack(const Args& args, Refs& refs, std::index_sequence<I...>) {
    (
        [&] {
            using P = std::tuple_element_t<I, Tuple>;
            if constexpr (isOutParam<P>) std::get<I>(refs) = VariantTraits<Stored<P>>::from(args[I]);
        }(),
        ...);
}

template <class R>
std::string resultTypeName() {
    if constexpr (std::is_void_v<R>)
        return "void";
    else
        return VariantTraits<Stored<R>>::typeName();
}

} // namespace detail

// Declares the published members of class T, once each: name, DISPID, accesses and the member
// functions they reach. Both calls by name and the type library read what is declared here.
template <class T>
class ClassBuilder {
public:
    explicit ClassBuilder(ClassInfo& info) : m_info(info) {}

    class MemberBuilder {
    public:
        MemberBuilder(ClassInfo& info, MemberInfo& m) : m_info(info), m_member(m) {}

        // Value assignment: the writer's last parameter is the value, any before it are indices.
        template <class F>
        MemberBuilder& let(F writer) {
            m_member.access |= access::Let;
            m_member.let = putter(writer, m_member.name);
            noteType<F>();
            return *this;
        }
        // Object-reference assignment.
        template <class F>
        MemberBuilder& set(F writer) {
            m_member.access |= access::Set;
            m_member.set = putter(writer, m_member.name);
            noteType<F>();
            return *this;
        }
        // The member's help text in the type library (a property browser shows it).
        MemberBuilder& help(std::string text) {
            m_member.helpString = std::move(text);
            return *this;
        }
        // Reachable by name from inside the library but left out of the type library.
        MemberBuilder& internal() {
            m_member.published = false;
            return *this;
        }
        MemberBuilder& params(std::vector<std::string> names) {
            for (size_t i = 0; i < names.size() && i < m_member.params.size(); ++i)
                m_member.params[i].name = names[i];
            return *this;
        }

    private:
        template <class F>
        static MemberInfo::Putter putter(F writer, std::string name) {
            return [writer, name = std::move(name)](Object& o, Args& index, const Variant& value) {
                Args all = index;
                all.values.push_back(value);
                detail::invoke(static_cast<T&>(o), writer, all, name);
            };
        }
        template <class F>
        void noteType() {
            using Params = typename detail::MemFn<F>::Params;
            constexpr size_t n = std::tuple_size_v<Params>;
            static_assert(n >= 1, "a writer takes the value as its last parameter");
            if (m_member.type.empty())
                m_member.type =
                    VariantTraits<detail::Stored<std::tuple_element_t<n - 1, Params>>>::typeName();
        }

        ClassInfo& m_info;
        MemberInfo& m_member;
    };

    // A property with a reader (its parameters, if any, are the property's indices).
    template <class G>
    MemberBuilder property(std::string name, int32_t dispid, G reader) {
        MemberInfo m;
        m.name = name;
        m.dispid = dispid;
        m.access = access::Get;
        m.type = detail::resultTypeName<typename detail::MemFn<G>::Result>();
        using Params = typename detail::MemFn<G>::Params;
        m.params = detail::paramInfos<Params>({}, std::make_index_sequence<std::tuple_size_v<Params>>{});
        m.get = [reader, name](Object& o, Args& args) {
            return detail::invoke(static_cast<T&>(o), reader, args, name);
        };
        return MemberBuilder(m_info, m_info.addMember(std::move(m)));
    }
    template <class G, class L>
    MemberBuilder property(std::string name, int32_t dispid, G reader, L writer) {
        auto b = property(std::move(name), dispid, reader);
        b.let(writer);
        return b;
    }
    // A write-only property (no reader).
    template <class L>
    MemberBuilder writeOnly(std::string name, int32_t dispid, L writer) {
        MemberInfo m;
        m.name = std::move(name);
        m.dispid = dispid;
        // The writer's parameters before the value are the property's indices.
        using Params = typename detail::MemFn<L>::Params;
        m.params = detail::paramInfos<Params>({}, std::make_index_sequence<std::tuple_size_v<Params> - 1>{});
        MemberBuilder b(m_info, m_info.addMember(std::move(m)));
        b.let(writer);
        return b;
    }

    template <class F>
    MemberBuilder method(std::string name, int32_t dispid, F f, std::vector<std::string> paramNames = {}) {
        MemberInfo m;
        m.name = name;
        m.dispid = dispid;
        m.access = access::Method;
        m.type = detail::resultTypeName<typename detail::MemFn<F>::Result>();
        using Params = typename detail::MemFn<F>::Params;
        m.params =
            detail::paramInfos<Params>(paramNames, std::make_index_sequence<std::tuple_size_v<Params>>{});
        m.call = [f, name](Object& o, Args& args) {
            return detail::invoke(static_cast<T&>(o), f, args, name);
        };
        return MemberBuilder(m_info, m_info.addMember(std::move(m)));
    }

    // An event held as a member.
    template <class... A>
    void event(std::string name, int32_t dispid, Event<A...> T::*ev, std::vector<std::string> paramNames) {
        addEvent<A...>(std::move(name), dispid, std::move(paramNames),
                       [ev](T& self) -> Event<A...>& { return self.*ev; });
    }
    // An event reached through an accessor of T or of a base of T (one made when first asked for):
    // connecting by name asks for it as a typed connection does.
    template <class B, class... A>
    requires std::is_base_of_v<B, T>
    void event(std::string name, int32_t dispid, Event<A...>& (B::*ev)(),
               std::vector<std::string> paramNames) {
        addEvent<A...>(std::move(name), dispid, std::move(paramNames),
                       [ev](T& self) -> Event<A...>& { return (self.*ev)(); });
    }

private:
    template <class... A, class Reach>
    void addEvent(std::string name, int32_t dispid, std::vector<std::string> paramNames, Reach reach) {
        EventInfo e;
        e.name = std::move(name);
        e.dispid = dispid;
        e.params = detail::paramInfos<std::tuple<A...>>(paramNames, std::index_sequence_for<A...>{});
        e.connect = [reach](Object& o, std::function<void(Args&)> handler) {
            return reach(static_cast<T&>(o)).connect([handler = std::move(handler)](A... a) {
                Args args{VariantTraits<detail::Stored<A>>::to(a)...};
                handler(args);
                auto refs = std::forward_as_tuple(a...);
                detail::readBack<std::tuple<A...>>(args, refs, std::index_sequence_for<A...>{});
            });
        };
        m_info.addEvent(std::move(e));
    }

    ClassInfo& m_info;
};

// Defines T::staticClass(): builds the descriptor once with `init` filling its identity, then
// T::describe filling its members.
template <class T, class Init>
const ClassInfo& buildClassInfo(Init init) {
    static const ClassInfo info = [&] {
        ClassInfo i;
        i.name = T::kClassName;
        init(i);
        ClassBuilder<T> b(i);
        T::describe(b);
        return i;
    }();
    return info;
}

} // namespace ov
