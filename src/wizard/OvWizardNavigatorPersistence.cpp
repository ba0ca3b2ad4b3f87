// The navigator on a form: a new instance's defaults, its property bag, and the captions file.
#include "platform/CommandButton.h"
#include "platform/Extender.h"
#include "platform/Font.h"
#include "platform/Form.h"
#include "platform/MessageBox.h"
#include "platform/Picture.h"
#include "platform/PropertyBag.h"
#include "platform/Runtime.h"
#include "wizard/CPages.h"
#include "wizard/CaptionsFile.h"
#include "wizard/CWizardNavigator.h"
#include "wizard/OvWizardNavigator.h"
#include "wizard/WizardGlobals.h"


namespace ov {

namespace {

constexpr std::array kPositions{ovEn_Button_Position::ovBPLeft, ovEn_Button_Position::ovBPLeftMiddle,
                                ovEn_Button_Position::ovBPRightMiddle, ovEn_Button_Position::ovBPRight};

// The order the bag stores the positions in, and their key prefixes.
struct StoredPosition {
    ovEn_Button_Position position;
    const char* prefix;
};
constexpr std::array kStoredPositions{
    StoredPosition{ovEn_Button_Position::ovBPRightMiddle, "RightMiddleButton"},
    StoredPosition{ovEn_Button_Position::ovBPRight, "RightButton"},
    StoredPosition{ovEn_Button_Position::ovBPLeft, "LeftButton"},
    StoredPosition{ovEn_Button_Position::ovBPLeftMiddle, "LeftMiddleButton"}};

// The defaults of a new navigator, by position.
struct PositionDefault {
    bool visible;
    const char* caption;
    int32_t rule;
};
PositionDefault positionDefault(ovEn_Button_Position p) {
    switch (p) {
    case ovEn_Button_Position::ovBPLeft:
        return {false, "&Help", 4};
    case ovEn_Button_Position::ovBPLeftMiddle:
        return {true, "< &Back", 1};
    case ovEn_Button_Position::ovBPRightMiddle:
        return {true, "&Next >", 2};
    default:
        return {true, "Cancel", 3};
    }
}

std::string key(const char* prefix, const char* field) {
    return std::string(prefix) + field;
}

PictureRef pictureOf(const Variant& v) {
    return std::dynamic_pointer_cast<const Picture>(std::const_pointer_cast<const Object>(v.toObject()));
}

FontRef fontOf(const Variant& v, const FontRef& fallback) {
    auto f = std::dynamic_pointer_cast<const Font>(std::const_pointer_cast<const Object>(v.toObject()));
    return f ? f : fallback;
}

Variant objectValue(const std::shared_ptr<const Object>& o) {
    return o ? Variant(std::const_pointer_cast<Object>(o)) : Variant();
}

} // namespace

void OvWizardNavigator::onInitProperties() {
    trapFailures(*this, "::InitProperties", [&] {
        Form& form = parentForm();
        int navigators = 0;
        for (const auto& ext : form.controls()) {
            if (ext->typeName() == "OvWizardNavigator") ++navigators;
        }
        if (navigators >= 2) {
            msgBox("Sorry. You can have only one OvWizardNavigator on Form. Please remove the new item "
                   "OvWizardNavigator.",
                   mb::Exclamation, typeName());
            return;
        }
        extender().setAlign(2);
        m_showErrorMsg = true;
        wizardThreadState().showErrors = true;
        m_startPage = 1;
        m_buttonFont = ambientFont();
        SetButtonsFont(m_buttonFont);
        m_wizardSizeMode = ovWizardSizeMode::ovStandard;
        setBannerHeaderStyle(ovBannerStyleEnum::ovVelmar);
        copyDefaultsToMediator();
        if (m_holdParentSize) {
            form.setWidth(static_cast<float>(m_parentWidth));
            form.setHeight(static_cast<float>(m_parentHeight));
        }
        if (!ambientUserMode()) {
            form.setBorderStyle(1);
            form.setControlBox(false);
            form.setStartUpPosition(2);
            extender().setDefault(true);
            extender().setCancel(true);
        }
        writeTabHeight();
    });
}

void OvWizardNavigator::onReadProperties(PropertyBag& bag) {
    trapFailures(*this, "::ReadProperties", [&] {
        UserControl::setBackColor(VariantTraits<OleColor>::from(
            bag.read("BackColor", Variant(static_cast<int32_t>(sysColor::ButtonFace)))));
        m_enabledSetting = bag.read("Enabled", true).toBool();
        UserControl::setEnabled(m_enabledSetting);
        m_finishEnabled = bag.read("FinishEnabled", true).toBool();
        m_finishVisible = bag.read("FinishVisible", false).toBool();
        m_finishCaption = bag.read("FinishCaption", "&Finish").toString();
        m_finishPosition = static_cast<ovEn_Button_Position>(bag.read("FinishPosition", 3).toInt32());
        m_finishRule = static_cast<ovEn_Button_Rule>(bag.read("FinishRule", 6).toInt32());
        for (const auto& sp : kStoredPositions) {
            const PositionDefault d = positionDefault(sp.position);
            PositionSetting& s = setting(sp.position);
            CommandButton& b = button(sp.position);
            s.enabled = bag.read(key(sp.prefix, "Enabled"), true).toBool();
            s.visible = bag.read(key(sp.prefix, "Visible"), d.visible).toBool();
            s.caption = bag.read(key(sp.prefix, "Caption"), d.caption).toString();
            s.rule = static_cast<ovEn_Button_Rule>(bag.read(key(sp.prefix, "Rule"), d.rule).toInt32());
            b.setEnabled(s.enabled);
            b.setVisible(s.visible);
            b.setCaption(s.caption);
            b.setTag(std::to_string(static_cast<int32_t>(s.rule)));
        }
        m_defaultButton = static_cast<ovEn_Button_Position>(bag.read("DefaultButton", 3).toInt32());
        m_cancelButton = static_cast<ovEn_Button_Position>(bag.read("CancelButton", 4).toInt32());
        for (auto p : kPositions) {
            button(p).setDefault(p == m_defaultButton);
            button(p).setCancel(p == m_cancelButton);
        }
        m_startPage = bag.read("StartPage", 1).toInt32();
        setImageBanner(pictureOf(bag.read("ImageBanner")));
        setImageBannerBig(pictureOf(bag.read("ImageBannerBig")));
        setImageWaterMark(pictureOf(bag.read("ImageWatermark")));
        setImageWaterMarkBig(pictureOf(bag.read("ImageWaterMarkBig")));
        setButtonFont(fontOf(bag.read("ButtonFont"), ambientFont()));
        m_buttonGapTop = bag.read("ButtonGapTop", 210).toInt32();
        m_buttonGapRight = bag.read("ButtonGapRight", 150).toInt32();
        m_buttonGapMiddle = bag.read("ButtonGapMiddle", 165).toInt32();
        m_buttonHeight = bag.read("ButtonHeight", 345).toInt32();
        m_buttonWidth = bag.read("ButtonWidth", 1120).toInt32();
        setBannerHeaderStyle(static_cast<ovBannerStyleEnum>(bag.read("BannerHeaderStyle", 1).toInt32()));
        m_holdParentSize = bag.read("HoldParentSize", true).toBool();
        m_parentWidth = bag.read("ParentWidth", 7540).toInt32();
        m_parentHeight = bag.read("ParentHeight", 5775).toInt32();
        m_wizardSizeMode = static_cast<ovWizardSizeMode>(bag.read("WizardSizeMode", 0).toInt32());
        m_showErrorMsg = bag.read("ShowErrorMsg", true).toBool();
        wizardThreadState().showErrors = m_showErrorMsg;

        copyDefaultsToMediator();
        // A navigator loaded before its pages starts disabled; the first page change enables it.
        UserControl::setEnabled(m_pages && m_pages->Count() > 0);
        resize();
    });
}

void OvWizardNavigator::onWriteProperties(PropertyBag& bag) {
    trapFailures(*this, "::WriteProperties", [&] {
        bag.write("BackColor", VariantTraits<OleColor>::to(BackColor()),
                  VariantTraits<OleColor>::to(sysColor::ButtonFace));
        bag.write("Enabled", m_enabledSetting, true);
        bag.write("FinishEnabled", m_finishEnabled, true);
        bag.write("FinishVisible", m_finishVisible, false);
        bag.write("FinishCaption", m_finishCaption, "&Finish");
        bag.write("FinishRule", static_cast<int32_t>(m_finishRule), 6);
        bag.write("FinishPosition", static_cast<int32_t>(m_finishPosition), 3);
        for (const auto& sp : kStoredPositions) {
            const PositionDefault d = positionDefault(sp.position);
            const PositionSetting& s = setting(sp.position);
            bag.write(key(sp.prefix, "Enabled"), s.enabled, true);
            bag.write(key(sp.prefix, "Visible"), s.visible, d.visible);
            bag.write(key(sp.prefix, "Caption"), s.caption, d.caption);
            bag.write(key(sp.prefix, "Rule"), static_cast<int32_t>(s.rule), d.rule);
        }
        bag.write("DefaultButton", static_cast<int32_t>(m_defaultButton), 3);
        bag.write("CancelButton", static_cast<int32_t>(m_cancelButton), 4);
        bag.write("StartPage", m_startPage, 1);
        bag.write("ImageBanner", objectValue(ImageBanner()));
        bag.write("ImageBannerBig", objectValue(ImageBannerBig()));
        bag.write("ImageWatermark", objectValue(ImageWaterMark()));
        bag.write("ImageWatermarkBig", objectValue(ImageWaterMarkBig()));
        bag.write("ButtonFont", objectValue(m_buttonFont), objectValue(ambientFont()));
        bag.write("ButtonGapTop", m_buttonGapTop, 210);
        bag.write("ButtonGapRight", m_buttonGapRight, 150);
        bag.write("ButtonGapMiddle", m_buttonGapMiddle, 165);
        bag.write("ButtonHeight", m_buttonHeight, 345);
        bag.write("ButtonWidth", m_buttonWidth, 1120);
        bag.write("BannerHeaderStyle", static_cast<int32_t>(m_bannerHeaderStyle), 1);
        bag.write("WizardSizeMode", static_cast<int32_t>(m_wizardSizeMode), 0);
        bag.write("ParentWidth", m_parentWidth, 7540);
        bag.write("ParentHeight", m_parentHeight, 5775);
        bag.write("HoldParentSize", m_holdParentSize, true);
        bag.write("ShowErrorMsg", m_showErrorMsg, true);
    });
}

void OvWizardNavigator::setSaveCaptionsToFile(bool) {
    trapFailures(*this, "::SaveCaptionsToFile (Let)", [&] {
        if (ambientUserMode()) return;
        const std::string equals(80, '='), dashes(80, '-');
        const char* const labels[] = {"LeftButton Caption: ", "LeftMiddleButton Caption: ",
                                      "RightMiddleButton Caption: ", "RightButton Caption: "};
        CaptionsFile file(extender().Name());
        file.line(extender().Name() + " captions:");
        file.line(equals);
        for (size_t i = 0; i < kPositions.size(); ++i) {
            file.line("");
            file.line(labels[i]);
            file.line(setting(kPositions[i]).caption);
            file.line(i + 1 < kPositions.size() ? dashes : equals);
        }
        file.write();
    });
}

} // namespace ov
