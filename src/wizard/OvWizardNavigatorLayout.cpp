// The navigator's layout: the button strip, the form's size, the page height and the header
// pictures and style passed to the pages.
#include "platform/CommandButton.h"
#include "platform/Extender.h"
#include "platform/Form.h"
#include "platform/Frame.h"
#include "platform/Image.h"
#include "platform/Runtime.h"
#include "wizard/CWizardNavigator.h"
#include "wizard/OvWizardNavigator.h"

namespace ov {

namespace {

constexpr int32_t kStripHeight = 705;
constexpr int32_t kStandardWidth = 7540;
constexpr int32_t kStandardHeight = 5775;

int32_t checked32(int64_t v) {
    if (v < INT32_MIN || v > INT32_MAX) throw Failure(err::Overflow);
    return static_cast<int32_t>(v);
}

} // namespace

void OvWizardNavigator::LayoutButtons(int32_t part) {
    const int32_t width = static_cast<int32_t>(Width());
    CommandButton& right = button(ovEn_Button_Position::ovBPRight);
    CommandButton& rightMiddle = button(ovEn_Button_Position::ovBPRightMiddle);
    CommandButton& leftMiddle = button(ovEn_Button_Position::ovBPLeftMiddle);
    CommandButton& left = button(ovEn_Button_Position::ovBPLeft);
    CommandButton* all[] = {&left, &leftMiddle, &rightMiddle, &right};
    const auto h = static_cast<float>(m_buttonHeight);
    const auto w = static_cast<float>(m_buttonWidth);
    if (part == 2 || part == 5) {
        for (auto* b : all)
            b->setHeight(h);
    }
    if (part == 3 || part == 5) {
        for (auto* b : all)
            b->setWidth(w);
    }
    if (part == 1 || part == 3 || part == 4 || part == 5) {
        const int32_t rightLeft = checked32(int64_t{width} - m_buttonWidth - m_buttonGapRight);
        right.setLeft(static_cast<float>(rightLeft));
        rightMiddle.setLeft(right.Left() - w - static_cast<float>(m_buttonGapMiddle));
        leftMiddle.setLeft(rightMiddle.Left() - w);
        left.setLeft(leftMiddle.Left() - w - static_cast<float>(m_buttonGapMiddle));
    }
    if (part == 0 || part == 5) {
        for (auto* b : all)
            b->setTop(static_cast<float>(m_buttonGapTop));
    }
}

void OvWizardNavigator::SetButtonsFont(FontRef font) {
    trapFailures(*this, "::SetButtonsFont", [&] {
        for (auto p : {ovEn_Button_Position::ovBPRight, ovEn_Button_Position::ovBPRightMiddle,
                       ovEn_Button_Position::ovBPLeftMiddle, ovEn_Button_Position::ovBPLeft})
            button(p).setFont(font);
    });
}

void OvWizardNavigator::setButtonFont(FontRef v) {
    trapFailures(*this, "::ButtonFont (Set)", [&] {
        m_buttonFont = v;
        SetButtonsFont(v);
        PropertyChanged("ButtonFont");
    });
}

void OvWizardNavigator::setButtonGapTop(int32_t v) {
    trapFailures(*this, "::ButtonGapTop (Let)", [&] {
        m_buttonGapTop = v;
        LayoutButtons(0);
        PropertyChanged("ButtonGapTop");
    });
}

void OvWizardNavigator::setButtonGapRight(int32_t v) {
    trapFailures(*this, "::ButtonGapRight (Let)", [&] {
        m_buttonGapRight = v;
        LayoutButtons(1);
        PropertyChanged("ButtonGapRight");
    });
}

void OvWizardNavigator::setButtonGapMiddle(int32_t v) {
    trapFailures(*this, "::ButtonGapMiddle (Let)", [&] {
        m_buttonGapMiddle = v;
        LayoutButtons(4);
        PropertyChanged("ButtonGapMiddle");
    });
}

void OvWizardNavigator::setButtonHeight(int32_t v) {
    trapFailures(*this, "::ButtonHeight (Let)", [&] {
        if (v < 15) return;
        m_buttonHeight = v;
        LayoutButtons(2);
        PropertyChanged("ButtonHeight");
    });
}

void OvWizardNavigator::setButtonWidth(int32_t v) {
    trapFailures(*this, "::ButtonWidth (Let)", [&] {
        if (v < 15) return;
        m_buttonWidth = v;
        LayoutButtons(3);
        PropertyChanged("ButtonWidth");
    });
}

void OvWizardNavigator::writeTabHeight() {
    if (m_mediator) m_mediator->setTabHeight(static_cast<int32_t>(extender().Top()) - 15);
}

void OvWizardNavigator::setWizardSizeMode(ovWizardSizeMode v) {
    trapFailures(*this, "::WizardSizeMode (Let)", [&] {
        if (ambientUserMode()) throw Failure(err::NotAtRunTime);
        m_wizardSizeMode = v;
        if (v == ovWizardSizeMode::ovStandard) {
            setParentWidth(kStandardWidth);
            setParentHeight(kStandardHeight);
        }
        PropertyChanged("WizardSizeMode");
    });
}

void OvWizardNavigator::setParentWidth(int32_t v) {
    trapFailures(*this, "::ParentWidth (Let)", [&] {
        if (m_holdParentSize || v <= 0) return;
        m_parentWidth = v;
        parentForm().setWidth(static_cast<float>(v));
        if (!ambientUserMode() && v != kStandardWidth) m_wizardSizeMode = ovWizardSizeMode::ovUser;
        PropertyChanged("ParentWidth");
    });
}

void OvWizardNavigator::setParentHeight(int32_t v) {
    trapFailures(*this, "::ParentHeight (Let)", [&] {
        if (m_holdParentSize || v <= 0) return;
        m_parentHeight = v;
        parentForm().setHeight(static_cast<float>(v));
        writeTabHeight();
        if (!ambientUserMode() && v != kStandardHeight) m_wizardSizeMode = ovWizardSizeMode::ovUser;
        PropertyChanged("ParentHeight");
    });
}

int32_t OvWizardNavigator::ParentWidth() {
    return trapFailures(*this, "::ParentWidth (Get)", [&] {
        m_parentWidth = static_cast<int32_t>(parentForm().Width());
        if (!ambientUserMode() && m_parentWidth != kStandardWidth)
            m_wizardSizeMode = ovWizardSizeMode::ovUser;
        return m_parentWidth;
    });
}

int32_t OvWizardNavigator::ParentHeight() {
    return trapFailures(*this, "::ParentHeight (Get)", [&] {
        const auto formHeight = static_cast<int32_t>(parentForm().Height());
        if (m_holdParentSize && formHeight > m_parentHeight) {
            resize();
            return m_parentHeight;
        }
        m_parentHeight = formHeight;
        if (!ambientUserMode() && m_parentHeight != kStandardHeight)
            m_wizardSizeMode = ovWizardSizeMode::ovUser;
        return m_parentHeight;
    });
}

void OvWizardNavigator::setHoldParentSize(bool v) {
    trapFailures(*this, "::HoldParentSize (Let)", [&] {
        if (ambientUserMode()) throw Failure(err::NotAtRunTime);
        m_holdParentSize = v;
        if (v) {
            parentForm().setWidth(static_cast<float>(m_parentWidth));
            parentForm().setHeight(static_cast<float>(m_parentHeight));
        }
        PropertyChanged("HoldParentSize");
    });
}

void OvWizardNavigator::setBannerHeaderStyle(ovBannerStyleEnum v) {
    trapFailures(*this, "::BannerHeaderStyle (Let)", [&] {
        m_bannerHeaderStyle = v;
        if (m_mediator) m_mediator->setBannerStyle(static_cast<int32_t>(v));
        PropertyChanged("BannerHeaderStyle");
    });
}

PictureRef OvWizardNavigator::ImageBanner() const {
    return child<Image>("imgBanner").Picture();
}
PictureRef OvWizardNavigator::ImageBannerBig() const {
    return child<Image>("imgBannerBig").Picture();
}
PictureRef OvWizardNavigator::ImageWaterMark() const {
    return child<Image>("imgWatermark").Picture();
}
PictureRef OvWizardNavigator::ImageWaterMarkBig() const {
    return child<Image>("imgWatermarkBig").Picture();
}

void OvWizardNavigator::setPicture(const char* holder, const char* key, const char* label, PictureRef v,
                                   bool banner, bool big) {
    trapFailures(*this, label, [&] {
        child<Image>(holder).setPicture(v);
        PropertyChanged(key);
        // Pages get the picture meant for this screen: the normal one at 15 twips per pixel.
        const bool normalScreen = Runtime::current().twipsPerPixelY() == 15;
        if (normalScreen == big || !m_mediator) return;
        if (banner)
            m_mediator->setBannerImage(v);
        else
            m_mediator->setWaterMarkImage(v);
    });
}

void OvWizardNavigator::setImageBanner(PictureRef v) {
    setPicture("imgBanner", "ImageBanner", "::ImageBanner (Set)", std::move(v), true, false);
}
void OvWizardNavigator::setImageBannerBig(PictureRef v) {
    setPicture("imgBannerBig", "ImageBannerBig", "::ImageBannerBig (Set)", std::move(v), true, true);
}
void OvWizardNavigator::setImageWaterMark(PictureRef v) {
    setPicture("imgWatermark", "ImageWatermark", "::ImageWaterMark (Set)", std::move(v), false, false);
}
void OvWizardNavigator::setImageWaterMarkBig(PictureRef v) {
    setPicture("imgWatermarkBig", "ImageWatermarkBig", "::ImageWaterMarkBig (Set)", std::move(v), false,
               true);
}

void OvWizardNavigator::onResize() {
    // Resizing never fails: a host resizing the form must not see the navigator's trouble.
    ignoreFailures([&] { resize(); });
}

void OvWizardNavigator::resize() {
    // Sizing the form and the strip resizes the navigator again; one pass is enough. A navigator that
    // is not its wizard's (refused on its form) leaves the form and the pages alone.
    if (!isSited() || !m_mediator || m_resizing) return;
    m_resizing = true;
    struct Done {
        bool& flag;
        ~Done() { flag = false; }
    } done{m_resizing};
    Form& form = parentForm();
    if (form.WindowState() != 1 && form.WindowState() != 2) {
        if (m_holdParentSize) {
            form.setWidth(static_cast<float>(m_parentWidth));
            form.setHeight(static_cast<float>(m_parentHeight));
        } else {
            setParentWidth(static_cast<int32_t>(form.Width()));
            setParentHeight(static_cast<int32_t>(form.Height()));
            if (!ambientUserMode()) m_wizardSizeMode = ovWizardSizeMode::ovUser;
        }
    }
    child<Frame>("fraTop").Move(-30, {}, Width() + 60);
    setHeight(kStripHeight);
    // A measure a host set may overflow the layout (reported when it was set); the pages still get
    // their height.
    ignoreFailures([&] { LayoutButtons(5); });
    writeTabHeight();
}

} // namespace ov
