#include "platform/CommandButton.h"

#include "platform/UserControl.h"

namespace ov {

const ClassInfo& CommandButton::staticClass() {
    return buildClassInfo<CommandButton>([](ClassInfo& i) { i.published = false; });
}

void CommandButton::describe(ClassBuilder<CommandButton>& b) {
    describeCommon(b, Geometry | Enabling | Focus | Text | Back | Mouse | ToolTip);
    b.property("Caption", -518, &CommandButton::Caption, &CommandButton::setCaption);
    b.property("Default", 0x200, &CommandButton::Default, &CommandButton::setDefault);
    b.property("Cancel", 0x201, &CommandButton::Cancel, &CommandButton::setCancel);
    b.property("Style", 0x202, &CommandButton::Style, &CommandButton::setStyle);
    b.property("Value", 0, &CommandButton::Value, &CommandButton::setValue);
}

CommandButton::CommandButton() {
    storeBounds(0, 0, 1215, 375);
}

void CommandButton::setDefault(bool v) {
    m_default = v;
    // One default button per control, as one per form in the host.
    if (v && owner()) {
        for (const auto& c : owner()->children()) {
            auto* other = dynamic_cast<CommandButton*>(c.get());
            if (other && other != this) other->m_default = false;
        }
    }
}

void CommandButton::setCancel(bool v) {
    m_cancel = v;
    if (v && owner()) {
        for (const auto& c : owner()->children()) {
            auto* other = dynamic_cast<CommandButton*>(c.get());
            if (other && other != this) other->m_cancel = false;
        }
    }
}

void CommandButton::setStyle(int16_t v) {
    if (v != 0 && v != 1) {
        throw Failure(err::InvalidPropertyValue,
                      failureText(err::InvalidPropertyValue) + " (" + Name() + ": Style must be 0 or 1)");
    }
    m_style = v;
}

void CommandButton::setValue(bool v) {
    if (v) raise(&Events::Click);
}

} // namespace ov
