#include "platform/Failure.h"
#include "platform/FailureCapture.h"
#include "platform/Picture.h"
#include "support/WizardFixture.h"

using namespace ov;

namespace {

using MediatorTest = ovtest::WizardFixture;

} // namespace

TEST_F(MediatorTest, PageSetReadsTheDefaultSetWhileTheDefaultSetIsUsed) {
    CreateWizardGlobals();
    auto& m = mediator();
    m.setPageSet(Left, {true, false, "&Options", 5});
    m.setUseDefaultButtonSet(true);
    EXPECT_EQ(m.pageSet(Left).Caption, "&Help");
    m.setDefaultSet(Left, {true, true, "&Hilfe", 4});
    EXPECT_EQ(m.pageSet(Left).Caption, "&Hilfe");
    m.setUseDefaultButtonSet(false);
    EXPECT_EQ(m.pageSet(Left), (ButtonSetting{true, false, "&Options", 5}));
    // Writes while the default set is used still land in the page set.
    m.setUseDefaultButtonSet(true);
    m.setPageSet(Right, {true, true, "&Close", 5});
    EXPECT_EQ(m.pageSet(Right).Caption, "Cancel");
    m.setUseDefaultButtonSet(false);
    EXPECT_EQ(m.pageSet(Right).Caption, "&Close");
}

TEST_F(MediatorTest, EveryWriteRaisesItsEventAfterStoringEvenWithoutChangeAndSoDoTheCommands) {
    CreateWizardGlobals();
    auto& m = mediator();
    std::vector<std::string> seen;
    std::vector<ScopedConnection> c;
    c.emplace_back(m.OnChangeNextPageIndex.connect(
        [&] { seen.push_back("next " + std::to_string(m.NextPageIndex())); }));
    c.emplace_back(m.OnChangePreviousPageIndex.connect(
        [&] { seen.push_back("previous " + std::to_string(m.PreviousPageIndex())); }));
    c.emplace_back(m.YouMustChangeYourHeight.connect([&](int32_t h) {
        seen.push_back("height " + std::to_string(h) + "/" + std::to_string(m.TabHeight()));
    }));
    c.emplace_back(m.OnChangeBannerStyle.connect([&](int32_t s) {
        seen.push_back("style " + std::to_string(s) + "/" + std::to_string(m.BannerStyle()));
    }));
    c.emplace_back(m.OnChangeBannerPicture.connect([&](PictureRef p) {
        seen.push_back(std::string("banner ") + (p == m.BannerImage() ? "same" : "differs"));
    }));
    c.emplace_back(m.OnChangeWaterMarkPicture.connect(
        [&](PictureRef p) { seen.push_back(std::string("watermark ") + (p ? "set" : "none")); }));
    m.setNextPageIndex(0);
    m.setNextPageIndex(0);
    m.setPreviousPageIndex(2);
    m.setTabHeight(4000);
    m.setBannerStyle(1);
    m.setBannerImage(picture(1, 1));
    m.setWaterMarkImage(nullptr);
    EXPECT_EQ(seen, (std::vector<std::string>{"next 0", "next 0", "previous 2", "height 4000/4000",
                                              "style 1/1", "banner same", "watermark none"}));
    // The commands raise their events too; GoToPage stores nothing itself.
    seen.clear();
    c.emplace_back(m.OnGoToPage.connect([&](int32_t i) { seen.push_back("go " + std::to_string(i)); }));
    c.emplace_back(m.OnChangeButtons.connect([&] { seen.push_back("buttons"); }));
    c.emplace_back(m.OnNavigatorDie.connect([&] { seen.push_back("die"); }));
    c.emplace_back(m.OnError.connect([&](int32_t n, std::string d, std::string s) {
        seen.push_back("error " + std::to_string(n) + " " + d + " " + s);
    }));
    m.GoToPage(7);
    m.ChangeButtons();
    EXPECT_TRUE(m.NavigatorIsDie().isEmpty());
    m.RaiseError(5, "Invalid procedure call or argument", "Nav::NextClick");
    EXPECT_EQ(seen, (std::vector<std::string>{"go 7", "buttons", "die",
                                              "error 5 Invalid procedure call or argument Nav::NextClick"}));
    EXPECT_EQ(m.CurrentPageIndex(), 0);
}

TEST_F(MediatorTest, AddRemoveAndRenameComparePageNamesWithLetterCase) {
    auto p1 = loadPage("P1", 1);
    auto p2 = loadPage("P2", 2);
    loadPage("P3", 3);
    mediator().AddPage("P1", p1->descriptor()); // same name again: nothing happens
    EXPECT_EQ(registry().Count(), 3);
    // A name differing only in case is not "the same" to AddPage, but the registry's keys ignore
    // case, so the insertion itself fails and reaches the caller.
    auto twin = std::make_shared<CPage>();
    twin->setName("p1");
    EXPECT_EQ(test::failureNumber([&] { mediator().AddPage("p1", twin); }), 457);
    mediator().RemovePage("P9");
    mediator().RemovePage("p3"); // no entry is "p3"
    EXPECT_EQ(registry().Count(), 3);
    mediator().RemovePage("P3");
    EXPECT_EQ(registry().Count(), 2);
    // RenamePage re-keys the entry, and inserts a page that was not registered.
    p2->descriptor()->setName("Options");
    mediator().RenamePage("Options", p2->descriptor(), "P2");
    EXPECT_EQ(std::tuple(registry().Item(Variant("options")), registry().Item(Variant("P2")),
                         registry().Item(Variant(2))),
              std::tuple(p2->descriptor(), CPageRef(), p2->descriptor()));
    auto loose = loadPage("Loose", 5);
    mediator().RemovePage("Loose");
    mediator().RenamePage("Loose", loose->descriptor(), "Old");
    EXPECT_EQ(registry().Count(), 3);
    EXPECT_EQ(registry().Item(Variant(3)), loose->descriptor());
    mediator().ClearPages();
    mediator().ClearPages();
    EXPECT_EQ(registry().Count(), 0);
}

TEST_F(MediatorTest, APageCreatedFirstStartsTheMediatorWhichLastsWhileAPageIsRegistered) {
    EXPECT_EQ(wizardThreadState().mediator, nullptr);
    auto p1 = loadPage("P1", 1);
    auto mediator = wizardThreadState().mediator;
    ASSERT_NE(mediator, nullptr);
    // A navigator created later subscribes to the same mediator and sees the page in its registry.
    EXPECT_EQ(subscribeWizardMediator(), mediator);
    EXPECT_EQ(mediator->Pages()->Item(Variant(1)), p1->descriptor());
    // It is released only once the registry is empty; the next control then starts a fresh one.
    auto first = mediator;
    first->setStartPage(4);
    first->setDefaultButton(1);
    ReleaseWizardGlobals();
    EXPECT_EQ(wizardThreadState().mediator, first); // a page is still registered
    first->RemovePage("P1");
    ReleaseWizardGlobals();
    EXPECT_EQ(wizardThreadState().mediator, nullptr);
    EXPECT_EQ(wizardThreadState().registry, nullptr);
    // The page still holds the old mediator; the next control gets a fresh one.
    auto fresh = subscribeWizardMediator();
    EXPECT_NE(fresh, first);
    EXPECT_EQ(std::tuple(fresh->StartPage(), fresh->DefaultButton(), fresh->Pages()->Count()),
              std::tuple(1, 3, 0));
}
