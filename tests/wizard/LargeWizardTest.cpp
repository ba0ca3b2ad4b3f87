// What a host sees of a running wizard while it loads and changes pages: where every docked control
// is, and what the navigator's buttons say, whatever the wizard leaves to be done later.
#include "platform/Extender.h"
#include "support/WizardFixture.h"

#include <array>
#include <functional>
#include <map>
#include <string>

using namespace ov;

namespace {

using LargeWizardTest = ovtest::WizardFixture;
using Places = std::map<std::string, std::array<float, 4>>;

// Where the docking rule puts the form's controls: from the back, each docked control takes the whole
// free width at the top (Align 1) or bottom (Align 2) of the free area; only a visible one uses it up.
Places ruled(Form& f) {
    Places out;
    float top = 0, bottom = f.ScaleHeight();
    for (Extender* e : f.zOrder()) {
        const float h = e->Height();
        const bool atTop = e->Align() == 1;
        out[e->Name()] = {0, atTop ? top : bottom - h, f.ScaleWidth(), h};
        if (e->Visible()) (atTop ? top += h : bottom -= h);
    }
    return out;
}

// Where the controls say they are, asked by name.
Places answered(Form& f) {
    Places out;
    for (Extender* e : f.zOrder()) {
        ExtenderRef c = f.control(e->Name());
        out[e->Name()] = {
            static_cast<float>(c->get("Left").toDouble()), static_cast<float>(c->get("Top").toDouble()),
            static_cast<float>(c->get("Width").toDouble()), static_cast<float>(c->get("Height").toDouble())};
    }
    return out;
}

} // namespace

TEST_F(LargeWizardTest, EveryControlIsWhereTheDockingRulePutsItAtEveryStep) {
    design(6);
    reload(Mode::Run);
    auto goTo = [this](const char* name) {
        CPageRef target = descriptor(name);
        nav->GoToNewPage(target);
    };
    const struct {
        const char* what;
        std::function<void()> act;
        const char* shows;
    } steps[] = {
        {"loaded", [] {}, "Page1"},
        {"shown", [this] { form->show(); }, "Page1"},
        {"Next", [this] { nav->NextClick(); }, "Page2"},
        {"Next again", [this] { nav->NextClick(); }, "Page3"},
        {"Back", [this] { nav->BackClick(); }, "Page2"},
        {"to the last page", [&] { goTo("Page6"); }, "Page6"},
        {"to the first page", [&] { goTo("Page1"); }, "Page1"},
        {"a hidden page taller", [this] { form->control("Page4")->let("Height", Variant(900.0)); }, "Page1"},
        {"Next after it", [this] { nav->NextClick(); }, "Page2"},
        // Shown by the host behind the showing page, a page that is not current hides again: the pages
        // in front of it move down and back, and are read at once.
        {"a hidden page shown by name", [this] { form->control("Page5")->let("Visible", Variant(true)); },
         "Page2"},
    };
    for (const auto& s : steps) {
        SCOPED_TRACE(s.what);
        s.act();
        EXPECT_EQ(showing(), s.shows);
        EXPECT_EQ(answered(*form), ruled(*form));
        // The showing page is in front of the other pages.
        std::string front;
        for (Extender* e : form->zOrder())
            if (e->Name() != "Nav") front = e->Name();
        EXPECT_EQ(front, s.shows);
    }
}

TEST_F(LargeWizardTest, APageChangeAfterTheHostChangedAButtonAppliesTheWholeSet) {
    // The states a wizard just started shows on its second page.
    runWizard(3);
    nav->NextClick();
    const std::vector<std::string> fresh = states();
    // The same wizard, its buttons changed by the host on the first page, then moved on.
    runWizard(3);
    nav->let("RightButtonCaption", Variant("Go"));
    nav->let("LeftButtonVisible", Variant(true));
    nav->let("RightMiddleButtonEnabled", Variant(false));
    nav->let("DefaultButton", Variant(1));
    nav->NextClick();
    EXPECT_EQ(states(), fresh);
}
