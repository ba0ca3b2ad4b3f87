#pragma once

#include "platform/ClassBuilder.h"
#include "platform/Color.h"
#include "platform/Event.h"
#include "platform/Font.h"
#include "platform/Forward.h"
#include "platform/InputEvents.h"
#include "platform/Object.h"

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <thread>
#include <utility>

namespace ov {

// Text with static storage: a string literal, kept as a view and never copied (the names of a
// control's fixed constituents, StaticText("lblTitle")).
class StaticText {
public:
    template <size_t N>
    explicit consteval StaticText(const char (&literal)[N]) : m_text(literal) {}
    const char* c_str() const { return m_text; }

private:
    const char* m_text;
};

// A standard control that a UserControl builds its surface from (command button, label, picture box,
// image, frame, line). Constituent controls keep state and raise events; they draw nothing: a renderer
// reads them. Each belongs to one UserControl (its owner), which creates it under a name and keeps it;
// its container is the owner's surface or a frame or picture box of the same owner, and its Left and
// Top are measured from that container's inner top-left corner, in twips.
//
// Events are raised by the hosting form when it delivers input (Form::click, Form::pressKey, ...):
// a control only receives what a user could give it, so a label never gets keys or the focus.
class ConstituentControl : public Object {
public:
    ~ConstituentControl() override;
    ConstituentControl(const ConstituentControl&) = delete;
    ConstituentControl& operator=(const ConstituentControl&) = delete;

    std::string Name() const { return m_name; }
    std::string_view nameView() const { return m_name; }
    // The owning control; null once the owner is gone.
    UserControl* owner() const { return m_owner; }

    // The frame or picture box this control sits in, or null for the owner's surface.
    ConstituentControl* container() const { return m_container; }
    // Moves the control into another container of the same owner (null: the owner's surface). Keeps
    // Left and Top as numbers. Failure 380 when `c` cannot hold controls, belongs to another owner, or
    // is this control or one inside it.
    void setContainer(ConstituentControl* c);
    // Late-bound view: the frame or picture box, or the owning control.
    ObjectRef Container() const;
    void setContainerObject(const ObjectRef& c);
    // Frames and picture boxes hold other constituent controls.
    virtual bool holdsControls() const { return false; }
    // Controls a user can give the keyboard focus to (command buttons, picture boxes).
    virtual bool canTakeFocus() const { return false; }
    // Controls the mouse reaches (all but lines).
    virtual bool receivesMouse() const { return true; }

    float Left() const { return m_left; }
    float Top() const { return m_top; }
    float Width() const {
        settleSize();
        return m_width;
    }
    float Height() const {
        settleSize();
        return m_height;
    }
    void setLeft(float v) { Move(v, m_top); }
    void setTop(float v) { Move(m_left, v); }
    // Negative sizes are failure 380.
    void setWidth(float v) { Move(m_left, m_top, v); }
    void setHeight(float v) { Move(m_left, m_top, {}, v); }
    void Move(float left, std::optional<float> top = {}, std::optional<float> width = {},
              std::optional<float> height = {});

    bool Visible() const { return m_visible; }
    void setVisible(bool v);
    bool Enabled() const { return m_enabled; }
    void setEnabled(bool v);
    bool TabStop() const { return m_tabStop; }
    void setTabStop(bool v) { m_tabStop = v; }
    int16_t TabIndex() const { return m_tabIndex; }
    // Negative indices are failure 380.
    void setTabIndex(int16_t v);
    std::string Tag() const { return m_texts ? m_texts->tag : std::string(); }
    void setTag(const std::string& v) {
        if (m_texts || !v.empty()) texts().tag = v;
    }
    std::string ToolTipText() const { return m_texts ? m_texts->toolTipText : std::string(); }
    void setToolTipText(const std::string& v) {
        if (m_texts || !v.empty()) texts().toolTipText = v;
    }
    FontRef Font() const { return m_font; }
    // Nothing is failure 380 (a control always has a font).
    void setFont(FontRef v);
    OleColor ForeColor() const { return m_foreColor; }
    void setForeColor(OleColor v) { m_foreColor = v; }
    OleColor BackColor() const { return m_backColor; }
    void setBackColor(OleColor v) { m_backColor = v; }

    // 0 (or nothing) brings the control to the front of its container's controls, 1 sends it to the back.
    void ZOrder(std::optional<int16_t> position = {});
    // Gives the control the keyboard focus. Failure 5 when it cannot take the focus now (not a control
    // that takes it, invisible or disabled itself or through its containers, or its owner is not on a
    // form).
    void SetFocus();
    bool hasFocus() const;

    // What a user's click does once the button is released over the control (Form::click): raises
    // Click. A check box or option button changes its Value instead, which raises Click.
    virtual void userClick() { raise(&Events::Click); }

    // Visible (enabled) itself and through every container up to the owner's surface.
    bool effectivelyVisible() const;
    bool effectivelyEnabled() const;

    // The events a user's input raises. They are made together, belonging to the control's thread, the
    // first time any of them is asked for (to connect, or to count handlers); until then the control
    // holds none, and raising one (raise) does nothing. Asking on another thread before they are made
    // fails with err::WrongThread as connecting would, and makes nothing.
    using Events = InputEvents;
    [[nodiscard]] Event<>& Click() { return events().Click; }
    [[nodiscard]] Event<>& DblClick() { return events().DblClick; }
    [[nodiscard]] Event<>& GotFocus() { return events().GotFocus; }
    [[nodiscard]] Event<>& LostFocus() { return events().LostFocus; }
    [[nodiscard]] Event<int16_t&, int16_t&>& KeyDown() { return events().KeyDown; }
    [[nodiscard]] Event<int16_t&>& KeyPress() { return events().KeyPress; }
    [[nodiscard]] Event<int16_t&, int16_t&>& KeyUp() { return events().KeyUp; }
    [[nodiscard]] Event<int16_t&, int16_t&, float&, float&>& MouseDown() { return events().MouseDown; }
    [[nodiscard]] Event<int16_t&, int16_t&, float&, float&>& MouseMove() { return events().MouseMove; }
    [[nodiscard]] Event<int16_t&, int16_t&, float&, float&>& MouseUp() { return events().MouseUp; }
    // Whether the events have been made (something asked for one).
    bool hasEvents() const { return m_events != nullptr; }
    // Raises one of the events (raise(&Events::KeyDown, code, shift)): its handlers run as the event's
    // own raise runs them; without the events nothing runs and nothing is made. On another thread it
    // fails with err::WrongThread either way.
    template <class... A, class... P>
    void raise(Event<A...> Events::*event, P&&... args) const {
        if (m_events)
            (m_events.get()->*event)(std::forward<P>(args)...);
        else
            affirmEventThread("raising");
    }

protected:
    ConstituentControl();

    // Runs after Left, Top, Width or Height changed (a label re-measures, a line moves its ends).
    virtual void boundsChanged(float oldLeft, float oldTop, float oldWidth, float oldHeight);
    virtual void fontChanged() {}
    // Stores bounds without running boundsChanged (for a control that computes its own size).
    void storeBounds(float left, float top, float width, float height);
    // A control whose size follows its content may put off working it out: after deferSize(),
    // fitDeferredSize() runs once, before the size is next read or changed (a label on a hidden page
    // is measured when something first looks at it, not at every change of its caption or font).
    void deferSize() { m_sizeDeferred = true; }
    virtual void fitDeferredSize() {}

    // Which of the common members a class publishes by name.
    enum Members : unsigned {
        Geometry = 1, // Left, Top, Width, Height, Move
        Enabling = 2, // Enabled
        Focus = 4,    // TabStop, TabIndex, SetFocus, GotFocus, LostFocus, KeyDown/KeyPress/KeyUp
        Text = 8,     // Font, ForeColor
        Back = 16,    // BackColor
        Mouse = 32,   // Click, DblClick, MouseDown/MouseMove/MouseUp
        ToolTip = 64, // ToolTipText
    };
    template <class T>
    static void describeCommon(ClassBuilder<T>& b, unsigned members);

private:
    friend class UserControl;

    void settleSize() const {
        if (m_sizeDeferred) [[unlikely]]
            const_cast<ConstituentControl*>(this)->fitDeferred();
    }
    void fitDeferred();
    Events& events() {
        if (!m_events) [[unlikely]]
            makeEvents();
        return *m_events;
    }
    void makeEvents();
    // What an event of this control fails with on another thread (`use`: "raising", "connecting to").
    void affirmEventThread(const char* use) const;

    // Static text the owner named the control with (StaticText), or a copy the control owns.
    const char* m_name = "";
    UserControl* m_owner = nullptr;
    ConstituentControl* m_container = nullptr;
    float m_left = 0, m_top = 0, m_width = 0, m_height = 0;
    bool m_visible = true;
    bool m_enabled = true;
    bool m_tabStop = true;
    bool m_sizeDeferred = false;
    bool m_ownsName = false;
    int16_t m_tabIndex = 0;
    // Texts most controls never get, made with the first one that is not empty.
    struct Texts {
        std::string tag;
        std::string toolTipText;
    };
    Texts& texts() {
        if (!m_texts) m_texts = std::make_unique<Texts>();
        return *m_texts;
    }

    std::unique_ptr<Texts> m_texts;
    std::unique_ptr<Events> m_events;
    FontRef m_font;
    OleColor m_foreColor = sysColor::ButtonText;
    OleColor m_backColor = sysColor::ButtonFace;
};

template <class T>
void ConstituentControl::describeCommon(ClassBuilder<T>& b, unsigned members) {
    using C = ConstituentControl;
    b.property("Name", 0x100, &C::Name);
    b.property("Container", 0x101, &C::Container).set(&C::setContainerObject);
    b.property("Visible", 0x102, &C::Visible, &C::setVisible);
    b.property("Tag", 0x103, &C::Tag, &C::setTag);
    b.method("ZOrder", 0x104, &C::ZOrder, {"Position"});
    if (members & Geometry) {
        b.property("Left", 0x110, &C::Left, &C::setLeft);
        b.property("Top", 0x111, &C::Top, &C::setTop);
        b.property("Width", 0x112, &C::Width, &C::setWidth);
        b.property("Height", 0x113, &C::Height, &C::setHeight);
        b.method("Move", 0x114, &C::Move, {"Left", "Top", "Width", "Height"});
    }
    if (members & Enabling) b.property("Enabled", -514, &C::Enabled, &C::setEnabled);
    if (members & Text) {
        b.property("Font", -512, &C::Font).set(&C::setFont);
        b.property("ForeColor", -513, &C::ForeColor, &C::setForeColor);
    }
    if (members & Back) b.property("BackColor", -501, &C::BackColor, &C::setBackColor);
    if (members & ToolTip) b.property("ToolTipText", 0x120, &C::ToolTipText, &C::setToolTipText);
    if (members & Focus) {
        b.property("TabStop", 0x121, &C::TabStop, &C::setTabStop);
        b.property("TabIndex", 0x122, &C::TabIndex, &C::setTabIndex);
        b.method("SetFocus", 0x123, &C::SetFocus);
        b.event("GotFocus", 0x130, &C::GotFocus, {});
        b.event("LostFocus", 0x131, &C::LostFocus, {});
        b.event("KeyDown", -602, &C::KeyDown, {"KeyCode", "Shift"});
        b.event("KeyPress", -603, &C::KeyPress, {"KeyAscii"});
        b.event("KeyUp", -604, &C::KeyUp, {"KeyCode", "Shift"});
    }
    if (members & Mouse) {
        b.event("Click", -600, &C::Click, {});
        b.event("DblClick", -601, &C::DblClick, {});
        b.event("MouseDown", -605, &C::MouseDown, {"Button", "Shift", "X", "Y"});
        b.event("MouseMove", -606, &C::MouseMove, {"Button", "Shift", "X", "Y"});
        b.event("MouseUp", -607, &C::MouseUp, {"Button", "Shift", "X", "Y"});
    }
}

} // namespace ov
