#include "platform/EmbeddedControl.h"

#include "platform/Extender.h"
#include "platform/TypeRegistry.h"
#include "platform/UserControl.h"

namespace ov {

const ClassInfo& EmbeddedControl::staticClass() {
    return buildClassInfo<EmbeddedControl>([](ClassInfo& i) { i.published = false; });
}

void EmbeddedControl::describe(ClassBuilder<EmbeddedControl>& b) {
    using E = EmbeddedControl;
    using C = ConstituentControl;
    b.property("Name", 0x100, &C::Name);
    b.property("Visible", 0x102, &C::Visible, &E::setVisible);
    b.property("Tag", 0x103, &E::Tag, &E::setTag);
    b.method("ZOrder", 0x104, &C::ZOrder, {"Position"});
    b.property("Left", 0x110, &C::Left, &C::setLeft);
    b.property("Top", 0x111, &C::Top, &C::setTop);
    b.property("Width", 0x112, &C::Width, &C::setWidth);
    b.property("Height", 0x113, &C::Height, &C::setHeight);
    b.method("Move", 0x114, &C::Move, {"Left", "Top", "Width", "Height"});
    b.property("ToolTipText", 0x120, &E::ToolTipText, &E::setToolTipText);
    b.property("Align", 0x124, &E::Align, &E::setAlign);
}

EmbeddedControl::EmbeddedControl() {
    setTabStop(false);
}

EmbeddedControl::~EmbeddedControl() {
    try {
        unload();
    } catch (...) {
        // A destructor cannot report; the inner control's own end is all that is lost.
    }
}

void EmbeddedControl::create(std::string_view progId, PropertyBag* bag) {
    auto control = std::dynamic_pointer_cast<UserControl>(TypeRegistry::instance().create(progId));
    if (!control)
        throw Failure(err::TypeMismatch,
                      failureText(err::TypeMismatch) + " (" + std::string(progId) + " is not a control)");
    create(std::move(control), bag);
    m_progId = std::string(progId);
}

void EmbeddedControl::create(std::shared_ptr<UserControl> control, PropertyBag* bag) {
    if (!control) throw Failure(err::ObjectNotSet);
    if (m_control || control->m_site) {
        throw Failure(err::InvalidProcedureCall,
                      failureText(err::InvalidProcedureCall) + " (" + Name() + " already holds a control)");
    }
    m_site = ExtenderRef(new Extender(control, Name()));
    m_site->m_visible = Visible();
    m_site->m_toolTipText = ConstituentControl::ToolTipText();
    m_site->m_tag = ConstituentControl::Tag();
    m_site->storePosition(Left(), Top());
    control->m_site = m_site.get();
    control->m_embedding = this;
    control->storeSize(Width(), Height());
    m_control = std::move(control);
    try {
        m_control->m_initialized = true;
        const uint64_t resizes = m_control->m_resizeCount;
        m_control->onInitialize();
        if (bag)
            m_control->onReadProperties(*bag);
        else
            m_control->onInitProperties();
        if (m_control->m_resizeCount == resizes) m_control->resized(true);
    } catch (...) {
        try {
            unload();
        } catch (...) {
            // The first failure is the one the caller hears.
        }
        throw;
    }
}

void EmbeddedControl::unload() {
    if (!m_control) return;
    // Let go first, so that a failing onTerminate still leaves the holder empty.
    std::shared_ptr<UserControl> control = std::move(m_control);
    ExtenderRef site = std::move(m_site);
    m_progId.clear();
    struct Unsite {
        UserControl& c;
        ~Unsite() {
            c.m_site = nullptr;
            c.m_embedding = nullptr;
        }
    } unsite{*control};
    if (control->m_initialized) {
        control->m_initialized = false;
        control->onTerminate();
    }
}

void EmbeddedControl::setVisible(bool v) {
    ConstituentControl::setVisible(v);
    if (m_site) m_site->m_visible = v;
}

void EmbeddedControl::setToolTipText(const std::string& v) {
    ConstituentControl::setToolTipText(v);
    if (m_site) m_site->m_toolTipText = v;
}

void EmbeddedControl::setTag(const std::string& v) {
    ConstituentControl::setTag(v);
    if (m_site) m_site->m_tag = v;
}

void EmbeddedControl::setAlign(int16_t v) {
    if (v < 0 || v > 4) {
        throw Failure(err::InvalidPropertyValue,
                      failureText(err::InvalidPropertyValue) + " (" + Name() + ": Align must be 0 to 4)");
    }
    m_align = v;
    if (m_site) m_site->m_align = v;
    dock();
}

void EmbeddedControl::dock() {
    UserControl* o = owner();
    if (!o || m_align == 0) return;
    const float w = o->ScaleWidth(), h = o->ScaleHeight();
    switch (m_align) {
    case 1:
        Move(0, 0, w, Height());
        break;
    case 2:
        Move(0, std::max(0.0f, h - Height()), w, Height());
        break;
    case 3:
        Move(0, 0, Width(), h);
        break;
    default:
        Move(std::max(0.0f, w - Width()), 0, Width(), h);
        break;
    }
}

void EmbeddedControl::boundsChanged(float, float, float, float) {
    if (!m_site || m_following) return;
    m_site->storePosition(Left(), Top());
    m_control->setSize(Width(), Height());
}

void EmbeddedControl::followControlSize() {
    // The inner control sized itself (or the holder is passing a size on): the holder takes it without
    // passing it back. An inner control ending (unload) is no longer followed.
    if (!m_control) return;
    m_following = true;
    Move(Left(), Top(), m_control->Width(), m_control->Height());
    m_following = false;
}

Object::Resolved EmbeddedControl::resolveMember(std::string_view name) {
    Resolved own = ConstituentControl::resolveMember(name);
    if (own.member || !m_control) return own;
    return m_control->resolveMember(name);
}

std::pair<Object*, const EventInfo*> EmbeddedControl::resolveEvent(std::string_view name) {
    auto own = ConstituentControl::resolveEvent(name);
    if (own.second || !m_control) return own;
    return m_control->resolveEvent(name);
}

} // namespace ov
