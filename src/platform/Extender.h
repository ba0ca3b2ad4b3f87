#pragma once

#include "platform/ClassBuilder.h"
#include "platform/Event.h"
#include "platform/Forward.h"
#include "platform/Object.h"
#include "platform/UserControl.h"

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace ov {

// The free area of a form's client rectangle that a docked control is placed in (twips).
struct DockSpace {
    float left = 0, top = 0, right = 0, bottom = 0;
    bool operator==(const DockSpace&) const = default;
};

// Extender values of a sited control, as a form file stores them beside the property bag.
struct ExtenderValues {
    float left = 0;
    float top = 0;
    std::optional<float> width; // nothing: the control's own size
    std::optional<float> height;
    bool visible = true;
    std::string tag;
    int32_t helpContextID = 0;
    int16_t align = 0;
    bool tabStop = true;
    std::string toolTipText;
    bool isDefault = false;
    bool isCancel = false;
    std::string container; // name of the container control; empty for the form itself
    bool operator==(const ExtenderValues&) const = default;
};

// What a form wraps each sited control in: the properties the container keeps for the control (name,
// position, visibility, docking, ...) plus the control itself. Late-bound calls look for an extender
// member first and then for the control's own, so a host reaches both through one object; a name
// neither has is failure 438. typeName() is the control's class name.
//
// Position (Left, Top) is the container's, in twips from the inner top-left corner of the form or
// container control; Width and Height are the control's own size. A docked control (Align 1 top,
// 2 bottom, 3 left, 4 right, on the form only) is placed by the form: writes to its Left and Top are
// ignored, and so is the measure along its edge.
class Extender : public Object {
public:
    static constexpr const char* kClassName = "Extender";
    static const ClassInfo& staticClass();
    const ClassInfo& classInfo() const override;
    static void describe(ClassBuilder<Extender>& b);

    UserControl& control() const { return *m_control; }
    const std::shared_ptr<UserControl>& controlRef() const { return m_control; }
    // The control as a T, or null when it is not one.
    template <class T>
    std::shared_ptr<T> controlAs() const {
        return std::dynamic_pointer_cast<T>(m_control);
    }
    // The form; null once the control has been removed or the form unloaded.
    Form* form() const { return m_form; }

    std::string Name() const { return m_name; }
    // Design time only (382 at run time). The name must be an identifier (a letter, then letters,
    // digits or "_", at most 40 characters) that no other control of the form uses (letter case
    // ignored): otherwise 380. The control then hears onAmbientChanged("DisplayName").
    void setName(const std::string& v);
    std::string Tag() const { return m_tag; }
    void setTag(const std::string& v);
    int32_t HelpContextID() const { return m_helpContextID; }
    void setHelpContextID(int32_t v);
    bool Visible() const { return m_visible; }
    // The control hears onShow/onHide as it appears or disappears on a visible form.
    void setVisible(bool v);
    float Left() const {
        settleDocking();
        return m_left;
    }
    float Top() const {
        settleDocking();
        return m_top;
    }
    float Width() const;
    float Height() const;
    void setLeft(float v) { Move(v, m_top); }
    void setTop(float v) { Move(m_left, v); }
    // Resizes the control (its onResize runs).
    void setWidth(float v);
    void setHeight(float v);
    void Move(float left, std::optional<float> top = {}, std::optional<float> width = {},
              std::optional<float> height = {});
    // 0 (or nothing) to the front of the form's z-order, 1 to the back; other values are 5.
    void ZOrder(std::optional<int16_t> position = {});
    // 0 none, 1 top, 2 bottom, 3 left, 4 right; others are 380. Docking applies to controls whose
    // container is the form; a control put into a container control is undocked.
    int16_t Align() const { return m_align; }
    void setAlign(int16_t v);
    bool TabStop() const { return m_tabStop; }
    void setTabStop(bool v);
    std::string ToolTipText() const { return m_toolTipText; }
    void setToolTipText(const std::string& v);
    // The form's default (Enter) and cancel (Escape) control: at most one control of a form has each;
    // setting one clears the others.
    bool Default() const { return m_default; }
    void setDefault(bool v);
    bool Cancel() const { return m_cancel; }
    void setCancel(bool v);
    // The form, or the extender of the container control this one sits in.
    ObjectRef Container() const;
    // Accepts the form or the extender of a control of the same form whose ControlContainer is true
    // (not this control nor one inside it); otherwise 380.
    void setContainer(const ObjectRef& container);
    Extender* containerControl() const { return m_container; }
    ObjectRef Parent() const;
    // Gives the focus to the control: its first constituent control that can take it (TabIndex order),
    // else its surface. Failure 5 when nothing in it can take the focus now.
    void SetFocus();

    // The focus came into the control or left it (raised after the control's own EnterFocus/ExitFocus).
    Event<> GotFocus;
    Event<> LostFocus;

    // The keys the control reported through PropertyChanged since the last clear, each once, in the
    // order of their first report: which properties changed, not how often. A control that keeps
    // changing its properties while it runs holds at most as many keys as it has.
    const std::vector<std::string>& changedKeys() const { return m_changedKeys; }
    // Whether `key` (exact spelling) is among changedKeys.
    bool hasChangedKey(std::string_view key) const;
    void clearChangedKeys();

    ExtenderValues values() const;
    // Runs the control's onWriteProperties into `bag` (what a form saver stores for the control).
    void writeProperties(PropertyBag& bag);

    bool isDocked() const { return m_align != 0 && !m_container; }
    // On a visible form, visible itself and through its container controls.
    bool effectivelyVisible() const;

protected:
    Resolved resolveMember(std::string_view name) override;
    std::pair<Object*, const EventInfo*> resolveEvent(std::string_view name) override;

private:
    friend class Form;
    friend class UserControl;
    friend class EmbeddedControl;

    Extender(Form& form, std::shared_ptr<UserControl> control, std::string name);
    // The extender of a control inside another control (EmbeddedControl): it belongs to no form.
    Extender(std::shared_ptr<UserControl> control, std::string name);
    void recordChange(std::string_view key);
    // Puts the control into `container` (null: the form), keeping the containers' counts.
    void placeIn(Extender* container);
    // A docked control's place may wait for the form's docking (Form::settleDocking).
    void settleDocking() const;
    void storePosition(float left, float top) {
        m_left = left;
        m_top = top;
    }

    Form* m_form;
    std::shared_ptr<UserControl> m_control;
    std::string m_name;
    std::string m_tag;
    int32_t m_helpContextID = 0;
    bool m_visible = true;
    float m_left = 0;
    float m_top = 0;
    int16_t m_align = 0;
    bool m_tabStop = true;
    std::string m_toolTipText;
    bool m_default = false;
    bool m_cancel = false;
    Extender* m_container = nullptr;
    size_t m_innerCount = 0; // controls whose container this one is
    DockSpace m_dockSpace;   // the free area this control was docked in (see Form::layoutDocked)
    std::vector<std::string> m_changedKeys;
    std::vector<size_t> m_changedKeyHashes; // beside m_changedKeys, for the look-up before an append
    bool changedKeyKnown(std::string_view key, size_t hash) const;
};

} // namespace ov
