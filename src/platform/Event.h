#pragma once

#include <algorithm>
#include <bit>
#include <cstdint>
#include <functional>
#include <memory>
#include <thread>
#include <utility>
#include <vector>

namespace ov {

namespace detail {
// The handler list of one event. Counted by hand rather than through shared_ptr so that an event is
// one word (its list, or its thread while it has none): controls carry many events that nobody
// listens to.
struct SlotListBase {
    virtual ~SlotListBase() = default;
    virtual void disconnect(uint64_t id) = 0;
    uint32_t refs = 0;      // the event while it lives, each connection, each raise in progress
    bool eventGone = false; // the event has been destroyed; connections then do nothing
    std::thread::id thread; // the thread the event belongs to
};

// A thread id as a word whose lowest bit is clear: an event tells its thread from its handler list
// (a heap address, tagged with that bit) by it. Thread ids are the addresses of the threads'
// descriptors where std::thread runs on POSIX threads; the check below keeps another layout out.
static_assert(sizeof(std::thread::id) == sizeof(uintptr_t), "an event keeps its thread in one word");
inline uintptr_t threadWord(std::thread::id id) {
    return std::bit_cast<uintptr_t>(id);
}
inline std::thread::id threadOfWord(uintptr_t w) {
    return std::bit_cast<std::thread::id>(w);
}
// The calling thread's word; fails (std::terminate) on a platform whose thread ids are odd numbers.
uintptr_t currentThreadWord() noexcept;

// A counted reference to a handler list.
class SlotRef {
public:
    SlotRef() = default;
    explicit SlotRef(SlotListBase* p) : m_p(p) {
        if (m_p) ++m_p->refs;
    }
    SlotRef(const SlotRef& o) : SlotRef(o.m_p) {}
    SlotRef(SlotRef&& o) noexcept : m_p(std::exchange(o.m_p, nullptr)) {}
    SlotRef& operator=(SlotRef o) noexcept {
        std::swap(m_p, o.m_p);
        return *this;
    }
    ~SlotRef() { reset(); }
    void reset() {
        if (m_p && --m_p->refs == 0) delete m_p;
        m_p = nullptr;
    }
    SlotListBase* get() const { return m_p; }

private:
    SlotListBase* m_p = nullptr;
};
// Fails with err::WrongThread for an event of `owner` connected or raised on another thread.
[[noreturn]] void throwEventWrongThread(std::thread::id owner, const char* use);
} // namespace detail

// A handle to one handler of an event. Copyable; disconnecting twice, or after the event is gone, is
// harmless.
class Connection {
public:
    Connection() = default;
    Connection(detail::SlotRef slots, uint64_t id) : m_slots(std::move(slots)), m_id(id) {}

    void disconnect() {
        if (m_slots.get() && !m_slots.get()->eventGone) m_slots.get()->disconnect(m_id);
        m_slots.reset();
    }
    bool connected() const { return m_slots.get() && !m_slots.get()->eventGone; }

private:
    detail::SlotRef m_slots;
    uint64_t m_id = 0;
};

// Disconnects on destruction: what a listener holds for as long as it listens.
class ScopedConnection {
public:
    ScopedConnection() = default;
    ScopedConnection(Connection c) : m_connection(std::move(c)) {}
    ScopedConnection(ScopedConnection&& o) noexcept : m_connection(std::exchange(o.m_connection, {})) {}
    ScopedConnection& operator=(ScopedConnection&& o) noexcept {
        if (this != &o) {
            m_connection.disconnect();
            m_connection = std::exchange(o.m_connection, {});
        }
        return *this;
    }
    ScopedConnection(const ScopedConnection&) = delete;
    ScopedConnection& operator=(const ScopedConnection&) = delete;
    ~ScopedConnection() { m_connection.disconnect(); }

    void disconnect() { m_connection.disconnect(); }

private:
    Connection m_connection;
};

// A typed, synchronous event. Raising calls every handler connected at the moment of raising, in
// connection order, before it returns; reference parameters are real references, so a handler's
// writes reach the raiser. Handlers may connect or disconnect handlers (even themselves) while the
// event is being raised; a handler connected during a raise first runs on the next raise.
// An event belongs to the thread that made it, as its owner does: connecting or raising it on another
// thread fails with err::WrongThread before any handler runs.
//
// Controls carry many events that nobody listens to, and a page change raises events to every page
// of a wizard: an event without handlers holds no memory, and a raise copies nothing per handler (a
// handler disconnected while the event is being raised is kept until the raise ends).
template <class... A>
class Event {
public:
    using Handler = std::function<void(A...)>;

    Event() = default;
    // An event that belongs to `owner`, made on whichever thread (a control's events made when first
    // asked for belong to the control's thread).
    explicit Event(std::thread::id owner) : m_word(detail::threadWord(owner)) {}
    Event(const Event&) = delete;
    Event& operator=(const Event&) = delete;
    ~Event() {
        Slots* slots = list();
        if (!slots) return;
        slots->eventGone = true;
        if (slots->depth == 0) slots->items.clear(); // else when the raise in progress ends
        if (--slots->refs == 0) delete slots;        // the event's own count
    }

    Connection connect(Handler handler) {
        affirmThread("connecting to");
        Slots* slots = list();
        if (!slots) {
            slots = new Slots;
            slots->refs = 1; // the event's own
            slots->thread = detail::threadOfWord(m_word);
            m_word = reinterpret_cast<uintptr_t>(slots) | kListTag;
        }
        uint64_t id = ++slots->nextId;
        slots->items.push_back({id, std::make_unique<Handler>(std::move(handler)), true});
        return Connection(detail::SlotRef(slots), id);
    }

    void operator()(A... args) const {
        affirmThread("raising");
        Slots* slots = list();
        if (!slots || slots->items.empty()) return;
        const detail::SlotRef keep(slots); // the owner may be destroyed by a handler
        ++slots->depth;
        struct Leave {
            Slots& s;
            ~Leave() {
                if (--s.depth == 0) s.settle();
            }
        } leave{*slots};
        const size_t n = slots->items.size();
        for (size_t i = 0; i < n; ++i) {
            const Slot& s = slots->items[i];
            if (s.live) (*s.handler)(args...);
        }
    }

    size_t handlerCount() const {
        const Slots* slots = list();
        return slots ? slots->items.size() - slots->dead : 0;
    }

private:
    void affirmThread(const char* use) const {
        const std::thread::id owner = thread();
        if (owner != std::this_thread::get_id()) [[unlikely]]
            detail::throwEventWrongThread(owner, use);
    }

    struct Slot {
        uint64_t id;
        std::unique_ptr<Handler> handler;
        bool live;
    };
    // Slots stay in connection order (ascending ids). A disconnected slot is dead: its handler is
    // dropped at once, or when the raise in progress ends; dead slots are swept out once they are half
    // of all, so that many listeners leaving one by one (a closing wizard's pages) cost no more each.
    struct Slots : detail::SlotListBase {
        std::vector<Slot> items;
        uint64_t nextId = 0;
        int depth = 0;
        size_t dead = 0;
        bool pending = false; // dead slots whose handlers wait for the raise to end
        void disconnect(uint64_t id) override {
            auto it = std::lower_bound(items.begin(), items.end(), id,
                                       [](const Slot& s, uint64_t wanted) { return s.id < wanted; });
            if (it == items.end() || it->id != id || !it->live) return;
            it->live = false;
            ++dead;
            if (depth == 0)
                it->handler.reset();
            else
                pending = true;
            if (depth == 0) sweep();
        }
        void settle() {
            if (eventGone) {
                items.clear();
                return;
            }
            if (pending) {
                pending = false;
                for (auto& s : items) {
                    if (!s.live) s.handler.reset();
                }
            }
            sweep();
        }
        void sweep() {
            if (dead * 2 < items.size() && dead < items.size()) return;
            std::erase_if(items, [](const Slot& s) { return !s.live; });
            dead = 0;
        }
    };
    static constexpr uintptr_t kListTag = 1;
    Slots* list() const {
        return (m_word & kListTag) ? reinterpret_cast<Slots*>(m_word & ~kListTag) : nullptr;
    }
    std::thread::id thread() const {
        const Slots* slots = list();
        return slots ? slots->thread : detail::threadOfWord(m_word);
    }
    // The handler list (owning one count of it) tagged with kListTag, or, until the first connection,
    // the word of the thread the event belongs to.
    uintptr_t m_word = detail::currentThreadWord();
};

} // namespace ov
