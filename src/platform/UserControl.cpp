#include "platform/UserControl.h"

#include "platform/ChildControls.h"
#include "platform/EmbeddedControl.h"
#include "platform/Extender.h"
#include "platform/Failure.h"
#include "platform/Form.h"
#include "platform/Runtime.h"
#include "platform/Text.h"

#include <algorithm>

namespace ov {

namespace {

[[noreturn]] void notSited() {
    throw Failure(err::ClientSiteNotAvailable);
}

[[noreturn]] void invalidValue(const std::string& what) {
    throw Failure(err::InvalidPropertyValue, failureText(err::InvalidPropertyValue) + " (" + what + ")");
}

bool isInside(const ConstituentControl* c, const ConstituentControl* container) {
    for (auto* p = c; p; p = p->container()) {
        if (p == container) return true;
    }
    return false;
}

// The 3D edge of a bordered surface, in pixels on each side.
constexpr int32_t kBorderPixels = 2;

} // namespace

void throwControlNotFound(std::string_view name, std::string_view where) {
    throw Failure(err::ControlNotFound,
                  failureText(err::ControlNotFound) + " (" + shown(name) + " in " + std::string(where) + ")");
}

UserControl::UserControl() = default;

UserControl::~UserControl() {
    for (auto& c : m_children) {
        c->m_owner = nullptr;
        c->m_container = nullptr;
    }
}

void UserControl::raiseSurface(SurfaceInput kind) {
    int16_t a = 0, b = 0;
    float x = 0, y = 0;
    raiseSurface(kind, a, b, x, y);
}

void UserControl::raiseSurface(SurfaceInput kind, int16_t& key) {
    int16_t b = 0;
    float x = 0, y = 0;
    raiseSurface(kind, key, b, x, y);
}

void UserControl::raiseSurface(SurfaceInput kind, int16_t& key, int16_t& shift) {
    float x = 0, y = 0;
    raiseSurface(kind, key, shift, x, y);
}

void UserControl::raiseSurface(SurfaceInput kind, int16_t& a, int16_t& b, float& x, float& y) {
    // The hook stands where a handler connected by the control's constructor would, first in line.
    onSurfaceInput(kind, a, b, x, y);
    switch (kind) {
    case SurfaceInput::Click:
        m_surface.Click();
        break;
    case SurfaceInput::DblClick:
        m_surface.DblClick();
        break;
    case SurfaceInput::KeyDown:
        m_surface.KeyDown(a, b);
        break;
    case SurfaceInput::KeyPress:
        m_surface.KeyPress(a);
        break;
    case SurfaceInput::KeyUp:
        m_surface.KeyUp(a, b);
        break;
    case SurfaceInput::MouseDown:
        m_surface.MouseDown(a, b, x, y);
        break;
    case SurfaceInput::MouseMove:
        m_surface.MouseMove(a, b, x, y);
        break;
    case SurfaceInput::MouseUp:
        m_surface.MouseUp(a, b, x, y);
        break;
    }
}

void UserControl::setEnabled(bool v) {
    if (m_enabled == v) return;
    m_enabled = v;
    if (!v && m_site && m_site->form()) m_site->form()->controlLostReach(*m_site);
}

void UserControl::setBorderStyle(int16_t v) {
    if (v != 0 && v != 1) invalidValue("BorderStyle must be 0 or 1");
    m_borderStyle = v;
}

void UserControl::setSize(float width, float height) {
    if (width < 0 || height < 0) invalidValue("a size cannot be negative");
    Form* form = m_site ? m_site->form() : nullptr;
    const bool docked = form && m_site->isDocked();
    if (docked) form->constrainDockedSize(*m_site, width, height);
    if (width == m_width && height == m_height) return;
    m_width = width;
    m_height = height;
    if (m_embedding) m_embedding->followControlSize();
    // Docked controls next to this one move before the control hears of its new size, so that its
    // Resize handler reads settled positions.
    if (docked) form->layoutDocked(m_site);
    if (form) form->designChanged();
    resized(true);
}

void UserControl::storeSize(float width, float height) {
    m_width = width;
    m_height = height;
}

void UserControl::resized(bool changed) {
    if (changed && m_initialized) {
        ++m_resizeCount;
        onResize();
    }
}

float UserControl::ScaleWidth() const {
    float edge = m_borderStyle ? 2.0f * kBorderPixels * Runtime::current().twipsPerPixelX() : 0.0f;
    return std::max(0.0f, m_width - edge);
}

float UserControl::ScaleHeight() const {
    float edge = m_borderStyle ? 2.0f * kBorderPixels * Runtime::current().twipsPerPixelY() : 0.0f;
    return std::max(0.0f, m_height - edge);
}

Extender& UserControl::extender() const {
    if (!m_site) notSited();
    return *m_site;
}

ExtenderRef UserControl::extenderRef() const {
    if (!m_site) notSited();
    return std::static_pointer_cast<Extender>(m_site->shared_from_this());
}

Form& UserControl::parentForm() const {
    if (m_embedding && m_embedding->owner()) return m_embedding->owner()->parentForm();
    if (!m_site || !m_site->form()) notSited();
    return *m_site->form();
}

bool UserControl::ambientUserMode() const {
    return parentForm().userMode();
}

std::string UserControl::ambientDisplayName() const {
    return extender().Name();
}

FontRef UserControl::ambientFont() const {
    return parentForm().Font();
}

OleColor UserControl::ambientBackColor() const {
    if (m_embedding && m_embedding->owner()) return m_embedding->owner()->BackColor();
    return parentForm().BackColor();
}

void UserControl::PropertyChanged(std::string_view key) {
    if (m_site) m_site->recordChange(key);
}

void UserControl::adopt(std::shared_ptr<ConstituentControl> c, std::string_view name, bool staticName,
                        ConstituentControl* container) {
    if (name.empty()) invalidValue("a constituent control needs a name");
        // Static names are the control's own constituents, written once in its constructor and distinct by
        // construction; checking each against all before it was a tenth of building a wizard page. Debug
        // builds still check them.
#ifdef NDEBUG
    const bool check = !staticName;
#else
    const bool check = true;
#endif
    if (check && findChild(name))
        invalidValue("a control named " + std::string(name) + " already exists in " + classInfo().name);
    if (container && (container->m_owner != this || !container->holdsControls()))
        invalidValue(container->Name() + " cannot hold " + std::string(name));
    if (staticName) {
        c->m_name = name.data();
    } else {
        // Kept as text with its terminator: a name is one word in the control.
        char* copy = new char[name.size() + 1];
        name.copy(copy, name.size());
        copy[name.size()] = '\0';
        c->m_name = copy;
        c->m_ownsName = true;
    }
    c->m_owner = this;
    c->m_container = container;
    if (m_childByName) m_childByName->emplace(c->m_name, c.get());
    m_zOrder.push_back(c.get());
    m_children.push_back(std::move(c));
}

ObjectRef UserControl::Controls() {
    return std::make_shared<ChildControls>(std::static_pointer_cast<UserControl>(shared_from_this()));
}

Object::Resolved UserControl::resolveMember(std::string_view name) {
    Resolved own = Object::resolveMember(name);
    if (own.member || !equalsNoCase(name, "Controls")) return own;
    // One member shared by every control class; VB's UserControl.Controls(index) reads the item, so an
    // argument is applied to the collection's default member.
    static const MemberInfo controls = [] {
        MemberInfo m;
        m.name = "Controls";
        m.access = access::Get;
        m.type = "Object";
        m.params = {ParamInfo{"Index", "Variant", false, true}};
        m.published = false;
        m.get = [](Object& self, Args& args) -> Variant {
            ObjectRef all = static_cast<UserControl&>(self).Controls();
            if (args.empty()) return all;
            if (args.size() > 1)
                throw Failure(err::WrongArguments,
                              failureText(err::WrongArguments) + " (Controls takes one index)");
            return static_cast<const ChildControls&>(*all).Item(args[0]);
        };
        return m;
    }();
    return {this, &controls};
}

ConstituentControl* UserControl::findChild(std::string_view name) const {
    // Most controls hold a few dozen constituents, found as fast by a scan and without the memory of a
    // hash; a control that comes to hold many (a panel's loaded lines) is indexed from then on.
    if (!m_childByName) {
        if (m_children.size() < kIndexedFrom) {
            for (const auto& c : m_children)
                if (equalsNoCase(c->m_name, name)) return c.get();
            return nullptr;
        }
        m_childByName = std::make_unique<ChildIndex>();
        for (const auto& c : m_children)
            m_childByName->emplace(c->m_name, c.get());
    }
    auto it = m_childByName->find(name);
    return it == m_childByName->end() ? nullptr : it->second;
}

void UserControl::removeChild(std::string_view name) {
    ConstituentControl* target = findChild(name);
    if (!target) throwControlNotFound(name, classInfo().name);
    // The focus leaves first, while the controls still exist.
    childLostReach(*target);
    std::vector<std::shared_ptr<ConstituentControl>> doomed;
    if (!target->holdsControls()) {
        // A control that holds none goes alone. Control arrays unload their newest elements first,
        // so both searches run from the back.
        auto it =
            std::find_if(m_children.rbegin(), m_children.rend(),
                         [&](const std::shared_ptr<ConstituentControl>& c) { return c.get() == target; });
        doomed.push_back(*it);
        m_children.erase(std::next(it).base());
        auto z = std::find(m_zOrder.rbegin(), m_zOrder.rend(), target);
        if (z != m_zOrder.rend()) m_zOrder.erase(std::next(z).base());
    } else {
        std::erase_if(m_children, [&](const std::shared_ptr<ConstituentControl>& c) {
            if (!isInside(c.get(), target)) return false;
            doomed.push_back(c);
            return true;
        });
        std::erase_if(m_zOrder, [&](ConstituentControl* c) { return isInside(c, target); });
    }
    for (auto& c : doomed) {
        if (m_childByName) m_childByName->erase(c->m_name);
        c->m_owner = nullptr;
        c->m_container = nullptr;
    }
}

std::vector<ConstituentControl*> UserControl::childrenIn(const ConstituentControl* container) const {
    std::vector<ConstituentControl*> out;
    for (auto* c : m_zOrder) {
        if (c->container() == container) out.push_back(c);
    }
    return out;
}

void UserControl::reorderChild(ConstituentControl& c, bool toFront) {
    auto it = std::find(m_zOrder.begin(), m_zOrder.end(), &c);
    if (it == m_zOrder.end()) return;
    m_zOrder.erase(it);
    if (toFront)
        m_zOrder.push_back(&c);
    else
        m_zOrder.insert(m_zOrder.begin(), &c);
}

void UserControl::childLostReach(ConstituentControl& c) {
    if (!m_site || !m_site->form()) return;
    Form& form = *m_site->form();
    if (form.focusedChild() && isInside(form.focusedChild(), &c)) form.clearFocus();
}

} // namespace ov
