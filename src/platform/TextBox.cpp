#include "platform/TextBox.h"

#include "platform/Clipboard.h"
#include "platform/Failure.h"

#include <algorithm>

namespace ov {

namespace {

constexpr int16_t kKeyEnd = 35, kKeyHome = 36, kKeyLeft = 37, kKeyUp = 38, kKeyRight = 39, kKeyDown = 40;
constexpr int16_t kKeyDelete = 46;
constexpr int16_t kShiftBit = 1, kCtrlBit = 2;

bool isContinuation(char c) {
    return (static_cast<unsigned char>(c) & 0xC0) == 0x80;
}

int32_t countChars(std::string_view s) {
    return static_cast<int32_t>(std::count_if(s.begin(), s.end(), [](char c) { return !isContinuation(c); }));
}

// The byte offset of character `index` (the end for an index past it).
size_t byteOf(std::string_view s, int32_t index) {
    size_t i = 0;
    for (int32_t n = 0; n < index && i < s.size(); ++n) {
        ++i;
        while (i < s.size() && isContinuation(s[i]))
            ++i;
    }
    return i;
}

[[noreturn]] void invalid(const TextBox& box, const std::string& what) {
    throw Failure(err::InvalidPropertyValue,
                  failureText(err::InvalidPropertyValue) + " (" + box.Name() + ": " + what + ")");
}

} // namespace

const ClassInfo& TextBox::staticClass() {
    return buildClassInfo<TextBox>([](ClassInfo& i) { i.published = false; });
}

void TextBox::describe(ClassBuilder<TextBox>& b) {
    describeCommon(b, Geometry | Enabling | Focus | ConstituentControl::Text | Back | Mouse | ToolTip);
    b.property("Text", 0, &TextBox::Text, &TextBox::setText);
    b.property("Locked", 0x200, &TextBox::Locked, &TextBox::setLocked);
    b.property("MaxLength", 0x201, &TextBox::MaxLength, &TextBox::setMaxLength);
    b.property("Alignment", 0x202, &TextBox::Alignment, &TextBox::setAlignment);
    b.property("MultiLine", 0x203, &TextBox::MultiLine, &TextBox::setMultiLine);
    b.property("SelStart", 0x204, &TextBox::SelStart, &TextBox::setSelStart);
    b.property("SelLength", 0x205, &TextBox::SelLength, &TextBox::setSelLength);
    b.property("SelText", 0x206, &TextBox::SelText, &TextBox::setSelText);
    b.event("Change", 0x210, &TextBox::Change, {});
    b.event("Validate", 0x211, &TextBox::Validate, {"Cancel"});
}

TextBox::TextBox() {
    storeBounds(0, 0, 1215, 285);
    setBackColor(sysColor::WindowBackground);
    setForeColor(sysColor::WindowText);
}

void TextBox::setText(const std::string& v) {
    const bool changed = v != m_text;
    m_text = v;
    m_length = countChars(m_text);
    m_selStart = m_selLength = 0;
    m_caretAtEnd = false;
    if (changed) Change();
}

void TextBox::setMaxLength(int32_t v) {
    if (v < 0) invalid(*this, "MaxLength cannot be negative");
    m_maxLength = v;
}

void TextBox::setAlignment(int16_t v) {
    if (v < 0 || v > 2) invalid(*this, "Alignment must be 0 to 2");
    m_alignment = v;
}

void TextBox::setSelStart(int32_t v) {
    if (v < 0) invalid(*this, "SelStart cannot be negative");
    m_selStart = std::min(v, m_length);
    m_selLength = 0;
    m_caretAtEnd = false;
}

void TextBox::setSelLength(int32_t v) {
    if (v < 0) invalid(*this, "SelLength cannot be negative");
    m_selLength = std::min(v, m_length - m_selStart);
    m_caretAtEnd = true;
}

std::string TextBox::SelText() const {
    const size_t from = byteOf(m_text, m_selStart);
    return m_text.substr(from, byteOf(m_text, m_selStart + m_selLength) - from);
}

void TextBox::setSelText(const std::string& v) {
    replaceSelection(v, false);
}

void TextBox::replaceSelection(const std::string& text, bool typed) {
    std::string insert = text;
    if (typed && m_maxLength > 0) {
        const int32_t room = std::max(0, m_maxLength - (m_length - m_selLength));
        insert.resize(byteOf(insert, room));
    }
    if (insert.empty() && m_selLength == 0) return;
    const size_t from = byteOf(m_text, m_selStart);
    m_text.replace(from, byteOf(m_text, m_selStart + m_selLength) - from, insert);
    m_length = countChars(m_text);
    m_selStart += countChars(insert);
    m_selLength = 0;
    m_caretAtEnd = false;
    Change();
}

void TextBox::select(int32_t anchor, int32_t caret) {
    anchor = std::clamp(anchor, 0, m_length);
    caret = std::clamp(caret, 0, m_length);
    m_selStart = std::min(anchor, caret);
    m_selLength = std::abs(caret - anchor);
    m_caretAtEnd = caret > anchor;
}

int32_t TextBox::lineStart(int32_t pos) const {
    const size_t at = byteOf(m_text, pos);
    const size_t nl = at == 0 ? std::string::npos : m_text.rfind('\n', at - 1);
    return nl == std::string::npos ? 0 : countChars(std::string_view(m_text).substr(0, nl + 1));
}

int32_t TextBox::lineEnd(int32_t pos) const {
    size_t nl = m_text.find('\n', byteOf(m_text, pos));
    if (nl == std::string::npos) return m_length;
    if (nl > 0 && m_text[nl - 1] == '\r') --nl;
    return countChars(std::string_view(m_text).substr(0, nl));
}

void TextBox::keyDownDefault(int16_t keyCode, int16_t shift) {
    const int32_t at = caret();
    // Without shift a movement collapses the selection; with it the anchor (the other end) stays.
    const int32_t anchor = m_caretAtEnd ? m_selStart : m_selStart + m_selLength;
    auto moveTo = [&](int32_t target) {
        (shift & kShiftBit) ? select(anchor, target) : select(target, target);
    };
    // A line break is CR LF: the caret steps over both characters at once.
    auto crlfAt = [&](int32_t pos) {
        const size_t b = byteOf(m_text, pos);
        return m_text.compare(b, 2, "\r\n") == 0;
    };
    if (shift & kCtrlBit) {
        if (keyCode == 'C' || keyCode == 'X') {
            if (m_selLength > 0) Clipboard::SetText(SelText());
            if (keyCode == 'X' && !m_locked) replaceSelection({}, false);
        } else if (keyCode == 'V' && !m_locked) {
            replaceSelection(Clipboard::GetText(), true);
        }
        return;
    }
    switch (keyCode) {
    case kKeyLeft:
        if (!(shift & kShiftBit) && m_selLength > 0) return select(m_selStart, m_selStart);
        return moveTo(at >= 2 && crlfAt(at - 2) ? at - 2 : at - 1);
    case kKeyRight:
        if (!(shift & kShiftBit) && m_selLength > 0)
            return select(m_selStart + m_selLength, m_selStart + m_selLength);
        return moveTo(crlfAt(at) ? at + 2 : at + 1);
    case kKeyHome:
        return moveTo(m_multiLine ? lineStart(at) : 0);
    case kKeyEnd:
        return moveTo(m_multiLine ? lineEnd(at) : m_length);
    case kKeyUp:
    case kKeyDown: {
        if (!m_multiLine) return;
        const int32_t start = lineStart(at), column = at - start;
        if (keyCode == kKeyUp) {
            if (start == 0) return;
            const int32_t prev = lineStart(start - 1);
            return moveTo(std::min(prev + column, lineEnd(prev)));
        }
        const int32_t end = lineEnd(at);
        if (end == m_length) return;
        const int32_t next = end + 2;
        return moveTo(std::min(next + column, lineEnd(next)));
    }
    case kKeyDelete:
        if (m_locked) return;
        if (m_selLength == 0) select(at, crlfAt(at) ? at + 2 : at + 1);
        return replaceSelection({}, false);
    default:
        return;
    }
}

void TextBox::keyPressDefault(int16_t keyAscii) {
    if (m_locked) return;
    if (keyAscii == 8) {
        const int32_t at = caret();
        if (m_selLength == 0) {
            const bool crlf = at >= 2 && m_text.compare(byteOf(m_text, at - 2), 2, "\r\n") == 0;
            select(at, crlf ? at - 2 : at - 1);
        }
        replaceSelection({}, false);
    } else if (keyAscii == 13) {
        if (m_multiLine) replaceSelection("\r\n", true);
    } else if (keyAscii >= 32 && keyAscii < 127) {
        replaceSelection(std::string(1, static_cast<char>(keyAscii)), true);
    }
}

} // namespace ov
