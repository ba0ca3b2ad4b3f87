#pragma once

#include "platform/ConstituentControl.h"

namespace ov {

// A push button. Clicking it (the mouse, Enter while it is the default button or has the focus,
// Escape while it is the cancel button, the space key while it has the focus, or Value = true) raises
// Click. Default and Cancel mark the button Enter and Escape reach: setting either to true clears it
// on the owner's other command buttons.
class CommandButton : public ConstituentControl {
    OV_OBJECT(CommandButton)
public:
    CommandButton();

    std::string Caption() const { return m_caption; }
    void setCaption(const std::string& v) { m_caption = v; }
    bool Default() const { return m_default; }
    void setDefault(bool v);
    bool Cancel() const { return m_cancel; }
    void setCancel(bool v);
    // 0 standard, 1 graphical; others are 380.
    int16_t Style() const { return m_style; }
    void setStyle(int16_t v);
    // Always false when read; writing true raises Click.
    bool Value() const { return false; }
    void setValue(bool v);

    bool canTakeFocus() const override { return true; }

    static void describe(ClassBuilder<CommandButton>& b);

private:
    std::string m_caption;
    bool m_default = false;
    bool m_cancel = false;
    int16_t m_style = 0;
};

} // namespace ov
