#pragma once

#include "platform/ConstituentControl.h"

#include <memory>
#include <optional>
#include <string>
#include <string_view>

namespace ov {

// A library control placed inside another control as one of its constituent controls (a progress bar
// inside a progress panel, an item line inside an information panel). The holder is the inner
// control's container: the owner places it like any constituent control (Left, Top, Width, Height,
// Visible, ZOrder), the renderer paints the inner control's surface and constituents in its bounds,
// and the owner drives the inner control only through its public members, by name (get/let/call on
// the holder reach the inner control's members after the holder's own) or typed (controlAs<T>()).
//
// The inner control has its own Extender, belonging to no form: Name, Visible, Left, Top, Align,
// ToolTipText and Tag as the holder sets them, Width and Height its own size. Its ambient UserMode and
// Font are those of the owner's form, its ambient BackColor the owner's surface colour, and its
// PropertyChanged reaches no form. When the inner control resizes itself the holder takes the new size.
//
// Life: create() runs onInitialize, then onInitProperties (or onReadProperties with a bag), then
// onResize; unload() (or the holder's end) runs onTerminate. Inner controls are not told onShow and
// onHide. The form's mouse input reaches their constituent controls where the holder is reachable
// (visible and enabled through its owner) and the inner control is enabled; the keyboard focus does
// not go into them.
class EmbeddedControl : public ConstituentControl {
    OV_OBJECT(EmbeddedControl)
public:
    EmbeddedControl();
    ~EmbeddedControl() override;

    // Makes the inner control by program id (429 for an unknown one, 13 when it names no control) and
    // starts its life as above, at the holder's size. A second create is 5. A failing hook ends the
    // inner control again (onTerminate, its own failure ignored) and the failure reaches the caller.
    void create(std::string_view progId, PropertyBag* bag = nullptr);
    void create(std::shared_ptr<UserControl> control, PropertyBag* bag = nullptr);
    // Ends the inner control (onTerminate) and lets it go; nothing when there is none.
    void unload();

    UserControl* control() const { return m_control.get(); }
    template <class T>
    T* controlAs() const {
        return dynamic_cast<T*>(m_control.get());
    }
    // The program id the inner control was made from ("" when given as an object).
    const std::string& progId() const { return m_progId; }

    // The extender members the holder keeps in step with the inner control's extender.
    void setVisible(bool v);
    std::string ToolTipText() const { return ConstituentControl::ToolTipText(); }
    void setToolTipText(const std::string& v);
    std::string Tag() const { return ConstituentControl::Tag(); }
    void setTag(const std::string& v);
    // 0 none, 1 top, 2 bottom, 3 left, 4 right (others are 380): a docked holder takes the owner's
    // whole inner width (top, bottom) or height (left, right) at that edge, now and whenever the owner
    // calls dock() from its resize.
    int16_t Align() const { return m_align; }
    void setAlign(int16_t v);
    void dock();

    static void describe(ClassBuilder<EmbeddedControl>& b);

protected:
    void boundsChanged(float oldLeft, float oldTop, float oldWidth, float oldHeight) override;
    Resolved resolveMember(std::string_view name) override;
    std::pair<Object*, const EventInfo*> resolveEvent(std::string_view name) override;

private:
    friend class UserControl;
    // The inner control changed its own size.
    void followControlSize();

    std::shared_ptr<UserControl> m_control;
    ExtenderRef m_site;
    std::string m_progId;
    int16_t m_align = 0;
    bool m_following = false;
};

} // namespace ov
