#pragma once

#include "platform/ConstituentControl.h"

#include <cstdint>
#include <string>

namespace ov {

// An edit box. Text is UTF-8; SelStart and SelLength count characters (code points). The caret is
// at SelStart + SelLength when a selection was made towards the end (shift with Right or End), at
// SelStart otherwise; rendering reads caret().
//
// Setting Text from code takes any length (MaxLength limits typing only), puts the caret at 0 with
// nothing selected and raises Change when the text differs. SelStart beyond the text is the text's
// length and drops the selection; SelLength is cut to what is left after SelStart; negative values of
// either, MaxLength or an Alignment other than 0..2 are failure 380.
//
// Typing (the form delivers keys only while the box has the focus; see Form::pressKey): after the
// box's KeyDown handlers have run, unless one set KeyCode to 0, Left/Right/Home/End move the caret
// (with shift bit 1 they extend the selection), Up/Down move by a line in a multi-line box, Delete
// removes the selection or the next character, Ctrl+C copies the selection to the clipboard, Ctrl+X
// cuts, Ctrl+V pastes. After its KeyPress handlers, unless one set KeyAscii to 0, a printable
// character replaces the selection at the caret, Backspace removes the selection or the character
// before the caret, Enter in a multi-line box inserts CR LF. MaxLength (0: no limit) holds: of a
// paste or character only what fits goes in. A Locked box refuses every edit but moves the caret,
// selects and copies. Each edit raises Change.
//
// Validation: when the focus is about to leave the box for any other target (another control of the
// form or another constituent control), the box raises Validate(Cancel) before any focus event; a
// handler that sets Cancel keeps the focus in the box. Dropping the focus without a new target (the
// box hidden, the form unloaded) validates nothing.
class TextBox : public ConstituentControl {
    OV_OBJECT(TextBox)
public:
    TextBox();

    std::string Text() const { return m_text; }
    void setText(const std::string& v);
    bool Locked() const { return m_locked; }
    void setLocked(bool v) { m_locked = v; }
    int32_t MaxLength() const { return m_maxLength; }
    void setMaxLength(int32_t v);
    // 0 left, 1 right, 2 centre.
    int16_t Alignment() const { return m_alignment; }
    void setAlignment(int16_t v);
    bool MultiLine() const { return m_multiLine; }
    void setMultiLine(bool v) { m_multiLine = v; }
    int32_t SelStart() const { return m_selStart; }
    void setSelStart(int32_t v);
    int32_t SelLength() const { return m_selLength; }
    void setSelLength(int32_t v);
    // The selected text; writing it replaces the selection (even in a locked box: code may edit).
    std::string SelText() const;
    void setSelText(const std::string& v);

    // Characters in the text.
    int32_t length() const { return m_length; }
    // Where the caret stands, in characters.
    int32_t caret() const { return m_caretAtEnd ? m_selStart + m_selLength : m_selStart; }

    bool canTakeFocus() const override { return true; }

    // What the form does with a key the box's handlers left alone (see above).
    void keyDownDefault(int16_t keyCode, int16_t shift);
    void keyPressDefault(int16_t keyAscii);

    Event<> Change;
    Event<bool&> Validate;

    static void describe(ClassBuilder<TextBox>& b);

private:
    // Replaces the selection by `text` (cut to MaxLength when `typed`), caret after it, and raises Change.
    void replaceSelection(const std::string& text, bool typed);
    void select(int32_t anchor, int32_t caret);
    int32_t lineStart(int32_t pos) const;
    int32_t lineEnd(int32_t pos) const;

    std::string m_text;
    int32_t m_length = 0;
    bool m_locked = false;
    int32_t m_maxLength = 0;
    int16_t m_alignment = 0;
    bool m_multiLine = false;
    int32_t m_selStart = 0;
    int32_t m_selLength = 0;
    bool m_caretAtEnd = false;
};

} // namespace ov
