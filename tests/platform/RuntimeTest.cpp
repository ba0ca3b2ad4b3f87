#include "platform/Runtime.h"

#include "platform/MessageBox.h"

#include <gtest/gtest.h>
#include <memory>
#include <string>
#include <thread>
#include <vector>

namespace ov {
namespace {

using Log = std::vector<std::string>;

// Thread objects report their destruction here; each test clears it first.
Log& destroyed() {
    static Log log;
    return log;
}

template <char Name>
struct Tracked {
    int value = 0;
    ~Tracked() { destroyed().push_back(std::string(1, Name)); }
};

// Built on top of another thread object, as the library's per-thread objects are.
struct Dependent {
    Dependent() : base(Runtime::current().threadState<Tracked<'A'>>()) {}
    ~Dependent() { destroyed().push_back("Dependent saw A=" + std::to_string(base.value)); }
    Tracked<'A'>& base;
};

TEST(RuntimeTest, NestedRuntimesRestoreTheOuterOneEvenDestroyedOutOfOrder) {
    Runtime outer;
    EXPECT_EQ(&Runtime::current(), &outer);
    {
        Runtime middle;
        EXPECT_EQ(&Runtime::current(), &middle);
        {
            Runtime inner;
            EXPECT_EQ(&Runtime::current(), &inner);
        }
        EXPECT_EQ(&Runtime::current(), &middle);
    }
    EXPECT_EQ(&Runtime::current(), &outer);
    // One destroyed out of order leaves no dangling current one.
    Runtime& base = outer;
    auto first = std::make_unique<Runtime>();
    auto second = std::make_unique<Runtime>();
    first.reset(); // not the innermost: the innermost stays current
    EXPECT_EQ(&Runtime::current(), second.get());
    second.reset();
    EXPECT_EQ(&Runtime::current(), &base);
    Runtime::current().threadState<Tracked<'Z'>>().value = 1; // must be a live runtime
}

TEST(RuntimeTest, ThreadStateGoesWithItsRuntimeNewestFirst) {
    destroyed().clear();
    {
        Runtime rt;
        rt.threadState<Tracked<'A'>>().value = 5;
        rt.threadState<Tracked<'B'>>();
        rt.threadState<Dependent>(); // made after A, so it goes before A
        rt.threadState<Tracked<'C'>>();
        EXPECT_TRUE(destroyed().empty());
    }
    EXPECT_EQ(destroyed(), (Log{"C", "Dependent saw A=5", "B", "A"}));

    destroyed().clear();
    {
        Runtime rt;
        rt.threadState<Dependent>(); // makes A while it is being made: A is older
    }
    EXPECT_EQ(destroyed(), (Log{"Dependent saw A=0", "A"}));
}

TEST(RuntimeTest, NewThreadGetsItsOwnRuntime) {
    Runtime mine;
    mine.threadState<Tracked<'T'>>().value = 1;
    destroyed().clear();

    std::string seen; // written by the worker, read after it ends
    std::thread worker([&] {
        Runtime& there = Runtime::current(); // made on first use for this thread
        const int start = there.threadState<Tracked<'T'>>().value;
        there.threadState<Tracked<'T'>>().value = 2;
        msgBox("from the worker");
        seen = std::string(&there == &mine ? "the test's runtime" : "its own runtime") + ", T " +
               std::to_string(start) + ", boxes " + std::to_string(there.headlessMessageBox().shown().size());
    });
    worker.join();
    EXPECT_EQ(seen, "its own runtime, T 0, boxes 1");
    EXPECT_EQ(&Runtime::current(), &mine);
    EXPECT_EQ(mine.threadState<Tracked<'T'>>().value, 1);
    EXPECT_TRUE(mine.headlessMessageBox().shown().empty());
    EXPECT_EQ(destroyed(), (Log{"T"})); // the worker's runtime went with its thread
}

TEST(MessageBoxTest, QueuedAnswersComeFirstThenTheStylesFirstButton) {
    Runtime rt;
    // Each style and the answer it gives: its first button.
    for (auto [style, answer] : {std::pair{mb::OkOnly, mb::Ok},
                                 {mb::OkCancel, mb::Ok},
                                 {mb::AbortRetryIgnore, mb::Abort},
                                 {mb::YesNoCancel, mb::Yes},
                                 {mb::YesNo, mb::Yes},
                                 {mb::RetryCancel, mb::Retry},
                                 {mb::YesNo | mb::Question, mb::Yes},
                                 {mb::Information, mb::Ok}})
        EXPECT_EQ(msgBox("?", style), answer) << style;
    // Queued answers come back in order before that.
    auto& box = rt.headlessMessageBox();
    box.queueAnswer(mb::No);
    box.queueAnswer(mb::Cancel);
    EXPECT_EQ(msgBox("1", mb::YesNoCancel), mb::No);
    EXPECT_EQ(msgBox("2", mb::YesNoCancel), mb::Cancel);
    EXPECT_EQ(msgBox("3", mb::YesNoCancel), mb::Yes);
    box.clear();
    EXPECT_TRUE(box.shown().empty());
}

} // namespace
} // namespace ov
