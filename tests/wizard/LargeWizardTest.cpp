// What a host sees of a running wizard while it loads and changes pages: where every docked control
// is, and what the navigator's buttons say, whatever the wizard leaves to be done later.
#include "platform/Extender.h"
#include "support/WizardFixture.h"

#include <array>
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
    struct Step {
        const char* what;
        void (*act)(LargeWizardTest&);
        const char* shows;
    };
    const Step steps[] = {
        {"loaded", [](LargeWizardTest&) {}, "Page1"},
        {"shown", [](LargeWizardTest& t) { t.form->show(); }, "Page1"},
        {"Next", [](LargeWizardTest& t) { t.nav->NextClick(); }, "Page2"},
        {"Next again", [](LargeWizardTest& t) { t.nav->NextClick(); }, "Page3"},
        {"Back", [](LargeWizardTest& t) { t.nav->BackClick(); }, "Page2"},
        {"to the last page",
         [](LargeWizardTest& t) {
             CPageRef last = t.descriptor("Page6");
             t.nav->GoToNewPage(last);
         },
         "Page6"},
        {"to the first page",
         [](LargeWizardTest& t) {
             CPageRef first = t.descriptor("Page1");
             t.nav->GoToNewPage(first);
         },
         "Page1"},
        {"a hidden page taller", [](LargeWizardTest& t) { t.form->control("Page4")->let("Height", 900.0); },
         "Page1"},
        {"Next after it", [](LargeWizardTest& t) { t.nav->NextClick(); }, "Page2"},
    };
    for (const Step& s : steps) {
        SCOPED_TRACE(s.what);
        s.act(*this);
        EXPECT_EQ(showing(), s.shows);
        EXPECT_EQ(answered(*form), ruled(*form));
        // The showing page is in front of the other pages.
        EXPECT_EQ(form->zOrder().back()->Name() == "Nav" ? form->zOrder()[form->zOrder().size() - 2]->Name()
                                                         : form->zOrder().back()->Name(),
                  s.shows);
    }
}

TEST_F(LargeWizardTest, APageChangeAfterTheHostChangedAButtonAppliesTheWholeSet) {
    // The states a wizard just started shows on its second page.
    runWizard(3);
    nav->NextClick();
    std::array<std::string, 4> fresh;
    for (size_t i = 0; i < 4; ++i)
        fresh[i] = state(kPositions[i]);
    // The same wizard, its buttons changed by the host on the first page, then moved on.
    runWizard(3);
    nav->let("RightButtonCaption", Variant("Go"));
    nav->let("LeftButtonVisible", Variant(true));
    nav->let("RightMiddleButtonEnabled", Variant(false));
    nav->let("DefaultButton", Variant(1));
    nav->NextClick();
    for (size_t i = 0; i < 4; ++i)
        EXPECT_EQ(state(kPositions[i]), fresh[i]) << i;
}
