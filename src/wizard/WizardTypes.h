#pragma once

#include "platform/VariantTraits.h"

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

// Publishes the wizard enumerations, the PageButtons record and the page descriptor classes.
void registerWizardTypes(TypeRegistry& registry);

} // namespace ov
