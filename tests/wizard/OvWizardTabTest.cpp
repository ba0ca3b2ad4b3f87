#include "platform/Image.h"
#include "platform/Label.h"
#include "platform/PictureBox.h"
#include "wizard/OvWizardTabFixture.h"

#include <tuple>

using namespace ov;
using ovtest::WizardTabFixture;

namespace {

using WizardTabPageTest = WizardTabFixture;

struct Place {
    int32_t index, back, next;
    En_Page_Mode mode;
    bool operator==(const Place&) const = default;
};

Place placeOf(const OvWizardTab& p) {
    return {p.PageIndex(), p.PageBack(), p.PageNext(), p.PageMode()};
}

constexpr auto Welcome = En_Page_Mode::WelcomePage;
constexpr auto Interior = En_Page_Mode::InteriorPage;
constexpr auto Complete = En_Page_Mode::CompletePage;

} // namespace

TEST_F(WizardTabPageTest, NewPagesNumberThemselvesExtendTheChainAndRegisterAndAnUsedIndexSwapsThem) {
    auto p1 = addPage("Page1");
    EXPECT_EQ(placeOf(*p1), (Place{1, 0, 0, Welcome}));
    auto p2 = addPage("Page2");
    EXPECT_EQ(placeOf(*p1), (Place{1, 0, 2, Welcome}));
    EXPECT_EQ(placeOf(*p2), (Place{2, 1, 0, Complete}));
    auto p3 = addPage("Page3");
    EXPECT_EQ(placeOf(*p1), (Place{1, 0, 2, Welcome}));
    EXPECT_EQ(placeOf(*p2), (Place{2, 1, 3, Interior}));
    EXPECT_EQ(placeOf(*p3), (Place{3, 2, 0, Complete}));
    EXPECT_EQ(p3->child<Label>("lblPageIndex").Caption(), "3");
    ASSERT_EQ(registry().Count(), 3);
    EXPECT_EQ(std::tuple(registry().Item(Variant(1)), registry().Item(Variant("page2"))),
              std::tuple(p1->descriptor(), p2->descriptor()));
    EXPECT_EQ(std::tuple(p2->descriptor()->Name(), p2->descriptor()->WizardPage().toObject(),
                         p2->descriptor()->PageBack()),
              std::tuple("Page2", ObjectRef(p2), 1));
    // At design time an index another page has swaps the two pages.
    p3->setPageIndex(1);
    EXPECT_EQ(placeOf(*p3), (Place{1, 0, 2, Welcome}));
    EXPECT_EQ(placeOf(*p1), (Place{3, 2, 0, Complete}));
    EXPECT_EQ(placeOf(*p2), (Place{2, 1, 3, Interior}));
    EXPECT_EQ(p1->child<Label>("lblPageIndex").Caption() + p3->child<Label>("lblPageIndex").Caption(), "31");
    // The swapped page's view follows its new mode.
    EXPECT_TRUE(p1->child<PictureBox>("picBanner").Visible() == false &&
                p1->child<Image>("ImageWaterMark").Visible());
}

TEST_F(WizardTabPageTest, NewPagesStartWithTheNavigatorsButtonSetAndRoles) {
    ButtonSetting help{true, false, "Hilfe", 5};
    ov::subscribeWizardMediator();
    mediator().setDefaultSet(Left, help);
    mediator().setDefaultButton(2);
    mediator().setCancelButton(1);
    auto p = addPage("Page1");
    EXPECT_EQ(std::tuple(p->buttonVisible(Left), p->buttonEnabled(Left), p->buttonCaption(Left),
                         p->buttonRule(Left), p->buttonCaption(RightMiddle)),
              std::tuple(true, false, "Hilfe", ovEn_Button_Rule::ovBRExit, "&Next >"));
    EXPECT_EQ(std::tuple(p->DefaultButton(), p->CancelButton(), p->UseDefaultButtonSet()),
              std::tuple(2, 1, true));
    EXPECT_TRUE(ext("Page1").Align() == 1 && !ext("Page1").TabStop());
}

TEST_F(WizardTabPageTest, AtRunTimeAnIndexIsOnlyStoredAndPageModeIsRefusedWith382) {
    addPages(2);
    reload(Mode::Run);
    page("Page2")->setPageIndex(1);
    EXPECT_EQ(placeOf(*page("Page2")), (Place{1, 1, 0, Complete}));
    EXPECT_EQ(placeOf(*page("Page1")), (Place{1, 0, 2, Welcome}));
    mediator().setShowErrorMsg(true);
    watchErrors();
    auto p = page("Page1");
    p->setPageMode(Complete);
    EXPECT_EQ(std::tuple(p->PageMode(), p->lastError().number), std::tuple(Welcome, 382));
    EXPECT_EQ(log,
              (std::vector<std::string>{"OnError 382 Set not supported at runtime Page1::PageMode (Let)"}));
    EXPECT_EQ(shownBoxes(), std::vector<std::string>{
                                "Page1::PageMode (Let) | 48 | Error: 382\r\nSet not supported at runtime"});
}

// ---- Activation protocol ----

class WizardTabActivationTest : public WizardTabFixture {
protected:
    void SetUp() override {
        addPages(3);
        page("Page2")->setUseDefaultButtonSet(false);
        page("Page2")->setButtonCaption(RightMiddle, "&Go >");
        page("Page2")->SetDefaultButton(ovEn_Button_Rule::ovBRCancel);
        auto& m = mediator();
        // A navigator-side listener: what it finds in the mediator when each event arrives.
        auto visible = [this] {
            std::string v;
            for (const char* name : {"Page1", "Page2", "Page3"})
                v += ext(name).Visible() ? "1" : "0";
            return v;
        };
        watching.emplace_back(m.OnChangeButtons.connect([this, visible] {
            auto& m = mediator();
            log.push_back("buttons " + m.pageSet(RightMiddle).Caption +
                          " default=" + std::to_string(m.PageDefaultButton()) +
                          " current=" + std::to_string(m.CurrentPageIndex()) + " visible=" + visible());
        }));
        watching.emplace_back(m.OnChangePreviousPageIndex.connect([this] {
            log.push_back("previous=" + std::to_string(mediator().PreviousPageIndex()) +
                          " current=" + std::to_string(mediator().CurrentPageIndex()));
        }));
        watching.emplace_back(m.OnChangeNextPageIndex.connect([this, visible] {
            log.push_back("next=" + std::to_string(mediator().NextPageIndex()) + " visible=" + visible());
        }));
        // Start with every page hidden, as after a page change to an index no page has.
        m.GoToPage(9);
        log.clear();
    }
};

TEST_F(WizardTabActivationTest, TheTargetPublishesItsSetThenItsNeighboursThenShows) {
    mediator().GoToPage(2);
    EXPECT_EQ(log, (std::vector<std::string>{"buttons &Go > default=4 current=0 visible=000",
                                             "previous=1 current=2", "next=3 visible=000"}));
    EXPECT_EQ(std::tuple(showing(), form->zOrder().back()), std::tuple("Page2", &ext("Page2")));
    EXPECT_EQ(std::tuple(mediator().UseDefaultButtonSet(), mediator().PageCancelButton()),
              std::tuple(false, 4));
    // An index no page has hides every page and changes nothing.
    log.clear();
    mediator().GoToPage(9);
    EXPECT_EQ(std::tuple(log.empty(), showing(), mediator().CurrentPageIndex()), std::tuple(true, "none", 2));
    // A page on the default set lets the mediator answer with the navigator's set.
    mediator().GoToPage(1);
    EXPECT_EQ(log.front(), "buttons &Next > default=3 current=2 visible=000");
    EXPECT_EQ(std::tuple(mediator().UseDefaultButtonSet(), showing()), std::tuple(true, "Page1"));
}

// ---- Mediator reactions ----

TEST_F(WizardTabPageTest, PicturesAndTheBannerStyleComeFromTheMediator) {
    auto welcome = addPage("Page1");
    auto interior = addPage("Page2");
    addPage("Page3");
    auto banner = picture(50, 50);
    auto watermark = picture(165, 313);
    mediator().setBannerImage(banner);
    mediator().setWaterMarkImage(watermark);
    // Banner and watermark picture of a page.
    auto pictures = [](const std::shared_ptr<OvWizardTab>& p) {
        return std::tuple(p->child<Image>("imgHeaderBanner").Picture(),
                          p->child<Image>("ImageWaterMark").Picture());
    };
    EXPECT_EQ(pictures(interior), std::tuple(banner, PictureRef()));
    EXPECT_EQ(pictures(welcome), std::tuple(PictureRef(), watermark));
    // Changing the mode hands over the other picture.
    welcome->setPageMode(Interior);
    EXPECT_EQ(pictures(welcome), std::tuple(banner, PictureRef()));
    // The banner style comes from the mediator too, and is reported as a change.
    ext("Page2").clearChangedKeys();
    mediator().setBannerStyle(1);
    EXPECT_EQ(interior->bannerStyle(), 1);
    EXPECT_EQ(ext("Page2").changedKeys(), (std::vector<std::string>{"BannerStyle"}));
}

TEST_F(WizardTabPageTest, WhenTheNavigatorDiesEveryPageLetsGo) {
    auto p1 = addPage("Page1");
    auto p2 = addPage("Page2");
    CPageRef first = p1->descriptor();
    auto m = wizardThreadState().mediator;
    m->setPageHiddenAtDesignTime(true);
    m->NavigatorIsDie();
    EXPECT_EQ(std::tuple(m->Pages()->Count(), m->PageHiddenAtDesignTime(), first->WizardPage().isNothing()),
              std::tuple(0, false, true));
    EXPECT_EQ(wizardThreadState().mediator, nullptr);
    EXPECT_EQ(p1->descriptor(), nullptr);
    // Detached pages hear the old mediator no more and only record their failures.
    m->GoToPage(2);
    EXPECT_TRUE(ext("Page1").Visible());
    watching.emplace_back(
        m->OnError.connect([this](int32_t, std::string, std::string s) { log.push_back(s); }));
    p2->setBorderStyle(7);
    EXPECT_EQ(std::tuple(p2->lastError().number, log.empty(), boxes().empty()), std::tuple(380, true, true));
}

// ---- Lifecycle ----

TEST_F(WizardTabPageTest, ARenamedPageIsRekeyedAndHidingAtDesignTimeUnregistersAndRaisesTheFlag) {
    auto p = addPage("Page1");
    addPage("Page2");
    ext("Page1").setName("Welcome");
    EXPECT_EQ(std::tuple(registry().Count(), p->descriptor()->Name()), std::tuple(2, "Welcome"));
    EXPECT_EQ(std::tuple(registry().Item(Variant("Welcome")), registry().Item(Variant("Page1")),
                         registry().Item(Variant(1))),
              std::tuple(p->descriptor(), CPageRef(), p->descriptor()));
    form->show();
    EXPECT_EQ(registry().Count(), 2);
    form->hide();
    EXPECT_EQ(registry().Count(), 0);
    EXPECT_TRUE(mediator().PageHiddenAtDesignTime());
}

// ---- Failure reporting ----

class WizardTabFailureTest : public WizardTabFixture {
protected:
    void SetUp() override {
        addPages(3);
        watchErrors();
    }
};

TEST_F(WizardTabFailureTest, FailuresAreRelayedWithThePageNameAndShownOnlyWhileTheSwitchIsOn) {
    page("Page2")->setBorderStyle(3);
    EXPECT_EQ(log,
              (std::vector<std::string>{"OnError 380 Invalid property value (BorderStyle must be 0 or 1) "
                                        "Page2::BorderStyle (Let)"}));
    EXPECT_TRUE(boxes().empty());
    mediator().setShowErrorMsg(true);
    page("Page2")->setBorderStyle(3);
    EXPECT_EQ(shownBoxes(), std::vector<std::string>{"Page2::BorderStyle (Let) | 48 | Error: 380\r\nInvalid "
                                                     "property value (BorderStyle must be 0 or 1)"});
    EXPECT_EQ(page("Page2")->lastError().number, 380);
}

TEST_F(WizardTabFailureTest, TheBannerPictureHandlerTitlesItsBoxWithItsOwnSpelling) {
    mediator().setShowErrorMsg(true);
    page("Page2")->removeChild("imgHeaderBanner");
    mediator().setBannerImage(picture(50, 50));
    EXPECT_EQ(
        log,
        std::vector<std::string>{
            "OnError 730 Control not found (imgHeaderBanner in OvWizardTab) Page2::OnChangeBannerPicture"});
    EXPECT_EQ(shownBoxes(),
              std::vector<std::string>{"Page2::OnChnageBannerPicture | 48 | Error: 730\r\nControl not found "
                                       "(imgHeaderBanner in OvWizardTab)"});
}

TEST_F(WizardTabFailureTest, Failure398IsNeitherRelayedNorShown) {
    mediator().setShowErrorMsg(true);
    auto removed = page("Page3");
    form->remove("Page3");
    removed->setHelpContextID(4); // off the form: no extender
    EXPECT_EQ(std::tuple(removed->lastError().number, log.empty(), boxes().empty()),
              std::tuple(398, true, true));
    // Still attached: other failures are relayed under the name it had.
    removed->setBorderStyle(9);
    EXPECT_EQ(log, std::vector<std::string>{"OnError 380 Invalid property value (BorderStyle must be 0 or 1) "
                                            "Page3::BorderStyle (Let)"});
}

TEST_F(WizardTabFailureTest, AFailureStopsTheProcedureAtTheFailingStep) {
    // The mode is stored and reported before the view fails, and nothing after the failure runs.
    auto p = page("Page1");
    p->removeChild("imgHeaderBanner");
    ext("Page1").clearChangedKeys();
    p->setPageMode(Interior);
    EXPECT_EQ(p->PageMode(), Interior);
    EXPECT_EQ(ext("Page1").changedKeys(), (std::vector<std::string>{"PageMode"}));
    EXPECT_EQ(log,
              std::vector<std::string>{
                  "OnError 730 Control not found (imgHeaderBanner in OvWizardTab) Page1::PageMode (Let)"});
    EXPECT_TRUE(p->child<Image>("ImageWaterMark").Visible());
}

// ---- Events ----

TEST_F(WizardTabPageTest, SurfaceInputIsRaisedWithSharedArguments) {
    addPage("Page1");
    reload(Mode::Run);
    form->show();
    auto p = page("Page1");
    ScopedConnection down = p->on("MouseDown", [this](Args& a) {
        log.push_back("MouseDown " + a[0].toString() + " " + a[1].toString() + " " + a[2].toString() + " " +
                      a[3].toString());
        a[2] = 99.0f;
    });
    ScopedConnection up = p->on("MouseUp", [this](Args&) { log.push_back("MouseUp"); });
    ScopedConnection click = p->on("Click", [this](Args&) { log.push_back("Click"); });
    float seen = 0;
    ScopedConnection after =
        p->surface().MouseDown.connect([&](int16_t&, int16_t&, float& x, float&) { seen = x; });
    form->mouseDown(ext("Page1"), 2, 1, 120, 240);
    EXPECT_EQ(seen, 99.0f);
    form->click(ext("Page1"), 5, 6);
    EXPECT_EQ(log,
              (std::vector<std::string>{"MouseDown 2 1 120 240", "MouseDown 1 0 5 6", "MouseUp", "Click"}));

    ScopedConnection key = p->on("KeyDown", [](Args& a) { a[0] = int16_t{0}; });
    int16_t code = 65, shift = 0;
    p->raiseSurface(UserControl::SurfaceInput::KeyDown, code, shift);
    EXPECT_EQ(code, 0);
}
