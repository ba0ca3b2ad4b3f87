#include "platform/CheckBox.h"

#include "platform/Failure.h"

namespace ov {

const ClassInfo& CheckBox::staticClass() {
    return buildClassInfo<CheckBox>([](ClassInfo& i) { i.published = false; });
}

void CheckBox::describe(ClassBuilder<CheckBox>& b) {
    describeCommon(b, Geometry | Enabling | Focus | Text | Back | Mouse | ToolTip);
    b.property("Caption", -518, &CheckBox::Caption, &CheckBox::setCaption);
    b.property("Value", 0, &CheckBox::Value, &CheckBox::setValue);
    b.property("Alignment", 0x200, &CheckBox::Alignment, &CheckBox::setAlignment);
}

CheckBox::CheckBox() {
    storeBounds(0, 0, 1215, 255);
}

void CheckBox::setValue(int16_t v) {
    if (v < 0 || v > 2) {
        throw Failure(err::InvalidPropertyValue,
                      failureText(err::InvalidPropertyValue) + " (" + Name() + ": Value must be 0, 1 or 2)");
    }
    if (v == m_value) return;
    m_value = v;
    raise(&Events::Click);
}

void CheckBox::setAlignment(int16_t v) {
    if (v != 0 && v != 1) {
        throw Failure(err::InvalidPropertyValue,
                      failureText(err::InvalidPropertyValue) + " (" + Name() + ": Alignment must be 0 or 1)");
    }
    m_alignment = v;
}

void CheckBox::userClick() {
    // A grayed box is ticked by a click, as a cleared one is.
    setValue(m_value == 1 ? 0 : 1);
}

} // namespace ov
