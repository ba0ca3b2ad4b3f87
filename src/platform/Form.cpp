#include "platform/Form.h"

#include "platform/CommandButton.h"
#include "platform/Failure.h"
#include "platform/Font.h"
#include "platform/FormControls.h"
#include "platform/FormFile.h"
#include "platform/PropertyBag.h"
#include "platform/Runtime.h"
#include "platform/Text.h"
#include "platform/TypeRegistry.h"
#include "platform/UserControl.h"
#include "platform/WindowTable.h"

#include <algorithm>

namespace ov {

namespace {

struct ModalHookState {
    std::function<void(Form&)> hook;
};

struct FrameAllowance {
    int32_t frame; // pixels on each side
    int32_t title; // pixels of the title bar
};

FrameAllowance allowance(int16_t borderStyle) {
    switch (borderStyle) {
    case 0:
        return {0, 0};
    case 1:
    case 3:
        return {3, 19};
    case 4:
        return {3, 16};
    case 5:
        return {4, 16};
    default:
        return {4, 19};
    }
}

[[noreturn]] void invalid(const std::string& what) {
    throw Failure(err::InvalidPropertyValue, failureText(err::InvalidPropertyValue) + " (" + what + ")");
}

template <class F>
void guarded(std::exception_ptr& first, F&& f) {
    try {
        f();
    } catch (...) {
        if (!first) first = std::current_exception();
    }
}

bool isInside(const Extender* e, const Extender* container) {
    for (auto* p = e; p; p = p->containerControl()) {
        if (p == container) return true;
    }
    return false;
}

} // namespace

struct Form::Snapshot {
    Extender* defaultControl = nullptr;
    Extender* cancelControl = nullptr;
    bool dirty = false;
    float width = 0;
    float height = 0;
};

const ClassInfo& Form::staticClass() {
    return buildClassInfo<Form>([](ClassInfo& i) { i.published = false; });
}

void Form::describe(ClassBuilder<Form>& b) {
    b.property("Name", 0x100, &Form::Name);
    b.property("Caption", -518, &Form::Caption, &Form::setCaption);
    b.property("Left", 0x101, &Form::Left, &Form::setLeft);
    b.property("Top", 0x102, &Form::Top, &Form::setTop);
    b.property("Width", 0x103, &Form::Width, &Form::setWidth);
    b.property("Height", 0x104, &Form::Height, &Form::setHeight);
    b.property("ScaleWidth", 0x105, &Form::ScaleWidth);
    b.property("ScaleHeight", 0x106, &Form::ScaleHeight);
    b.property("ScaleMode", 0x107, &Form::ScaleMode, &Form::setScaleMode);
    b.property("WindowState", 0x108, &Form::WindowState, &Form::setWindowState);
    b.property("BorderStyle", -504, &Form::BorderStyle, &Form::setBorderStyle);
    b.property("ControlBox", 0x109, &Form::ControlBox, &Form::setControlBox);
    b.property("StartUpPosition", 0x10A, &Form::StartUpPosition, &Form::setStartUpPosition);
    b.property("BackColor", -501, &Form::BackColor, &Form::setBackColor);
    b.property("Font", -512, &Form::Font).set(&Form::setFont);
    b.property("Visible", 0x10B, &Form::Visible, &Form::setVisible);
    b.property("KeyPreview", 0x10C, &Form::KeyPreview, &Form::setKeyPreview);
    b.property("Controls", 0x10D, &Form::Controls);
    b.property("ActiveControl", 0x10E, &Form::ActiveControl);
    b.method("Show", 0x200, &Form::Show, {"Modal"});
    b.method("Hide", 0x201, &Form::hide);
    b.method("Move", 0x202, &Form::Move, {"Left", "Top", "Width", "Height"});
    b.event("Resize", 0x300, &Form::Resize, {});
    b.event("Unload", 0x301, &Form::Unload, {"Cancel"});
    b.event("KeyDown", -602, &Form::KeyDown, {"KeyCode", "Shift"});
    b.event("KeyPress", -603, &Form::KeyPress, {"KeyAscii"});
    b.event("KeyUp", -604, &Form::KeyUp, {"KeyCode", "Shift"});
}

FormRef Form::create(std::string name, Mode mode) {
    return std::make_shared<Form>(std::move(name), mode);
}

Form::Form(std::string name, Mode mode)
    : m_runtime(&Runtime::current()), m_name(std::move(name)), m_mode(mode), m_caption(m_name),
      m_font(ov::Font::standard()) {
    m_runtime->adopt(*this);
}

Form::~Form() {
    if (!m_runtime) return; // ended with its runtime: nothing is left to end
    if (ownerThread() != std::this_thread::get_id()) droppedOnAnotherThread();
    m_runtime->forget(*this);
    // Controls still on the form end their lives, under the form's runtime; nothing can be reported
    // from a destructor.
    Runtime::Visit visit(*m_runtime);
    std::exception_ptr ignored;
    endControls(ignored);
}

void Form::endControls(std::exception_ptr& first) {
    clearFocus();
    auto controls = m_controls;
    for (auto& ext : controls)
        terminate(ext, first);
    unsiteAll();
    dropWindow();
}

void Form::dropWindow() noexcept {
    if (auto* windows = m_runtime->findThreadState<WindowTable>()) windows->destroy(windows->find(this));
}

// ---- Controls ----

ExtenderRef Form::add(std::string_view progId, std::string_view name) {
    affirmUsable("add");
    auto object = TypeRegistry::instance().create(progId);
    auto control = std::dynamic_pointer_cast<UserControl>(object);
    if (!control) throw Failure(429, failureText(429) + " (" + std::string(progId) + " is not a control)");
    return add(std::move(control), name);
}

ExtenderRef Form::add(std::shared_ptr<UserControl> control, std::string_view name) {
    affirmUsable("add");
    ExtenderRef ext = addControl(std::move(control), name, nullptr, nullptr);
    designChanged();
    return ext;
}

ExtenderRef Form::addLoaded(std::string_view progId, std::string_view name, PropertyBag& bag,
                            const ExtenderValues& values) {
    affirmUsable("addLoaded");
    auto object = TypeRegistry::instance().create(progId);
    auto control = std::dynamic_pointer_cast<UserControl>(object);
    if (!control) throw Failure(429, failureText(429) + " (" + std::string(progId) + " is not a control)");
    return addLoaded(std::move(control), name, bag, values);
}

ExtenderRef Form::addLoaded(std::shared_ptr<UserControl> control, std::string_view name, PropertyBag& bag,
                            const ExtenderValues& values) {
    affirmUsable("addLoaded");
    return addControl(std::move(control), name, &bag, &values);
}

ExtenderRef Form::addControl(std::shared_ptr<UserControl> control, std::string_view name, PropertyBag* bag,
                             const ExtenderValues* values) {
    if (!control) throw Failure(err::ObjectNotSet);
    if (control->m_site) {
        throw Failure(err::InvalidProcedureCall,
                      failureText(err::InvalidProcedureCall) + " (the control is already on a form)");
    }
    checkNewName(name, nullptr);

    Snapshot snap;
    snap.defaultControl = m_defaultControl;
    snap.cancelControl = m_cancelControl;
    snap.dirty = m_dirty;
    snap.width = m_width;
    snap.height = m_height;

    settleDocking();
    ExtenderRef ext(new Extender(*this, control, std::string(name)));
    m_loaded = true;
    m_controls.push_back(ext);
    m_zOrder.push_back(ext.get());
    ext->m_dockSpace = m_dockRemaining; // in front of every other control
    m_byName.emplace(ext->m_name, ext.get());
    control->m_site = ext.get();
    try {
        if (values) applyValues(*ext, *values);
        if (m_sideDocked >= 0 && (ext->m_align == 3 || ext->m_align == 4)) ++m_sideDocked;
        // The new control is in front of all others: the docking behind it stays as it is.
        if (ext->isDocked()) layoutDocked(ext.get());
        control->m_initialized = true;
        const uint64_t resizes = control->m_resizeCount;
        control->onInitialize();
        if (bag)
            control->onReadProperties(*bag);
        else
            control->onInitProperties();
        // Every control learns its extent once its properties are set, unless it already did.
        if (control->m_resizeCount == resizes) control->resized(true);
        updateShown(*ext);
    } catch (...) {
        rollback(ext, snap);
        throw;
    }
    return ext;
}

void Form::applyValues(Extender& ext, const ExtenderValues& v) {
    if (v.align < 0 || v.align > 4) invalid(ext.m_name + ": Align must be 0 to 4");
    if (v.align != 0 && !ext.control().Alignable()) invalid(ext.m_name + ": the control does not dock");
    float w = v.width.value_or(ext.control().Width());
    float h = v.height.value_or(ext.control().Height());
    if (w < 0 || h < 0) invalid(ext.m_name + ": a size cannot be negative");
    Extender* container = nullptr;
    if (!v.container.empty()) {
        ExtenderRef c = findControl(v.container);
        if (!c || c.get() == &ext || !c->control().ControlContainer())
            invalid(ext.m_name + ": no container control named " + shown(v.container));
        container = c.get();
    }
    ext.m_left = v.left;
    ext.m_top = v.top;
    ext.control().storeSize(w, h);
    ext.m_visible = v.visible;
    ext.m_tag = v.tag;
    ext.m_helpContextID = v.helpContextID;
    ext.m_tabStop = v.tabStop;
    ext.m_toolTipText = v.toolTipText;
    ext.placeIn(container);
    ext.m_align = container ? 0 : v.align;
    // Set directly: loading is not a design change.
    ext.m_default = v.isDefault;
    ext.m_cancel = v.isCancel;
    if (v.isDefault) setDefaultControl(&ext, false);
    if (v.isCancel) setDefaultControl(&ext, true);
}

void Form::rollback(const ExtenderRef& ext, const Snapshot& snap) {
    if (m_focusControl == ext) clearFocus();
    std::exception_ptr ignored;
    terminate(ext, ignored);
    unsite(ext);
    for (const auto& e : m_controls) {
        e->m_default = e.get() == snap.defaultControl;
        e->m_cancel = e.get() == snap.cancelControl;
    }
    m_defaultControl = snap.defaultControl;
    m_cancelControl = snap.cancelControl;
    m_width = snap.width;
    m_height = snap.height;
    layoutDocked();
    m_dirty = snap.dirty;
}

void Form::checkNewName(std::string_view name, const Extender* except) const {
    if (!FormFile::isName(name)) invalid("'" + shown(name) + "' is not a valid control name");
    auto it = m_byName.find(name);
    if (it != m_byName.end() && it->second != except)
        invalid("a control named " + it->second->m_name + " is already on " + m_name);
}

ExtenderRef Form::findControl(std::string_view name) const {
    affirmUsable("findControl");
    auto it = m_byName.find(name);
    if (it == m_byName.end()) return {};
    return std::static_pointer_cast<Extender>(it->second->shared_from_this());
}

void Form::unindex(const Extender& ext) {
    auto it = m_byName.find(ext.m_name);
    if (it != m_byName.end() && it->second == &ext) m_byName.erase(it);
}

ExtenderRef Form::control(std::string_view name) const {
    affirmUsable("control");
    ExtenderRef e = findControl(name);
    if (!e) throwControlNotFound(name, m_name);
    return e;
}

void Form::remove(std::string_view name) {
    affirmUsable("remove");
    ExtenderRef target = control(name);
    // Controls inside the target go first, innermost first.
    std::vector<ExtenderRef> doomed;
    std::function<void(const ExtenderRef&)> collect = [&](const ExtenderRef& e) {
        for (const auto& inner : m_controls) {
            if (inner->m_container == e.get()) collect(inner);
        }
        doomed.push_back(e);
    };
    collect(target);
    if (m_focusControl && isInside(m_focusControl.get(), target.get())) clearFocus();
    std::exception_ptr first;
    for (const auto& e : doomed) {
        terminate(e, first);
        unsite(e);
    }
    layoutDocked();
    designChanged();
    if (first) std::rethrow_exception(first);
}

void Form::terminate(const ExtenderRef& ext, std::exception_ptr& first) {
    UserControl& c = ext->control();
    if (c.m_shown) {
        c.m_shown = false;
        guarded(first, [&] { c.onHide(); });
    }
    if (c.m_initialized) {
        guarded(first, [&] { c.onTerminate(); });
        c.m_initialized = false;
    }
}

void Form::unsite(const ExtenderRef& ext) {
    settleDocking();
    std::erase(m_controls, ext);
    std::erase(m_zOrder, ext.get());
    unindex(*ext);
    if (ext->m_innerCount) {
        for (const auto& e : m_controls) {
            if (e->m_container == ext.get()) e->placeIn(nullptr);
        }
    }
    if (m_defaultControl == ext.get()) m_defaultControl = nullptr;
    if (m_cancelControl == ext.get()) m_cancelControl = nullptr;
    if (ext->isDocked()) m_dockSettled = false;
    ext->placeIn(nullptr);
    releaseSite(*ext);
}

void Form::unsiteAll() {
    // Every control leaves together, so no one needs its neighbours fixed one by one.
    std::vector<ExtenderRef> controls = std::move(m_controls);
    m_controls.clear();
    m_zOrder.clear();
    m_dockDeferFrom = kNoDeferral;
    m_byName.clear();
    m_defaultControl = nullptr;
    m_cancelControl = nullptr;
    m_dockSettled = false;
    for (const auto& ext : controls) {
        ext->m_container = nullptr;
        ext->m_innerCount = 0;
        releaseSite(*ext);
    }
}

void Form::releaseSite(Extender& ext) {
    UserControl& c = ext.control();
    c.m_site = nullptr;
    c.m_initialized = false;
    c.m_shown = false;
    ext.m_form = nullptr;
}

ObjectRef Form::Controls() {
    affirmUsable("Controls");
    return std::make_shared<FormControls>(std::static_pointer_cast<Form>(shared_from_this()));
}

// ---- Properties ----

void Form::setCaption(const std::string& v) {
    float w = ScaleWidth(), h = ScaleHeight();
    m_caption = v;
    designChanged();
    if (w != ScaleWidth() || h != ScaleHeight()) sizeChanged();
}

void Form::Move(float left, std::optional<float> top, std::optional<float> width,
                std::optional<float> height) {
    float t = top.value_or(m_top);
    float w = width.value_or(m_width);
    float h = height.value_or(m_height);
    if (w < 0 || h < 0) invalid(m_name + ": a size cannot be negative");
    const bool resized = w != m_width || h != m_height;
    if (!resized && left == m_left && t == m_top) return;
    m_left = left;
    m_top = t;
    m_width = w;
    m_height = h;
    designChanged();
    if (resized) sizeChanged();
}

float Form::ScaleWidth() const {
    FrameAllowance a = allowance(m_borderStyle);
    float px = static_cast<float>(Runtime::current().twipsPerPixelX());
    return std::max(0.0f, m_width - 2.0f * static_cast<float>(a.frame) * px);
}

float Form::ScaleHeight() const {
    FrameAllowance a = allowance(m_borderStyle);
    int32_t title = (m_caption.empty() && !m_controlBox) ? 0 : a.title;
    float py = static_cast<float>(Runtime::current().twipsPerPixelY());
    return std::max(0.0f, m_height - static_cast<float>(2 * a.frame + title) * py);
}

void Form::setScaleMode(int16_t v) {
    if (v != 1) invalid(m_name + ": only ScaleMode 1 (twips) is supported");
}

void Form::setWindowState(int16_t v) {
    if (v < 0 || v > 2) invalid(m_name + ": WindowState must be 0 to 2");
    if (v == m_windowState) return;
    m_windowState = v;
    raiseResize();
}

void Form::setBorderStyle(int16_t v) {
    if (userMode())
        throw Failure(err::NotAtRunTime, failureText(err::NotAtRunTime) + " (" + m_name + ".BorderStyle)");
    if (v < 0 || v > 5) invalid(m_name + ": BorderStyle must be 0 to 5");
    float w = ScaleWidth(), h = ScaleHeight();
    m_borderStyle = v;
    designChanged();
    if (w != ScaleWidth() || h != ScaleHeight()) sizeChanged();
}

void Form::setControlBox(bool v) {
    if (userMode())
        throw Failure(err::NotAtRunTime, failureText(err::NotAtRunTime) + " (" + m_name + ".ControlBox)");
    float w = ScaleWidth(), h = ScaleHeight();
    m_controlBox = v;
    designChanged();
    if (w != ScaleWidth() || h != ScaleHeight()) sizeChanged();
}

void Form::setStartUpPosition(int16_t v) {
    if (userMode())
        throw Failure(err::NotAtRunTime,
                      failureText(err::NotAtRunTime) + " (" + m_name + ".StartUpPosition)");
    if (v < 0 || v > 3) invalid(m_name + ": StartUpPosition must be 0 to 3");
    m_startUpPosition = v;
    designChanged();
}

void Form::setBackColor(OleColor v) {
    if (v == m_backColor) return;
    m_backColor = v;
    designChanged();
    auto controls = m_controls;
    for (const auto& ext : controls) {
        if (ext->control().m_initialized) ext->control().onAmbientChanged("BackColor");
    }
}

void Form::setFont(FontRef v) {
    if (!v) invalid(m_name + ": a form needs a font");
    if (v == m_font) return;
    m_font = std::move(v);
    designChanged();
    auto controls = m_controls;
    for (const auto& ext : controls) {
        if (ext->control().m_initialized) ext->control().onAmbientChanged("Font");
    }
}

void Form::sizeChanged() {
    layoutDocked();
    raiseResize();
}

void Form::raiseResize() {
    Resize();
}

void Form::designChanged() {
    if (m_mode == Mode::Design) m_dirty = true;
}

void Form::markSaved() {
    m_dirty = false;
    for (const auto& e : m_controls)
        e->clearChangedKeys();
}

// ---- Docking and z-order ----

DockSpace Form::clientSpace() const {
    return {0, 0, ScaleWidth(), ScaleHeight()};
}

inline Form::Placement Form::placeDocked(Extender& e, DockSpace& space) {
    float &l = space.left, &t = space.top, &r = space.right, &b = space.bottom;
    e.m_dockSpace = space;
    const float w = e.control().Width();
    const float h = e.control().Height();
    const bool takesSpace = e.m_visible;
    Placement p;
    switch (e.m_align) {
    case 1:
        p = {&e, l, t, std::max(0.0f, r - l), h};
        if (takesSpace) t += h;
        break;
    case 2:
        p = {&e, l, b - h, std::max(0.0f, r - l), h};
        if (takesSpace) b -= h;
        break;
    case 3:
        p = {&e, l, t, w, std::max(0.0f, b - t)};
        if (takesSpace) l += w;
        break;
    default:
        p = {&e, r - w, t, w, std::max(0.0f, b - t)};
        if (takesSpace) r -= w;
        break;
    }
    return p;
}

std::vector<Form::Placement> Form::planDocked(size_t from, DockSpace space) {
    std::vector<Placement> plan;
    for (size_t i = from; i < m_zOrder.size(); ++i) {
        if (m_zOrder[i]->isDocked()) plan.push_back(placeDocked(*m_zOrder[i], space));
    }
    m_dockRemaining = space;
    return plan;
}

size_t Form::zOrderPosition(const Extender& ext) const {
    // Searched from both ends at once: the controls that change are mostly the newest and the current
    // page of a wizard, which comes to the front, and the page that shows next, which has waited at the
    // back since it was last shown; a wizard must not walk all its pages to find either.
    const size_t n = m_zOrder.size();
    for (size_t front = n, back = 0; back < front; ++back) {
        if (m_zOrder[--front] == &ext) return front;
        if (m_zOrder[back] == &ext) return back;
    }
    return n;
}

void Form::layoutDocked(const Extender* changed) {
    // A control docks in the area the controls behind it leave free, so a change to one control moves
    // only it and those in front of it. Pages of a large wizard are docked: a page change or a page
    // loading must not walk them all.
    settleDocking();
    const DockSpace client = clientSpace();
    if (changed && m_layoutDepth == 0 && m_dockSettled && client == m_dockClient && changed->isDocked()) {
        const size_t at = zOrderPosition(*changed);
        if (at < m_zOrder.size()) {
            layoutDockedFrom(at, changed->m_dockSpace, true, true);
            return;
        }
    }
    m_sideDocked = -1;
    layoutDockedFrom(0, client);
}

void Form::settleDocking() {
    if (m_dockDeferFrom == kNoDeferral) return;
    const size_t from = m_dockDeferFrom;
    m_dockDeferFrom = kNoDeferral;
    // The controls put off still hold the areas of the last complete docking: they stop being moved
    // where they get back the area they had.
    if (m_dockSettled && clientSpace() == m_dockClient && from < m_zOrder.size())
        layoutDockedFrom(from, m_dockDeferSpace, true);
    else
        layoutDockedFrom(0, clientSpace());
}

bool Form::mayDeferDocking(const DockSpace& before, const DockSpace& after) {
    // Top- and bottom-docked controls in front keep their sizes when only the free area's top or bottom
    // moves; a side-docked one would take a new height (and hear Resize).
    if (before.left != after.left || before.right != after.right) return false;
    if (m_sideDocked < 0) {
        m_sideDocked = 0;
        for (const Extender* e : m_zOrder)
            m_sideDocked += e->m_align == 3 || e->m_align == 4;
    }
    return m_sideDocked == 0;
}

void Form::layoutDockedFrom(size_t from, DockSpace space, bool onlyFirstChanged, bool mayDefer) {
    // A control that keeps fighting its docking (resizing itself against it) stops being followed here.
    if (m_layoutDepth >= 8) {
        m_dockSettled = false;
        return;
    }
    ++m_layoutDepth;
    const uint64_t generation = ++m_layoutGeneration;
    if (from == 0) m_dockClient = space;
    const bool wasSettled = m_dockSettled;
    m_dockSettled = false;
    bool complete = true;
    // Controls are placed as they come until one changes size: its Resize handler may change what the
    // docking depends on, so the rest is planned first, as things stood before any handler ran.
    size_t i = from;
    bool reachedEnd = true;
    std::vector<Placement> rest;
    for (; i < m_zOrder.size(); ++i) {
        Extender& e = *m_zOrder[i];
        if (!e.isDocked()) continue;
        // When only the first control changed, a control after it that gets the area it had keeps the
        // place it had, and so does every control after it (a hidden page that took a new height).
        if (onlyFirstChanged && i != from && e.m_dockSpace == space) {
            reachedEnd = false;
            break;
        }
        // A page of a large wizard that shows is brought to the front next, where the pages in front of
        // it get back the area they had: their docking waits until it is needed.
        if (mayDefer && i != from && wasSettled && mayDeferDocking(e.m_dockSpace, space)) {
            m_dockDeferFrom = i;
            m_dockDeferSpace = space;
            reachedEnd = false;
            break;
        }
        const Placement p = placeDocked(e, space);
        e.storePosition(p.left, p.top);
        UserControl& c = e.control();
        if (c.Width() != p.width || c.Height() != p.height) {
            rest = planDocked(i + 1, space);
            c.storeSize(p.width, p.height);
            c.resized(true);
            break;
        }
    }
    if (reachedEnd && i == m_zOrder.size()) m_dockRemaining = space;
    for (const Placement& p : rest) {
        // A handler below may have started a newer layout, which has finished with newer sizes.
        if (m_layoutGeneration != generation) {
            complete = false;
            break;
        }
        p.ext->storePosition(p.left, p.top);
        UserControl& c = p.ext->control();
        if (c.Width() != p.width || c.Height() != p.height) {
            c.storeSize(p.width, p.height);
            c.resized(true);
        }
    }
    if (complete && m_layoutGeneration == generation) m_dockSettled = true;
    --m_layoutDepth;
}

void Form::constrainDockedSize(const Extender& ext, float& width, float& height) {
    // A control behind those whose docking was put off has its area already (a page that has just
    // shown lays itself out before it comes to the front).
    if (m_dockDeferFrom != kNoDeferral) {
        const bool behind = m_dockSettled && clientSpace() == m_dockClient &&
                            ((m_dockDeferFrom > 0 && m_zOrder[m_dockDeferFrom - 1] == &ext) ||
                             zOrderPosition(ext) < m_dockDeferFrom);
        if (!behind) settleDocking();
    }
    // After a complete docking every docked control's free area is known; otherwise plan them all
    // (which records the areas but moves nothing).
    if (!m_dockSettled || clientSpace() != m_dockClient) {
        planDocked(0, clientSpace());
        m_dockSettled = false;
    }
    const DockSpace& s = ext.m_dockSpace;
    if (ext.m_align == 1 || ext.m_align == 2)
        width = std::max(0.0f, s.right - s.left);
    else
        height = std::max(0.0f, s.bottom - s.top);
}

void Form::reorder(Extender& ext, bool toFront) {
    const size_t from = zOrderPosition(ext);
    if (from == m_zOrder.size()) return;
    // The docking put off when this control changed (a page that was shown) is taken over here, when
    // the control comes to the front from just behind the controls put off.
    size_t deferred = kNoDeferral;
    if (toFront && ext.isDocked() && m_dockDeferFrom != kNoDeferral && m_dockDeferFrom > from) {
        deferred = m_dockDeferFrom;
        for (size_t i = from + 1; i < deferred && deferred != kNoDeferral; ++i)
            if (m_zOrder[i]->isDocked()) deferred = kNoDeferral;
    }
    if (deferred == kNoDeferral) settleDocking();
    m_dockDeferFrom = kNoDeferral;
    const DockSpace space = ext.m_dockSpace;
    m_zOrder.erase(m_zOrder.begin() + static_cast<std::ptrdiff_t>(from));
    if (toFront)
        m_zOrder.push_back(&ext);
    else
        m_zOrder.insert(m_zOrder.begin(), &ext);
    designChanged();
    if (!ext.isDocked()) return;
    // Brought to the front, the control leaves the place it had: the controls from there on dock again
    // in the area it had. Sent to the back, it changes the area of every other control.
    const DockSpace client = clientSpace();
    if (toFront && m_layoutDepth == 0 && m_dockSettled && client == m_dockClient) {
        // The controls put off still have the areas of the last complete docking, in which this control
        // left them the area it leaves now: they stay, and it docks in front of them.
        if (deferred != kNoDeferral && m_zOrder[deferred - 1]->m_dockSpace == space)
            layoutDockedFrom(m_zOrder.size() - 1, m_dockRemaining);
        else
            layoutDockedFrom(from, space);
    } else {
        layoutDocked();
    }
}

void Form::updateShown() {
    auto controls = m_controls;
    for (const auto& ext : controls) {
        if (ext->m_form != this) continue; // removed by an earlier handler
        reportShown(*ext);
    }
}

void Form::updateShown(Extender& root) {
    if (!root.m_innerCount) {
        auto keep = root.shared_from_this();
        if (root.m_form == this) reportShown(root);
        return;
    }
    auto controls = m_controls;
    for (const auto& ext : controls) {
        if (ext->m_form != this || !isInside(ext.get(), &root)) continue;
        reportShown(*ext);
    }
}

bool Form::reportShown(Extender& ext) {
    UserControl& c = ext.control();
    const bool shown = c.m_initialized && ext.effectivelyVisible();
    if (shown == c.m_shown) return false;
    c.m_shown = shown;
    if (shown)
        c.onShow();
    else
        c.onHide();
    return true;
}

void Form::setDefaultControl(Extender* ext, bool cancel) {
    Extender*& current = cancel ? m_cancelControl : m_defaultControl;
    if (current && current != ext) (cancel ? current->m_cancel : current->m_default) = false;
    current = ext;
    if (ext) (cancel ? ext->m_cancel : ext->m_default) = true;
}

// ---- Showing and closing ----

void Form::show() {
    affirmUsable("show");
    m_loaded = true;
    if (m_visible) return;
    m_visible = true;
    m_runtime->threadState<WindowTable>().showFor(this, win::SW_RESTORE);
    updateShown();
    if (userMode() && !m_focusControl) focusFirst();
}

void Form::hide() {
    affirmUsable("hide");
    if (!m_visible) return;
    m_visible = false;
    if (auto* windows = m_runtime->findThreadState<WindowTable>()) windows->showFor(this, win::SW_HIDE);
    updateShown();
}

void Form::Show(std::optional<int16_t> modal) {
    if (modal.value_or(0) == 1)
        showModal();
    else
        show();
}

bool Form::unload() {
    affirmUsable("unload");
    if (!m_loaded) return true;
    int16_t cancel = 0;
    Unload(cancel);
    if (cancel) return false;
    clearFocus();
    m_visible = false;
    std::exception_ptr first;
    auto controls = m_controls;
    for (const auto& ext : controls) {
        UserControl& c = ext->control();
        if (c.m_shown) {
            c.m_shown = false;
            guarded(first, [&] { c.onHide(); });
        }
    }
    for (const auto& ext : controls)
        terminate(ext, first);
    unsiteAll();
    dropWindow();
    m_loaded = false;
    if (first) std::rethrow_exception(first);
    return true;
}

std::function<void(Form&)> Form::setModalHook(std::function<void(Form&)> hook) {
    auto& state = Runtime::current().threadState<ModalHookState>();
    return std::exchange(state.hook, std::move(hook));
}

void Form::showModal() {
    affirmUsable("showModal");
    auto keepAlive = weak_from_this().lock();
    // A copy: the hook may install another while it runs.
    auto hook = Runtime::current().threadState<ModalHookState>().hook;
    struct EndModal {
        bool& modal;
        ~EndModal() { modal = false; }
    } endModal{m_modal};
    m_modal = true;
    show();
    if (hook) {
        try {
            hook(*this);
        } catch (...) {
            if (m_loaded && m_visible) {
                std::exception_ptr ignored;
                guarded(ignored, [&] { unload(); });
            }
            throw;
        }
    }
    if (m_loaded && m_visible) unload();
}

} // namespace ov
