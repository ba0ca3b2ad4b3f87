#pragma once

#include "platform/Forward.h"

namespace ov {

// Switches one child control between its enabled and disabled look, shared by the library's controls.
// A "TextBox" stays enabled, so its text can still be selected and copied: it becomes Locked while
// disabled and takes the window colour (&H80000005) enabled, the button face (&H8000000F) disabled.
// Any other control gets Enabled; unless it is a "Label" or an "OvLabel" the same back colours; unless
// it is an "OvLabel" the fore colour window text (&H80000008) enabled, grey text (&H80000011) disabled.
// The type name is the control's class name; a property the control does not have (438) is skipped,
// any other failure reaches the caller.
void SetControlEnabled(Object& control, bool enabled);

} // namespace ov
