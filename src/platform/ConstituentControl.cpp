#include "platform/ConstituentControl.h"

#include "platform/Extender.h"
#include "platform/Failure.h"
#include "platform/Font.h"
#include "platform/Form.h"
#include "platform/UserControl.h"

namespace ov {

namespace {

[[noreturn]] void invalidValue(const ConstituentControl& c, const std::string& what) {
    throw Failure(err::InvalidPropertyValue,
                  failureText(err::InvalidPropertyValue) + " (" + c.Name() + ": " + what + ")");
}

} // namespace

ConstituentControl::ConstituentControl() : m_font(ov::Font::standard()) {}

// A page's constituents are mostly never listened to: ten events each, one word apiece, were a fifth of
// what a wizard page held. They are made together, so a control pays one pointer until someone asks.
void ConstituentControl::makeEvents() {
    // The check an event makes, before anything is made: a control used on another thread is left
    // untouched.
    affirmEventThread("connecting to");
    m_events = std::make_unique<Events>(ownerThread());
}

void ConstituentControl::affirmEventThread(const char* use) const {
    if (ownerThread() != std::this_thread::get_id()) [[unlikely]]
        detail::throwEventWrongThread(ownerThread(), use);
}

ConstituentControl::~ConstituentControl() {
    if (m_ownsName) delete[] m_name;
}

void ConstituentControl::setContainer(ConstituentControl* c) {
    if (c) {
        if (!c->holdsControls()) invalidValue(*this, c->Name() + " cannot hold controls");
        if (c->m_owner != m_owner) invalidValue(*this, c->Name() + " belongs to another control");
        for (auto* p = c; p; p = p->m_container) {
            if (p == this) invalidValue(*this, "a control cannot be put inside itself");
        }
    }
    m_container = c;
}

ObjectRef ConstituentControl::Container() const {
    if (m_container) return m_container->shared_from_this();
    if (m_owner) return m_owner->weak_from_this().lock();
    return {};
}

void ConstituentControl::setContainerObject(const ObjectRef& c) {
    if (!c || c.get() == m_owner) {
        setContainer(nullptr);
        return;
    }
    auto* target = dynamic_cast<ConstituentControl*>(c.get());
    if (!target) invalidValue(*this, "a container must be a frame, a picture box or the owning control");
    setContainer(target);
}

void ConstituentControl::Move(float left, std::optional<float> top, std::optional<float> width,
                              std::optional<float> height) {
    settleSize();
    float t = top.value_or(m_top);
    float w = width.value_or(m_width);
    float h = height.value_or(m_height);
    if (w < 0 || h < 0) invalidValue(*this, "a size cannot be negative");
    if (left == m_left && t == m_top && w == m_width && h == m_height) return;
    float oldLeft = m_left, oldTop = m_top, oldWidth = m_width, oldHeight = m_height;
    storeBounds(left, t, w, h);
    boundsChanged(oldLeft, oldTop, oldWidth, oldHeight);
}

void ConstituentControl::storeBounds(float left, float top, float width, float height) {
    m_left = left;
    m_top = top;
    m_width = width;
    m_height = height;
}

void ConstituentControl::boundsChanged(float, float, float, float) {}

void ConstituentControl::fitDeferred() {
    m_sizeDeferred = false; // first: the fit reads the size it replaces
    fitDeferredSize();
}

void ConstituentControl::setVisible(bool v) {
    if (m_visible == v) return;
    m_visible = v;
    if (!v && m_owner) m_owner->childLostReach(*this);
}

void ConstituentControl::setEnabled(bool v) {
    if (m_enabled == v) return;
    m_enabled = v;
    if (!v && m_owner) m_owner->childLostReach(*this);
}

void ConstituentControl::setTabIndex(int16_t v) {
    if (v < 0) invalidValue(*this, "TabIndex cannot be negative");
    m_tabIndex = v;
}

void ConstituentControl::setFont(FontRef v) {
    if (!v) invalidValue(*this, "a control needs a font");
    m_font = std::move(v);
    fontChanged();
}

void ConstituentControl::ZOrder(std::optional<int16_t> position) {
    if (m_owner) m_owner->reorderChild(*this, position.value_or(0) == 0);
}

bool ConstituentControl::hasFocus() const {
    if (!m_owner || !m_owner->isSited()) return false;
    const Form* form = m_owner->extender().form();
    return form && form->focusedChild() == this;
}

void ConstituentControl::SetFocus() {
    Form* form = m_owner && m_owner->isSited() ? m_owner->extender().form() : nullptr;
    if (!form) {
        throw Failure(err::InvalidProcedureCall,
                      failureText(err::InvalidProcedureCall) + " (" + m_name + " is not on a form)");
    }
    form->focus(m_owner->extender(), this);
}

bool ConstituentControl::effectivelyVisible() const {
    for (auto* c = this; c; c = c->m_container) {
        if (!c->m_visible) return false;
    }
    return true;
}

bool ConstituentControl::effectivelyEnabled() const {
    for (auto* c = this; c; c = c->m_container) {
        if (!c->m_enabled) return false;
    }
    return true;
}

} // namespace ov
