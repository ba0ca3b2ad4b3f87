#include "controls/SetControlEnabled.h"

#include "platform/Color.h"
#include "platform/Failure.h"
#include "platform/Object.h"
#include "platform/Variant.h"

namespace ov {

namespace {

void letIfPresent(Object& control, const char* property, const Variant& value) {
    try {
        control.let(property, value);
    } catch (const Failure& f) {
        if (f.number() != err::NoSuchMember) throw;
    }
}

Variant colour(OleColor c) {
    return Variant(static_cast<int32_t>(c));
}

} // namespace

void SetControlEnabled(Object& control, bool enabled) {
    const std::string type = control.typeName();
    const Variant back = colour(enabled ? sysColor::WindowBackground : sysColor::ButtonFace);
    if (type == "TextBox") {
        letIfPresent(control, "Locked", !enabled);
        letIfPresent(control, "BackColor", back);
        return;
    }
    letIfPresent(control, "Enabled", enabled);
    if (type != "Label" && type != "OvLabel") letIfPresent(control, "BackColor", back);
    if (type != "OvLabel")
        letIfPresent(control, "ForeColor", colour(enabled ? sysColor::WindowText : sysColor::GrayText));
}

} // namespace ov
