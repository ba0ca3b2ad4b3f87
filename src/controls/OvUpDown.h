#pragma once

#include "platform/Event.h"
#include "platform/UserControl.h"

#include <cstdint>
#include <string>

namespace ov {

class TextBox;
class UpDown;

// A numeric entry box: the text box txtSpin for a whole number and the spin buttons spinCtl at its
// right edge (designed 2100 x 330 twips; txtSpin 0, 0, 1815 x 315; spinCtl 1890, 0, 240 x 315). The
// spin buttons hold the value and its range; the control keeps the text in step with them:
//
// - Value, Min, Max, Increment, Wrap are the spin buttons' own. Setting Value to a different value
//   raises Change, and only then does txtSpin show the value in decimal. Max also sets txtSpin's
//   MaxLength to the length of the maximum in decimal (100: 3, -5: 2). Increment stores the absolute
//   value of what it is given.
// - Up (key 38) and Down (40) in txtSpin step the value by Increment without clamping (9 with Max 10
//   and Increment 5 asks for 14, which the spin buttons refuse: a failure report, the value stays);
//   at Max (Min) they go to Min (Max) with Wrap, else stay at the end.
// - Leaving txtSpin validates it: numeric text (see Variant::parseNumber) at or beyond Max (Min)
//   becomes Max (Min); other text is undone (the value's text); then the value is the text rounded to
//   a whole number, halves to even ("4.5" is 4, "5.5" is 6). The focus is never held back. The text
//   box validates whenever the focus leaves it, also for another control of the form, so this covers
//   the focus leaving the whole control.
// - txtSpin taking the focus copies the control's ToolTipText to both children and selects its text;
//   a press on the spin buttons copies the tool tip too.
// - Mouse events of either child are raised as the control's own; from the spin buttons x is first
//   increased by spinCtl's Left.
//
// Failures: the writers, the Font reader, the key handler, the validation and the size change each
// show a critical message box (style 16, the application's title) with the failure's description,
// CR LF, "Class: OvUpDown", CR LF, "Procedure: <procedure>" (the size change adds CR LF and "Step: "
// with its step), then end normally; nothing reaches the host.
class OvUpDown : public UserControl {
    OV_OBJECT(OvUpDown)
public:
    OvUpDown();
    ~OvUpDown() override;

    int32_t Value() const;
    void setValue(int32_t v);
    int32_t Min() const;
    void setMin(int32_t v);
    int32_t Max() const;
    void setMax(int32_t v);
    // 0 left, 1 right, 2 centre.
    int16_t Alignment() const;
    void setAlignment(int16_t v);
    int32_t Increment() const;
    void setIncrement(int32_t v);
    FontRef Font() const;
    void setFont(FontRef v);
    bool Wrap() const;
    void setWrap(bool v);
    // Enabled: txtSpin locked (window colour, or button face while disabled, its text still
    // selectable), spinCtl and the surface enabled or not, the surface window colour or button face.
    bool Enabled() const { return UserControl::Enabled(); }
    void setEnabled(bool v);

    TextBox& txtSpin() const { return *m_txtSpin; }
    UpDown& spinCtl() const { return *m_spinCtl; }

    Event<> Change;
    Event<> DownClick;
    Event<> UpClick;
    Event<int16_t&, int16_t&, float&, float&> MouseDown;
    Event<int16_t&, int16_t&, float&, float&> MouseMove;
    Event<int16_t&, int16_t&, float&, float&> MouseUp;

    static void describe(ClassBuilder<OvUpDown>& b);

protected:
    void onInitProperties() override;
    void onReadProperties(PropertyBag& bag) override;
    void onWriteProperties(PropertyBag& bag) override;
    void onResize() override;

private:
    void spinCtl_Change();
    void txtSpin_KeyDown(int16_t keyCode);
    void txtSpin_Validate();
    void txtSpin_GotFocus();
    void copyToolTip();
    std::string text(int32_t v) const { return std::to_string(v); }

    TextBox* m_txtSpin;
    UpDown* m_spinCtl;
    int32_t m_lastValue = 0;
    std::string m_typedText;
    bool m_loading = false;
    std::vector<ScopedConnection> m_links;
};

} // namespace ov
