#include "support/NavigatorFixture.h"

#include <set>
#include <string>
#include <vector>

using namespace ov;
using ovtest::NavigatorFixture;

namespace {

class NavigationTest : public NavigatorFixture {
protected:
    void SetUp() override {
        makeForm(Mode::Run);
        threePages();
        form->show();
        log.clear();
    }
    std::vector<std::string> events() {
        std::vector<std::string> out;
        for (const auto& l : log) {
            if (l.rfind(" hide") == std::string::npos) out.push_back(l);
        }
        return out;
    }
};

} // namespace

TEST_F(NavigationTest, TheStartPageShowsWithoutPageChangeEvents) {
    EXPECT_EQ(current(), 1);
    EXPECT_TRUE(pages[0]->visible());
    EXPECT_FALSE(pages[1]->visible());
    EXPECT_EQ(nav->CurrentPage(), pages[0]->descriptor());
    EXPECT_TRUE(log.empty());
}

TEST_F(NavigationTest, NextRaisesBeforeThenShowsThenRaisesAfter) {
    nav->NextClick();
    EXPECT_EQ(events(), (std::vector<std::string>{"Before forward Page2 from Page1", "Page2 show",
                                                  "After forward Page2 from Page1"}));
    EXPECT_EQ(current(), 2);
    nav->BackClick();
    EXPECT_EQ(current(), 1);
    EXPECT_EQ(log.back(), "After back Page1 from Page2");
}

TEST_F(NavigationTest, RoundTripsKeepTheChangedKeysOfTheFirstRoundTrip) {
    // The designer learns which keys changed, each once; a wizard walked for long holds no more.
    nav->NextClick();
    nav->BackClick();
    const std::vector<std::string> keys = nav->extender().changedKeys();
    ASSERT_FALSE(keys.empty());
    EXPECT_EQ(std::set<std::string>(keys.begin(), keys.end()).size(), keys.size());
    for (int i = 0; i < 500; ++i) {
        nav->NextClick();
        nav->BackClick();
    }
    EXPECT_EQ(nav->extender().changedKeys(), keys);
    EXPECT_EQ(current(), 1);
}

TEST_F(NavigationTest, CancelInBeforePageChangeKeepsThePage) {
    ScopedConnection c = nav->on("BeforePageChange", [](Args& a) { a[3] = true; });
    nav->NextClick();
    EXPECT_EQ(current(), 1);
    EXPECT_TRUE(pages[0]->visible());
    for (const auto& l : log)
        EXPECT_EQ(l.rfind("After", 0), std::string::npos) << l;
}

TEST_F(NavigationTest, AReplacementPageFromTheHandlerIsTheOneShownAndReported) {
    ScopedConnection c =
        nav->on("BeforePageChange", [this](Args& a) { a[1] = Variant(pages[2]->descriptor()); });
    nav->NextClick();
    EXPECT_EQ(current(), 3);
    EXPECT_TRUE(pages[2]->visible());
    EXPECT_EQ(log.back(), "After forward Page3 from Page1");
}

TEST_F(NavigationTest, GoToNewPageDerivesTheDirectionAndHandsBackTheReplacement) {
    CPageRef third = pages[2]->descriptor();
    nav->GoToNewPage(third);
    EXPECT_EQ(log.back(), "After forward Page3 from Page1");
    CPageRef first = pages[0]->descriptor();
    // The host's variable sees the handler's replacement, by name as well as typed.
    ScopedConnection c =
        nav->on("BeforePageChange", [this](Args& a) { a[1] = Variant(pages[1]->descriptor()); });
    Args args{Variant(first)};
    nav->call("GoToNewPage", args);
    EXPECT_EQ(args[0].toObject(), pages[1]->descriptor());
    EXPECT_EQ(current(), 2);
    EXPECT_EQ(log.back(), "After back Page2 from Page3");
}

TEST_F(NavigationTest, GoingToTheCurrentPageRaisesNothing) {
    CPageRef first = pages[0]->descriptor();
    nav->GoToNewPage(first);
    nav->GoToNewPageEx(first, OvWizardDirectionConstant::ovWizardGoBack);
    EXPECT_TRUE(log.empty());
}

TEST_F(NavigationTest, GoToNewPageExPassesTheCallersDirection) {
    CPageRef third = pages[2]->descriptor();
    nav->GoToNewPageEx(third, OvWizardDirectionConstant::ovWizardGoBack);
    EXPECT_EQ(events(), (std::vector<std::string>{"Before back Page3 from Page1", "Page3 show",
                                                  "After back Page3 from Page1"}));
}

TEST_F(NavigationTest, NextAtTheEndOfTheChainDoesNothing) {
    CPageRef third = pages[2]->descriptor();
    nav->GoToNewPage(third);
    log.clear();
    nav->NextClick();
    EXPECT_TRUE(log.empty());
    EXPECT_EQ(current(), 3);
}

TEST_F(NavigationTest, ANavigationStartedInsideAHandlerRunsToItsEndFirst) {
    bool nested = false;
    ScopedConnection c =
        nav->BeforePageChange.connect([&](OvWizardDirectionConstant, CPageRef&, CPageRef, bool&) {
            if (nested) return;
            nested = true;
            CPageRef third = pages[2]->descriptor();
            nav->GoToNewPage(third);
        });
    nav->NextClick();
    EXPECT_EQ(events(),
              (std::vector<std::string>{"Before forward Page2 from Page1", "Before forward Page3 from Page1",
                                        "Page3 show", "After forward Page3 from Page1", "Page2 show",
                                        "After forward Page2 from Page1"}));
    EXPECT_EQ(current(), 2);
}

TEST_F(NavigationTest, FailuresAreReportedWithTheRoutineLabel) {
    nav->setShowErrorMsg(true);
    CPageRef none;
    nav->GoToNewPage(none);
    ASSERT_FALSE(log.empty());
    EXPECT_EQ(log.back(), "OnError 91 Object variable or With block variable not set Nav::GoToNewPage");
    ASSERT_EQ(boxes().size(), 1u);
    EXPECT_EQ(boxes()[0].prompt, "Error: 91\r\nObject variable or With block variable not set");
    EXPECT_EQ(boxes()[0].style, 48);
    EXPECT_EQ(boxes()[0].title, "Nav::GoToNewPage");
    EXPECT_EQ(nav->lastError().number, 91);
}

TEST_F(NavigationTest, IgnoredFailureNumbersRaiseNothing) {
    struct Case {
        int32_t number;
        bool reported;
    } cases[] = {{398, false}, {57097, false}, {5, true}};
    for (auto c : cases) {
        log.clear();
        ScopedConnection thrower = nav->BeforePageChange.connect(
            [&](OvWizardDirectionConstant, CPageRef&, CPageRef, bool&) { throw Failure(c.number); });
        nav->NextClick();
        EXPECT_EQ(log.back().rfind("OnError", 0) == 0, c.reported) << c.number;
        EXPECT_EQ(nav->lastError().number, c.number);
    }
}

TEST_F(NavigationTest, ReleaseAllEmptiesTheRegistry) {
    nav->ReleaseAll();
    EXPECT_EQ(nav->WizardPages()->Count(), 0);
    EXPECT_EQ(nav->CurrentPage(), nullptr);
}
