// Access keys (Alt + a letter marked with "&" in a caption) on a running wizard: a real navigator and
// real pages, loaded from a form file as a host loads them.
#include "platform/CommandButton.h"
#include "platform/Form.h"
#include "platform/FormFile.h"
#include "platform/Runtime.h"
#include "wizard/OvWizardNavigator.h"
#include "wizard/WizardTypes.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

using ov::Args;
using ov::Form;
using ov::Mode;
using Pos = ov::ovEn_Button_Position;

constexpr int16_t kAlt = 4;
constexpr int16_t kShift = 1;

// A three-page wizard (Welcome, License, Done) saved at design time and loaded to run: the default
// button set, so page 1 has "< &Back" disabled, "&Next >" and "Cancel", and page 3 "&Finish".
std::string threePageWizard() {
    auto form = Form::create("frmSetup", Mode::Design);
    form->add("OvComCtl.OvWizardNavigator", "Nav");
    for (const char* name : {"Welcome", "License", "Done"})
        form->add("OvComCtl.OvWizardTab", name);
    std::string text = ov::FormFile::write(*form, "setup.json");
    form->unload();
    return text;
}

class AccessKeyTest : public ::testing::Test {
protected:
    ov::Runtime runtime;
    ov::FormRef form = ov::FormFile::read(threePageWizard(), "setup.json", Mode::Run);
    ov::ExtenderRef nav = form->control("Nav");
    std::vector<std::string> log;
    std::vector<ov::Connection> connections;

    void SetUp() override {
        // The host's view, by name: what the navigator raises, and which page shows when it moves on.
        for (const char* event : {"FinishClick", "CancelClick", "HelpClick", "ExitClick"})
            connections.push_back(nav->on(event, [this, event](Args&) { log.emplace_back(event); }));
        connections.push_back(nav->on(
            "OnButtonGotFocus", [this](Args& a) { log.push_back("OnButtonGotFocus " + a[0].toString()); }));
        connections.push_back(nav->on("BeforePageChange", [this](Args& a) {
            log.push_back("BeforePageChange to " + a[1].toObject()->get("Name").toString());
        }));
        connections.push_back(nav->on("AfterPageChange", [this](Args& a) {
            log.push_back("AfterPageChange to " + a[1].toObject()->get("Name").toString() +
                          ", shown: " + shownPages());
        }));
        for (auto p : {Pos::ovBPLeft, Pos::ovBPLeftMiddle, Pos::ovBPRightMiddle, Pos::ovBPRight}) {
            auto& b = button(p);
            connections.push_back(
                b.GotFocus().connect([this, &b] { log.push_back(b.Name() + " GotFocus"); }));
            connections.push_back(b.Click().connect([this, &b] { log.push_back(b.Name() + " Click"); }));
        }
        form->show();
        form->focus(*nav, &button(Pos::ovBPRight));
        log.clear();
    }

    ov::CommandButton& button(Pos p) { return form->control<ov::OvWizardNavigator>("Nav")->button(p); }
    std::string current() { return nav->get("CurrentPage").toObject()->get("Name").toString(); }
    std::string shownPages() {
        std::string shown;
        for (const char* name : {"Welcome", "License", "Done"}) {
            if (form->control(name)->get("Visible").toBool())
                shown += shown.empty() ? name : std::string(" ") + name;
        }
        return shown;
    }
};

TEST_F(AccessKeyTest, AltAndAMarkedLetterPressesOnlyAVisibleEnabledButton) {
    // Page 1: disabled Back, hidden Help, "Cancel" (no mark), N without Alt (a plain key), X (no button
    // marks it).
    for (auto [key, shift] :
         {std::pair{'B', kAlt}, {'H', kAlt}, {'C', kAlt}, {'N', int16_t{0}}, {'X', kAlt}}) {
        log.clear();
        form->pressKey(key, shift);
        EXPECT_EQ(log, std::vector<std::string>{}) << "key " << key << " shift " << shift;
        EXPECT_EQ(current(), "Welcome");
    }
    // Alt+N from page 1 with the focus on Cancel: the focus moves to the button, which is clicked, and
    // the navigator moves on, exactly as for a mouse click. (The navigator hears the button's Click
    // before the test's own handler, connected later, does.)
    ASSERT_EQ(button(Pos::ovBPRightMiddle).Caption(), "&Next >");
    EXPECT_TRUE(form->pressKey('N', kAlt));
    EXPECT_EQ(log, (std::vector<std::string>{
                       "OnButtonGotFocus 3", "cmdRightMiddle GotFocus", "BeforePageChange to License",
                       "AfterPageChange to License, shown: License", "cmdRightMiddle Click"}));
    EXPECT_EQ(current(), "License");
    log.clear();
    nav->let("LeftButtonVisible", true); // Help shows: now Alt+H reaches it
    form->pressKey('H', kAlt);
    EXPECT_EQ(log, (std::vector<std::string>{"OnButtonGotFocus 1", "cmdLeft GotFocus", "HelpClick",
                                             "cmdLeft Click"}));
}

TEST_F(AccessKeyTest, LetterCaseAndShiftDoNotMatterAndDoubleAmpersandIsNoMark) {
    form->pressKey('N', kAlt | kShift);
    EXPECT_EQ(current(), "License");

    // At run time a caption write lasts until the next page change.
    const std::tuple<const char*, int16_t, bool> cases[] = {
        {"&back", 'B', true},                           // lower case mark, upper case key
        {"&&Back", 'B', false},                         // "&&" is a plain ampersand
        {"R&&&D", 'D', true},                           // a plain "&", then a mark on D
        {"R&&&D", 'R', false},  {"Step &2", '2', true}, // digits are keys too
        {"Back&", 'B', false},                          // a trailing mark marks nothing
    };
    for (auto [caption, key, presses] : cases) {
        nav->let("LeftMiddleButtonCaption", caption);
        log.clear();
        form->pressKey(key, kAlt);
        const bool pressed =
            std::find(log.begin(), log.end(), "AfterPageChange to Welcome, shown: Welcome") != log.end();
        EXPECT_EQ(pressed, presses) << caption << " with Alt+" << char(key);
        if (pressed) {
            form->pressKey('N', kAlt); // back to License for the next case
            ASSERT_EQ(current(), "License");
        }
    }
}

TEST_F(AccessKeyTest, TheLastPageFinishesAndAnAltKeyThatPressesNothingTypesNothing) {
    form->pressKey('N', kAlt);
    form->pressKey('N', kAlt);
    ASSERT_EQ(current(), "Done");
    ASSERT_EQ(button(Pos::ovBPRightMiddle).Caption(), "&Finish");

    log.clear();
    form->pressKey('N', kAlt); // no button carries the Next rule here any more
    EXPECT_EQ(log, std::vector<std::string>{});

    std::vector<std::string> keys;
    form->setKeyPreview(true);
    auto down = form->KeyDown.connect([&](int16_t& k, int16_t& s) {
        keys.push_back("KeyDown " + std::to_string(k) + "/" + std::to_string(s));
    });
    auto press = form->KeyPress.connect([&](int16_t& k) { keys.push_back("KeyPress " + std::to_string(k)); });
    form->pressKey('N', kAlt);
    EXPECT_EQ(keys, (std::vector<std::string>{"KeyDown 78/4"}));

    keys.clear();
    form->pressKey('F', kAlt); // a key a button takes goes nowhere else
    EXPECT_EQ(keys, std::vector<std::string>{});
    EXPECT_NE(std::find(log.begin(), log.end(), "FinishClick"), log.end());
}

} // namespace
