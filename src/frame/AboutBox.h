#pragma once

namespace ov {

// Opens the library's About window (frmAbout) modally and returns once it is closed; the window is
// then released. What the wizard controls' About method (DISPID -552) calls. While an About window is
// open on this thread (a call from code the open window runs), another call returns at once and the
// open window stays the one the user answers. Failures of the modal loop reach the caller.
void showAboutBox();

} // namespace ov
