#pragma once

#include "platform/VariantTraits.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>

namespace ov {

class TypeRegistry;

enum class En_Page_State : int32_t { Maximized = 0, Minimized = 1 };

enum class En_Page_Mode : int32_t { WelcomePage = 0, InteriorPage = 1, CompletePage = 2 };

// What a click on a button does. The navigator keeps each button's rule as the decimal text of this
// value ("1" for ovBRBack) and dispatches clicks by that text.
enum class ovEn_Button_Rule : int32_t {
    ovBRNone = 0,
    ovBRBack = 1,
    ovBRNext = 2,
    ovBRCancel = 3,
    ovBRHelp = 4,
    ovBRExit = 5,
    ovBRFinish = 6,
};

// The four navigator buttons, left to right: cmdLeft, cmdLeftMiddle, cmdRightMiddle, cmdRight.
enum class ovEn_Button_Position : int32_t {
    ovBPNone = 0,
    ovBPLeft = 1,
    ovBPLeftMiddle = 2,
    ovBPRightMiddle = 3,
    ovBPRight = 4,
};

// The four buttons in their order from left to right: every walk over the buttons takes this order.
inline constexpr std::array<ovEn_Button_Position, 4> kButtonPositions{
    ovEn_Button_Position::ovBPLeft, ovEn_Button_Position::ovBPLeftMiddle,
    ovEn_Button_Position::ovBPRightMiddle, ovEn_Button_Position::ovBPRight};

// A position value is either one of the four buttons (1..4) or names none: ovBPNone (0), or any other
// number, as a default or cancel position, means that no button has that role. Code that addresses a
// button takes a real position (buttonSlot); code that stores a role keeps "a position or none" and
// asks isButtonPosition before it looks for a button.
constexpr bool isButtonPosition(ovEn_Button_Position p) {
    return static_cast<int32_t>(p) >= 1 && static_cast<int32_t>(p) <= 4;
}
constexpr bool isButtonPosition(int32_t p) {
    return isButtonPosition(static_cast<ovEn_Button_Position>(p));
}
// The place (0..3) of a real position in per-position arrays; failure 9 for any other value.
size_t buttonSlot(ovEn_Button_Position p);

enum class OvWizardDirectionConstant : int32_t { ovWizardGoForward = 0, ovWizardGoBack = 1 };

enum class ovBannerStyleEnum : int32_t { ovOSWindows2k = 0, ovVelmar = 1 };

enum class ovWizardSizeMode : int32_t { ovStandard = 0, ovUser = 1 };

OV_ENUM(En_Page_State)
OV_ENUM(En_Page_Mode)
OV_ENUM(ovEn_Button_Rule)
OV_ENUM(ovEn_Button_Position)
OV_ENUM(OvWizardDirectionConstant)
OV_ENUM(ovBannerStyleEnum)
OV_ENUM(ovWizardSizeMode)

// One wizard button as pages publish it. Hosts see the record with the published 20-byte layout
// (Visible 0, Enabled 2, Caption 4, Rule 8, Position 12, Default 16, Cancel 18); this struct keeps the
// same field order.
struct PageButtons {
    static constexpr const char* kTypeName = "PageButtons";

    bool Visible = false;
    bool Enabled = false;
    std::string Caption;
    ovEn_Button_Rule Rule = ovEn_Button_Rule::ovBRNone;
    ovEn_Button_Position Position = ovEn_Button_Position::ovBPNone;
    bool Default = false;
    bool Cancel = false;

    bool operator==(const PageButtons&) const = default;
};

// One button of the navigator's default set.
struct DefaultButtonSetting {
    bool visible;
    bool enabled;
    const char* caption;
    ovEn_Button_Rule rule;
};

// The navigator's default button set, by slot (left to right): what a new navigator starts with, what
// the mediator holds until a navigator writes its own, and the stored defaults of the navigator's keys.
inline constexpr std::array<DefaultButtonSetting, 4> kNavigatorDefaultSet{
    DefaultButtonSetting{false, true, "&Help", ovEn_Button_Rule::ovBRHelp},
    DefaultButtonSetting{true, true, "< &Back", ovEn_Button_Rule::ovBRBack},
    DefaultButtonSetting{true, true, "&Next >", ovEn_Button_Rule::ovBRNext},
    DefaultButtonSetting{true, true, "Cancel", ovEn_Button_Rule::ovBRCancel}};
// The default set's default (Enter) and cancel (Escape) positions.
inline constexpr ovEn_Button_Position kNavigatorDefaultButton = ovEn_Button_Position::ovBPRightMiddle;
inline constexpr ovEn_Button_Position kNavigatorCancelButton = ovEn_Button_Position::ovBPRight;

// Publishes the wizard enumerations, the PageButtons record and the page descriptor classes.
void registerWizardTypes(TypeRegistry& registry);

} // namespace ov
