// The navigator's default and cancel roles when a page gives the role to no button, focus handling
// that never fails, and the enabled state a save stores. Real pages on a real form throughout.
#include "platform/PropertyBag.h"
#include "support/WizardFixture.h"

#include <algorithm>

using namespace ov;

namespace {

using Log = std::vector<std::string>;

class NavigatorRolesTest : public ovtest::WizardFixture {
protected:
    // "Welcome" brings its own button set with no default button (cancel stays on the right button);
    // "Options" uses the navigator's default set. Loaded to run, and shown if `show`.
    void loadWizard(bool show = true) {
        design({"Welcome", "Options"});
        auto welcome = page("Welcome");
        welcome->setUseDefaultButtonSet(false);
        welcome->SetDefaultButton(ovEn_Button_Rule::ovBRExit); // no position carries it: none
        EXPECT_EQ(welcome->DefaultButton(), 0);
        reload(Mode::Run);
        if (show) form->show();
    }
};

} // namespace

TEST_F(NavigatorRolesTest, DisablingOnAPageWithoutADefaultButtonClearsTheRolesQuietly) {
    loadWizard();
    ASSERT_EQ(roles(), "--x-C"); // Back is disabled on the first page
    nav->extender().clearChangedKeys();

    nav->let("Enabled", false);

    EXPECT_EQ(std::tuple(log, shownBoxes()), std::tuple(Log{}, Log{}));
    const auto& keys = nav->extender().changedKeys();
    EXPECT_NE(std::find(keys.begin(), keys.end(), "Enabled"), keys.end());
    EXPECT_EQ(std::tuple(nav->Enabled(), roles()), std::tuple(false, "-x-x-x-x"));
    // Enabling again gives the cancel role back; the default role stays with no button.
    nav->let("Enabled", true);
    EXPECT_EQ(roles(), "---C"); // enabled from the set, not from the page's place in the chain
    EXPECT_TRUE(log.empty());
}

TEST_F(NavigatorRolesTest, TheFirstFocusIsSpentEvenWhenNoButtonIsTheDefault) {
    loadWizard();
    // The form gave the focus to the first button that takes it; there was no default button to move to.
    EXPECT_EQ(form->focusedChild(), &button(RightMiddle));
    nav->NextClick();
    ASSERT_EQ(nav->CurrentPage()->Name(), "Options");
    ASSERT_TRUE(button(RightMiddle).Default());
    // A later focus stays where it lands: the first-focus rule was used up when the wizard was shown.
    form->clearFocus();
    form->focus(nav->extender(), &button(Right));
    EXPECT_EQ(form->focusedChild(), &button(Right));
    EXPECT_TRUE(errors().empty());
}

TEST_F(NavigatorRolesTest, AFailingFocusHandlerOfTheHostIsIgnored) {
    loadWizard(false);
    std::vector<int32_t> focused;
    auto c = nav->on("OnButtonGotFocus", [&](Args& a) {
        focused.push_back(a[0].toInt32());
        throw Failure(err::InvalidProcedureCall, "the host's handler fails");
    });
    EXPECT_NO_THROW(form->show());
    EXPECT_EQ(focused, std::vector<int32_t>{3});

    nav->call("SetFocusOnButton", {Variant(4)});
    EXPECT_EQ(focused, (std::vector<int32_t>{3, 4}));
    EXPECT_EQ(form->focusedChild(), &button(Right));
    // Positions that name no button do nothing.
    for (int32_t none : {0, 5, -1})
        nav->call("SetFocusOnButton", {Variant(none)});
    EXPECT_EQ(focused, (std::vector<int32_t>{3, 4}));
    EXPECT_EQ(std::tuple(log, shownBoxes()), std::tuple(Log{}, Log{}));
}

TEST_F(NavigatorRolesTest, ASaveStoresTheEnabledStateOfTheControl) {
    // A running navigator loaded without pages is disabled, and a save says so.
    design(0);
    load(text(), Mode::Run);
    EXPECT_FALSE(nav->Enabled());
    PropertyBag bag;
    nav->extender().writeProperties(bag);
    EXPECT_EQ(bag.read("Enabled", Variant()), Variant(false));
    // In the designer no page change comes to enable it: a loaded navigator keeps its stored state, so
    // a wizard saves back as it was loaded, with or without pages.
    for (const std::vector<std::string>& pages : {std::vector<std::string>{}, {"Welcome", "Done"}}) {
        for (bool enabled : {true, false}) {
            design(pages);
            nav->setEnabled(enabled);
            const std::string file = text();
            load(file, Mode::Design);
            EXPECT_EQ(nav->Enabled(), enabled);
            EXPECT_EQ(text(), file) << pages.size() << " pages, enabled " << enabled;
        }
    }
}

TEST_F(NavigatorRolesTest, APositionThatNamesNoButtonGivesTheRoleToNone) {
    loadWizard();
    nav->NextClick(); // "Options": the navigator's default set, every button enabled but Next
    log.clear();
    for (int32_t none : {0, 5, -1}) {
        SCOPED_TRACE(none);
        nav->let("DefaultButton", 1);
        nav->let("CancelButton", 4);
        nav->let("DefaultButton", none);
        nav->let("CancelButton", none);
        EXPECT_EQ(roles(), "----");
        EXPECT_EQ(nav->get("DefaultButton"), Variant(none));
        nav->let("Enabled", false);
        nav->let("Enabled", true);
        EXPECT_EQ(roles(), "----");
    }
    nav->let("CancelButton", 4);
    EXPECT_EQ(roles(), "---C");
    EXPECT_EQ(std::tuple(log, shownBoxes()), std::tuple(Log{}, Log{}));
}
