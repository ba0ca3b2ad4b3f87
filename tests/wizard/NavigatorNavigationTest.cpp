#include "platform/Failure.h"
#include "support/WizardFixture.h"

#include <set>
#include <string>
#include <vector>

using namespace ov;

namespace {

using NavigationTest = ovtest::WizardFixture;
using Log = std::vector<std::string>;

} // namespace

TEST_F(NavigationTest, TheStartPageShowsWithoutPageChangeEvents) {
    runWizard();
    EXPECT_EQ(std::tuple(current(), showing(), nav->CurrentPage()),
              std::tuple(1, "Page1", descriptor("Page1")));
    EXPECT_TRUE(log.empty());
    // A saved StartPage is the page a running wizard shows first.
    design(3);
    nav->let("StartPage", Variant(2));
    reload(Mode::Run);
    form->show();
    EXPECT_EQ(std::tuple(showing(), log.empty()), std::tuple("Page2", true));
}

TEST_F(NavigationTest, RoundTripsKeepTheChangedKeysOfTheFirstRoundTrip) {
    // The designer learns which keys changed, each once; a wizard walked for long holds no more.
    runWizard();
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

TEST_F(NavigationTest, BeforePageChangeMayCancelOrReplaceThePage) {
    runWizard();
    {
        ScopedConnection c = nav->on("BeforePageChange", [](Args& a) { a[3] = true; });
        nav->NextClick();
        EXPECT_EQ(log, (Log{"Before forward Page2 from Page1 showing Page1"}));
        EXPECT_EQ(std::tuple(current(), showing()), std::tuple(1, "Page1"));
    }
    ScopedConnection c =
        nav->on("BeforePageChange", [this](Args& a) { a[1] = Variant(descriptor("Page3")); });
    nav->NextClick();
    EXPECT_EQ(current(), 3);
    EXPECT_EQ(log.back(), "After forward Page3 from Page1 showing Page3");
}

TEST_F(NavigationTest, GoToNewPageDerivesTheDirectionHandsBackTheReplacementAndExTakesTheCallers) {
    runWizard();
    CPageRef third = descriptor("Page3");
    nav->GoToNewPage(third);
    EXPECT_EQ(log.back(), "After forward Page3 from Page1 showing Page3");
    // The host's variable sees the handler's replacement, by name as well as typed.
    ScopedConnection c =
        nav->on("BeforePageChange", [this](Args& a) { a[1] = Variant(descriptor("Page2")); });
    Args args{Variant(descriptor("Page1"))};
    nav->call("GoToNewPage", args);
    EXPECT_EQ(args[0].toObject(), descriptor("Page2"));
    EXPECT_EQ(log.back(), "After back Page2 from Page3 showing Page2");
    // GoToNewPageEx passes the caller's direction.
    c.disconnect();
    log.clear();
    nav->call("GoToNewPageEx", {Variant(descriptor("Page3")), Variant(1)});
    EXPECT_EQ(log, (Log{"Before back Page3 from Page2 showing Page2",
                        "After back Page3 from Page2 showing Page3"}));
}

TEST_F(NavigationTest, GoingToTheCurrentPageOrPastTheLastRaisesNothing) {
    runWizard();
    CPageRef first = descriptor("Page1");
    nav->GoToNewPage(first);
    nav->call("GoToNewPageEx", {Variant(first), Variant(1)});
    EXPECT_TRUE(log.empty());
    // Next at the end of the chain does nothing either.
    CPageRef third = descriptor("Page3");
    nav->GoToNewPage(third);
    log.clear();
    nav->NextClick();
    EXPECT_EQ(std::tuple(log.empty(), showing()), std::tuple(true, "Page3"));
}

TEST_F(NavigationTest, ANavigationStartedInsideAHandlerRunsToItsEndFirst) {
    runWizard();
    bool nested = false;
    ScopedConnection c =
        nav->BeforePageChange.connect([&](OvWizardDirectionConstant, CPageRef&, CPageRef, bool&) {
            if (nested) return;
            nested = true;
            CPageRef third = descriptor("Page3");
            nav->GoToNewPage(third);
        });
    nav->NextClick();
    EXPECT_EQ(log, (Log{"Before forward Page2 from Page1 showing Page1",
                        "Before forward Page3 from Page1 showing Page1",
                        "After forward Page3 from Page1 showing Page3",
                        "After forward Page2 from Page1 showing Page2"}));
}

TEST_F(NavigationTest, FailuresAreReportedWithTheRoutineLabelExceptTheIgnoredNumbers) {
    runWizard();
    nav->setShowErrorMsg(true);
    CPageRef none;
    nav->GoToNewPage(none);
    EXPECT_EQ(log, (Log{"OnError 91 Object variable or With block variable not set Nav::GoToNewPage"}));
    EXPECT_EQ(shownBoxes(),
              (Log{"Nav::GoToNewPage | 48 | Error: 91\r\nObject variable or With block variable not set"}));
    EXPECT_EQ(nav->lastError().number, 91);
    for (int32_t number : {398, 57097, 5}) {
        SCOPED_TRACE(number);
        log.clear();
        ScopedConnection thrower = nav->BeforePageChange.connect(
            [&](OvWizardDirectionConstant, CPageRef&, CPageRef, bool&) { throw Failure(number); });
        nav->NextClick();
        EXPECT_EQ(std::tuple(log.back().rfind("OnError", 0) == 0, nav->lastError().number, showing()),
                  std::tuple(number == 5, number, "Page1"));
    }
}

TEST_F(NavigationTest, ReleaseAllEmptiesTheRegistry) {
    runWizard();
    nav->call("ReleaseAll");
    EXPECT_EQ(std::tuple(nav->WizardPages()->Count(), nav->CurrentPage()), std::tuple(0, CPageRef()));
}
