// The platform's text box on a real form: typing at the caret, MaxLength, Locked, selection keys,
// clipboard, the key events and validation as the focus leaves.
#include "platform/TextBox.h"

#include "platform/Clipboard.h"
#include "platform/FormFixture.h"

#include <gtest/gtest.h>
#include <tuple>

namespace ovtest {
namespace {

using ov::TextBox;

constexpr int16_t kLeft = 37, kRight = 39, kHome = 36, kEnd = 35, kUp = 38, kDelete = 46, kBack = 8;
constexpr int16_t kShift = 1, kCtrl = 2;

class TextBoxTest : public FormFixture {
protected:
    ov::FormRef form = ov::Form::create("frmMain", ov::Mode::Run);
    ov::ExtenderRef host, other;
    TextBox* box = nullptr;

    void SetUp() override {
        FormFixture::SetUp();
        host = form->add(Probe::kProgId, "A");
        other = form->add(Probe::kProgId, "B");
        box = &probe(host)->addChild<TextBox>("txtName");
        box->setTabIndex(0);
        form->show();
        box->SetFocus();
        ov::Clipboard::Clear();
    }
    void set(const std::string& text, int32_t start, int32_t length) {
        box->setText(text);
        box->setSelStart(start);
        box->setSelLength(length);
    }
};

TEST_F(TextBoxTest, KeysEditAndMoveAtTheCaret) {
    struct Case {
        const char* text;
        int32_t start, length;
        int16_t key, shift;
        const char* typed; // typed instead of a key when set
        const char* expected;
        int32_t selStart, selLength;
    };
    const Case cases[] = {
        {"abc", 1, 0, 0, 0, "X", "aXbc", 2, 0},                                    // typed at the caret
        {"abcd", 1, 2, 0, 0, "X", "aXd", 2, 0},                                    // replaces the selection
        {"", 0, 0, 0, 0, "&Next > [1!] \"a\"; ~", "&Next > [1!] \"a\"; ~", 19, 0}, // every US key
        {"abc", 1, 0, kBack, 0, nullptr, "bc", 0, 0},  // Backspace takes the character before
        {"abc", 0, 0, kBack, 0, nullptr, "abc", 0, 0}, // ... none at the start
        {"abc", 1, 0, kDelete, 0, nullptr, "ac", 1, 0},
        {"abc", 3, 0, kDelete, 0, nullptr, "abc", 3, 0},
        {"abc", 1, 0, kRight, kShift, nullptr, "abc", 1, 1},
        {"abc", 1, 0, kEnd, kShift, nullptr, "abc", 1, 2},
        {"abc", 2, 0, kHome, kShift, nullptr, "abc", 0, 2},
        {"abc", 0, 2, kLeft, 0, nullptr, "abc", 0, 0}, // collapses a selection to its start
        {"abc", 0, 2, kRight, 0, nullptr, "abc", 2, 0},
        {"abc", 1, 0, kUp, 0, nullptr, "abc", 1, 0}, // single line: Up does nothing
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.text) + " key " + std::to_string(c.key) + (c.typed ? c.typed : ""));
        set(c.text, c.start, c.length);
        c.typed ? form->typeText(c.typed) : form->pressKey(c.key, c.shift);
        EXPECT_EQ(std::tuple(box->Text(), box->SelStart(), box->SelLength()),
                  std::tuple(c.expected, c.selStart, c.selLength));
    }
}

TEST_F(TextBoxTest, MaxLengthHoldsForTypingAndPastingButNotForCode) {
    box->setMaxLength(3);
    set("", 0, 0);
    form->typeText("-500");
    EXPECT_EQ(box->Text(), "-50");
    ov::Clipboard::SetText("12345");
    set("ab", 1, 0);
    form->pressKey('V', kCtrl);
    EXPECT_EQ(std::tuple(box->Text(), box->SelStart()), std::tuple("a1b", 2));
    box->setText("longer than three");
    EXPECT_EQ(box->Text(), "longer than three");
}

TEST_F(TextBoxTest, LockedRefusesEditsButSelectsAndCopies) {
    box->setLocked(true);
    set("locked", 0, 0);
    int changes = 0;
    auto c = box->Change.connect([&] { ++changes; });
    form->typeText("x");
    form->pressKey(kDelete);
    form->pressKey('X', kCtrl);
    form->pressKey(kEnd, kShift);
    form->pressKey('C', kCtrl);
    EXPECT_EQ(std::tuple(box->Text(), box->SelLength(), ov::Clipboard::GetText(), changes),
              std::tuple("locked", 6, "locked", 0));
}

TEST_F(TextBoxTest, KeyEventsComeFirstAndCanCancelTheEdit) {
    std::vector<std::string> log;
    auto d = box->KeyDown().connect([&](int16_t& k, int16_t& s) {
        log.push_back("down " + std::to_string(k) + "/" + std::to_string(s));
    });
    auto p = box->KeyPress().connect([&](int16_t& a) {
        log.push_back("press " + std::to_string(a) + " text " + box->Text());
        if (a == 'q') a = 0; // the host refuses the character
    });
    auto u = box->KeyUp().connect(
        [&](int16_t& k, int16_t&) { log.push_back("up " + std::to_string(k) + " text " + box->Text()); });
    set("", 0, 0);
    form->typeText("Aq");
    EXPECT_EQ(box->Text(), "A");
    EXPECT_EQ(log, (std::vector<std::string>{"down 65/1", "press 65 text ", "up 65 text A", "down 81/0",
                                             "press 113 text A", "up 81 text A"}));
}

TEST_F(TextBoxTest, MultiLineMovesByLinesAndEnterBreaks) {
    box->setMultiLine(true);
    probe(host)->ok().setDefault(false); // else Enter clicks the default button, as in any form
    set("ab\r\ncdef", 6, 0);             // after "cd"
    form->pressKey(kUp);
    EXPECT_EQ(box->SelStart(), 2); // end of the shorter line above
    form->pressKey(kRight);
    EXPECT_EQ(box->SelStart(), 4); // over CR LF at once
    form->pressKey(13);
    EXPECT_EQ(box->Text(), "ab\r\n\r\ncdef");
    form->pressKey(kBack);
    EXPECT_EQ(box->Text(), "ab\r\ncdef");
}

TEST_F(TextBoxTest, ValidateRunsBeforeTheFocusLeavesAndCancelKeepsIt) {
    std::vector<std::string> log;
    bool refuse = true;
    auto v = box->Validate.connect([&](bool& cancel) {
        log.push_back("Validate");
        cancel = refuse;
    });
    auto l = box->LostFocus().connect([&] { log.push_back("LostFocus"); });
    auto& target = probe(other)->ok();
    auto g = target.GotFocus().connect([&] { log.push_back("B GotFocus"); });
    form->focus(*other, &target);
    EXPECT_TRUE(box->hasFocus());
    refuse = false;
    form->focus(*other, &target);
    EXPECT_EQ(log, (std::vector<std::string>{"Validate", "Validate", "LostFocus", "B GotFocus"}));
}

} // namespace
} // namespace ovtest
