// The options frame on a run-time form with its pages and the host's controls: what a click on a
// node raises and shows, the remembered page of each folder, the arrow, the buttons and the layout.
#include "OptionsFixture.h"
#include "platform/CommandButton.h"
#include "platform/FailureCapture.h"
#include "platform/PictureBox.h"
#include "support/ShownBoxes.h"

#include <tuple>

using namespace ov;

namespace {

class OvTreeBaseTest : public ovtest::OptionsFixture {};

TEST_F(OvTreeBaseTest, TheFirstPageShowsWithItsArrowAndOpenFolder) {
    build();
    EXPECT_EQ(shownPages(), " [pgView]");
    EXPECT_EQ(images(), "_GENERAL:OPENEDFOLDER _GENERAL\\VIEW:ARROW _ADVANCED:CLOSEDFOLDER "
                        "_ADVANCED\\NETWORK:CLOSEDFOLDER");
    EXPECT_EQ(options->get("CurrentKey").toString(), "_GENERAL\\VIEW");
    EXPECT_EQ(options->get("CurrentPage", {Variant(int32_t{0})}).toInt32(), 1);
    EXPECT_EQ(options->get("CurrentPage", {Variant(int32_t{1})}).toString(), "View");
    EXPECT_TRUE(options->get("CurrentPage", {Variant(int32_t{5})}).isEmpty());
    ObjectRef tv = options->get("Controls", {Variant("tvOptions")}).toObject();
    EXPECT_EQ(tv->get("Nodes").toObject()->get("Count").toInt32(), 7);
    EXPECT_EQ(tv->get("SelectedItem").toObject()->get("Key").toString(), "_GENERAL\\VIEW");
    tv->set("SelectedItem", Variant(nullptr));
    EXPECT_EQ(test::failureNumber([&] { options->get("CurrentPage", {Variant(int32_t{1})}); }),
              err::ObjectNotSet);
    EXPECT_EQ(base->mcolOptions()->at("_GENERAL").strSelectedProperty, "_GENERAL\\VIEW");
    // The tree's node order is the loader's depth-first walk.
    std::string order;
    for (Node* n : tree().visibleRows())
        order += n->Text() + " ";
    EXPECT_EQ(order, "General View Fonts Advanced ");
}

TEST_F(OvTreeBaseTest, ClicksRaiseBeforeThenAfterAndFoldersShowTheirRememberedPage) {
    build();
    click("_GENERAL\\FONTS");
    click("_GENERAL\\FONTS"); // the page on show: nothing
    click("_ADVANCED");       // a folder without a remembered page: no page shows
    click("_GENERAL");        // shows Fonts, remembered under General
    EXPECT_EQ(log, (std::vector<std::string>{"Before 1 2", "After 1 2 [pgView]", "Before 2 0",
                                             "After 2 -1 [pgFonts]", "Before -1 2", "After -1 2"}));
    // The folder stays selected, open on its remembered page.
    EXPECT_EQ(std::tuple(shownPages(), tree().selected()->Key(), node("_GENERAL").Expanded()),
              std::tuple(" [pgFonts]", "_GENERAL", true));
    EXPECT_EQ(images(), "_GENERAL:OPENEDFOLDER _GENERAL\\FONTS:ARROW _ADVANCED:CLOSEDFOLDER "
                        "_ADVANCED\\NETWORK:CLOSEDFOLDER");
    EXPECT_EQ(options->get("FromKey").toString() + " to " + options->get("ToKey").toString(), " to _GENERAL");
}

TEST_F(OvTreeBaseTest, NestedPagesAreRememberedUpTheChainAndTheOldFolderCollapses) {
    build();
    click("_ADVANCED\\NETWORK\\PROXY");
    const OptionCollection& o = *base->mcolOptions();
    EXPECT_EQ(o.at("_ADVANCED").strSelectedProperty, "_ADVANCED\\NETWORK\\PROXY");
    EXPECT_EQ(o.at("_ADVANCED\\NETWORK").strSelectedProperty, "_ADVANCED\\NETWORK\\PROXY");
    EXPECT_EQ(shownPages(), " [pgProxy]");
    click("_GENERAL"); // back to View; the folder shown before (Network) collapses
    EXPECT_FALSE(node("_ADVANCED\\NETWORK").Expanded());
    EXPECT_NE(images().find("_ADVANCED\\NETWORK:CLOSEDFOLDER"), std::string::npos);
    EXPECT_EQ(shownPages(), " [pgView]");
    log.clear();
    click("_ADVANCED"); // shows Proxy again, two levels down
    EXPECT_EQ(log, (std::vector<std::string>{"Before 1 3", "After 1 3 [pgView]"}));
    EXPECT_TRUE(node("_ADVANCED\\NETWORK").Expanded());
    EXPECT_EQ(images().find("_GENERAL\\VIEW:ARROW"), std::string::npos);
}

TEST_F(OvTreeBaseTest, ACancelledChangeKeepsThePageAndSelectsTheOldNodeAgain) {
    build();
    options->on("BeforePageChange", [](Args& a) { a[2] = a[1].toInt32() == 4; });
    click("_ADVANCED\\SECURITY");
    EXPECT_EQ(log, (std::vector<std::string>{"Before 1 4"}));
    EXPECT_EQ(std::tuple(shownPages(), tree().selected()->Key(), options->get("CurrentKey").toString()),
              std::tuple(" [pgView]", "_GENERAL\\VIEW", "_GENERAL\\VIEW"));
    EXPECT_EQ(images().find("SECURITY"), std::string::npos);
    // The typed event reaches the same Cancel.
    base->BeforePageChange.connect([](int16_t, int16_t to, bool& cancel) { cancel = cancel || to == 2; });
    click("_GENERAL\\FONTS");
    EXPECT_EQ(shownPages(), " [pgView]");
}

TEST_F(OvTreeBaseTest, TheHelpApplyButtonRaisesByItsCaption) {
    build();
    CommandButton& b = base->button(en_Buttons::btnApply);
    struct Case {
        bool showApply;
        const char* caption;
        const char* shown;
        const char* raised;
    } cases[] = {{false, "", "Help", "HelpClick"},
                 {true, "", "Apply", "ApplyClick"},
                 {true, "  Help ", "Help", "HelpClick"},
                 {false, " Save ", "Save", "ApplyClick"},
                 {true, "Hilfe", "Hilfe", "ApplyClick"}};
    for (const Case& c : cases) {
        log.clear();
        options->let("ShowApply", c.showApply);
        options->let("HelpApplyCaption", c.caption);
        EXPECT_EQ(b.Caption(), c.shown);
        form->click(b);
        EXPECT_EQ(log, std::vector<std::string>{c.raised}) << c.caption;
    }
    options->let("CustomVisible", true);
    options->let("CustomCaption", "Reset");
    for (auto [button, event] : {std::pair{en_Buttons::btnOK, "OKClick"},
                                 {en_Buttons::btnCancel, "CancelClick"},
                                 {en_Buttons::btnCustom, "CustomClick"}}) {
        log.clear();
        form->click(base->button(button));
        EXPECT_EQ(log, std::vector<std::string>{event});
    }
}

TEST_F(OvTreeBaseTest, DefaultButtonComesBackOnlyToTheButtonThatHadIt) {
    build();
    auto defaults = [&] {
        std::string s;
        for (auto b : {en_Buttons::btnOK, en_Buttons::btnCancel, en_Buttons::btnHelp, en_Buttons::btnCustom})
            s += base->button(b).Default() ? "1" : "0";
        return s;
    };
    EXPECT_EQ(defaults(), "0000"); // nothing read yet: a new control chooses no default
    options->let("DefaultButton", int32_t{3});
    EXPECT_EQ(defaults(), "0010");
    options->call("DisableButton", {Variant(int32_t{2})});
    EXPECT_EQ(defaults(), "0000");
    EXPECT_FALSE(base->button(en_Buttons::btnHelp).Enabled());
    options->call("EnableButton", {Variant(int32_t{3})});
    EXPECT_EQ(defaults(), "0010");
    options->let("DefaultButton", int32_t{7}); // changes nothing
    EXPECT_EQ(defaults(), "0010");
    options->let("DefaultButton", int32_t{0});
    options->call("EnableButton", {Variant(int32_t{2})});
    EXPECT_EQ(defaults(), "1000");
}

TEST_F(OvTreeBaseTest, TreeEnabledKeepsTheCurrentPageWhileOff) {
    build();
    click("_GENERAL\\FONTS");
    options->let("TreeEnabled", false);
    EXPECT_EQ(std::pair(tree().Enabled(), node("_GENERAL").Expanded()), std::pair(false, false));
    base->SetTab(*std::make_unique<int16_t>(4));
    // Collapsing moved the selection up.
    EXPECT_EQ(shownPages() + " " + tree().selected()->Key(), " [pgSecurity] _GENERAL");
    options->let("TreeEnabled", true);
    EXPECT_EQ(shownPages() + " " + tree().selected()->Key(), " [pgFonts] _GENERAL\\FONTS");
}

// Layout numbers at 15 and 12 twips per pixel, on a sizable form of 8985 × 5625.
TEST_F(OvTreeBaseTest, TheClientAreaAndButtonBarFollowThePixelSize) {
    struct Case {
        int32_t tpp;
        int32_t top, left, width, height;
        float tree, custom, ok, cancel, help;
    } cases[] = {{15, 90, 3120, 5595, 4485, 4575, 3930, 5145, 6360, 7590},
                 {12, 72, 3060, 5709, 4590, 4644, 4041, 5238, 6435, 7644}};
    for (const Case& c : cases) {
        runtime.setTwipsPerPixel(c.tpp, c.tpp);
        build();
        EXPECT_EQ(std::tuple(options->get("ClientTop").toInt32(), options->get("ClientLeft").toInt32(),
                             options->get("ClientWidth").toInt32(), options->get("ClientHeight").toInt32()),
                  std::tuple(c.top, c.left, c.width, c.height))
            << c.tpp;
        EXPECT_EQ(std::tuple(tree().Height(), base->button(en_Buttons::btnCustom).Left(),
                             base->button(en_Buttons::btnOK).Left(),
                             base->button(en_Buttons::btnCancel).Left(),
                             base->button(en_Buttons::btnHelp).Left()),
                  std::tuple(c.tree, c.custom, c.ok, c.cancel, c.help))
            << c.tpp;
        auto page = form->control("pgView");
        EXPECT_EQ(std::pair(page->Left(), page->Width()), std::pair(float(c.left), float(c.width))) << c.tpp;
    }
}

TEST_F(OvTreeBaseTest, ASecondTreeOnAFormIsToldOff) {
    form = Form::create("frmOptions", Mode::Design);
    form->add("OvComCtl.OvTreeBase", "One");
    EXPECT_TRUE(boxes().empty());
    form->add("OvComCtl.OvTreeBase", "Two");
    EXPECT_EQ(
        ovtest::shownBoxes(runtime),
        std::vector<std::string>{"OvTreeBase | 48 | Only one OvTreeBase may stand on a form. Please remove "
                                 "the OvTreeBase you have just added."});
    EXPECT_EQ(std::tuple(form->Width(), form->Height()), std::tuple(8985.0f, 5625.0f));
}

TEST_F(OvTreeBaseTest, ALoaderStopsAtAPageWithoutParentAndAddNodesSwallowsIt) {
    build(Mode::Run, nullptr);
    auto col = DecodeOptions(" \t_A\t0\tA\t0\t\r\n \t_P\t1\tP\t1\r\n \t_B\t0\tB\t0\t\r\n");
    base->AddNodes(col);
    EXPECT_EQ(tree().nodes().Count(), 1); // stopped at _P
    EXPECT_EQ(base->mcolOptions(), col);  // the same collection, not a copy
    EXPECT_EQ(options->changedKeys().back(), "TreeContainment");
}

// Deeper than a call stack would take, were the loader or the first-page search recursive.
TEST_F(OvTreeBaseTest, ADeepChainOfFoldersLoadsAndShowsItsPage) {
    build(Mode::Run, nullptr);
    std::string text = " \t_K0\t0\tK0\t0\t\r\n";
    const int depth = 10000;
    for (int d = 1; d < depth; ++d)
        text += "_K" + std::to_string(d - 1) + "\t_K" + std::to_string(d) + "\t0\tK\t0\t\r\n";
    text += "_K" + std::to_string(depth - 1) + "\t_PAGE\t1\tPage\t3\r\n";
    auto col = DecodeOptions(text);
    base->AddNodes(col);
    EXPECT_EQ(tree().nodes().Count(), depth + 1);
    EXPECT_EQ(base->CurrentKey(), "_PAGE");
    EXPECT_EQ(shownPages(), " [pgProxy]");
}

} // namespace
