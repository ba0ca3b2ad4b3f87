#include "platform/Extender.h"

#include "platform/Failure.h"
#include "platform/Form.h"
#include "platform/PropertyBag.h"

#include <functional>

namespace ov {

namespace {

// The host's extender members live in their own DISPID range, clear of the controls' own.
constexpr int32_t extId(uint32_t n) {
    return static_cast<int32_t>(0x80010000u + n);
}

[[noreturn]] void invalid(const Extender& e, const std::string& what) {
    throw Failure(err::InvalidPropertyValue,
                  failureText(err::InvalidPropertyValue) + " (" + e.Name() + ": " + what + ")");
}

constexpr int32_t kAlignId = extId(0x105);

} // namespace

const ClassInfo& Extender::staticClass() {
    return buildClassInfo<Extender>([](ClassInfo& i) { i.published = false; });
}

const ClassInfo& Extender::classInfo() const {
    return m_control->classInfo();
}

void Extender::describe(ClassBuilder<Extender>& b) {
    using E = Extender;
    b.property("Name", extId(0), &E::Name, &E::setName);
    b.property("Visible", extId(7), &E::Visible, &E::setVisible);
    b.property("Parent", extId(8), &E::Parent);
    b.property("Left", extId(0x100), &E::Left, &E::setLeft);
    b.property("Top", extId(0x101), &E::Top, &E::setTop);
    b.property("Width", extId(0x102), &E::Width, &E::setWidth);
    b.property("Height", extId(0x103), &E::Height, &E::setHeight);
    b.property("Container", extId(0x104), &E::Container).set(&E::setContainer);
    b.property("Align", kAlignId, &E::Align, &E::setAlign);
    b.property("Tag", extId(0x106), &E::Tag, &E::setTag);
    b.property("HelpContextID", extId(0x107), &E::HelpContextID, &E::setHelpContextID);
    b.property("TabStop", extId(0x108), &E::TabStop, &E::setTabStop);
    b.property("ToolTipText", extId(0x109), &E::ToolTipText, &E::setToolTipText);
    b.property("Default", extId(0x10A), &E::Default, &E::setDefault);
    b.property("Cancel", extId(0x10B), &E::Cancel, &E::setCancel);
    b.method("Move", extId(0x200), &E::Move, {"Left", "Top", "Width", "Height"});
    b.method("ZOrder", extId(0x201), &E::ZOrder, {"Position"});
    b.method("SetFocus", extId(0x202), &E::SetFocus);
    b.event("GotFocus", extId(0x300), &E::GotFocus, {});
    b.event("LostFocus", extId(0x301), &E::LostFocus, {});
}

Extender::Extender(Form& form, std::shared_ptr<UserControl> control, std::string name)
    : m_form(&form), m_control(std::move(control)), m_name(std::move(name)) {}

Extender::Extender(std::shared_ptr<UserControl> control, std::string name)
    : m_form(nullptr), m_control(std::move(control)), m_name(std::move(name)) {}

Object::Resolved Extender::resolveMember(std::string_view name) {
    if (!name.empty()) {
        const MemberInfo* m = staticClass().findMember(name);
        if (m && (m->dispid != kAlignId || m_control->Alignable())) return {this, m};
    }
    return m_control->resolveMember(name);
}

std::pair<Object*, const EventInfo*> Extender::resolveEvent(std::string_view name) {
    if (const EventInfo* e = staticClass().findEvent(name)) return {this, e};
    return m_control->resolveEvent(name);
}

bool Extender::changedKeyKnown(std::string_view key, size_t hash) const {
    // Controls report the same few keys over and over (a page change rewrites a dozen of them), so
    // the look-up compares hashes first and strings only where they agree.
    for (size_t i = 0; i < m_changedKeyHashes.size(); ++i)
        if (m_changedKeyHashes[i] == hash && m_changedKeys[i] == key) return true;
    return false;
}

bool Extender::hasChangedKey(std::string_view key) const {
    return changedKeyKnown(key, std::hash<std::string_view>{}(key));
}

void Extender::recordChange(std::string_view key) {
    const size_t hash = std::hash<std::string_view>{}(key);
    if (!changedKeyKnown(key, hash)) {
        m_changedKeys.emplace_back(key);
        m_changedKeyHashes.push_back(hash);
    }
    if (m_form) m_form->m_dirty = true;
}

void Extender::clearChangedKeys() {
    m_changedKeys.clear();
    m_changedKeyHashes.clear();
}

void Extender::setName(const std::string& v) {
    if (m_form && m_form->userMode())
        throw Failure(err::NotAtRunTime, failureText(err::NotAtRunTime) + " (" + m_name + ".Name)");
    if (v == m_name) return;
    if (m_form) {
        m_form->checkNewName(v, this);
        m_form->unindex(*this);
    }
    m_name = v;
    if (m_form) {
        m_form->m_byName.emplace(m_name, this);
        m_form->designChanged();
        if (m_control->m_initialized) m_control->onAmbientChanged("DisplayName");
    }
}

void Extender::setTag(const std::string& v) {
    m_tag = v;
    if (m_form) m_form->designChanged();
}

void Extender::setHelpContextID(int32_t v) {
    m_helpContextID = v;
    if (m_form) m_form->designChanged();
}

void Extender::setVisible(bool v) {
    if (m_visible == v) return;
    m_visible = v;
    if (m_control->m_initialized) m_control->onExtenderVisibleChanged();
    if (!m_form) return;
    m_form->designChanged();
    if (!v) m_form->controlLostReach(*this);
    if (isDocked()) m_form->layoutDocked(this);
    m_form->updateShown(*this);
}

float Extender::Width() const {
    return m_control->Width();
}

float Extender::Height() const {
    return m_control->Height();
}

void Extender::setWidth(float v) {
    m_control->setSize(v, m_control->Height());
}

void Extender::setHeight(float v) {
    m_control->setSize(m_control->Width(), v);
}

void Extender::Move(float left, std::optional<float> top, std::optional<float> width,
                    std::optional<float> height) {
    float w = width.value_or(m_control->Width());
    float h = height.value_or(m_control->Height());
    if (w < 0 || h < 0) invalid(*this, "a size cannot be negative");
    // A docked control's place belongs to the form.
    if (!isDocked() && (left != m_left || top.value_or(m_top) != m_top)) {
        m_left = left;
        m_top = top.value_or(m_top);
        if (m_form) m_form->designChanged();
    }
    m_control->setSize(w, h);
}

void Extender::ZOrder(std::optional<int16_t> position) {
    int16_t p = position.value_or(0);
    if (p != 0 && p != 1) {
        throw Failure(err::InvalidProcedureCall,
                      failureText(err::InvalidProcedureCall) + " (" + m_name + ".ZOrder takes 0 or 1)");
    }
    if (m_form) m_form->reorder(*this, p == 0);
}

void Extender::setAlign(int16_t v) {
    if (v < 0 || v > 4) invalid(*this, "Align must be 0 to 4");
    if (v != 0 && !m_control->Alignable()) invalid(*this, "the control does not dock");
    if (v == m_align) return;
    m_align = v;
    if (!m_form) return;
    m_form->designChanged();
    m_form->layoutDocked();
}

void Extender::setTabStop(bool v) {
    m_tabStop = v;
    if (m_form) m_form->designChanged();
}

void Extender::setToolTipText(const std::string& v) {
    m_toolTipText = v;
    if (m_form) m_form->designChanged();
}

void Extender::setDefault(bool v) {
    m_default = v;
    if (!m_form) return;
    if (v || m_form->m_defaultControl == this) m_form->setDefaultControl(v ? this : nullptr, false);
    m_form->designChanged();
}

void Extender::setCancel(bool v) {
    m_cancel = v;
    if (!m_form) return;
    if (v || m_form->m_cancelControl == this) m_form->setDefaultControl(v ? this : nullptr, true);
    m_form->designChanged();
}

ObjectRef Extender::Container() const {
    if (m_container) return m_container->weak_from_this().lock();
    if (m_form) return m_form->weak_from_this().lock();
    return {};
}

void Extender::setContainer(const ObjectRef& container) {
    if (!m_form) throw Failure(err::ClientSiteNotAvailable);
    Extender* target = nullptr;
    if (container.get() != m_form) {
        target = dynamic_cast<Extender*>(container.get());
        if (!target || target->m_form != m_form)
            invalid(*this, "a container must be the form or a control on it");
        if (!target->control().ControlContainer()) invalid(*this, target->Name() + " cannot hold controls");
        for (Extender* p = target; p; p = p->m_container) {
            if (p == this) invalid(*this, "a control cannot be put inside itself");
        }
    }
    if (target == m_container) return;
    bool wasDocked = isDocked();
    placeIn(target);
    // Docking belongs to the form's own controls.
    if (target) m_align = 0;
    // A control that comes out docked is placed by the next docking, which must then be a whole one.
    if (isDocked()) m_form->m_dockSettled = false;
    m_form->designChanged();
    m_form->controlLostReach(*this);
    if (wasDocked) m_form->layoutDocked();
    m_form->updateShown(*this);
}

void Extender::placeIn(Extender* container) {
    if (m_container) --m_container->m_innerCount;
    m_container = container;
    if (container) ++container->m_innerCount;
}

ObjectRef Extender::Parent() const {
    if (m_form) return m_form->weak_from_this().lock();
    return {};
}

void Extender::SetFocus() {
    if (!m_form)
        throw Failure(err::InvalidProcedureCall,
                      failureText(err::InvalidProcedureCall) + " (" + m_name + ")");
    m_form->focus(*this, m_form->firstFocusableChild(*this));
}

bool Extender::effectivelyVisible() const {
    if (!m_form || !m_form->Visible()) return false;
    for (const Extender* e = this; e; e = e->m_container) {
        if (!e->m_visible) return false;
    }
    return true;
}

void Extender::settleDocking() const {
    if (m_form) m_form->settleDocking();
}

ExtenderValues Extender::values() const {
    ExtenderValues v;
    v.left = Left();
    v.top = Top();
    v.width = m_control->Width();
    v.height = m_control->Height();
    v.visible = m_visible;
    v.tag = m_tag;
    v.helpContextID = m_helpContextID;
    v.align = m_align;
    v.tabStop = m_tabStop;
    v.toolTipText = m_toolTipText;
    v.isDefault = m_default;
    v.isCancel = m_cancel;
    v.container = m_container ? m_container->Name() : std::string();
    return v;
}

void Extender::writeProperties(PropertyBag& bag) {
    m_control->onWriteProperties(bag);
}

} // namespace ov
