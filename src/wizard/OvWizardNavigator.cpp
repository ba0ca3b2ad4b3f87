#include "wizard/OvWizardNavigator.h"

#include "frame/AboutBox.h"
#include "platform/ClassBuilder.h"
#include "platform/CommandButton.h"
#include "platform/Extender.h"
#include "platform/Form.h"
#include "platform/Frame.h"
#include "platform/Image.h"
#include "platform/MessageBox.h"
#include "wizard/CPages.h"
#include "wizard/CWizardNavigator.h"
#include "wizard/WizardGlobals.h"

namespace ov {

namespace {

constexpr std::array kButtonNames{"cmdLeft", "cmdLeftMiddle", "cmdRightMiddle", "cmdRight"};

} // namespace

const ClassInfo& OvWizardNavigator::staticClass() {
    return buildClassInfo<OvWizardNavigator>([](ClassInfo& i) {
        i.guid = "{16C8E862-2A7C-43F3-9496-B1787E13D5FE}";
        i.kind = ClassInfo::Kind::Control;
        i.creatable = true;
        i.interfaceName = "_OvWizardNavigator";
        i.eventInterfaceName = "__OvWizardNavigator";
        i.eventGuid = "{BEDEB82F-CE26-4036-8C99-D0F50A27E8A2}";
        i.propertyPages = {"GeneralNavigator", "Position", "NavigatorButonSet"};
    });
}

void OvWizardNavigator::describe(ClassBuilder<OvWizardNavigator>& b) {
    using N = OvWizardNavigator;
    b.property("WizardPages", 0x68030056, &N::WizardPages);
    b.property("CurrentPage", 0x6803003E, &N::CurrentPage);
    b.property("StartPage", 0x6803003D, &N::StartPage, &N::setStartPage);
    b.method("GoToNewPage", 0x60030068, &N::GoToNewPage, {"NewPage"});
    b.method("GoToNewPageEx", 0x60030085, &N::GoToNewPageEx, {"NewPage", "WizardDirection"});
    b.method("ReleaseAll", 0x600300CD, &N::ReleaseAll);

    b.property("FinishEnabled", 0x68030053, &N::FinishEnabled, &N::setFinishEnabled);
    b.property("FinishPosition", 0x68030052, &N::FinishPosition, &N::setFinishPosition);
    b.property("FinishRule", 0x68030051, &N::FinishRule, &N::setFinishRule);
    b.property("FinishVisible", 0x68030050, &N::FinishVisible, &N::setFinishVisible);
    b.property("FinishCaption", 0x6803004F, &N::FinishCaption, &N::setFinishCaption);
    b.property("RightMiddleButtonEnabled", 0x6803004E, &N::RightMiddleButtonEnabled,
               &N::setRightMiddleButtonEnabled);
    b.property("RightMiddleButtonVisible", 0x6803004D, &N::RightMiddleButtonVisible,
               &N::setRightMiddleButtonVisible);
    b.property("RightMiddleButtonRule", 0x6803004C, &N::RightMiddleButtonRule, &N::setRightMiddleButtonRule);
    b.property("RightMiddleButtonCaption", 0x6803004B, &N::RightMiddleButtonCaption,
               &N::setRightMiddleButtonCaption);
    b.property("RightButtonEnabled", 0x6803004A, &N::RightButtonEnabled, &N::setRightButtonEnabled);
    b.property("RightButtonVisible", 0x68030049, &N::RightButtonVisible, &N::setRightButtonVisible);
    b.property("RightButtonRule", 0x68030048, &N::RightButtonRule, &N::setRightButtonRule);
    b.property("RightButtonCaption", 0x68030047, &N::RightButtonCaption, &N::setRightButtonCaption);
    b.property("LeftButtonEnabled", 0x68030046, &N::LeftButtonEnabled, &N::setLeftButtonEnabled);
    b.property("LeftButtonVisible", 0x68030045, &N::LeftButtonVisible, &N::setLeftButtonVisible);
    b.property("LeftButtonRule", 0x68030044, &N::LeftButtonRule, &N::setLeftButtonRule);
    b.property("LeftButtonCaption", 0x68030043, &N::LeftButtonCaption, &N::setLeftButtonCaption);
    b.property("LeftMiddleButtonEnabled", 0x68030042, &N::LeftMiddleButtonEnabled,
               &N::setLeftMiddleButtonEnabled);
    b.property("LeftMiddleButtonVisible", 0x68030041, &N::LeftMiddleButtonVisible,
               &N::setLeftMiddleButtonVisible);
    b.property("LeftMiddleButtonRule", 0x68030040, &N::LeftMiddleButtonRule, &N::setLeftMiddleButtonRule);
    b.property("LeftMiddleButtonCaption", 0x6803003F, &N::LeftMiddleButtonCaption,
               &N::setLeftMiddleButtonCaption);
    b.property("DefaultButton", 0x6803002D, &N::DefaultButton, &N::setDefaultButton);
    b.property("CancelButton", 0x6803002C, &N::CancelButton, &N::setCancelButton);
    b.property("Enabled", 0x68030054, &N::Enabled, &N::setEnabled);
    b.property("BackColor", 0x68030055, &N::BackColor, &N::setBackColor);
    b.method("Refresh", 0x60030057, &N::Refresh);
    b.method("About", -552, &N::About);
    b.method("SetFocusOnButton", 0x600300A8, &N::SetFocusOnButton, {"New_DefaultButton"});
    b.property("ShowErrorMsg", 0x68030086, &N::ShowErrorMsg, &N::setShowErrorMsg);
    b.property("SaveCaptionsToFile", 0x68030069, &N::SaveCaptionsToFile, &N::setSaveCaptionsToFile);
    b.property("ButtonFont", 0x68030038, &N::ButtonFont).set(&N::setButtonFont);
    b.property("ButtonGapTop", 0x68030037, &N::ButtonGapTop, &N::setButtonGapTop);
    b.property("ButtonGapRight", 0x68030036, &N::ButtonGapRight, &N::setButtonGapRight);
    b.property("ButtonGapMiddle", 0x68030035, &N::ButtonGapMiddle, &N::setButtonGapMiddle);
    b.property("ButtonHeight", 0x68030034, &N::ButtonHeight, &N::setButtonHeight);
    b.property("ButtonWidth", 0x68030033, &N::ButtonWidth, &N::setButtonWidth);
    b.property("WizardSizeMode", 0x68030032, &N::WizardSizeMode, &N::setWizardSizeMode);
    b.property("ParentWidth", 0x68030031, &N::ParentWidth, &N::setParentWidth);
    b.property("ParentHeight", 0x68030030, &N::ParentHeight, &N::setParentHeight);
    b.property("HoldParentSize", 0x6803002F, &N::HoldParentSize, &N::setHoldParentSize);
    b.property("BannerHeaderStyle", 0x6803002E, &N::BannerHeaderStyle, &N::setBannerHeaderStyle);
    b.property("ImageBanner", 0x6803003C, &N::ImageBanner).set(&N::setImageBanner);
    b.property("ImageBannerBig", 0x6803003B, &N::ImageBannerBig).set(&N::setImageBannerBig);
    b.property("ImageWaterMark", 0x6803003A, &N::ImageWaterMark).set(&N::setImageWaterMark);
    b.property("ImageWaterMarkBig", 0x68030039, &N::ImageWaterMarkBig).set(&N::setImageWaterMarkBig);

    b.event("BeforePageChange", 1, &N::BeforePageChange,
            {"WizardDirection", "NewPage", "CurrentPage", "Cancel"});
    b.event("AfterPageChange", 2, &N::AfterPageChange, {"WizardDirection", "CurrentPage", "OldPage"});
    b.event("FinishClick", 3, &N::FinishClick, {});
    b.event("CancelClick", 4, &N::CancelClick, {});
    b.event("HelpClick", 5, &N::HelpClick, {});
    b.event("ExitClick", 6, &N::ExitClick, {});
    b.event("OnError", 7, &N::OnError, {"Error", "Description", "Source"});
    b.event("OnButtonGotFocus", 8, &N::OnButtonGotFocus, {"pButton"});
}

OvWizardNavigator::OvWizardNavigator() {
    addChild<Frame>("fraTop");
    for (auto position : kButtonPositions) {
        const size_t i = buttonSlot(position);
        const DefaultButtonSetting& d = kNavigatorDefaultSet[i];
        m_positions[i] = {d.visible, d.enabled, d.caption, d.rule};
        auto& cmd = addChild<CommandButton>(kButtonNames[i]);
        m_buttons[i] = &cmd;
        cmd.setVisible(d.visible);
        cmd.setEnabled(d.enabled);
        cmd.setCaption(d.caption);
        cmd.setTag(std::to_string(static_cast<int32_t>(d.rule)));
        m_buttonLinks.emplace_back(cmd.Click().connect([this, position] { onButtonClick(position); }));
        // Focus handling never fails: a host handler's failure stays with the handler.
        m_buttonLinks.emplace_back(cmd.GotFocus().connect(
            [this, position] { ignoreFailures([&] { OnButtonGotFocus(position); }); }));
    }
    for (const char* holder : {"imgBanner", "imgBannerBig", "imgWatermark", "imgWatermarkBig"})
        addChild<Image>(holder).setVisible(false);
    m_buttonLinks.emplace_back(surface().EnterFocus.connect([this] { onNavigatorFocus(); }));
}

OvWizardNavigator::~OvWizardNavigator() = default;

OvWizardNavigator::PositionSetting& OvWizardNavigator::setting(ovEn_Button_Position p) {
    return m_positions[buttonSlot(p)];
}

const OvWizardNavigator::PositionSetting& OvWizardNavigator::setting(ovEn_Button_Position p) const {
    return const_cast<OvWizardNavigator*>(this)->setting(p);
}

CommandButton& OvWizardNavigator::button(ovEn_Button_Position p) const {
    // Kept from the start: the buttons are written on every page change.
    return *m_buttons[buttonSlot(p)];
}

CWizardNavigator& OvWizardNavigator::mediator() const {
    if (!m_mediator) throw Failure(err::ObjectNotSet);
    return *m_mediator;
}

// A navigator that is not the wizard's (refused on its form) neither hears nor writes the mediator,
// and its end tells the pages nothing.
void OvWizardNavigator::leaveWizard() {
    m_mediatorLinks.clear();
    m_pages.reset();
    m_mediator.reset();
}

std::string OvWizardNavigator::sourceName() const {
    return isSited() ? extender().Name() : std::string();
}

void OvWizardNavigator::reportFailure(const Failure& f, const ProcedureLabel& label) {
    m_lastError = {f.number(), f.description()};
    if (f.number() == err::ClientSiteNotAvailable) return;
    if (label.navigationMove && f.number() == err::NavigationRefused) return;
    const std::string source = sourceName() + label.relayed;
    OnError(f.number(), f.description(), source);
    ShowError(m_showErrorMsg, f.number(), f.description(), sourceName() + label.boxLabel(), mb::Exclamation);
}

void OvWizardNavigator::setShowErrorMsg(bool v) {
    trapFailures(*this, "::ShowErrorMsg (Let)", [&] {
        m_showErrorMsg = v;
        wizardThreadState().showErrors = v;
        PropertyChanged("ShowErrorMsg");
    });
}

void OvWizardNavigator::About() {
    trapFailures(*this, "::About", [] { showAboutBox(); });
}

void OvWizardNavigator::setStartPage(int32_t value) {
    trapFailures(*this, "::StartPage (Let)", [&] {
        m_startPage = value;
        PropertyChanged("StartPage");
    });
}

std::shared_ptr<CPages> OvWizardNavigator::WizardPages() const {
    return m_pages;
}

void OvWizardNavigator::onInitialize() {
    m_mediator = subscribeWizardMediator();
    m_pages = m_mediator->Pages();
    m_mediatorLinks.emplace_back(m_mediator->OnChangeButtons.connect([this] { onChangeButtons(); }));
    m_mediatorLinks.emplace_back(
        m_mediator->OnChangePreviousPageIndex.connect([this] { onChangePreviousPageIndex(); }));
    m_mediatorLinks.emplace_back(
        m_mediator->OnChangeNextPageIndex.connect([this] { onChangeNextPageIndex(); }));
    // A page's failure reaches the host as the navigator's own OnError.
    m_mediatorLinks.emplace_back(
        m_mediator->OnError.connect([this](int32_t number, std::string description, std::string source) {
            OnError(number, description, source);
        }));
}

void OvWizardNavigator::copyDefaultsToMediator() {
    CWizardNavigator& m = mediator();
    m.setDefaultButton(static_cast<int32_t>(m_defaultButton));
    m.setCancelButton(static_cast<int32_t>(m_cancelButton));
    for (auto p : kButtonPositions) {
        const PositionSetting& s = setting(p);
        m.setDefaultSet(p, {s.visible, s.enabled, s.caption, static_cast<int32_t>(s.rule)});
    }
    m.setShowErrorMsg(m_showErrorMsg);
    m.setStartPage(m_startPage);
}

void OvWizardNavigator::onShow() {
    if (!ambientUserMode() || !Enabled() || !m_mediator) return;
    // Showing the first page is best effort; the host can still move with GoToNewPage.
    ignoreFailures([&] {
        m_mediator->GoToPage(m_startPage);
        bringToFront();
        m_focusPending = true;
    });
}

void OvWizardNavigator::onTerminate() {
    m_lastError = {};
    if (!m_mediator) return;
    m_mediator->NavigatorIsDie();
    ReleaseWizardGlobals();
    leaveWizard();
}

void OvWizardNavigator::bringToFront() {
    if (isSited()) extender().ZOrder(0);
}

} // namespace ov
