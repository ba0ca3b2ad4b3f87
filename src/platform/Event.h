#pragma once

#include <algorithm>
#include <cstdint>
#include <functional>
#include <memory>
#include <thread>
#include <utility>
#include <vector>

namespace ov {

namespace detail {
// The handler list of one event. Counted by hand rather than through shared_ptr so that an event is
// two words (the list and its thread): controls carry many events that nobody listens to.
struct SlotListBase {
    virtual ~SlotListBase() = default;
    virtual void disconnect(uint64_t id) = 0;
    uint32_t refs = 0;      // the event while it lives, each connection, each raise in progress
    bool eventGone = false; // the event has been destroyed; connections then do nothing
};

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
    Event(const Event&) = delete;
    Event& operator=(const Event&) = delete;
    ~Event() {
        if (!m_slots) return;
        m_slots->eventGone = true;
        if (m_slots->depth == 0) m_slots->items.clear(); // else when the raise in progress ends
        if (--m_slots->refs == 0) delete m_slots;        // the event's own count
    }

    Connection connect(Handler handler) {
        affirmThread("connecting to");
        if (!m_slots) {
            m_slots = new Slots;
            m_slots->refs = 1; // the event's own
        }
        uint64_t id = ++m_slots->nextId;
        m_slots->items.push_back({id, std::make_unique<Handler>(std::move(handler)), true});
        return Connection(detail::SlotRef(m_slots), id);
    }

    void operator()(A... args) const {
        affirmThread("raising");
        if (!m_slots || m_slots->items.empty()) return;
        Slots* slots = m_slots;
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

    size_t handlerCount() const { return m_slots ? m_slots->items.size() - m_slots->dead : 0; }

private:
    void affirmThread(const char* use) const {
        if (m_thread != std::this_thread::get_id()) [[unlikely]]
            detail::throwEventWrongThread(m_thread, use);
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
    Slots* m_slots = nullptr; // owns one count of the list
    std::thread::id m_thread = std::this_thread::get_id();
};

} // namespace ov
