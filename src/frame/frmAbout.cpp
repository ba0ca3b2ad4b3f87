#include "frame/frmAbout.h"

#include "frame/LibraryTypes.h"
#include "frame/SysInfo.h"
#include "platform/CommandButton.h"
#include "platform/Extender.h"
#include "platform/Font.h"
#include "platform/Label.h"
#include "platform/Line.h"
#include "platform/PictureBox.h"
#include "platform/Runtime.h"
#include "platform/TypeRegistry.h"
#include "platform/UserControl.h"

namespace ov {

namespace {

constexpr float kClientWidth = 5730;
constexpr float kClientHeight = 3210;
constexpr OleColor kEtchShadow = 0x808080;
constexpr OleColor kEtchHighlight = 0xFFFFFF;

// The surface the window's controls stand on; it fills the client area and takes no focus itself.
class AboutPanel : public UserControl {
    OV_OBJECT(AboutPanel)
public:
    AboutPanel() { setCanGetFocus(false); }
    static void describe(ClassBuilder<AboutPanel>&) {}
};

const ClassInfo& AboutPanel::staticClass() {
    return buildClassInfo<AboutPanel>([](ClassInfo& i) {
        i.kind = ClassInfo::Kind::Control;
        i.published = false;
    });
}

template <class T>
T& place(UserControl& surface, const char* name, float left, float top, float width, float height) {
    T& c = surface.addChild<T>(name);
    c.Move(left, top, width, height);
    return c;
}

} // namespace

frmAbout::frmAbout() : Form(kFormName, Mode::Run), m_surface(std::make_shared<AboutPanel>()) {
    UserControl& s = *m_surface;

    auto& icon = place<PictureBox>(s, "picIcon", 240, 240, 540, 540);
    icon.setBorderStyle(0);
    icon.setTabStop(false);
    icon.setTabIndex(2);

    auto& title = place<Label>(s, "lblTitle", 1050, 240, 3885, 480);
    title.setFont(ov::Font::create("MS Sans Serif", 12, true));
    place<Label>(s, "lblVersion", 1050, 780, 3885, 225);
    place<Label>(s, "lblDescription", 1050, 1125, 3885, 900).setWordWrap(true);

    // An etched separator: a light line one pixel under a dark one.
    auto& highlight = s.addChild<Line>("linEtchHighlight");
    highlight.setBorderColor(kEtchHighlight);
    highlight.setEnds(105, 2145, 5625, 2145);
    auto& shadow = s.addChild<Line>("linEtchShadow");
    shadow.setBorderColor(kEtchShadow);
    shadow.setBorderStyle(6);
    shadow.setEnds(105, 2130, 5625, 2130);

    auto& ok = place<CommandButton>(s, "cmdOK", 4245, 2265, 1260, 345);
    ok.setCaption("OK");
    ok.setDefault(true);
    ok.setCancel(true);
    ok.setTabIndex(0);
    auto& sysInfo = place<CommandButton>(s, "cmdSysInfo", 4245, 2715, 1260, 345);
    sysInfo.setCaption("&System Info...");
    sysInfo.setTabIndex(1);
}

std::shared_ptr<frmAbout> frmAbout::create() {
    auto form = std::make_shared<frmAbout>();
    form->load();
    return form;
}

std::string frmAbout::libraryTitle() {
    registerLibraryTypes();
    return TypeRegistry::instance().library().name;
}

void frmAbout::load() {
    // The outer size is whatever the border and title bar add to the client area on this screen.
    Move(0, 0, kClientWidth, kClientHeight);
    Move(0, 0, 2 * kClientWidth - ScaleWidth(), 2 * kClientHeight - ScaleHeight());
    ExtenderRef site = add(m_surface, "ctlAbout");
    site->Move(0, 0, kClientWidth, kClientHeight);

    std::string title = libraryTitle();
    Version v = libraryVersion();
    setCaption("About " + title);
    lblTitle().setCaption(title);
    lblVersion().setCaption("Version " + std::to_string(v.major) + "." + std::to_string(v.minor) + "." +
                            std::to_string(v.revision));
    lblDescription().setCaption(TypeRegistry::instance().library().description);

    // The buttons outlive nothing they reach: a handler of a window already gone does nothing.
    std::weak_ptr<frmAbout> self = std::static_pointer_cast<frmAbout>(shared_from_this());
    cmdOK().Click().connect([self] {
        if (auto form = self.lock()) form->cmdOK_Click();
    });
    cmdSysInfo().Click().connect([self] {
        if (auto form = self.lock()) form->cmdSysInfo_Click();
    });
}

void frmAbout::cmdOK_Click() {
    unload();
}

void frmAbout::cmdSysInfo_Click() {
    StartSysInfo();
}

CommandButton& frmAbout::cmdOK() const {
    return m_surface->child<CommandButton>("cmdOK");
}
CommandButton& frmAbout::cmdSysInfo() const {
    return m_surface->child<CommandButton>("cmdSysInfo");
}
Label& frmAbout::lblTitle() const {
    return m_surface->child<Label>("lblTitle");
}
Label& frmAbout::lblVersion() const {
    return m_surface->child<Label>("lblVersion");
}
Label& frmAbout::lblDescription() const {
    return m_surface->child<Label>("lblDescription");
}
PictureBox& frmAbout::picIcon() const {
    return m_surface->child<PictureBox>("picIcon");
}
Line& frmAbout::linEtchShadow() const {
    return m_surface->child<Line>("linEtchShadow");
}
Line& frmAbout::linEtchHighlight() const {
    return m_surface->child<Line>("linEtchHighlight");
}

} // namespace ov
