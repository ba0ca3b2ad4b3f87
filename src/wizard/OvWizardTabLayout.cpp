// The page's designed surface and its layout: the banner, watermark and minimized views, the
// placement of the banner picture, the watermark re-flow, the design-time guides and the client
// rectangle.
#include "platform/Extender.h"
#include "platform/Font.h"
#include "platform/Form.h"
#include "platform/Frame.h"
#include "platform/Image.h"
#include "platform/Label.h"
#include "platform/Line.h"
#include "platform/Picture.h"
#include "platform/PictureBox.h"
#include "platform/Runtime.h"
#include "wizard/OvWizardTab.h"

#include <cmath>

namespace ov {

namespace {

constexpr OleColor kWhite = 0x00FFFFFF;
constexpr float kBannerHeight = 875;
// The watermark picture's column: 165 pixels at 96 dpi, 2490 twips when stretched on other screens.
constexpr float kWatermarkWidth = 2475;
constexpr float kStretchedWatermarkWidth = 2490;
constexpr float kMinimizedHeight = 300;
constexpr int16_t kDotted = 3;

// The 14 x 14 pixel, 16-colour page icon of the minimized bar (a PNG with a 4-bit palette).
const std::string& logoPng() {
    static const std::string bytes("\x89\x50\x4E\x47\x0D\x0A\x1A\x0A\x00\x00\x00\x0D\x49\x48\x44\x52\x00\x00"
                                   "\x00\x0E\x00\x00\x00\x0E\x04\x03"
                                   "\x00\x00\x00\xED\x66\x30\xE2\x00\x00\x00\x30\x50\x4C\x54\x45\x00\x00\x00"
                                   "\x80\x00\x00\x00\x80\x00\x80\x80"
                                   "\x00\x00\x00\x80\x80\x00\x80\x00\x80\x80\xC0\xC0\xC0\x80\x80\x80\xFF\x00"
                                   "\x00\x00\xFF\x00\xFF\xFF\x00\x00"
                                   "\x00\xFF\xFF\x00\xFF\x00\xFF\xFF\xFF\xFF\xFF\x4F\x13\x26\x49\x00\x00\x00"
                                   "\x32\x49\x44\x41\x54\x78\xDA\x63"
                                   "\xE8\x80\x00\x86\x1F\x2E\x40\xB0\xA5\x1F\x42\xEF\x86\xD2\x2E\x40\xFA\x3F"
                                   "\x08\x20\xD1\x1F\x18\x18\x18\xF8"
                                   "\x91\xF8\x3F\x3A\x3A\xFA\xFF\xA3\xF2\x3B\xFE\x63\xEA\x83\xDA\x03\x00\xD7"
                                   "\xC4\x44\xAE\x3C\xF7\x34\x6A\x00"
                                   "\x00\x00\x00\x49\x45\x4E\x44\xAE\x42\x60\x82",
                                   167);
    return bytes;
}

// One immutable font or picture for every page of the thread while any page holds it; none is kept
// once no page does (a kept object would hold the library loaded, see Object::liveCount).
template <class T, class Make>
std::shared_ptr<const T> sharedWhileUsed(std::weak_ptr<const T>& cache, Make make) {
    if (auto kept = cache.lock()) return kept;
    std::shared_ptr<const T> made = make();
    cache = made;
    return made;
}

FontRef pageFont(int which) {
    static thread_local std::weak_ptr<const Font> fonts[3];
    return sharedWhileUsed(fonts[which], [which] {
        switch (which) {
        case 0:
            return Font::create("Arial Unicode MS", 12, true);
        case 1:
            return Font::create("Arial Unicode MS", 8.25f, true);
        default:
            return Font::create("Arial", 8.25f, true);
        }
    });
}

float pixelX() {
    return static_cast<float>(Runtime::current().twipsPerPixelX());
}
float pixelY() {
    return static_cast<float>(Runtime::current().twipsPerPixelY());
}

// A twips measure as the published Long: halves round to even; outside 32 bits is an overflow.
int32_t wholeTwips(double v) {
    const double r = Variant::roundHalfEven(v);
    if (!(r >= INT32_MIN && r <= INT32_MAX)) throw Failure(err::Overflow);
    return static_cast<int32_t>(r);
}

// " 165 X 313 ": an area in whole pixels, as the designer's size hint shows it.
std::string pixelSize(float width, float height) {
    const auto w = static_cast<int64_t>(std::floor(width / pixelX()));
    const auto h = static_cast<int64_t>(std::floor(height / pixelY()));
    // Appended piece by piece: GCC 12 at -O2 mistakes `" " + std::string` for an overlapping copy
    // (a false -Wrestrict alarm).
    std::string text(1, ' ');
    text += std::to_string(w);
    text += " X ";
    text += std::to_string(h);
    text += ' ';
    return text;
}

Label& addLabel(UserControl& owner, StaticText name, ConstituentControl* container, float left, float top,
                float width, float height, const char* caption) {
    auto& l = owner.addChild<Label>(name, container);
    l.Move(left, top, width, height);
    l.setCaption(caption);
    return l;
}

// A header text: black on a transparent back, growing downwards with its text.
void headerText(Label& l, bool wrap) {
    l.setForeColor(0);
    l.setBackStyle(0);
    l.setWordWrap(wrap);
    l.setAutoSize(true);
}

Line& addLine(UserControl& owner, StaticText name, ConstituentControl* container, OleColor color) {
    auto& l = owner.addChild<Line>(name, container);
    l.setBorderColor(color);
    return l;
}

Line& addGuide(UserControl& owner, StaticText name) {
    auto& l = owner.addChild<Line>(name);
    l.setBorderStyle(kDotted);
    l.setVisible(false);
    return l;
}

} // namespace

void OvWizardTab::buildSurface() {
    // Back to front: the watermark group, the banner, the design-time guides, the minimized bar.
    reserveChildren(27); // the controls made below
    auto& watermark = addChild<Image>(StaticText("ImageWaterMark"));
    watermark.Move(0, 0, kWatermarkWidth, 4695);
    auto& title =
        addLabel(*this, StaticText("lblWatermarkTitle"), nullptr, 2595, 300, 4635, 315, "Welcome to ...");
    title.setFont(pageFont(0));
    headerText(title, true);
    headerText(
        addLabel(*this, StaticText("lblWatermarkDescription"), nullptr, 2600, 1350, 4575, 195, "Description"),
        true);
    headerText(
        addLabel(*this, StaticText("lblRule"), nullptr, 2600, 4290, 1695, 195, "To continue, click Next."),
        false);
    addGuide(*this, StaticText("LMark"));

    auto& banner = addChild<PictureBox>(StaticText("picBanner"));
    banner.setBorderStyle(0);
    banner.setBackColor(kWhite);
    banner.setTabStop(false);
    banner.Move(0, 0, 7500, kBannerHeight);
    auto& headerTitle =
        addLabel(*this, StaticText("lblHeaderTitle"), &banner, 300, 150, 6030, 225, "Step Title");
    headerTitle.setFont(pageFont(1));
    headerText(headerTitle, true);
    headerText(
        addLabel(*this, StaticText("lblHeaderDescription"), &banner, 600, 375, 5715, 195, "Step Description"),
        true);
    addChild<Image>(StaticText("imgHeaderBanner"), &banner).Move(6600, 60, 750, 750);
    m_parts.banner = &banner;
    m_parts.headerTitle = &headerTitle;
    m_parts.headerDescription = &child<Label>("lblHeaderDescription");
    m_parts.watermarkTitle = &title;
    m_parts.watermarkDescription = &child<Label>("lblWatermarkDescription");
    m_parts.rule = &child<Label>("lblRule");
    auto& separator = addChild<Frame>(StaticText("fraBanner"));
    separator.Move(-30, kBannerHeight, 7560, 30);

    for (StaticText name : {StaticText("LClientBottom"), StaticText("LClientTop"), StaticText("LClientRight"),
                            StaticText("LClientLeft")})
        addGuide(*this, name);
    auto& imageSize = addLabel(*this, StaticText("lblImageSize"), nullptr, 45, 600, 1215, 195, "");
    imageSize.setBackColor(sysColor::WindowBackground);
    imageSize.setForeColor(sysColor::WindowText);
    imageSize.setToolTipText("Available Image area");
    imageSize.setAutoSize(true);
    imageSize.setVisible(false);

    auto& bar = addChild<PictureBox>(StaticText("picMinimize"));
    bar.setBorderStyle(0);
    bar.setTabStop(false);
    bar.Move(0, 0, 7515, 375);
    bar.setVisible(false);
    addLine(*this, StaticText("LTop"), &bar, sysColor::ButtonHighlight);
    addLine(*this, StaticText("LBottom"), &bar, sysColor::ButtonDarkShadow);
    addLine(*this, StaticText("LRight"), &bar, sysColor::ButtonDarkShadow);
    addLine(*this, StaticText("LLeft"), &bar, sysColor::ButtonHighlight);
    // The gripper: two raised bars, each a highlight line and a shadow line.
    addLine(*this, StaticText("LLHand"), &bar, sysColor::ButtonHighlight).setEnds(60, 45, 60, 255);
    addLine(*this, StaticText("LRHand"), &bar, sysColor::ButtonShadow).setEnds(90, 45, 90, 255);
    addLine(*this, StaticText("RLHand"), &bar, sysColor::ButtonHighlight).setEnds(110, 45, 110, 255);
    addLine(*this, StaticText("RRHand"), &bar, sysColor::ButtonShadow).setEnds(140, 45, 140, 255);
    auto& logo = addChild<Image>(StaticText("imgLogo"), &bar);
    logo.Move(195, 30, 210, 210);
    static thread_local std::weak_ptr<const Picture> logoPicture;
    logo.setPicture(sharedWhileUsed(logoPicture, [] { return Picture::fromPng(logoPng()); }));
    auto& index = addLabel(*this, StaticText("lblPageIndex"), &bar, 450, 30, 120, 195, "");
    index.setFont(pageFont(2));
    index.setAutoSize(true);
    m_parts.pageIndex = &index;
    addLabel(*this, StaticText("lblDisplayName"), &bar, 690, 30, 780, 195, "").setAutoSize(true);
}

// ---- Client rectangle ----

int32_t OvWizardTab::ClientLeft() const {
    switch (m_pageMode) {
    case En_Page_Mode::InteriorPage:
        return 600;
    case En_Page_Mode::WelcomePage:
    case En_Page_Mode::CompletePage:
        return 2600;
    }
    return 0;
}

int32_t OvWizardTab::ClientTop() const {
    switch (m_pageMode) {
    case En_Page_Mode::InteriorPage:
        return 1260;
    case En_Page_Mode::WelcomePage:
    case En_Page_Mode::CompletePage: {
        const auto& description = child<Label>("lblWatermarkDescription");
        const double below = double{description.Top()} + description.Height() + 100;
        return below > 1830 ? wholeTwips(below) : 1830;
    }
    }
    return 0;
}

int32_t OvWizardTab::ClientHeight() const {
    double height = 0;
    switch (m_pageMode) {
    case En_Page_Mode::InteriorPage:
        height = double{ScaleHeight()} - 285 - ClientTop();
        break;
    case En_Page_Mode::WelcomePage:
    case En_Page_Mode::CompletePage:
        height = double{ScaleHeight()} - 1095 - ClientTop();
        break;
    }
    const int32_t h = wholeTwips(height);
    return h < 0 ? 1 : h;
}

int32_t OvWizardTab::ClientWidth() const {
    return wholeTwips(double{ScaleWidth()} - 615 - ClientLeft());
}

// ---- Layout ----

void OvWizardTab::layoutPage() {
    // A running wizard never shows the minimized bar.
    if (m_pageState != En_Page_State::Maximized && ambientUserMode()) setPageState(En_Page_State::Maximized);
    if (m_pageState == En_Page_State::Maximized)
        layoutMaximized();
    else
        layoutMinimized();
}

void OvWizardTab::layoutMaximized() {
    Extender& ext = extender();
    ext.setAlign(1);
    ext.setTop(0);
    const int32_t height = tabHeight();
    setHeight(height > 0 ? static_cast<float>(height) : parentForm().Height());

    const float innerWidth = ScaleWidth();
    auto& banner = child<PictureBox>("picBanner");
    banner.Move(0, 0, innerWidth, kBannerHeight);
    child<Frame>("fraBanner").Move(-30, kBannerHeight, innerWidth + 60);

    auto& headerImage = child<Image>("imgHeaderBanner");
    auto& watermark = child<Image>("ImageWaterMark");
    if (Runtime::current().twipsPerPixelY() != 15) {
        // Pictures are drawn for 96 dpi; elsewhere they are stretched to their places.
        headerImage.setStretch(true);
        if (m_bannerStyle == static_cast<int32_t>(ovBannerStyleEnum::ovVelmar))
            headerImage.Move(headerImage.Left(), headerImage.Top(), banner.Width(), banner.Height());
        watermark.setStretch(true);
        watermark.Move(watermark.Left(), watermark.Top(), kStretchedWatermarkWidth, ScaleHeight());
    } else {
        headerImage.setStretch(false);
        watermark.setStretch(false);
    }
    SetBannerImagePlace();
    watermark.Move(0, 0);
    SetWelcomeView(isInterior(), !isInterior(), false);
    Runtime::current().processPendingMessages();
}

void OvWizardTab::layoutMinimized() {
    SetWelcomeView(false, false, true);
    auto& name = child<Label>("lblDisplayName");
    name.setCaption(ambientDisplayName());
    // The bar floats: a page docked to the form's top would keep the form's width.
    Extender& ext = extender();
    ext.setAlign(0);
    setSize(name.Left() + name.Width() + 10 * pixelX(), kMinimizedHeight);

    const float w = ScaleWidth();
    const float h = ScaleHeight();
    const float px = pixelX();
    const float py = pixelY();
    child<Line>("LTop").setEnds(0, 0, w, 0);
    child<Line>("LRight").setEnds(w - px, 0, w - px, h);
    child<Line>("LLeft").setEnds(0, 0, 0, h);
    child<Line>("LBottom").setEnds(0, h - py, w, h - py);
    ext.Move(m_savedLeft.value_or(0), m_savedTop.value_or(0));
}

void OvWizardTab::SetBannerImagePlace() {
    trapFailures(*this, "::SetBannerImagePlace", [&] {
        const auto& banner = child<PictureBox>("picBanner");
        auto& image = child<Image>("imgHeaderBanner");
        if (m_bannerStyle == static_cast<int32_t>(ovBannerStyleEnum::ovVelmar))
            image.Move(banner.ScaleWidth() - image.Width(), 0);
        else
            image.Move(banner.ScaleWidth() - 5 * pixelX() - image.Width(), 5 * pixelY());
    });
}

void OvWizardTab::SetWelcomeView(bool BannerView, bool WelcomeView, bool MinimizedView) {
    trapFailures(*this, "::SetWelcomeView", [&] {
        const bool designing = !ambientUserMode();
        child<PictureBox>("picBanner").setVisible(BannerView);
        child<Frame>("fraBanner").setVisible(BannerView);
        for (const char* name : {"ImageWaterMark", "lblWatermarkDescription", "lblWatermarkTitle", "lblRule"})
            findChild(name)->setVisible(WelcomeView);
        if (designing) child<Line>("LMark").setVisible(WelcomeView);
        // Only the two standard colours swap: a colour the host chose stays.
        if (WelcomeView) {
            if (UserControl::BackColor() == sysColor::ButtonFace) {
                m_backColor = kWhite;
                UserControl::setBackColor(kWhite);
            }
            child<Line>("LMark").setEnds(kWatermarkWidth, 0, kWatermarkWidth, ScaleHeight());
        } else if (UserControl::BackColor() == kWhite) {
            m_backColor = sysColor::ButtonFace;
            UserControl::setBackColor(sysColor::ButtonFace);
        }
        showImageSize(WelcomeView);
        child<PictureBox>("picMinimize").setVisible(MinimizedView);
        if (designing) drawClientGuides();
    });
}

// The designer's hint of the picture area: the watermark column on the page itself, or the whole
// banner, with the label at the banner's right end.
void OvWizardTab::showImageSize(bool onSurface) {
    auto& label = child<Label>("lblImageSize");
    if (onSurface) {
        label.setCaption(pixelSize(kWatermarkWidth, ScaleHeight()));
        label.setContainer(nullptr);
        label.setLeft(45);
    } else {
        auto& banner = child<PictureBox>("picBanner");
        label.setCaption(pixelSize(banner.ScaleWidth(), banner.ScaleHeight()));
        label.setContainer(&banner);
        label.setLeft(banner.ScaleWidth() - label.Width() - 45);
    }
    label.ZOrder(0);
}

void OvWizardTab::drawClientGuides() {
    const auto left = static_cast<float>(ClientLeft());
    const auto top = static_cast<float>(ClientTop());
    const float right = left + static_cast<float>(ClientWidth());
    const float bottom = top + static_cast<float>(ClientHeight());
    child<Line>("LClientLeft").setEnds(left, top, left, bottom);
    child<Line>("LClientTop").setEnds(left, top, right, top);
    child<Line>("LClientRight").setEnds(right, top, right, bottom);
    child<Line>("LClientBottom").setEnds(left, bottom, right, bottom);
    for (const char* name : {"LClientLeft", "LClientTop", "LClientRight", "LClientBottom"})
        child<Line>(name).setVisible(true);
}

void OvWizardTab::showInDesigner() {
    if (isInterior()) {
        showImageSize(false);
    } else {
        auto& mark = child<Line>("LMark");
        mark.setEnds(kWatermarkWidth, 0, kWatermarkWidth, ScaleHeight());
        mark.setVisible(true);
        showImageSize(true);
    }
    child<Label>("lblImageSize").setVisible(true);
    drawClientGuides();
}

void OvWizardTab::reflowWatermark() {
    auto& title = child<Label>("lblWatermarkTitle");
    title.setWidth(ScaleWidth() - title.Left() - 20 * pixelX());
    const float bottom = title.Top() + title.Height();
    child<Label>("lblWatermarkDescription").setTop(bottom >= 1380 ? bottom + 300 : 1080);
    layoutPage();
}

} // namespace ov
