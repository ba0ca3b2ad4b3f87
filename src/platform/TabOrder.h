#pragma once

#include "platform/Forward.h"

namespace ov {

// Tab and Shift+Tab (Form::pressKey calls this; a window host needs nothing more): moves the focus of a
// running, shown form to the next (previous) stop of its tab order, wrapping at the ends. The stops are the
// controls in creation order whose TabStop is true and that a user can reach (visible and enabled through
// their containers); within one, its constituent controls that take the focus and have TabStop set, by
// TabIndex, or the control's surface itself when it takes the focus and none of them does. The focus moves
// through Form::focus, so the form raises every focus event. Returns false when the form has no stop other
// than the current one.
bool moveFocus(Form& form, bool backwards);

// Whether a user can reach `control`: it is visible on its form, and it and every control holding it
// are enabled (what the form asks before it delivers input).
bool canReach(const Extender& control);
// Whether a click may give the focus to `child` of `control` (null: the control's surface): the
// control is reachable and the child takes the focus, is visible and enabled and belongs to the control
// itself (a control held inside another has no place in the focus order); a surface takes it only
// when it can and none of its constituent controls can.
bool canClickFocus(const Extender& control, const ConstituentControl* child);

} // namespace ov
