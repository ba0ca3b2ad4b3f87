// Form: focus, keyboard and mouse delivery (the rest of Form is in Form.cpp).
#include "platform/CheckBox.h"
#include "platform/CommandButton.h"
#include "platform/EmbeddedControl.h"
#include "platform/Failure.h"
#include "platform/Form.h"
#include "platform/OptionButton.h"
#include "platform/TabOrder.h"
#include "platform/Text.h"
#include "platform/TextBox.h"
#include "platform/UserControl.h"

#include <algorithm>

namespace ov {

namespace {

constexpr int16_t kKeyReturn = 13;
constexpr int16_t kKeyEscape = 27;
constexpr int16_t kKeySpace = 32;
constexpr int16_t kKeyTab = 9;
constexpr int16_t kShiftCtrl = 2;
constexpr int16_t kShiftAlt = 4;

// The keys of a US keyboard that type a character other than a letter, with the character typed
// without and with Shift, and the numeric keypad's operator keys (the same character either way).
// One table serves both directions: what a key types, and which key types a character.
struct TypingKey {
    int16_t key;
    char plain;
    char shifted;
};
constexpr TypingKey kTypingKeys[] = {
    {'0', '0', ')'},       {'1', '1', '!'},  {'2', '2', '@'}, {'3', '3', '#'}, {'4', '4', '$'},
    {'5', '5', '%'},       {'6', '6', '^'},  {'7', '7', '&'}, {'8', '8', '*'}, {'9', '9', '('},
    {kKeySpace, ' ', ' '}, {186, ';', ':'},  {187, '=', '+'}, {188, ',', '<'}, {189, '-', '_'},
    {190, '.', '>'},       {191, '/', '?'},  {192, '`', '~'}, {219, '[', '{'}, {220, '\\', '|'},
    {221, ']', '}'},       {222, '\'', '"'}, {106, '*', '*'}, {107, '+', '+'}, {109, '-', '-'},
    {110, '.', '.'},       {111, '/', '/'},
};

int16_t typedChar(int16_t keyCode, int16_t shift) {
    if (shift & kShiftAlt)
        return 0; // Alt+key is a command (an access key or the host's menu), never typed text
    const bool shifted = shift & 1;
    if (shift & kShiftCtrl) // Ctrl with a letter types its control character (Ctrl+C is 3)
        return keyCode >= 'A' && keyCode <= 'Z' ? static_cast<int16_t>(keyCode - 'A' + 1) : 0;
    if (keyCode >= 'A' && keyCode <= 'Z')
        return shifted ? keyCode : static_cast<int16_t>(keyCode + ('a' - 'A'));
    if (keyCode == kKeyReturn || keyCode == kKeyEscape || keyCode == 8) return keyCode;
    for (const auto& k : kTypingKeys) {
        if (k.key == keyCode) return static_cast<unsigned char>(shifted ? k.shifted : k.plain);
    }
    return 0;
}

// The key (and shift state) that types `c` on a US keyboard; key code 0 for a character none types.
std::pair<int16_t, int16_t> keyFor(char c) {
    if (c >= 'a' && c <= 'z') return {static_cast<int16_t>(c - 'a' + 'A'), 0};
    if (c >= 'A' && c <= 'Z') return {static_cast<int16_t>(c), 1};
    if (c == '\r' || c == '\n') return {kKeyReturn, 0};
    for (const auto& k : kTypingKeys) { // the main keyboard's keys come first in the table
        if (k.plain == c) return {k.key, 0};
        if (k.shifted == c) return {k.key, 1};
    }
    return {0, 0};
}

bool isInside(const Extender* e, const Extender* container) {
    for (auto* p = e; p; p = p->containerControl()) {
        if (p == container) return true;
    }
    return false;
}

// Whether `caption` marks `key` (an ASCII letter or digit, either case) as an access key: "&" makes the
// next character one, "&&" stands for a plain "&". Every mark counts, as every marked character is
// underlined when the caption is drawn.
bool marksAccessKey(std::string_view caption, char key) {
    for (size_t i = 0; i + 1 < caption.size(); ++i) {
        if (caption[i] != '&') continue;
        if (caption[i + 1] != '&' && foldCase(caption[i + 1]) == foldCase(key)) return true;
        ++i; // the marked character (or the second "&") is never a mark itself
    }
    return false;
}

std::shared_ptr<ConstituentControl> refTo(ConstituentControl* c) {
    return c ? std::static_pointer_cast<ConstituentControl>(c->shared_from_this()) : nullptr;
}

} // namespace

bool Form::canReceive(const Extender& ext) const {
    if (!m_loaded || !m_visible || !userMode() || ext.m_form != this || !ext.effectivelyVisible())
        return false;
    for (const Extender* e = &ext; e; e = e->m_container) {
        if (!e->control().Enabled()) return false;
    }
    return true;
}

bool Form::canReceive(const ConstituentControl& child) const {
    UserControl* owner = child.owner();
    // Inside a control held by another control: reachable where its holder is.
    if (owner && owner->m_embedding)
        return owner->Enabled() && canReceive(*owner->m_embedding) && child.effectivelyVisible() &&
               child.effectivelyEnabled();
    if (!owner || !owner->m_site || owner->m_site->m_form != this) return false;
    return canReceive(*owner->m_site) && child.effectivelyVisible() && child.effectivelyEnabled();
}

bool Form::canFocus(const Extender& ext, const ConstituentControl* child) const {
    if (!canReceive(ext)) return false;
    if (child) return child->owner() == &ext.control() && child->canTakeFocus() && canReceive(*child);
    // The surface takes the focus only when no constituent control of it can.
    return ext.control().CanGetFocus() && !firstFocusableChild(ext);
}

ConstituentControl* Form::firstFocusableChild(const Extender& ext) const {
    ConstituentControl* best = nullptr;
    for (const auto& c : ext.control().children()) {
        if (!c->canTakeFocus() || !c->TabStop() || !canReceive(*c)) continue;
        if (!best || c->TabIndex() < best->TabIndex()) best = c.get();
    }
    return best;
}

bool Form::focusFirst() {
    auto controls = m_controls;
    for (const auto& ext : controls) {
        if (!ext->m_tabStop) continue;
        ConstituentControl* child = firstFocusableChild(*ext);
        if (canFocus(*ext, child)) {
            focus(*ext, child);
            return true;
        }
    }
    return false;
}

void Form::focus(Extender& ext, ConstituentControl* child) {
    affirmUsable("focus");
    if (!canFocus(ext, child)) {
        std::string target = child ? child->Name() + " of " + ext.Name() : ext.Name();
        throw Failure(err::InvalidProcedureCall,
                      failureText(err::InvalidProcedureCall) + " (" + target + " cannot take the focus now)");
    }
    auto newExt = std::static_pointer_cast<Extender>(ext.shared_from_this());
    auto newChild = refTo(child);
    if (newExt == m_focusControl && newChild == m_focusChild) return;
    // A text box that is left validates first; its handler may keep the focus or move it elsewhere.
    if (auto box = std::dynamic_pointer_cast<TextBox>(m_focusChild)) {
        const uint64_t before = m_focusGeneration;
        bool cancel = false;
        box->Validate(cancel);
        if (cancel || m_focusGeneration != before || !canFocus(ext, child)) return;
    }
    m_focusControl = newExt;
    m_focusChild = newChild;
    const uint64_t generation = ++m_focusGeneration;
    // A handler that moves the focus again runs the rest of the sequence for the newer move; every
    // announcement is made once, from what was last announced, so nothing loses a focus it never got.
    auto current = [&] { return m_focusGeneration == generation; };
    const bool controlChanges = m_heard.control != newExt;

    if (m_heard.child && (controlChanges || m_heard.child != newChild)) {
        auto old = std::exchange(m_heard.child, nullptr);
        old->raise(&ConstituentControl::Events::LostFocus);
        if (!current()) return;
    } else if (m_heard.surface && (controlChanges || newChild)) {
        m_heard.surface = false;
        m_heard.control->control().surface().LostFocus();
        if (!current()) return;
    }
    if (m_heard.control && controlChanges) {
        auto old = std::exchange(m_heard.control, nullptr);
        old->control().surface().ExitFocus();
        if (!current()) return;
        if (std::exchange(m_heard.extender, false)) {
            old->LostFocus();
            if (!current()) return;
        }
    }
    if (!m_heard.control) {
        m_heard.control = newExt;
        newExt->control().surface().EnterFocus();
        if (!current()) return;
    }
    if (!m_heard.extender) {
        m_heard.extender = true;
        newExt->GotFocus();
        if (!current()) return;
    }
    if (newChild) {
        m_heard.child = newChild;
        newChild->raise(&ConstituentControl::Events::GotFocus);
    } else {
        m_heard.surface = true;
        newExt->control().surface().GotFocus();
    }
}

void Form::clearFocus() {
    m_focusControl.reset();
    m_focusChild.reset();
    m_heard = {};
    ++m_focusGeneration;
}

void Form::controlLostReach(Extender& ext) {
    if (m_focusControl && isInside(m_focusControl.get(), &ext)) clearFocus();
}

CommandButton* Form::buttonFor(bool cancel) const {
    Extender* formControl = nullptr;
    for (const auto& e : m_controls) {
        if (cancel ? e->m_cancel : e->m_default) formControl = e.get();
    }
    for (Extender* candidate : {m_focusControl.get(), formControl}) {
        if (!candidate || !canReceive(*candidate)) continue;
        for (const auto& c : candidate->control().children()) {
            auto* b = dynamic_cast<CommandButton*>(c.get());
            if (b && (cancel ? b->Cancel() : b->Default()) && canReceive(*b)) return b;
        }
    }
    return nullptr;
}

bool Form::isAccessKey(int16_t keyCode) {
    return (keyCode >= 'A' && keyCode <= 'Z') || (keyCode >= '0' && keyCode <= '9');
}

CommandButton* Form::accessKeyButton(char key) const {
    // The control with the focus is asked first, so that a form with two wizards' worth of buttons
    // answers from the one the user is in; then every control in creation order.
    std::vector<const Extender*> order;
    if (m_focusControl) order.push_back(m_focusControl.get());
    for (const auto& e : m_controls) {
        if (e != m_focusControl) order.push_back(e.get());
    }
    for (const Extender* ext : order) {
        CommandButton* best = nullptr;
        for (const auto& c : ext->control().children()) {
            auto* b = dynamic_cast<CommandButton*>(c.get());
            if (b && marksAccessKey(b->Caption(), key) && canReceive(*b) &&
                (!best || b->TabIndex() < best->TabIndex()))
                best = b;
        }
        if (best) return best;
    }
    return nullptr;
}

void Form::pressAccessKey(CommandButton& button) {
    // What a click does, without the mouse: the focus moves to the button, then it is clicked.
    auto keepAlive = refTo(&button);
    Extender& site = *button.owner()->m_site;
    if (canFocus(site, &button)) focus(site, &button);
    // A focus handler may have disabled or hidden the button: then the key goes no further.
    if (canReceive(button)) clickButton(button);
}

void Form::clickButton(CommandButton& button) {
    auto keepAlive = refTo(&button);
    button.raise(&ConstituentControl::Events::Click);
}

bool Form::pressKey(int16_t keyCode, int16_t shift) {
    affirmUsable("pressKey");
    if (!m_loaded || !m_visible || !userMode()) return false;
    auto keepForm = weak_from_this().lock();
    if ((shift & kShiftAlt) && isAccessKey(keyCode)) {
        if (CommandButton* button = accessKeyButton(static_cast<char>(keyCode))) {
            pressAccessKey(*button);
            return true;
        }
    }
    // Tab and Shift+Tab belong to the form: they move the focus along its tab order, and no control
    // hears them (Ctrl+Tab and Alt+Tab are left to the controls and the desktop).
    if (keyCode == kKeyTab && (shift & ~1) == 0) {
        moveFocus(*this, shift & 1);
        return true;
    }
    if (keyCode == kKeyReturn || keyCode == kKeyEscape) {
        CommandButton* button = nullptr;
        if (keyCode == kKeyReturn) {
            auto* focused = dynamic_cast<CommandButton*>(m_focusChild.get());
            if (focused && canReceive(*focused)) button = focused;
        }
        if (!button) button = buttonFor(keyCode == kKeyEscape);
        if (button) {
            clickButton(*button);
            return true;
        }
    }

    // Who hears the key: taken once, so that a handler moving the focus does not redirect this key.
    auto ext = m_focusControl;
    auto child = m_focusChild;
    const bool toForm = m_keyPreview || !ext;
    UserControl* surface = ext && (ext->control().KeyPreview() || !child) ? &ext->control() : nullptr;

    int16_t code = keyCode, sh = shift;
    if (toForm) KeyDown(code, sh);
    if (code && surface) surface->raiseSurface(UserControl::SurfaceInput::KeyDown, code, sh);
    if (code && child) {
        child->raise(&ConstituentControl::Events::KeyDown, code, sh);
        // What the text box does with the key itself comes after its handlers, which may cancel it.
        if (auto* box = dynamic_cast<TextBox*>(child.get()); box && code && canReceive(*box))
            box->keyDownDefault(code, sh);
    }

    if (int16_t ascii = typedChar(keyCode, shift)) {
        if (toForm) KeyPress(ascii);
        if (ascii && surface) surface->raiseSurface(UserControl::SurfaceInput::KeyPress, ascii);
        if (ascii && child) {
            child->raise(&ConstituentControl::Events::KeyPress, ascii);
            if (auto* box = dynamic_cast<TextBox*>(child.get()); box && ascii && canReceive(*box))
                box->keyPressDefault(ascii);
        }
    }

    code = keyCode;
    sh = shift;
    if (toForm) KeyUp(code, sh);
    if (code && surface) surface->raiseSurface(UserControl::SurfaceInput::KeyUp, code, sh);
    if (code && child) child->raise(&ConstituentControl::Events::KeyUp, code, sh);

    if (keyCode == kKeySpace && child && child == m_focusChild && canReceive(*child)) {
        if (auto* b = dynamic_cast<CommandButton*>(child.get()))
            clickButton(*b);
        else if (dynamic_cast<CheckBox*>(child.get()) || dynamic_cast<OptionButton*>(child.get()))
            child->userClick(); // the space bar ticks a check box and chooses an option button
    }
    return true;
}

bool Form::typeText(std::string_view text) {
    affirmUsable("typeText");
    bool delivered = true;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') continue; // one Enter for CR LF
        auto [key, shift] = keyFor(text[i]);
        if (key == 0) {
            throw Failure(err::InvalidProcedureCall, failureText(err::InvalidProcedureCall) +
                                                         " (no key types \"" + std::string(1, text[i]) +
                                                         "\")");
        }
        delivered = pressKey(key, shift) && delivered;
    }
    return delivered;
}

bool Form::deliverMouse(ConstituentControl& target, Input kind, int16_t button, int16_t shift, float x,
                        float y) {
    affirmUsable("mouse input");
    if (!canReceive(target) || !target.receivesMouse()) return false;
    auto keepAlive = refTo(&target);
    switch (kind) {
    case Input::Down:
        target.raise(&ConstituentControl::Events::MouseDown, button, shift, x, y);
        break;
    case Input::Move:
        target.raise(&ConstituentControl::Events::MouseMove, button, shift, x, y);
        break;
    case Input::Up:
        target.raise(&ConstituentControl::Events::MouseUp, button, shift, x, y);
        break;
    }
    return true;
}

bool Form::deliverMouse(Extender& target, Input kind, int16_t button, int16_t shift, float x, float y) {
    affirmUsable("mouse input");
    if (!canReceive(target)) return false;
    auto keepAlive = target.shared_from_this();
    using S = UserControl::SurfaceInput;
    const S surfaceKind =
        kind == Input::Down ? S::MouseDown : (kind == Input::Move ? S::MouseMove : S::MouseUp);
    target.control().raiseSurface(surfaceKind, button, shift, x, y);
    return true;
}

bool Form::mouseDown(ConstituentControl& t, int16_t button, int16_t shift, float x, float y) {
    return deliverMouse(t, Input::Down, button, shift, x, y);
}
bool Form::mouseMove(ConstituentControl& t, int16_t button, int16_t shift, float x, float y) {
    return deliverMouse(t, Input::Move, button, shift, x, y);
}
bool Form::mouseUp(ConstituentControl& t, int16_t button, int16_t shift, float x, float y) {
    return deliverMouse(t, Input::Up, button, shift, x, y);
}
bool Form::mouseDown(Extender& t, int16_t button, int16_t shift, float x, float y) {
    return deliverMouse(t, Input::Down, button, shift, x, y);
}
bool Form::mouseMove(Extender& t, int16_t button, int16_t shift, float x, float y) {
    return deliverMouse(t, Input::Move, button, shift, x, y);
}
bool Form::mouseUp(Extender& t, int16_t button, int16_t shift, float x, float y) {
    return deliverMouse(t, Input::Up, button, shift, x, y);
}

bool Form::click(ConstituentControl& target, float x, float y) {
    affirmUsable("click");
    if (!canReceive(target) || !target.receivesMouse()) return false;
    auto keepAlive = refTo(&target);
    // A control held inside another control has no place in the form's focus order.
    if (target.canTakeFocus() && !target.owner()->m_embedding) focus(*target.owner()->m_site, &target);
    // The focus handlers may have disabled or hidden the target: then the click goes no further.
    if (!deliverMouse(target, Input::Down, 1, 0, x, y) || !deliverMouse(target, Input::Up, 1, 0, x, y))
        return true;
    target.userClick();
    return true;
}

bool Form::click(Extender& target, float x, float y) {
    affirmUsable("click");
    if (!canReceive(target)) return false;
    auto keepAlive = target.shared_from_this();
    if (canFocus(target, nullptr)) focus(target, nullptr);
    if (!deliverMouse(target, Input::Down, 1, 0, x, y) || !deliverMouse(target, Input::Up, 1, 0, x, y))
        return true;
    target.control().raiseSurface(UserControl::SurfaceInput::Click);
    return true;
}

bool Form::doubleClick(ConstituentControl& target, float x, float y) {
    affirmUsable("doubleClick");
    auto keepAlive = refTo(&target);
    if (!click(target, x, y)) return false;
    if (!canReceive(target)) return true;
    target.raise(&ConstituentControl::Events::DblClick);
    deliverMouse(target, Input::Up, 1, 0, x, y);
    return true;
}

bool Form::doubleClick(Extender& target, float x, float y) {
    affirmUsable("doubleClick");
    auto keepAlive = target.shared_from_this();
    if (!click(target, x, y)) return false;
    if (!canReceive(target)) return true;
    target.control().raiseSurface(UserControl::SurfaceInput::DblClick);
    deliverMouse(target, Input::Up, 1, 0, x, y);
    return true;
}

} // namespace ov
