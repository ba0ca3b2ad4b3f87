// A constituent control's input events are made together the first time something asks for one: the
// controls of a wizard's pages that nobody listens to hold none through loading, showing and real
// input; by name and typed, a host reaches the same events; and they belong to the control's thread
// whichever thread asks first.
#include "platform/FailureCapture.h"
#include "platform/Form.h"
#include "platform/FormFile.h"
#include "platform/PictureBox.h"
#include "platform/Runtime.h"
#include "wizard/OvWizardNavigator.h"
#include "wizard/OvWizardTab.h"

#include <gtest/gtest.h>
#include <optional>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

namespace ovtest {
namespace {

using ov::Args;
using ov::ConstituentControl;
using Log = std::vector<std::string>;
using E = ConstituentControl::Events;

// A navigator and three pages, designed, written to text and loaded and shown at run time as a host does.
class ConstituentEventsTest : public ::testing::Test {
protected:
    ov::Runtime runtime;
    ov::FormRef form;
    Log log;
    std::vector<ov::ScopedConnection> links;

    void SetUp() override {
        auto design = ov::Form::create("frmWizard", ov::Mode::Design);
        design->add("OvComCtl.OvWizardNavigator", "Nav");
        for (const char* name : {"Welcome", "License", "Options"})
            design->add("OvComCtl.OvWizardTab", name);
        const std::string file = ov::FormFile::write(*design, "wizard.json");
        design->unload();
        form = ov::FormFile::read(file, "wizard.json", ov::Mode::Run);
        form->show();
        form->control<ov::OvWizardNavigator>("Nav")
            ->NextClick(); // License: an interior page, its banner shown
    }
    void TearDown() override { form->unload(); }

    ov::OvWizardTab& page(const char* name) { return *form->control<ov::OvWizardTab>(name); }
    ConstituentControl& child(const char* name) { return *page("License").findChild(name); }
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
            for (const auto& c : page(p).children())
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
    ov::ObjectRef viaControls = page("License").get("Controls", {"lblHeaderTitle"}).toObject();
    byName(title, {"MouseDown", "MouseUp", "Click", "DblClick"});
    links.emplace_back(title.Click().connect([this] { log.push_back("typed Click"); }));
    links.emplace_back(viaControls->on("dblclick", [this](Args&) { log.push_back("Controls DblClick"); }));
    EXPECT_EQ(title.DblClick().handlerCount(), 2u);
    EXPECT_TRUE(form->doubleClick(title, 30, 45));
    EXPECT_EQ(log, (Log{"name MouseDown 1 0 30 45", "name MouseUp 1 0 30 45", "name Click", "typed Click",
                        "name DblClick", "Controls DblClick", "name MouseUp 1 0 30 45"}));
}

std::string text(std::thread::id id) {
    std::ostringstream s;
    s << id;
    return s.str();
}

// The description of the failure `call` raised on a second user-interface thread, with the threads'
// ids replaced by "owner" and "other".
std::string refusedElsewhere(const std::function<void()>& call) {
    const std::string owner = text(std::this_thread::get_id());
    std::optional<ov::Failure> failure;
    std::string other;
    std::thread t([&] {
        ov::Runtime own;
        other = text(std::this_thread::get_id());
        failure = ov::test::failureFrom(call);
    });
    t.join();
    if (!failure) return "accepted";
    std::string d = std::to_string(failure->number()) + " " + failure->description();
    for (auto [id, word] : {std::pair{owner, "owner"}, std::pair{other, "other"}})
        for (size_t at; (at = d.find(id)) != std::string::npos;)
            d.replace(at, id.size(), word);
    return d;
}

TEST_F(ConstituentEventsTest, EventsBelongToTheControlsThreadWhicheverThreadAsksFirst) {
    auto& title = child("lblHeaderTitle");
    const std::string prefix = "-2147417842 The application called an interface that was marshalled for a "
                               "different thread (";
    const std::string threads = ": made on thread owner, used from thread other)";
    // Before anything asked: refused, and nothing is made.
    EXPECT_EQ(refusedElsewhere([&] { (void)title.Click(); }), prefix + "connecting to an event" + threads);
    int16_t button = 1, shift = 0;
    float x = 1, y = 1;
    EXPECT_EQ(refusedElsewhere([&] { title.raise(&E::MouseDown, button, shift, x, y); }),
              prefix + "raising an event" + threads);
    EXPECT_EQ(refusedElsewhere([&] { title.on("Click", [](Args&) {}); }), prefix + "Label.Click" + threads);
    EXPECT_FALSE(title.hasEvents());

    // Made on their own thread, they stay its own.
    int heard = 0;
    links.emplace_back(title.Click().connect([&] { ++heard; }));
    EXPECT_EQ(refusedElsewhere([&] { title.Click().connect([] {}); }),
              prefix + "connecting to an event" + threads);
    EXPECT_EQ(refusedElsewhere([&] { title.raise(&E::Click); }), prefix + "raising an event" + threads);
    EXPECT_EQ(heard, 0);
    EXPECT_EQ(title.Click().handlerCount(), 1u);
    EXPECT_TRUE(form->click(title));
    EXPECT_EQ(heard, 1);
}

} // namespace
} // namespace ovtest
