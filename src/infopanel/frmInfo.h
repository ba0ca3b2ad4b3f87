#pragma once

#include "platform/Form.h"

#include <memory>
#include <string>

namespace ov {

class Label;
class PictureBox;
class TextBox;
class UserControl;

// The detail window: a sizable run-mode form named "frmInfo" that shows one long value. Its client
// area holds, on one surface control:
//
//   Picture1 (0, 0, full width x 345)   a strip in the window colour (window-text foreground) holding
//     lblTitle (90, 60)                 the title, MS Sans Serif 8.25 bold (designed caption "Attribute")
//     picClose (right - 300, 52, 240 x 240) a close icon; clicking it closes the window
//   txtInfo                             a multi-line, locked text box (designed text "Info") that fills
//                                       the client area below the strip less one pixel on each side
//                                       (left Tx, top strip + Ty, width W - 2 Tx, height H - strip - 2 Ty),
//                                       again on every size change
//
// The window closes (unloads) when picClose is clicked, when Esc (27) is released, and when F4 (115)
// is released with Alt (shift 4) held; it hears the keys first (KeyPreview). Closing unloads it; the
// next ShowInfo creates it again.
class frmInfo : public Form {
public:
    static constexpr const char* kFormName = "frmInfo";

    // Shows `sTitle` as the window caption and in lblTitle, and `sInfo` (line breaks as CR LF) in
    // txtInfo, then shows the window modally, owned by `mForm` (the control or form that asked; kept
    // as a weak reference), and returns once the window is closed. The window is created on first use
    // and unloaded on close. Called while it is already open on this thread (from code the open window
    // runs), the open window takes the new title and text and the call returns at once. Headless, the
    // thread's modal hook (Form::setModalHook) plays the user. Failures of the modal loop reach the
    // caller.
    static void ShowInfo(const std::string& sTitle, const std::string& sInfo, const ObjectRef& mForm);

    // The window while it is loaded on this thread, else null.
    static std::shared_ptr<frmInfo> loaded();

    Label& lblTitle() const;
    PictureBox& Picture1() const;
    PictureBox& picClose() const;
    TextBox& txtInfo() const;
    // The window's owner, while it lives.
    ObjectRef owner() const { return m_owner.lock(); }

    frmInfo(); // use ShowInfo

private:
    void load();
    void layout();
    void closeOnKey(int16_t keyCode, int16_t shift);

    std::shared_ptr<UserControl> m_surface;
    std::weak_ptr<Object> m_owner;
    std::vector<ScopedConnection> m_links;
};

} // namespace ov
