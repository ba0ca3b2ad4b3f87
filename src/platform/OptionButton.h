#pragma once

#include "platform/ConstituentControl.h"

#include <string>

namespace ov {

// A round option button with a caption. The option buttons directly inside one container (a frame, a
// picture box, or the owner's surface) form a group in which at most one Value is true: setting one
// true clears the others of its group, which raise nothing. Value becoming true, by code or by the
// user's click (Form::click) or the space key while it has the focus, raises Click on that button; a click on
// the button already chosen and setting Value to what it is raise nothing; setting it false only clears it.
// Moving a button into another container keeps its Value (as a host does; the next choice in that group
// settles it).
class OptionButton : public ConstituentControl {
    OV_OBJECT(OptionButton)
public:
    OptionButton();

    std::string Caption() const { return m_caption; }
    void setCaption(const std::string& v) { m_caption = v; }
    bool Value() const { return m_value; }
    void setValue(bool v);

    bool canTakeFocus() const override { return true; }
    void userClick() override { setValue(true); }

    static void describe(ClassBuilder<OptionButton>& b);

private:
    std::string m_caption;
    bool m_value = false;
};

} // namespace ov
