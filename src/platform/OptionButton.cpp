#include "platform/OptionButton.h"

#include "platform/UserControl.h"

namespace ov {

const ClassInfo& OptionButton::staticClass() {
    return buildClassInfo<OptionButton>([](ClassInfo& i) { i.published = false; });
}

void OptionButton::describe(ClassBuilder<OptionButton>& b) {
    describeCommon(b, Geometry | Enabling | Focus | Text | Back | Mouse | ToolTip);
    b.property("Caption", -518, &OptionButton::Caption, &OptionButton::setCaption);
    b.property("Value", 0, &OptionButton::Value, &OptionButton::setValue);
}

OptionButton::OptionButton() {
    storeBounds(0, 0, 1215, 255);
}

void OptionButton::setValue(bool v) {
    if (v == m_value) return;
    m_value = v;
    if (!v) return;
    // The group is the option buttons sharing this one's container; the others are cleared quietly,
    // before Click, so a Click handler sees the group settled.
    if (UserControl* o = owner()) {
        for (const auto& c : o->children()) {
            auto* other = dynamic_cast<OptionButton*>(c.get());
            if (other && other != this && other->container() == container()) other->m_value = false;
        }
    }
    raise(&Events::Click);
}

} // namespace ov
