// The navigator's default and cancel roles when a page gives the role to no button, focus handling
// that never fails, and the enabled state a save stores. Real pages on a real form throughout.
#include "WizardOnAFormTestSupport.h"
#include "platform/PropertyBag.h"

#include <algorithm>

using namespace ov;

namespace {

class NavigatorRolesTest : public ovtest::WizardOnAForm {
protected:
    // "Welcome" brings its own button set with no default button (cancel stays on the right button);
    // "Options" uses the navigator's default set.
    FormRef runWizard() {
        auto designed = designWizard({"Welcome", "Options"});
        auto welcome = page(*designed, "Welcome");
        welcome->setUseDefaultButtonSet(false);
        welcome->SetDefaultButton(ovEn_Button_Rule::ovBRExit); // no position carries it: none
        EXPECT_EQ(welcome->DefaultButton(), 0);
        const std::string file = text(*designed);
        designed->unload();
        auto run = load(file, Mode::Run);
        watch(*nav(*run));
        return run;
    }
    static bool changed(Extender& e, const std::string& key) {
        const auto& keys = e.changedKeys();
        return std::find(keys.begin(), keys.end(), key) != keys.end();
    }
};

} // namespace

TEST_F(NavigatorRolesTest, DisablingOnAPageWithoutADefaultButtonClearsTheRolesQuietly) {
    auto run = runWizard();
    run->show();
    auto n = nav(*run);
    ASSERT_TRUE(n->button(Right).Cancel());
    for (auto p : kButtonPositions)
        ASSERT_FALSE(n->button(p).Default());
    n->extender().clearChangedKeys();

    n->let("Enabled", false);

    EXPECT_TRUE(log.empty()) << log.front();
    EXPECT_TRUE(boxes().empty());
    EXPECT_TRUE(changed(n->extender(), "Enabled"));
    EXPECT_FALSE(n->Enabled());
    for (auto p : kButtonPositions) {
        EXPECT_FALSE(n->button(p).Enabled());
        EXPECT_FALSE(n->button(p).Cancel());
        EXPECT_FALSE(n->button(p).Default());
    }
    // Enabling again gives the cancel role back; the default role stays with no button.
    n->let("Enabled", true);
    EXPECT_TRUE(n->button(Right).Cancel());
    EXPECT_FALSE(n->button(RightMiddle).Default());
    EXPECT_TRUE(log.empty());
    run->unload();
}

TEST_F(NavigatorRolesTest, TheFirstFocusIsSpentEvenWhenNoButtonIsTheDefault) {
    auto run = runWizard();
    run->show();
    auto n = nav(*run);
    // The form gave the focus to the first button that takes it; there was no default button to move to.
    EXPECT_EQ(run->focusedChild(), &n->button(RightMiddle));
    n->NextClick();
    ASSERT_EQ(n->CurrentPage()->Name(), "Options");
    ASSERT_TRUE(n->button(RightMiddle).Default());
    // A later focus stays where it lands: the first-focus rule was used up when the wizard was shown.
    run->clearFocus();
    run->focus(n->extender(), &n->button(Right));
    EXPECT_EQ(run->focusedChild(), &n->button(Right));
    EXPECT_TRUE(log.empty());
    run->unload();
}

TEST_F(NavigatorRolesTest, AFailingFocusHandlerOfTheHostIsIgnored) {
    auto run = runWizard();
    auto n = nav(*run);
    std::vector<int32_t> focused;
    auto c = n->on("OnButtonGotFocus", [&](Args& a) {
        focused.push_back(a[0].toInt32());
        throw Failure(err::InvalidProcedureCall, "the host's handler fails");
    });
    EXPECT_NO_THROW(run->show());
    EXPECT_EQ(focused, std::vector<int32_t>{3});

    n->call("SetFocusOnButton", {Variant(4)});
    EXPECT_EQ(focused, (std::vector<int32_t>{3, 4}));
    EXPECT_EQ(run->focusedChild(), &n->button(Right));
    // Positions that name no button do nothing.
    for (int32_t none : {0, 5, -1})
        n->call("SetFocusOnButton", {Variant(none)});
    EXPECT_EQ(focused, (std::vector<int32_t>{3, 4}));
    EXPECT_TRUE(log.empty()) << log.front();
    EXPECT_TRUE(boxes().empty());
    run->unload();
}

TEST_F(NavigatorRolesTest, ASaveStoresTheEnabledStateOfTheControl) {
    // A running navigator loaded without pages is disabled, and a save says so.
    auto alone = designWizard({});
    const std::string navOnly = text(*alone);
    alone->unload();
    {
        auto run = load(navOnly, Mode::Run);
        EXPECT_FALSE(nav(*run)->Enabled());
        PropertyBag bag;
        nav(*run)->extender().writeProperties(bag);
        EXPECT_EQ(bag.read("Enabled", Variant()), Variant(false));
        run->unload();
    }
    // In the designer no page change comes to enable it: a loaded navigator keeps its stored state, so
    // a wizard saves back as it was loaded, with or without pages.
    for (const std::vector<std::string>& pages : {std::vector<std::string>{}, {"Welcome", "Done"}}) {
        for (bool enabled : {true, false}) {
            auto designed = designWizard(pages);
            nav(*designed)->setEnabled(enabled);
            const std::string file = text(*designed);
            designed->unload();
            auto again = load(file, Mode::Design);
            EXPECT_EQ(nav(*again)->Enabled(), enabled);
            EXPECT_EQ(text(*again), file) << pages.size() << " pages, enabled " << enabled;
            again->unload();
        }
    }
}

TEST_F(NavigatorRolesTest, APositionThatNamesNoButtonGivesTheRoleToNone) {
    auto run = runWizard();
    run->show();
    auto n = nav(*run);
    n->NextClick(); // "Options": the navigator's default set, every button enabled but Next
    for (int32_t none : {0, 5, -1}) {
        SCOPED_TRACE(none);
        n->let("DefaultButton", 1);
        n->let("CancelButton", 4);
        n->let("DefaultButton", none);
        n->let("CancelButton", none);
        for (auto p : kButtonPositions) {
            EXPECT_FALSE(n->button(p).Default());
            EXPECT_FALSE(n->button(p).Cancel());
        }
        EXPECT_EQ(n->get("DefaultButton"), Variant(none));
        n->let("Enabled", false);
        n->let("Enabled", true);
        EXPECT_FALSE(n->button(Right).Cancel());
    }
    n->let("CancelButton", 4);
    EXPECT_TRUE(n->button(Right).Cancel());
    EXPECT_TRUE(log.empty()) << log.front();
    EXPECT_TRUE(boxes().empty());
    run->unload();
}
