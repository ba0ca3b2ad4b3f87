#include "platform/CommandButton.h"
#include "platform/FailureCapture.h"
#include "platform/FormFixture.h"
#include "platform/Line.h"

#include <gtest/gtest.h>

namespace ovtest {
namespace {

using ov::ExtenderRef;
using ov::Form;
using ov::Mode;
using ov::test::failureNumber;
using Log = std::vector<std::string>;

// A run-time form with two probes, shown; every focus, key, mouse and click event of both probes,
// their extenders and the form is written to `events`.
class FormInputTest : public FormFixture {
protected:
    ov::FormRef form = Form::create("frmMain", Mode::Run);
    ExtenderRef a, b;
    Log events;
    std::vector<ov::ScopedConnection> connections;

    void SetUp() override {
        FormFixture::SetUp();
        a = form->add(Probe::kProgId, "A");
        b = form->add(Probe::kProgId, "B");
        watch(a);
        watch(b);
        watchKeys(*form, "form", false);
        form->show();
        events.clear();
    }

    void watch(const ExtenderRef& e) {
        auto p = probe(e);
        std::string n = e->Name();
        auto& s = p->surface();
        using Watch = std::pair<ov::Event<>*, const char*>;
        for (auto [event, text] : {Watch{&s.GotFocus, " GotFocus"}, Watch{&s.LostFocus, " LostFocus"},
                                   Watch{&s.EnterFocus, " EnterFocus"}, Watch{&s.ExitFocus, " ExitFocus"},
                                   Watch{&s.Click, " Click"}, Watch{&e->GotFocus, " extender GotFocus"},
                                   Watch{&e->LostFocus, " extender LostFocus"}})
            on(*event, n + text);
        watchKeys(s, n, true);
        connections.emplace_back(s.MouseDown.connect([this, n](int16_t& btn, int16_t&, float& x, float& y) {
            events.push_back(n + " MouseDown " + std::to_string(btn) + " at " + std::to_string(int(x)) + "," +
                             std::to_string(int(y)));
        }));
        for (const auto& child : p->children()) {
            auto& c = *child;
            const std::string cn = n + "." + c.Name();
            for (auto [event, text] : {Watch{&c.GotFocus(), " GotFocus"}, Watch{&c.LostFocus(), " LostFocus"},
                                       Watch{&c.Click(), " Click"}})
                on(*event, cn + text);
            ChildKeys keys{c.KeyDown(), c.KeyPress(), c.KeyUp()};
            watchKeys(keys, cn, false);
            connections.emplace_back(c.MouseDown().connect(
                [this, cn](int16_t&, int16_t&, float&, float&) { events.push_back(cn + " MouseDown"); }));
            connections.emplace_back(c.MouseUp().connect(
                [this, cn](int16_t&, int16_t&, float&, float&) { events.push_back(cn + " MouseUp"); }));
        }
    }
    // A child's key events, read by watchKeys as a form's or surface's members are.
    struct ChildKeys {
        ov::Event<int16_t&, int16_t&>& KeyDown;
        ov::Event<int16_t&>& KeyPress;
        ov::Event<int16_t&, int16_t&>& KeyUp;
    };
    // KeyDown (with the shift state when `shift`), KeyPress and KeyUp of a form, surface or child.
    template <class T>
    void watchKeys(T& s, const std::string& n, bool shift) {
        connections.emplace_back(s.KeyDown.connect([this, n, shift](int16_t& k, int16_t& sh) {
            events.push_back(n + " KeyDown " + std::to_string(k) + (shift ? "/" + std::to_string(sh) : ""));
        }));
        connections.emplace_back(s.KeyPress.connect(
            [this, n](int16_t& k) { events.push_back(n + " KeyPress " + std::to_string(k)); }));
        connections.emplace_back(s.KeyUp.connect(
            [this, n](int16_t& k, int16_t&) { events.push_back(n + " KeyUp " + std::to_string(k)); }));
    }
    void on(ov::Event<>& e, std::string text) {
        connections.emplace_back(e.connect([this, text] { events.push_back(text); }));
    }
    // The events so far, which start again from none.
    Log take() { return std::exchange(events, {}); }
};

TEST_F(FormInputTest, ShowingTheFormFocusesTheFirstTabStopInTabIndexOrder) {
    EXPECT_EQ(form->activeControl(), a.get());
    EXPECT_EQ(form->focusedChild(), &probe(a)->ok());
    EXPECT_TRUE(probe(a)->ok().hasFocus());
    auto other = Form::create("frmOther", Mode::Run);
    other->add(Probe::kProgId, "P")->setTabStop(false);
    auto q = other->add(Probe::kProgId, "Q");
    probe(q)->ok().setTabIndex(9); // cmdCancel (2) now comes first
    other->show();
    EXPECT_EQ(other->activeControl(), q.get());
    EXPECT_EQ(other->focusedChild(), &probe(q)->cancel());
    // Design-time forms give no focus.
    auto design = Form::create("frmDesign", Mode::Design);
    design->add(Probe::kProgId, "P");
    design->show();
    EXPECT_EQ(design->activeControl(), nullptr);
}

TEST_F(FormInputTest, MovingTheFocusBetweenControlsRaisesEventsInOrder) {
    probe(b)->cancel().SetFocus();
    EXPECT_EQ(take(), (Log{"A.cmdOK LostFocus", "A ExitFocus", "A extender LostFocus", "B EnterFocus",
                           "B extender GotFocus", "B.cmdCancel GotFocus"}));
    probe(b)->ok().SetFocus(); // within one control: no enter or exit
    EXPECT_EQ(take(), (Log{"B.cmdCancel LostFocus", "B.cmdOK GotFocus"}));
    probe(b)->ok().SetFocus(); // already there
    EXPECT_TRUE(events.empty());
    a->SetFocus(); // the control's first focusable child
    EXPECT_EQ(form->focusedChild(), &probe(a)->ok());
}

TEST_F(FormInputTest, AHandlerThatMovesTheFocusAgainEndsTheSequence) {
    auto redirect = probe(b)->surface().EnterFocus.connect([&] { probe(b)->area().SetFocus(); });
    probe(b)->ok().SetFocus();
    EXPECT_EQ(take(), (Log{"A.cmdOK LostFocus", "A ExitFocus", "A extender LostFocus", "B EnterFocus",
                           "B extender GotFocus", "B.picArea GotFocus"}));
    EXPECT_EQ(form->focusedChild(), &probe(b)->area());
    // Leaving B now tells picArea, the one B's events named.
    probe(a)->ok().SetFocus();
    EXPECT_EQ(events, (Log{"B.picArea LostFocus", "B ExitFocus", "B extender LostFocus", "A EnterFocus",
                           "A extender GotFocus", "A.cmdOK GotFocus"}));
}

TEST_F(FormInputTest, OnlyWhatAUserCouldReachTakesTheFocus) {
    auto& label = probe(b)->info();
    EXPECT_EQ(failureNumber([&] { label.SetFocus(); }), 5);
    probe(b)->ok().setEnabled(false);
    EXPECT_EQ(failureNumber([&] { probe(b)->ok().SetFocus(); }), 5);
    probe(b)->area().setVisible(false);
    EXPECT_EQ(failureNumber([&] { probe(b)->area().SetFocus(); }), 5);
    probe(b)->setEnabled(false);
    EXPECT_EQ(failureNumber([&] { probe(b)->cancel().SetFocus(); }), 5);
    EXPECT_EQ(failureNumber([&] { b->SetFocus(); }), 5);
    probe(b)->setEnabled(true);
    b->SetFocus();
    EXPECT_EQ(form->focusedChild(), &probe(b)->cancel());
    // A control without focusable children takes the focus on its surface.
    probe(b)->cancel().setVisible(false);
    a->SetFocus();
    b->SetFocus();
    EXPECT_EQ(form->activeControl(), b.get());
    EXPECT_EQ(form->focusedChild(), nullptr);
    Probe loose;
    EXPECT_EQ(failureNumber([&] { loose.ok().SetFocus(); }), 5);
}

TEST_F(FormInputTest, HidingDisablingOrRemovingWhatHasTheFocusDropsItSilently) {
    probe(a)->ok().setVisible(false);
    EXPECT_EQ(form->activeControl(), nullptr);
    EXPECT_TRUE(events.empty());
    // Nothing is told to lose a focus that was dropped.
    b->SetFocus();
    EXPECT_EQ(take(), (Log{"B EnterFocus", "B extender GotFocus", "B.cmdOK GotFocus"}));
    probe(b)->setEnabled(false);
    EXPECT_EQ(form->activeControl(), nullptr);
    probe(b)->setEnabled(true);
    probe(b)->area().SetFocus();
    b->setVisible(false);
    EXPECT_EQ(form->activeControl(), nullptr);
    b->setVisible(true);
    probe(b)->area().SetFocus();
    probe(b)->area().setEnabled(false);
    EXPECT_EQ(form->activeControl(), nullptr);
    a->SetFocus();
    form->remove("A");
    EXPECT_EQ(form->activeControl(), nullptr);
    events.clear();
    probe(b)->ok().SetFocus();
    EXPECT_EQ(events, (Log{"B EnterFocus", "B extender GotFocus", "B.cmdOK GotFocus"}));
}

TEST_F(FormInputTest, SpaceClicksTheFocusedButtonEnterAndEscapeTheDefaultAndCancelOfTheControlOrTheForm) {
    form->pressKey(' ');
    EXPECT_EQ(take(),
              (Log{"A.cmdOK KeyDown 32", "A.cmdOK KeyPress 32", "A.cmdOK KeyUp 32", "A.cmdOK Click"}));
    b->SetFocus();
    probe(b)->area().SetFocus();
    events.clear();
    EXPECT_TRUE(form->pressKey(13));
    EXPECT_TRUE(form->pressKey(27));
    EXPECT_EQ(take(), (Log{"B.cmdOK Click", "B.cmdCancel Click"}));
    // Enter on a focused command button clicks that button.
    probe(b)->cancel().SetFocus();
    events.clear();
    form->pressKey(13);
    EXPECT_EQ(take(), (Log{"B.cmdCancel Click"}));
    // The form's default control answers when the focused one cannot.
    probe(b)->ok().setDefault(false);
    probe(b)->cancel().setCancel(false);
    probe(b)->area().SetFocus();
    events.clear();
    form->pressKey(13); // no default button anywhere it looks: an ordinary key
    EXPECT_EQ(take(), (Log{"B.picArea KeyDown 13", "B.picArea KeyPress 13", "B.picArea KeyUp 13"}));
    a->setDefault(true);
    a->setCancel(true);
    form->pressKey(13);
    form->pressKey(27);
    EXPECT_EQ(take(), (Log{"A.cmdOK Click", "A.cmdCancel Click"}));
    // A disabled default button is not pressed.
    probe(a)->ok().setEnabled(false);
    form->pressKey(13);
    EXPECT_EQ(events.front(), "B.picArea KeyDown 13");
}

TEST_F(FormInputTest, KeysGoToTheFocusedControlAfterThePreviews) {
    probe(a)->area().SetFocus();
    events.clear();
    form->pressKey('A', 1);
    EXPECT_EQ(take(), (Log{"A.picArea KeyDown 65", "A.picArea KeyPress 65", "A.picArea KeyUp 65"}));
    form->setKeyPreview(true);
    probe(a)->setKeyPreview(true);
    form->pressKey('A');
    EXPECT_EQ(take(), (Log{"form KeyDown 65", "A KeyDown 65/0", "A.picArea KeyDown 65", "form KeyPress 97",
                           "A KeyPress 97", "A.picArea KeyPress 97", "form KeyUp 65", "A KeyUp 65",
                           "A.picArea KeyUp 65"}));
    // A preview that zeroes the key stops it.
    auto stop = probe(a)->surface().KeyPress.connect([](int16_t& k) { k = 0; });
    form->pressKey(112); // F1 types nothing
    form->pressKey('5');
    EXPECT_EQ(events, (Log{"form KeyDown 112", "A KeyDown 112/0", "A.picArea KeyDown 112", "form KeyUp 112",
                           "A KeyUp 112", "A.picArea KeyUp 112", "form KeyDown 53", "A KeyDown 53/0",
                           "A.picArea KeyDown 53", "form KeyPress 53", "A KeyPress 53", "form KeyUp 53",
                           "A KeyUp 53", "A.picArea KeyUp 53"}));
}

TEST_F(FormInputTest, WithNothingFocusedTheFormHearsTheKeys) {
    form->clearFocus();
    form->pressKey(' ');
    EXPECT_EQ(take(), (Log{"form KeyDown 32", "form KeyPress 32", "form KeyUp 32"}));
    // The surface hears keys when it has the focus itself.
    probe(b)->ok().setVisible(false);
    probe(b)->cancel().setVisible(false);
    probe(b)->area().setVisible(false);
    b->SetFocus();
    events.clear();
    form->pressKey(8);
    EXPECT_EQ(events, (Log{"B KeyDown 8/0", "B KeyPress 8", "B KeyUp 8"}));
}

TEST_F(FormInputTest, AClickFocusesThenPressesAndReleases) {
    EXPECT_TRUE(form->click(probe(b)->cancel()));
    EXPECT_EQ(take(), (Log{"A.cmdOK LostFocus", "A ExitFocus", "A extender LostFocus", "B EnterFocus",
                           "B extender GotFocus", "B.cmdCancel GotFocus", "B.cmdCancel MouseDown",
                           "B.cmdCancel MouseUp", "B.cmdCancel Click"}));
    EXPECT_TRUE(form->click(probe(a)->info())); // a label takes no focus
    EXPECT_EQ(take(), (Log{"A.lblInfo MouseDown", "A.lblInfo MouseUp", "A.lblInfo Click"}));
    EXPECT_TRUE(form->click(*b, 10, 20)); // the surface, which cannot take the focus from its buttons
    EXPECT_EQ(events, (Log{"B MouseDown 1 at 10,20", "B Click"}));
    EXPECT_EQ(form->focusedChild(), &probe(b)->cancel());
}

TEST_F(FormInputTest, ADoubleClickReportsTheClickThenTheDoubleClick) {
    auto& label = probe(a)->info();
    on(label.DblClick(), "A.lblInfo DblClick");
    on(probe(b)->surface().DblClick, "B DblClick");
    EXPECT_TRUE(form->doubleClick(label));
    EXPECT_EQ(take(), (Log{"A.lblInfo MouseDown", "A.lblInfo MouseUp", "A.lblInfo Click",
                           "A.lblInfo DblClick", "A.lblInfo MouseUp"}));
    EXPECT_TRUE(form->doubleClick(*b, 1, 2));
    EXPECT_EQ(events, (Log{"B MouseDown 1 at 1,2", "B Click", "B DblClick"}));
    label.setEnabled(false);
    EXPECT_FALSE(form->doubleClick(label));
}

TEST_F(FormInputTest, InputThatNoUserCouldGiveIsDropped) {
    auto& line = probe(a)->addChild<ov::Line>("linSep");
    EXPECT_FALSE(form->click(line));
    probe(a)->ok().setEnabled(false);
    EXPECT_FALSE(form->click(probe(a)->ok()));
    EXPECT_FALSE(form->mouseDown(probe(a)->ok(), 1, 0, 0, 0));
    probe(a)->setEnabled(false);
    EXPECT_FALSE(form->click(probe(a)->cancel()));
    EXPECT_FALSE(form->click(*a));
    b->setVisible(false);
    EXPECT_FALSE(form->click(probe(b)->cancel()));
    b->setVisible(true);
    form->hide();
    EXPECT_FALSE(form->click(probe(b)->cancel()));
    EXPECT_FALSE(form->pressKey(13));
    EXPECT_TRUE(events.empty());
    auto design = Form::create("frmDesign", Mode::Design);
    auto d = design->add(Probe::kProgId, "D");
    design->show();
    EXPECT_FALSE(design->click(probe(d)->ok()));
    EXPECT_FALSE(design->pressKey(13));
}

// ---- Modal forms ----

class ModalTest : public FormFixture {
protected:
    std::function<void(Form&)> previous;
    void TearDown() override {
        Form::setModalHook(previous);
        FormFixture::TearDown();
    }
};

// What became of a modal form of one probe, by the hook that drove it.
TEST_F(ModalTest, TheHookDrivesTheOpenFormBeforeTheCallReturnsAndDecidesWhatRemains) {
    Log seen;
    // What the hook does, the hook, the probe's hooks run, whether the form stays loaded, the failure.
    const std::tuple<const char*, std::function<void(Form&)>, Log, bool, int> cases[] = {
        {"no hook: unloaded at once", nullptr, {"P Show", "P Hide", "P Terminate"}, false, 0},
        {"the hook presses Enter: OK unloads",
         [&](Form& f) {
             seen.push_back(f.Name() + (f.isModal() ? " modal" : "") + (f.Visible() ? " visible" : ""));
             f.pressKey(13);
             seen.push_back(f.isLoaded() ? "still loaded" : "unloaded");
         },
         {"P Show", "P Hide", "P Terminate"},
         false,
         0},
        {"the hook only hides", [](Form& f) { f.hide(); }, {"P Show", "P Hide"}, true, 0},
        {"the hook fails", [](Form&) { throw ov::Failure(ov::err::InvalidProcedureCall); }, {}, false, 5},
    };
    for (const auto& [what, hook, hooks, loaded, failure] : cases) {
        SCOPED_TRACE(what);
        auto form = Form::create("frmDialog", Mode::Run);
        auto p = form->add(Probe::kProgId, "P");
        auto okClicked = probe(p)->ok().Click().connect([&] { form->unload(); });
        previous = Form::setModalHook(hook);
        log().clear();
        EXPECT_EQ(
            failureNumber([&] { hook && !loaded && !failure ? form->Show(int16_t{1}) : form->showModal(); }),
            failure);
        if (!failure) {
            EXPECT_EQ(log(), hooks);
        }
        EXPECT_EQ(form->isLoaded(), loaded);
        EXPECT_FALSE(form->isModal());
        Form::setModalHook(previous);
    }
    EXPECT_EQ(seen, (Log{"frmDialog modal visible", "unloaded"}));
}

} // namespace
} // namespace ovtest
