#pragma once

#include "platform/Color.h"
#include "platform/ConstituentControl.h"
#include "platform/Event.h"
#include "platform/Failure.h"
#include "platform/Forward.h"
#include "platform/Object.h"
#include "platform/Text.h"

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace ov {

class EmbeddedControl;

// The surface every library control is built on. A form creates the control, sites it (gives it an
// Extender) and drives its life through the hooks below, always in this order:
//
//   onInitialize → onInitProperties (a new instance) | onReadProperties (a loaded one) → onResize
//   → onShow (whenever the control becomes visible on a visible form) → onResize, input events ...
//   → onWriteProperties (whenever the host saves) → onHide → onTerminate
//
// onAmbientChanged runs when the form changes an ambient property ("DisplayName" when the control is
// renamed at design time, "Font" and "BackColor" when the form's change). onResize runs whenever the
// control's size changes after onInitialize (also from inside onInitProperties, when the control
// docks itself, say), and once after onInitProperties/onReadProperties if it has not run by then.
// Hooks may run re-entrantly: a Resize handler that resizes the form is told of the size the form
// then gives it before its first call returns. A hook may throw ov::Failure; see Form for what the
// form does then.
//
// The surface has its own size (the extender's Width and Height are the same numbers), back colour,
// enabled state, border and persistent-drawing flag, and raises the input events of SurfaceEvents when
// the form delivers input to the surface itself. Constituent controls are created with addChild and
// are owned by the control, looked up by name (letter case ignored) and kept in creation order, with a
// separate z-order.
class UserControl : public Object {
public:
    ~UserControl() override;
    UserControl(const UserControl&) = delete;
    UserControl& operator=(const UserControl&) = delete;

    // ---- The control surface (twips) ----
    OleColor BackColor() const { return m_backColor; }
    void setBackColor(OleColor v) { m_backColor = v; }
    bool Enabled() const { return m_enabled; }
    void setEnabled(bool v);
    // 0 none, 1 fixed single (a 3D edge two pixels wide inside the control's size); others are 380.
    int16_t BorderStyle() const { return m_borderStyle; }
    void setBorderStyle(int16_t v);
    // Persistent drawing: what is drawn on the surface is kept between paints.
    bool AutoRedraw() const { return m_autoRedraw; }
    void setAutoRedraw(bool v) { m_autoRedraw = v; }
    // When true the surface receives key events before the constituent control that has the focus.
    bool KeyPreview() const { return m_keyPreview; }
    void setKeyPreview(bool v) { m_keyPreview = v; }
    // Whether the surface itself can take the focus when none of its constituent controls can.
    bool CanGetFocus() const { return m_canGetFocus; }
    void setCanGetFocus(bool v) { m_canGetFocus = v; }
    // Whether the container offers docking (the extender's Align). A control that is not alignable has
    // no extender Align, so a member of its own by that name is reached by name; true unless the
    // control says otherwise (before it is sited).
    bool Alignable() const { return m_alignable; }
    void setAlignable(bool v) { m_alignable = v; }
    // Whether other sited controls can be put inside this one (extender Container).
    bool ControlContainer() const { return m_controlContainer; }
    void setControlContainer(bool v) { m_controlContainer = v; }

    float Width() const { return m_width; }
    float Height() const { return m_height; }
    // Resizes the control (the extender reports the same size). Negative sizes are 380. A control
    // docked to the top or bottom of its form keeps the width the form gives it, one docked left or
    // right its height; the other measure changes. onResize runs when the size changed.
    void setWidth(float v) { setSize(v, m_height); }
    void setHeight(float v) { setSize(m_width, v); }
    void setSize(float width, float height);
    // The inner size: the size less the border on each side.
    float ScaleWidth() const;
    float ScaleHeight() const;

    // ---- The site ----
    bool isSited() const { return m_site != nullptr; }
    // The extender the container wraps this control in. Failure 398 ("Client Site not available")
    // while the control is not sited (before a form adds it or after it is removed).
    Extender& extender() const;
    ExtenderRef extenderRef() const;
    // The form the control is on (398 when not sited); for a control inside another control, that
    // control's form.
    Form& parentForm() const;
    // Ambient properties of the container (398 when not sited): UserMode is false at design time,
    // DisplayName is the extender's Name, Font and BackColor are the form's. A control inside another
    // control (EmbeddedControl) takes UserMode and Font from that control's form and BackColor from
    // that control's surface.
    bool ambientUserMode() const;
    std::string ambientDisplayName() const;
    FontRef ambientFont() const;
    OleColor ambientBackColor() const;
    // Tells the container that the persisted property under `key` changed: the form then needs saving,
    // and the key is recorded on the site (Extender::changedKeys). Ignored while not sited.
    void PropertyChanged(std::string_view key);
    // True between onShow and onHide.
    bool isShown() const { return m_shown; }

    // ---- Constituent controls ----
    // Creates a constituent control of type T under `name` (unique within this control, letter case
    // ignored), inside `container` (a frame or picture box of this control; null for the surface).
    // It goes to the front of the z-order. A used or empty name is failure 380.
    template <class T>
    T& addChild(std::string name, ConstituentControl* container = nullptr);
    // The same, named with static text that the control keeps without a copy: the control's own
    // constituents, named in its code. A repeated static name is refused in debug builds only.
    template <class T>
    T& addChild(StaticText name, ConstituentControl* container = nullptr);
    ConstituentControl* findChild(std::string_view name) const;
    // The child named `name` as a T; failure 730 when there is none, 13 when it is not a T.
    template <class T>
    T& child(std::string_view name) const;
    // Removes a child and every child inside it. Failure 730 when there is none.
    void removeChild(std::string_view name);
    // In creation order.
    const std::vector<std::shared_ptr<ConstituentControl>>& children() const { return m_children; }
    // The children directly inside `container` (null: on the surface), back to front.
    std::vector<ConstituentControl*> childrenIn(const ConstituentControl* container) const;
    // All children, back to front.
    const std::vector<ConstituentControl*>& zOrder() const { return m_zOrder; }
    // The children as a late-bound collection (ChildControls). By name every control answers
    // "Controls" too, a member of its own that the type library leaves out: get("Controls") gives the
    // collection and get("Controls", {"cmdLeft"}) its item, as a host reads nav.Controls("cmdLeft").
    ObjectRef Controls();

    // ---- Input the form delivers to the surface itself ----
    // GotFocus and LostFocus: the surface itself got or lost the focus.
    struct SurfaceEvents : InputEvents {
        // The focus came into the control (the surface or any constituent control) or left it.
        Event<> EnterFocus;
        Event<> ExitFocus;
    };
    SurfaceEvents& surface() { return m_surface; }
    // How the form delivers input to the surface: the control's own onSurfaceInput first, then the
    // handlers of the surface event of that name, all sharing the (by-reference) arguments. Keys take
    // KeyCode (KeyAscii) and Shift, the mouse Button, Shift, X and Y; Click and DblClick nothing.
    enum class SurfaceInput : uint8_t {
        Click,
        DblClick,
        KeyDown,
        KeyPress,
        KeyUp,
        MouseDown,
        MouseMove,
        MouseUp
    };
    void raiseSurface(SurfaceInput kind);
    void raiseSurface(SurfaceInput kind, int16_t& key);
    void raiseSurface(SurfaceInput kind, int16_t& key, int16_t& shift);
    void raiseSurface(SurfaceInput kind, int16_t& button, int16_t& shift, float& x, float& y);

protected:
    UserControl();
    // Room for `n` constituent controls (a control that builds a fixed surface makes its lists once).
    void reserveChildren(size_t n) {
        m_children.reserve(n);
        m_zOrder.reserve(n);
    }

    virtual void onInitialize() {}
    virtual void onInitProperties() {}
    virtual void onReadProperties(PropertyBag&) {}
    virtual void onWriteProperties(PropertyBag&) {}
    virtual void onShow() {}
    virtual void onHide() {}
    virtual void onResize() {}
    virtual void onAmbientChanged(const std::string& /*name*/) {}
    virtual void onTerminate() {}
    // The extender's Visible changed (between onInitialize and onTerminate), before the form lays
    // out or shows anything for it.
    virtual void onExtenderVisibleChanged() {}
    // Input delivered to the surface (raiseSurface), before the surface event's handlers hear it: a
    // control that publishes events of the same names raises them here, at no cost per control while
    // nobody listens. The arguments are those of raiseSurface (unused ones zero).
    virtual void onSurfaceInput(SurfaceInput /*kind*/, int16_t& /*a*/, int16_t& /*b*/, float& /*x*/,
                                float& /*y*/) {}

    // The class's own members first, then "Controls".
    Resolved resolveMember(std::string_view name) override;

private:
    friend class Form;
    friend class Extender;
    friend class ConstituentControl;
    friend class EmbeddedControl;

    void adopt(std::shared_ptr<ConstituentControl> c, std::string_view name, bool staticName,
               ConstituentControl* container);
    void reorderChild(ConstituentControl& c, bool toFront);
    void childLostReach(ConstituentControl& c);
    // Stores a size without the docking rules or hooks (the form placing a control).
    void storeSize(float width, float height);
    void resized(bool changed);

    Extender* m_site = nullptr;
    // Set while the control sits inside another control (EmbeddedControl): its ambient properties are
    // that control's, and its size changes move the holder with it.
    EmbeddedControl* m_embedding = nullptr;
    bool m_initialized = false; // onInitialize has run and onTerminate has not
    bool m_shown = false;
    uint64_t m_resizeCount = 0; // how often onResize ran
    float m_width = 4800;
    float m_height = 3600;
    OleColor m_backColor = sysColor::ButtonFace;
    bool m_enabled = true;
    int16_t m_borderStyle = 0;
    bool m_autoRedraw = false;
    bool m_keyPreview = false;
    bool m_canGetFocus = true;
    bool m_controlContainer = false;
    bool m_alignable = true;
    SurfaceEvents m_surface;
    std::vector<std::shared_ptr<ConstituentControl>> m_children;
    std::vector<ConstituentControl*> m_zOrder;
    // The children by name (letter case ignored; the keys view the children's names), made by the first
    // lookup among kIndexedFrom or more children and kept from then on; none until then.
    static constexpr size_t kIndexedFrom = 32;
    using ChildIndex = std::unordered_map<std::string_view, ConstituentControl*, NoCaseHash, NoCaseEqual>;
    mutable std::unique_ptr<ChildIndex> m_childByName;
};

template <class T>
T& UserControl::addChild(std::string name, ConstituentControl* container) {
    auto c = std::make_shared<T>();
    T& ref = *c;
    adopt(std::move(c), name, false, container);
    return ref;
}

template <class T>
T& UserControl::addChild(StaticText name, ConstituentControl* container) {
    auto c = std::make_shared<T>();
    T& ref = *c;
    adopt(std::move(c), name.c_str(), true, container);
    return ref;
}

[[noreturn]] void throwControlNotFound(std::string_view name, std::string_view where);

template <class T>
T& UserControl::child(std::string_view name) const {
    ConstituentControl* c = findChild(name);
    if (!c) throwControlNotFound(name, classInfo().name);
    auto* t = dynamic_cast<T*>(c);
    if (!t) {
        throw Failure(err::TypeMismatch, failureText(err::TypeMismatch) + " (" + std::string(name) +
                                             " is a " + c->typeName() + ", not a " + T::kClassName + ")");
    }
    return *t;
}

} // namespace ov
