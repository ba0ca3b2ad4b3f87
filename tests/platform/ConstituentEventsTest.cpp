// A constituent control's input events are made together the first time something asks for one: the
// controls of a wizard's pages that nobody listens to hold none through loading, showing and real
// input; by name and typed, a host reaches the same events; and they belong to the control's thread
// whichever thread asks first.
#include "platform/OtherThread.h"
#include "platform/PictureBox.h"
#include "support/WizardFixture.h"

namespace ovtest {
namespace {

using ov::Args;
using ov::ConstituentControl;
using Log = std::vector<std::string>;
using E = ConstituentControl::Events;

// A navigator and three pages, designed, written to text and loaded and shown at run time as a host does.
class ConstituentEventsTest : public WizardFixture {
protected:
    std::vector<ov::ScopedConnection> links;

    void SetUp() override {
        design({"Welcome", "License", "Options"});
        reload(ov::Mode::Run);
        form->show();
        nav->NextClick(); // License: an interior page, its banner shown
        log.clear();
    }
    void TearDown() override { form->unload(); }

    ConstituentControl& child(const char* name) { return *page("License")->findChild(name); }
    // Logs each named event of `c` connected by name: "name MouseDown 1 30 45".
    void byName(ConstituentControl& c, std::initializer_list<const char*> events) {
        for (const char* e : events)
            links.emplace_back(c.on(e, [this, e](Args& a) {
                std::string line = std::string("name ") + e;
                for (const auto& v : a.values)
                    line += " " + v.toString();
                log.push_back(line);
            }));
    }
    Log pagesHoldingEvents() {
        Log holding;
        for (const char* p : {"Welcome", "License", "Options"})
            for (const auto& c : page(p)->children())
                if (c->hasEvents()) holding.push_back(std::string(p) + "." + c->Name());
        return holding;
    }
};

TEST_F(ConstituentEventsTest, ControlsNobodyListensToHoldNoEventsThroughRealInput) {
    auto& title = child("lblHeaderTitle");
    auto& banner = child("picBanner");
    EXPECT_TRUE(form->doubleClick(title, 30, 45));
    EXPECT_TRUE(form->click(banner, 10, 10)); // the picture box takes the focus and hears the key
    EXPECT_TRUE(form->pressKey(65, 0));
    title.raise(&E::Click);
    EXPECT_EQ(pagesHoldingEvents(), Log{});

    // Asking for one event makes them all, on that control only.
    EXPECT_EQ(title.MouseUp().handlerCount(), 0u);
    EXPECT_EQ(pagesHoldingEvents(), Log{"License.lblHeaderTitle"});
}

TEST_F(ConstituentEventsTest, ByNameAndTypedConnectionsReachTheSameEventsInInputOrder) {
    auto& title = child("lblHeaderTitle");
    // Through the page's Controls collection, as a host script reaches a constituent.
    ov::ObjectRef viaControls = page("License")->get("Controls", {"lblHeaderTitle"}).toObject();
    byName(title, {"MouseDown", "MouseUp", "Click", "DblClick"});
    links.emplace_back(title.Click().connect([this] { log.push_back("typed Click"); }));
    links.emplace_back(viaControls->on("dblclick", [this](Args&) { log.push_back("Controls DblClick"); }));
    EXPECT_EQ(title.DblClick().handlerCount(), 2u);
    EXPECT_TRUE(form->doubleClick(title, 30, 45));
    EXPECT_EQ(log, (Log{"name MouseDown 1 0 30 45", "name MouseUp 1 0 30 45", "name Click", "typed Click",
                        "name DblClick", "Controls DblClick", "name MouseUp 1 0 30 45"}));
}

TEST_F(ConstituentEventsTest, EventsBelongToTheControlsThreadWhicheverThreadAsksFirst) {
    auto& title = child("lblHeaderTitle");
    // Before anything asked: refused, and nothing is made.
    EXPECT_EQ(refusedElsewhere([&] { (void)title.Click(); }), wrongThread("connecting to an event"));
    int16_t button = 1, shift = 0;
    float x = 1, y = 1;
    EXPECT_EQ(refusedElsewhere([&] { title.raise(&E::MouseDown, button, shift, x, y); }),
              wrongThread("raising an event"));
    EXPECT_EQ(refusedElsewhere([&] { title.on("Click", [](Args&) {}); }), wrongThread("Label.Click"));
    EXPECT_FALSE(title.hasEvents());

    // Made on their own thread, they stay its own.
    int heard = 0;
    links.emplace_back(title.Click().connect([&] { ++heard; }));
    EXPECT_EQ(refusedElsewhere([&] { title.Click().connect([] {}); }), wrongThread("connecting to an event"));
    EXPECT_EQ(refusedElsewhere([&] { title.raise(&E::Click); }), wrongThread("raising an event"));
    EXPECT_EQ(heard, 0);
    EXPECT_EQ(title.Click().handlerCount(), 1u);
    EXPECT_TRUE(form->click(title));
    EXPECT_EQ(heard, 1);
}

} // namespace
} // namespace ovtest
