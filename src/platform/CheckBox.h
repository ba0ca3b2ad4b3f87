#pragma once

#include "platform/ConstituentControl.h"

#include <cstdint>
#include <string>

namespace ov {

// A check box with a caption beside it. Value is 0 (cleared), 1 (ticked) or 2 (grayed: neither, as for
// a selection whose controls differ); other values are failure 380. A change of Value, by code or by
// the user, raises Click; writing the value it already has raises nothing. A user's click (Form::click),
// or the space key while the box has the focus (after key up), ticks a cleared or grayed box and
// clears a ticked one. Alignment 0 puts the box left of the caption,
// 1 right of it; others are 380.
class CheckBox : public ConstituentControl {
    OV_OBJECT(CheckBox)
public:
    CheckBox();

    std::string Caption() const { return m_caption; }
    void setCaption(const std::string& v) { m_caption = v; }
    int16_t Value() const { return m_value; }
    void setValue(int16_t v);
    int16_t Alignment() const { return m_alignment; }
    void setAlignment(int16_t v);

    bool canTakeFocus() const override { return true; }
    void userClick() override;

    static void describe(ClassBuilder<CheckBox>& b);

private:
    std::string m_caption;
    int16_t m_value = 0;
    int16_t m_alignment = 0;
};

} // namespace ov
