// The navigator on a form: a new instance's defaults, its property bag, and the captions file.
#include "platform/CommandButton.h"
#include "platform/Extender.h"
#include "platform/Font.h"
#include "platform/Form.h"
#include "platform/FormFile.h"
#include "platform/MessageBox.h"
#include "platform/Picture.h"
#include "platform/PropertyBag.h"
#include "platform/Runtime.h"
#include "wizard/CPages.h"
#include "wizard/CWizardNavigator.h"
#include "wizard/CaptionsFile.h"
#include "wizard/OvWizardNavigator.h"
#include "wizard/StoredKey.h"
#include "wizard/WizardGlobals.h"

#include <algorithm>
#include <type_traits>

namespace ov {

namespace {

// The captions file lists the positions from left to right.
constexpr const auto& kPositions = kButtonPositions;

// The strip's measures (ParentWidth and ParentHeight as well: the form's size) are lengths within what
// a form file holds; the gaps may be negative. The writers take any value; only a file is limited.
constexpr PropertyBag::Range kLength{0, OvWizardNavigator::kMaxMeasure};
constexpr PropertyBag::Range kOffset{-OvWizardNavigator::kMaxMeasure, OvWizardNavigator::kMaxMeasure};
static_assert(OvWizardNavigator::kMaxMeasure == FormFile::kMaxTwips);

template <ovEn_Button_Position P>
using At = std::integral_constant<ovEn_Button_Position, P>;

} // namespace

// The navigator's 42 stored keys in the order they are written, each with the place the reader reads
// it at: the reader takes FinishPosition before FinishRule, and HoldParentSize, ParentWidth,
// ParentHeight, WizardSizeMode in that order after BannerHeaderStyle. It asks for the last picture
// as "ImageWaterMarkBig", which finds "ImageWatermarkBig". Loading sets fields and buttons directly,
// except the pictures, the font and the banner style, which go through their writers so that the
// pages receive them. Built once; every navigator reads and writes through it.
const StoredKeyTable<OvWizardNavigator>& OvWizardNavigator::storedKeys() {
    static const StoredKeyTable<OvWizardNavigator> table([] {
        using N = OvWizardNavigator;
        using Key = StoredKey<N>;
        using Position = ovEn_Button_Position;
        using Rule = ovEn_Button_Rule;
        std::vector<Key> keys{
            Key::of<OleColor>(
                "BackColor", "BackColor", 1, sysColor::ButtonFace, [](N& n) { return n.BackColor(); },
                [](N& n, OleColor v) { n.UserControl::setBackColor(v); }),
            Key::of<bool>(
                "Enabled", "Enabled", 2, true, [](N& n) { return n.Enabled(); },
                [](N& n, bool v) { n.UserControl::setEnabled(v); }),
            Key::field<&N::m_finishEnabled>("FinishEnabled", 3, true),
            Key::field<&N::m_finishVisible>("FinishVisible", 4, false),
            Key::field<&N::m_finishCaption>("FinishCaption", 5, "&Finish"),
            Key::field<&N::m_finishRule>("FinishRule", 7, Rule::ovBRFinish),
            Key::field<&N::m_finishPosition>("FinishPosition", 6, Position::ovBPRightMiddle),
        };
        // Each value goes to the field and at once to the button.
        int readAt = 8;
        auto position = [&](auto at, const std::string& prefix) {
            const DefaultButtonSetting& d = kNavigatorDefaultSet[buttonSlot(decltype(at)::value)];
            keys.push_back(Key::of<bool>(
                prefix + "Enabled", prefix + "Enabled", readAt++, d.enabled,
                [](N& n) { return n.setting(decltype(at)::value).enabled; },
                [](N& n, bool v) {
                    constexpr Position p = decltype(at)::value;
                    n.button(p).setEnabled(n.setting(p).enabled = v);
                }));
            keys.push_back(Key::of<bool>(
                prefix + "Visible", prefix + "Visible", readAt++, d.visible,
                [](N& n) { return n.setting(decltype(at)::value).visible; },
                [](N& n, bool v) {
                    constexpr Position p = decltype(at)::value;
                    n.button(p).setVisible(n.setting(p).visible = v);
                }));
            keys.push_back(Key::of<std::string>(
                prefix + "Caption", prefix + "Caption", readAt++, d.caption,
                [](N& n) { return n.setting(decltype(at)::value).caption; },
                [](N& n, std::string v) {
                    constexpr Position p = decltype(at)::value;
                    n.button(p).setCaption(n.setting(p).caption = std::move(v));
                }));
            keys.push_back(Key::of<Rule>(
                prefix + "Rule", prefix + "Rule", readAt++, d.rule,
                [](N& n) { return n.setting(decltype(at)::value).rule; },
                [](N& n, Rule v) {
                    constexpr Position p = decltype(at)::value;
                    n.setting(p).rule = v;
                    n.button(p).setTag(std::to_string(static_cast<int32_t>(v)));
                }));
        };
        // The order the bag stores the positions in.
        position(At<Position::ovBPRightMiddle>{}, "RightMiddleButton");
        position(At<Position::ovBPRight>{}, "RightButton");
        position(At<Position::ovBPLeft>{}, "LeftButton");
        position(At<Position::ovBPLeftMiddle>{}, "LeftMiddleButton");
        // A stored value 1 to 4 gives the button at that position the role (enabled or not); any other
        // value leaves the role to no button.
        keys.push_back(Key::of<Position>(
            "DefaultButton", "DefaultButton", 24, kNavigatorDefaultButton,
            [](N& n) { return n.m_defaultButton; },
            [](N& n, Position v) {
                n.m_defaultButton = v;
                for (auto p : kButtonPositions)
                    n.button(p).setDefault(p == v);
            }));
        keys.push_back(Key::of<Position>(
            "CancelButton", "CancelButton", 25, kNavigatorCancelButton, [](N& n) { return n.m_cancelButton; },
            [](N& n, Position v) {
                n.m_cancelButton = v;
                for (auto p : kButtonPositions)
                    n.button(p).setCancel(p == v);
            }));
        keys.push_back(Key::field<&N::m_startPage>("StartPage", 26, 1));
        keys.push_back(Key::of<PictureRef>(
            "ImageBanner", "ImageBanner", 27, nullptr, [](N& n) { return n.ImageBanner(); },
            [](N& n, PictureRef v) { n.setImageBanner(std::move(v)); }));
        keys.push_back(Key::of<PictureRef>(
            "ImageBannerBig", "ImageBannerBig", 28, nullptr, [](N& n) { return n.ImageBannerBig(); },
            [](N& n, PictureRef v) { n.setImageBannerBig(std::move(v)); }));
        keys.push_back(Key::of<PictureRef>(
            "ImageWatermark", "ImageWatermark", 29, nullptr, [](N& n) { return n.ImageWaterMark(); },
            [](N& n, PictureRef v) { n.setImageWaterMark(std::move(v)); }));
        keys.push_back(Key::of<PictureRef>(
            "ImageWatermarkBig", "ImageWaterMarkBig", 30, nullptr, [](N& n) { return n.ImageWaterMarkBig(); },
            [](N& n, PictureRef v) { n.setImageWaterMarkBig(std::move(v)); }));
        keys.push_back(Key::withDefaultOf<FontRef>(
            "ButtonFont", "ButtonFont", 31, [](const N& n) { return n.ambientFont(); },
            [](N& n) { return n.m_buttonFont; },
            [](N& n, FontRef v) { n.setButtonFont(v ? std::move(v) : n.ambientFont()); }));
        keys.push_back(Key::field<&N::m_buttonGapTop>("ButtonGapTop", 32, 210, kOffset));
        keys.push_back(Key::field<&N::m_buttonGapRight>("ButtonGapRight", 33, 150, kOffset));
        keys.push_back(Key::field<&N::m_buttonGapMiddle>("ButtonGapMiddle", 34, 165, kOffset));
        keys.push_back(Key::field<&N::m_buttonHeight>("ButtonHeight", 35, 345, kLength));
        keys.push_back(Key::field<&N::m_buttonWidth>("ButtonWidth", 36, 1120, kLength));
        keys.push_back(Key::of<ovBannerStyleEnum>(
            "BannerHeaderStyle", "BannerHeaderStyle", 37, ovBannerStyleEnum::ovVelmar,
            [](N& n) { return n.m_bannerHeaderStyle; },
            [](N& n, ovBannerStyleEnum v) { n.setBannerHeaderStyle(v); }));
        keys.push_back(Key::field<&N::m_wizardSizeMode>("WizardSizeMode", 41, ovWizardSizeMode::ovStandard));
        keys.push_back(Key::field<&N::m_parentWidth>("ParentWidth", 39, 7540, kLength));
        keys.push_back(Key::field<&N::m_parentHeight>("ParentHeight", 40, 5775, kLength));
        keys.push_back(Key::field<&N::m_holdParentSize>("HoldParentSize", 38, true));
        keys.push_back(Key::of<bool>(
            "ShowErrorMsg", "ShowErrorMsg", 42, true, [](N& n) { return n.m_showErrorMsg; },
            [](N& n, bool v) {
                n.m_showErrorMsg = v;
                wizardThreadState().showErrors = v;
            }));
        return keys;
    }());
    return table;
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
        storedKeys().load(*this, bag);
        copyDefaultsToMediator();
        // A running navigator loaded before its pages starts disabled; the first page change enables it.
        // At design time no page change comes, and the stored state stays, so that a wizard loaded in
        // the designer saves back as it was.
        if (ambientUserMode()) UserControl::setEnabled(m_pages && m_pages->Count() > 0);
        resize();
    });
}

void OvWizardNavigator::onWriteProperties(PropertyBag& bag) {
    trapFailures(*this, "::WriteProperties", [&] { storedKeys().write(*this, bag); });
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
