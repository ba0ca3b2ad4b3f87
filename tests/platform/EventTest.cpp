#include "platform/Event.h"

#include "platform/ClassBuilder.h"
#include "platform/FailureCapture.h"
#include "platform/Object.h"
#include "platform/PlatformFixtures.h"

#include <gtest/gtest.h>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

namespace ov {
namespace {

using Log = std::vector<std::string>;

class Page : public Object {
    OV_OBJECT(Page)
public:
    explicit Page(std::string name) : m_name(std::move(name)) {}
    static void describe(ClassBuilder<Page>& b) { b.property("Name", 0, &Page::Name); }
    std::string Name() const { return m_name; }

private:
    std::string m_name;
};

const ClassInfo& Page::staticClass() {
    return buildClassInfo<Page>([](ClassInfo&) {});
}

// Raises its events from typed calls and from calls by name alike.
class Pager : public Object {
    OV_OBJECT(Pager)
public:
    Event<int16_t, std::shared_ptr<Page>&, bool&> BeforeChange;
    Event<const std::string&> Moved;

    static void describe(ClassBuilder<Pager>& b) {
        b.method("Advance", 1, &Pager::Advance, {"Where"});
        b.event("BeforeChange", 10, &Pager::BeforeChange, {"Current", "NewPage", "Cancel"});
        b.event("Moved", 11, &Pager::Moved, {"Where"});
    }

    // Raises BeforeChange and reports what the handlers left in its by-reference arguments.
    struct Outcome {
        int16_t current;
        std::shared_ptr<Page> page;
        bool cancel;
    };
    Outcome change(int16_t current, std::shared_ptr<Page> page) {
        Outcome o{current, std::move(page), false};
        BeforeChange(o.current, o.page, o.cancel);
        return o;
    }

    // Raises Moved, then updates its own state: the object must outlive its handlers' raise.
    void Advance(const std::string& where) {
        Moved(where);
        ++m_moves;
        m_last = where;
    }
    int32_t moves() const { return m_moves; }

private:
    int32_t m_moves = 0;
    std::string m_last;
};

const ClassInfo& Pager::staticClass() {
    return buildClassInfo<Pager>([](ClassInfo&) {});
}

// Typed handlers and handlers by name share the raise: a write to a by-reference argument reaches the
// handlers after it and the raiser; Text and Nothing convert like any other assignment.
TEST(EventTest, ReferenceArgumentsCarryHandlerWritesToTheRaiser) {
    Pager pager;
    auto p2 = std::make_shared<Page>("p2");
    auto p3 = std::make_shared<Page>("p3");
    Log log;
    pager.BeforeChange.connect([&](int16_t, std::shared_ptr<Page>& page, bool& cancel) {
        log.push_back("typed sees " + page->Name());
        cancel = true;
    });
    pager.on("beforechange", [&](Args& a) {
        ASSERT_EQ(a.size(), 3u);
        log.push_back("by name: " + a[0].toString() + " " + a[1].toString() + " " + a[2].toString());
        a[0] = int16_t{99}; // taken by value: the raiser keeps its own
        a[1] = p3;
        a[2] = false;
    });
    pager.BeforeChange.connect([&](int16_t current, std::shared_ptr<Page>& page, bool& cancel) {
        log.push_back("after: " + std::to_string(current) + " " + page->Name() +
                      (cancel ? " cancelled" : ""));
        cancel = !cancel;
    });
    auto o = pager.change(4, p2);
    EXPECT_EQ(log, (Log{"typed sees p2", "by name: 4 p2 True", "after: 4 p3"}));
    EXPECT_EQ(std::tuple(o.current, o.page, o.cancel), std::tuple(int16_t{4}, p3, true));
    ScopedConnection c = pager.on("BeforeChange", [&](Args& a) {
        a[1] = Variant(nullptr);
        a[2] = "False";
    });
    o = pager.change(4, p2);
    EXPECT_EQ(std::tuple(o.page, o.cancel), std::tuple(nullptr, false));
}

TEST(EventTest, ReadingPastTheArgumentsIs9AndAnUnknownEventIs438) {
    Pager pager;
    ScopedConnection c = pager.on("Moved", [](Args& a) { a[1] = "nowhere"; });
    const Args none;
    ovtest::expectRefusals({
        {[&] { pager.Advance("Finish"); }, "9"},
        {[&] { (void)none[0]; }, "9"},
        {[&] { pager.on("AfterChange", [](Args&) {}); },
         "438 Object doesn't support this property or method (Pager.AfterChange is not an event)"},
        {[&] { pager.on("Advance", [](Args&) {}); }, "438"}, // members are not events
    });
    EXPECT_EQ(pager.moves(), 0);
}

TEST(EventTest, HandlersDisconnectedDuringARaiseOrTwiceRunNoMore) {
    Event<> e;
    Log log;
    Connection self, first, third;
    self = e.connect([&] {
        log.push_back("once");
        self.disconnect();
    });
    first = e.connect([&] { log.push_back("first"); });
    e.connect([&] {
        log.push_back("second");
        first.disconnect(); // already ran in this raise
        third.disconnect(); // not yet run: it is skipped
    });
    third = e.connect([&] { log.push_back("third"); });
    e.connect([&] { log.push_back("fourth"); });
    Connection copy = first;
    e();
    e();
    first.disconnect();
    copy.disconnect(); // disconnecting twice is harmless
    EXPECT_EQ(log, (Log{"once", "first", "second", "fourth", "second", "fourth"}));
    EXPECT_FALSE(self.connected());
    EXPECT_EQ(e.handlerCount(), 2u);
}

TEST(EventTest, HandlerConnectedDuringARaiseFirstRunsOnTheNextRaise) {
    Event<int> e;
    Log log;
    e.connect([&](int round) {
        log.push_back("adder" + std::to_string(round));
        e.connect([&log, round](int r) {
            log.push_back("added" + std::to_string(round) + "@" + std::to_string(r));
        });
    });
    e(1);
    EXPECT_EQ(log, (Log{"adder1"}));
    e(2);
    EXPECT_EQ(log, (Log{"adder1", "adder2", "added1@2"}));
}

TEST(EventTest, NestedRaiseKeepsTheOuterRaiseInStep) {
    Event<int> e;
    Log log;
    Connection third;
    e.connect([&](int depth) {
        log.push_back("first" + std::to_string(depth));
        if (depth == 0) e(1);
    });
    e.connect([&](int depth) {
        log.push_back("second" + std::to_string(depth));
        if (depth == 1) third.disconnect();
    });
    third = e.connect([&](int depth) { log.push_back("third" + std::to_string(depth)); });
    e.connect([&](int depth) { log.push_back("fourth" + std::to_string(depth)); });
    e(0);
    EXPECT_EQ(log, (Log{"first0", "first1", "second1", "fourth1", "second0", "fourth0"}));
    EXPECT_EQ(e.handlerCount(), 3u);
}

TEST(EventTest, HandlerThatThrowsLeavesTheEventUsable) {
    Event<> e;
    Log log;
    Connection thrower = e.connect([&] {
        log.push_back("thrower");
        throw Failure(5);
    });
    e.connect([&] { log.push_back("later"); });
    EXPECT_THROW(e(), Failure);
    thrower.disconnect();
    e();
    EXPECT_EQ(log, (Log{"thrower", "later"}));
    EXPECT_EQ(e.handlerCount(), 1u);
}

TEST(EventTest, OwnerDestroyedInsideAHandler) {
    struct Owner {
        Event<int> Fired;
        void fire() { Fired(7); }
    };
    auto owner = std::make_unique<Owner>();
    Log log;
    Connection survivor;
    owner->Fired.connect([&](int) {
        log.push_back("destroying");
        owner.reset();
    });
    survivor = owner->Fired.connect([&](int v) { log.push_back("still called with " + std::to_string(v)); });
    owner->fire();
    EXPECT_EQ(owner, nullptr);
    EXPECT_EQ(log, (Log{"destroying", "still called with 7"}));
    EXPECT_FALSE(survivor.connected());
    survivor.disconnect(); // harmless after the event is gone
}

TEST(EventTest, ObjectReleasedByAHandlerOutlivesTheCallByName) {
    auto pager = std::make_shared<Pager>();
    std::weak_ptr<Pager> watch = pager;
    Log log;
    pager->on("Moved", [&](Args& a) {
        log.push_back("moved to " + a[0].toString());
        pager.reset(); // the last reference the host held
    });
    Pager* raw = pager.get(); // calls by name hold the object themselves for the length of the call
    ASSERT_NO_THROW(raw->call("Advance", {"Finish"}));
    EXPECT_EQ(log, (Log{"moved to Finish"}));
    EXPECT_TRUE(watch.expired());
}

TEST(EventTest, ScopedConnectionDisconnectsWhenItGoes) {
    Event<> e;
    int calls = 0;
    {
        ScopedConnection c = e.connect([&] { ++calls; });
        e();
    }
    e();
    EXPECT_EQ(calls, 1);
    EXPECT_EQ(e.handlerCount(), 0u);

    ScopedConnection moved;
    {
        ScopedConnection c = e.connect([&] { calls += 10; });
        moved = std::move(c); // the handler now lives as long as `moved`
    }
    e();
    EXPECT_EQ(calls, 11);
    moved = e.connect([&] { calls += 100; }); // replacing disconnects the old handler
    e();
    EXPECT_EQ(calls, 111);
    EXPECT_EQ(e.handlerCount(), 1u);

    auto shortLived = std::make_unique<Event<>>();
    ScopedConnection outlives = shortLived->connect([] {});
    shortLived.reset(); // the connection outlives its event and must not touch it
}

} // namespace
} // namespace ov
