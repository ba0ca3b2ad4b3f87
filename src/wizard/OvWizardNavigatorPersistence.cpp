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
#include "wizard/StoredKey.h"
#include "wizard/WizardGlobals.h"

#include <algorithm>

namespace ov {

namespace {

// The captions file lists the positions from left to right.
constexpr const auto& kPositions = kButtonPositions;

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

// The strip's measures (ParentWidth and ParentHeight as well: the form's size) are lengths within what
// a form file holds; the gaps may be negative.
constexpr PropertyBag::Range kLength{0, OvWizardNavigator::kMaxMeasure};
constexpr PropertyBag::Range kOffset{-OvWizardNavigator::kMaxMeasure, OvWizardNavigator::kMaxMeasure};

std::string positionKey(const char* prefix, const char* field) {
    return std::string(prefix) + field;
}

} // namespace

// The navigator's 42 stored keys in the order they are written, each with the place the reader reads
// it at: the reader takes FinishPosition before FinishRule, and HoldParentSize, ParentWidth,
// ParentHeight, WizardSizeMode in that order after BannerHeaderStyle. It asks for the last picture
// as "ImageWaterMarkBig", which finds "ImageWatermarkBig". Loading sets fields and buttons directly,
// except the pictures, the font and the banner style, which go through their writers so that the
// pages receive them.
std::vector<StoredKey> OvWizardNavigator::storedKeys() {
    using N = OvWizardNavigator;
    using Position = ovEn_Button_Position;
    using Rule = ovEn_Button_Rule;
    std::vector<StoredKey> keys{
        storedKey<OleColor>(
            "BackColor", "BackColor", 1, sysColor::ButtonFace, [this] { return BackColor(); },
            [this](OleColor v) { UserControl::setBackColor(v); }),
        storedKey<bool>(
            "Enabled", "Enabled", 2, true, [this] { return Enabled(); },
            [this](bool v) { UserControl::setEnabled(v); }),
        storedKey<bool>(
            "FinishEnabled", "FinishEnabled", 3, true, [this] { return m_finishEnabled; },
            [this](bool v) { m_finishEnabled = v; }),
        storedKey<bool>(
            "FinishVisible", "FinishVisible", 4, false, [this] { return m_finishVisible; },
            [this](bool v) { m_finishVisible = v; }),
        storedKey<std::string>(
            "FinishCaption", "FinishCaption", 5, "&Finish", [this] { return m_finishCaption; },
            [this](std::string v) { m_finishCaption = std::move(v); }),
        storedKey<Rule>(
            "FinishRule", "FinishRule", 7, Rule::ovBRFinish, [this] { return m_finishRule; },
            [this](Rule v) { m_finishRule = v; }),
        storedKey<Position>(
            "FinishPosition", "FinishPosition", 6, Position::ovBPRightMiddle,
            [this] { return m_finishPosition; }, [this](Position v) { m_finishPosition = v; }),
    };
    int readAt = 8;
    for (const StoredPosition& sp : kStoredPositions) {
        const Position p = sp.position;
        const DefaultButtonSetting& d = kNavigatorDefaultSet[buttonSlot(p)];
        // Each value goes to the field and at once to the button.
        keys.push_back(storedKey<bool>(
            positionKey(sp.prefix, "Enabled"), positionKey(sp.prefix, "Enabled"), readAt++, d.enabled,
            [this, p] { return setting(p).enabled; },
            [this, p](bool v) { button(p).setEnabled(setting(p).enabled = v); }));
        keys.push_back(storedKey<bool>(
            positionKey(sp.prefix, "Visible"), positionKey(sp.prefix, "Visible"), readAt++, d.visible,
            [this, p] { return setting(p).visible; },
            [this, p](bool v) { button(p).setVisible(setting(p).visible = v); }));
        keys.push_back(storedKey<std::string>(
            positionKey(sp.prefix, "Caption"), positionKey(sp.prefix, "Caption"), readAt++, d.caption,
            [this, p] { return setting(p).caption; },
            [this, p](std::string v) { button(p).setCaption(setting(p).caption = std::move(v)); }));
        keys.push_back(storedKey<Rule>(
            positionKey(sp.prefix, "Rule"), positionKey(sp.prefix, "Rule"), readAt++, d.rule,
            [this, p] { return setting(p).rule; },
            [this, p](Rule v) {
                setting(p).rule = v;
                button(p).setTag(std::to_string(static_cast<int32_t>(v)));
            }));
    }
    const FontRef ambient = ambientFont();
    auto picture = [this](std::string key, int at, PictureRef (OvWizardNavigator::*get)() const,
                          void (OvWizardNavigator::*set)(PictureRef)) {
        return storedKey<PictureRef>(
            key, key, at, nullptr, [this, get] { return (this->*get)(); },
            [this, set](PictureRef v) { (this->*set)(std::move(v)); });
    };
    auto measure = [this](std::string key, int at, int32_t def, int32_t OvWizardNavigator::*field,
                          PropertyBag::Range range) {
        return storedKey<int32_t>(
            key, key, at, def, [this, field] { return this->*field; },
            [this, field](int32_t v) { this->*field = v; }, range);
    };
    // A stored value 1 to 4 gives the button at that position the role (enabled or not); any other
    // value leaves the role to no button.
    keys.push_back(storedKey<Position>(
        "DefaultButton", "DefaultButton", 24, kNavigatorDefaultButton, [this] { return m_defaultButton; },
        [this](Position v) {
            m_defaultButton = v;
            for (auto p : kButtonPositions)
                button(p).setDefault(p == v);
        }));
    keys.push_back(storedKey<Position>(
        "CancelButton", "CancelButton", 25, kNavigatorCancelButton, [this] { return m_cancelButton; },
        [this](Position v) {
            m_cancelButton = v;
            for (auto p : kButtonPositions)
                button(p).setCancel(p == v);
        }));
    keys.push_back(storedKey<int32_t>(
        "StartPage", "StartPage", 26, 1, [this] { return m_startPage; },
        [this](int32_t v) { m_startPage = v; }));
    keys.push_back(picture("ImageBanner", 27, &N::ImageBanner, &N::setImageBanner));
    keys.push_back(picture("ImageBannerBig", 28, &N::ImageBannerBig, &N::setImageBannerBig));
    keys.push_back(picture("ImageWatermark", 29, &N::ImageWaterMark, &N::setImageWaterMark));
    keys.push_back(storedKey<PictureRef>(
        "ImageWatermarkBig", "ImageWaterMarkBig", 30, nullptr, [this] { return ImageWaterMarkBig(); },
        [this](PictureRef v) { setImageWaterMarkBig(std::move(v)); }));
    keys.push_back(storedKey<FontRef>(
        "ButtonFont", "ButtonFont", 31, ambient, [this] { return m_buttonFont; },
        [this, ambient](FontRef v) { setButtonFont(v ? v : ambient); }));
    keys.push_back(measure("ButtonGapTop", 32, 210, &N::m_buttonGapTop, kOffset));
    keys.push_back(measure("ButtonGapRight", 33, 150, &N::m_buttonGapRight, kOffset));
    keys.push_back(measure("ButtonGapMiddle", 34, 165, &N::m_buttonGapMiddle, kOffset));
    keys.push_back(measure("ButtonHeight", 35, 345, &N::m_buttonHeight, kLength));
    keys.push_back(measure("ButtonWidth", 36, 1120, &N::m_buttonWidth, kLength));
    keys.push_back(storedKey<ovBannerStyleEnum>(
        "BannerHeaderStyle", "BannerHeaderStyle", 37, ovBannerStyleEnum::ovVelmar,
        [this] { return m_bannerHeaderStyle; }, [this](ovBannerStyleEnum v) { setBannerHeaderStyle(v); }));
    keys.push_back(storedKey<ovWizardSizeMode>(
        "WizardSizeMode", "WizardSizeMode", 41, ovWizardSizeMode::ovStandard,
        [this] { return m_wizardSizeMode; }, [this](ovWizardSizeMode v) { m_wizardSizeMode = v; }));
    keys.push_back(measure("ParentWidth", 39, 7540, &N::m_parentWidth, kLength));
    keys.push_back(measure("ParentHeight", 40, 5775, &N::m_parentHeight, kLength));
    keys.push_back(storedKey<bool>(
        "HoldParentSize", "HoldParentSize", 38, true, [this] { return m_holdParentSize; },
        [this](bool v) { m_holdParentSize = v; }));
    keys.push_back(storedKey<bool>(
        "ShowErrorMsg", "ShowErrorMsg", 42, true, [this] { return m_showErrorMsg; },
        [this](bool v) {
            m_showErrorMsg = v;
            wizardThreadState().showErrors = v;
        }));
    return keys;
}

void OvWizardNavigator::onInitProperties() {
    trapFailures(*this, "::InitProperties", [&] {
        Form& form = parentForm();
        int navigators = 0;
        for (const auto& ext : form.controls()) {
            if (ext->typeName() == "OvWizardNavigator") ++navigators;
        }
        if (navigators >= 2) {
            leaveWizard();
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
        std::vector<StoredKey> keys = storedKeys();
        std::stable_sort(keys.begin(), keys.end(),
                         [](const StoredKey& a, const StoredKey& b) { return a.readAt < b.readAt; });
        for (const StoredKey& k : keys)
            k.load(bag);
        copyDefaultsToMediator();
        // A running navigator loaded before its pages starts disabled; the first page change enables it.
        // At design time no page change comes, and the stored state stays, so that a wizard loaded in
        // the designer saves back as it was.
        if (ambientUserMode()) UserControl::setEnabled(m_pages && m_pages->Count() > 0);
        resize();
    });
}

void OvWizardNavigator::onWriteProperties(PropertyBag& bag) {
    trapFailures(*this, "::WriteProperties", [&] {
        for (const StoredKey& k : storedKeys())
            bag.write(k.writeKey, k.value(), k.defaultValue);
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
