// The page-graph check on real wizards: a navigator and its pages on a form, each broken one way.
#include "wizard/PageGraphCheck.h"

#include "support/WizardFixture.h"

#include <functional>

namespace ovtest {
namespace {

using namespace ov;

class PageGraphCheckTest : public WizardFixture {
protected:
    std::vector<std::string> findings() {
        std::vector<std::string> out;
        for (const auto& f : checkPageGraph(*form))
            out.push_back(describe(f));
        return out;
    }
};

struct Case {
    const char* what;
    int pages;
    std::function<void()> edit;
    std::vector<std::string> expected;
};

TEST_F(PageGraphCheckTest, EachBrokenWizardGivesItsFindings) {
    // Pages chain themselves as they are placed: PageIndex i, PageBack i - 1, PageNext i + 1 (0 on the last),
    // the first a welcome page, the last a completion page.
    const Case cases[] = {
        {"a sound wizard", 4, [] {}, {}},
        {"PageNext naming no page",
         3,
         [this] { page("Page2")->let("PageNext", 9); },
         {"error: Page2: PageNext 9 names no page: the wizard has 3 pages",
          "warning: Page3: no path of Next and Back from the start page Page1 reaches it"}},
        {"PageBack naming no page",
         3,
         [this] { page("Page3")->setPageBack(4); },
         {"error: Page3: PageBack 4 names no page: the wizard has 3 pages"}},
        {"a page nothing reaches",
         4,
         [this] { page("Page3")->setPageNext(0); },
         {"warning: Page4: no path of Next and Back from the start page Page1 reaches it"}},
        {"a Back elsewhere",
         4,
         [this] { page("Page3")->setPageBack(1); },
         {"warning: Page3: Back goes to Page1, not to Page2 whose Next leads here"}},
        {"no Back where Next came from",
         4,
         [this] { page("Page4")->setPageBack(0); },
         {"warning: Page4: Next on Page3 leads here, but there is no Back (PageBack 0)"}},
        {"a Next cycle without Finish",
         4,
         [this] { page("Page3")->let("PageNext", 2); },
         {"error: Page2: no way to Finish: Next goes round Page2 → Page3 → Page2 and no page it reaches "
          "offers Finish",
          "warning: Page2: Back goes to Page1, not to Page3 whose Next leads here",
          "warning: Page4: no path of Next and Back from the start page Page1 reaches it"}},
        {"a Next cycle whose page has its own Finish",
         4,
         [this] {
             auto p = page("Page3");
             p->setPageNext(2);
             p->setUseDefaultButtonSet(false);
             p->setButtonRule(ovEn_Button_Position::ovBPRight, ovEn_Button_Rule::ovBRFinish);
         },
         {"warning: Page2: Back goes to Page1, not to Page3 whose Next leads here",
          "warning: Page4: no path of Next and Back from the start page Page1 reaches it"}},
        {"a dead end",
         3,
         [this] { page("Page3")->setPageNext(-1); },
         {"error: Page3: no way to Finish: a dead end without Next (PageNext -1) or Finish, and Back leads "
          "to no page that offers Finish"}},
        {"a last page whose own set has no Finish",
         2,
         [this] { page("Page2")->setUseDefaultButtonSet(false); },
         {"error: Page2: no way to Finish: a dead end without Next (PageNext 0) or Finish, and Back leads to "
          "no page that offers Finish"}},
        {"a welcome page in the middle",
         4,
         [this] { page("Page3")->let("PageMode", static_cast<int32_t>(En_Page_Mode::WelcomePage)); },
         {"warning: Page3: a welcome page in the middle: Next on Page2 leads here"}},
        {"a welcome page with a Back",
         3,
         [this] { page("Page1")->setPageBack(3); },
         {"warning: Page1: a welcome page in the middle: it has a Back (PageBack 3)"}},
        {"a completion page with a Next",
         4,
         [this] { page("Page2")->setPageMode(En_Page_Mode::CompletePage); },
         {"warning: Page2: a completion page with a Next (PageNext 3): the wizard goes on after its last "
          "page"}},
        {"StartPage naming no page",
         3,
         [this] { nav->let("StartPage", 7); },
         {"error: Nav: StartPage 7 names no page: no PageIndex is 7"}},
        // Run time: PageIndex only stores there, where at design time it would swap the pages.
        {"two pages with one PageIndex",
         3,
         [this] {
             reload(Mode::Run);
             page("Page3")->setPageIndex(2);
         },
         {"error: Page3: PageIndex 2 is also Page2's: the two pages show at once"}},
        {"page numbers with a gap",
         3,
         [this] {
             reload(Mode::Run);
             page("Page3")->setPageIndex(5);
         },
         {"warning: Page3: PageIndex 5 stands at place 3 in page order: PageNext and PageBack count places, "
          "so pages are best numbered 1 to 3"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        design(c.pages);
        c.edit();
        EXPECT_EQ(findings(), c.expected);
        form->unload();
    }
}

TEST_F(PageGraphCheckTest, PagesAreFollowedByTheirPlaceInPageOrder) {
    // Indexes 1, 5, 9 at places 1, 2, 3: PageNext 2 and 3 reach them, as the navigator walks them; the
    // gap itself is the only finding.
    design(3);
    reload(Mode::Run);
    page("Page2")->setPageIndex(5);
    page("Page3")->setPageIndex(9);
    EXPECT_EQ(findings(),
              std::vector<std::string>{"warning: Page2: PageIndex 5 stands at place 2 in page order: "
                                       "PageNext and PageBack count places, so pages are best numbered 1 "
                                       "to 3"});
    form->show();
    nav->NextClick();
    nav->NextClick();
    EXPECT_EQ(showing(), "Page3");
}

TEST_F(PageGraphCheckTest, AFormWithoutNavigatorIsAnError) {
    form = Form::create("frmLoose", Mode::Design);
    form->add("OvComCtl.OvWizardTab", "Only");
    EXPECT_EQ(findings(), std::vector<std::string>{"error: frmLoose: the form has no OvWizardNavigator"});
}

} // namespace
} // namespace ovtest
