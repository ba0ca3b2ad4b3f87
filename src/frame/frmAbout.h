#pragma once

#include "platform/Form.h"

#include <memory>
#include <string>

namespace ov {

class CommandButton;
class Label;
class Line;
class PictureBox;
class UserControl;

// The library's About window: a run-mode form named "frmAbout" whose client area (5730 x 3210 twips)
// holds, on one surface control:
//
//   picIcon (240, 240, 540 x 540)      an empty picture box for the library's icon
//   lblTitle (1050, 240, 3885 x 480)   the library's title, in a larger bold font
//   lblVersion (1050, 780, 3885 x 225) "Version " + major "." minor "." revision of libraryVersion()
//   lblDescription (1050, 1125, 3885 x 900, word-wrapped) the type library's description
//   linEtchShadow, linEtchHighlight    an etched separator across the window at 2130 twips
//   cmdOK (4245, 2265, 1260 x 345)     "OK": the default and cancel button; unloads the window
//   cmdSysInfo (4245, 2715, 1260 x 345) "&System Info...": runs StartSysInfo
//
// Loading the window (create) sets its caption to "About " + the library's title. The focus starts on
// cmdOK, so Enter and Escape both close the window.
class frmAbout : public Form {
public:
    static constexpr const char* kFormName = "frmAbout";

    // A loaded About window, not yet shown.
    static std::shared_ptr<frmAbout> create();

    // The library's title, "OvComCtl", as the window shows it.
    static std::string libraryTitle();

    CommandButton& cmdOK() const;
    CommandButton& cmdSysInfo() const;
    Label& lblTitle() const;
    Label& lblVersion() const;
    Label& lblDescription() const;
    PictureBox& picIcon() const;
    Line& linEtchShadow() const;
    Line& linEtchHighlight() const;

    frmAbout(); // use create()

private:
    void load();
    void cmdOK_Click();
    void cmdSysInfo_Click();

    std::shared_ptr<UserControl> m_surface;
};

} // namespace ov
