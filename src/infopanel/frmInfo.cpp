#include "infopanel/frmInfo.h"

#include "platform/Font.h"
#include "platform/Label.h"
#include "platform/Picture.h"
#include "platform/PictureBox.h"
#include "platform/Runtime.h"
#include "platform/TextBox.h"
#include "platform/UserControl.h"

#include <array>
#include <cstdlib>

namespace ov {

namespace {

constexpr float kClientWidth = 6000;
constexpr float kClientHeight = 3000;
constexpr float kStripHeight = 345;
constexpr int16_t kKeyEscape = 27;
constexpr int16_t kKeyF4 = 115;
constexpr int16_t kShiftAlt = 4;

// The surface the window's controls stand on; it fills the client area and takes no focus itself.
class InfoPanel : public UserControl {
    OV_OBJECT(InfoPanel)
public:
    InfoPanel() { setCanGetFocus(false); }
    static void describe(ClassBuilder<InfoPanel>&) {}
};

const ClassInfo& InfoPanel::staticClass() {
    return buildClassInfo<InfoPanel>([](ClassInfo& i) {
        i.kind = ClassInfo::Kind::Control;
        i.published = false;
    });
}

// Which window is loaded on this thread (ShowInfo reuses it while it is open).
struct InfoWindowState {
    std::weak_ptr<frmInfo> window;
};

// The close icon: a dark grey cross, two pixels thick, on the strip's white, 16 x 16 pixels.
PictureRef closeIcon() {
    constexpr int n = 16;
    std::array<uint8_t, n * n * 4> px{};
    for (int y = 0; y < n; ++y) {
        for (int x = 0; x < n; ++x) {
            const bool onCross = x >= 3 && x <= 12 && y >= 3 && y <= 12 &&
                                 (std::abs(x - y) <= 1 || std::abs(x + y - (n - 1)) <= 1);
            uint8_t* p = &px[static_cast<size_t>((y * n + x) * 4)];
            p[0] = p[1] = p[2] = onCross ? 0x40 : 0xFF;
            p[3] = 0xFF;
        }
    }
    return Picture::fromPixels(n, n, PixelFormat::Rgba32, px);
}

} // namespace

frmInfo::frmInfo() : Form(kFormName, Mode::Run), m_surface(std::make_shared<InfoPanel>()) {
    UserControl& s = *m_surface;
    auto& strip = s.addChild<PictureBox>("Picture1");
    strip.setBorderStyle(0);
    strip.setBackColor(sysColor::WindowBackground);
    strip.setForeColor(sysColor::WindowText);
    strip.setTabStop(false);
    auto& title = s.addChild<Label>("lblTitle", &strip);
    title.setFont(ov::Font::create("MS Sans Serif", 8.25f, true));
    title.setBackStyle(0);
    title.setCaption("Attribute");
    title.Move(90, 60, 4000, 225);
    auto& close = s.addChild<PictureBox>("picClose", &strip);
    close.setBorderStyle(0);
    close.setBackColor(sysColor::WindowBackground);
    close.setPicture(closeIcon());
    close.setTabStop(false);
    auto& info = s.addChild<TextBox>("txtInfo");
    info.setMultiLine(true);
    info.setLocked(true);
    info.setText("Info");
    info.setTabIndex(0);
}

std::shared_ptr<frmInfo> frmInfo::loaded() {
    auto window = Runtime::current().threadState<InfoWindowState>().window.lock();
    return window && window->isLoaded() ? window : nullptr;
}

void frmInfo::ShowInfo(const std::string& sTitle, const std::string& sInfo, const ObjectRef& mForm) {
    std::shared_ptr<frmInfo> window = loaded();
    const bool open = window && window->isModal();
    if (!window) {
        window = std::make_shared<frmInfo>();
        window->load();
        Runtime::current().threadState<InfoWindowState>().window = window;
    }
    window->setCaption(sTitle);
    window->lblTitle().setCaption(sTitle);
    window->txtInfo().setText(sInfo);
    if (open) return;
    window->m_owner = mForm;
    window->showModal();
    // A window closed by hiding it is unloaded as well: the next use creates it again.
    if (window->isLoaded()) window->unload();
}

void frmInfo::load() {
    // The outer size is whatever the border and title bar add to the client area on this screen.
    Move(0, 0, kClientWidth, kClientHeight);
    Move(0, 0, 2 * kClientWidth - ScaleWidth(), 2 * kClientHeight - ScaleHeight());
    add(m_surface, "ctlInfo");
    setKeyPreview(true);
    layout();
    std::weak_ptr<frmInfo> self = std::static_pointer_cast<frmInfo>(shared_from_this());
    m_links.emplace_back(Resize.connect([self] {
        if (auto w = self.lock()) w->layout();
    }));
    m_links.emplace_back(KeyUp.connect([self](int16_t& keyCode, int16_t& shift) {
        if (auto w = self.lock()) w->closeOnKey(keyCode, shift);
    }));
    m_links.emplace_back(picClose().Click().connect([self] {
        if (auto w = self.lock()) w->unload();
    }));
}

void frmInfo::layout() {
    if (!isLoaded() || controls().empty()) return;
    const float w = ScaleWidth(), h = ScaleHeight();
    const float tx = static_cast<float>(Runtime::current().twipsPerPixelX());
    const float ty = static_cast<float>(Runtime::current().twipsPerPixelY());
    controls().front()->Move(0, 0, w, h);
    Picture1().Move(0, 0, w, kStripHeight);
    picClose().Move(std::max(0.f, w - 300), 52, 240, 240);
    lblTitle().setWidth(std::max(0.f, w - 480));
    // A window made too small to hold the box leaves it at no size rather than failing.
    txtInfo().Move(tx, kStripHeight + ty, std::max(0.f, w - 2 * tx),
                   std::max(0.f, h - kStripHeight - 2 * ty));
}

void frmInfo::closeOnKey(int16_t keyCode, int16_t shift) {
    if (keyCode == kKeyEscape || (keyCode == kKeyF4 && (shift & kShiftAlt))) unload();
}

Label& frmInfo::lblTitle() const {
    return m_surface->child<Label>("lblTitle");
}
PictureBox& frmInfo::Picture1() const {
    return m_surface->child<PictureBox>("Picture1");
}
PictureBox& frmInfo::picClose() const {
    return m_surface->child<PictureBox>("picClose");
}
TextBox& frmInfo::txtInfo() const {
    return m_surface->child<TextBox>("txtInfo");
}

} // namespace ov
