#pragma once

#include "frame/ErrorReporting.h"
#include "platform/Event.h"
#include "platform/UserControl.h"
#include "wizard/CPage.h"
#include "wizard/WizardTypes.h"

#include <array>
#include <cstdint>
#include <memory>
#include <string>

namespace ov {

class CPages;
class CWizardNavigator;
class CommandButton;
class Image;
template <class C>
class StoredKeyTable;

// The wizard's navigator: a strip docked to the bottom of its form with four buttons (cmdLeft,
// cmdLeftMiddle, cmdRightMiddle, cmdRight) whose captions, states and rules come from the current page
// or from the navigator's own default set. It never shows or hides a page itself: it tells the thread's
// mediator which page index to go to, and the pages answer. One navigator per form.
//
// Failures inside its procedures are recorded, raised as OnError with the source "<Name>::<label>",
// and shown as an "Error: " message while ShowErrorMsg is on; the procedure then ends normally.
class OvWizardNavigator : public UserControl, private FailureReporter {
    OV_OBJECT(OvWizardNavigator)
public:
    OvWizardNavigator();
    ~OvWizardNavigator() override;

    // ---- Pages and navigation ----
    std::shared_ptr<CPages> WizardPages() const;
    // The page now shown; no page when none is current.
    CPageRef CurrentPage();
    int32_t StartPage() const { return m_startPage; }
    void setStartPage(int32_t value);
    // Goes to NewPage, forward when its index is not below the current one. BeforePageChange may
    // cancel, or replace NewPage (the caller's variable sees the replacement). Going to the current
    // page raises nothing.
    void GoToNewPage(CPageRef& NewPage);
    // The same with the direction given by the caller.
    void GoToNewPageEx(CPageRef& NewPage, OvWizardDirectionConstant WizardDirection);
    // Empties the page registry (hosts call it before closing a wizard).
    void ReleaseAll();
    // The moves a button with the Next or Back rule makes.
    void NextClick();
    void BackClick();

    // ---- The four buttons (positions 1..4) ----
    bool buttonVisible(ovEn_Button_Position p) const { return setting(p).visible; }
    bool buttonEnabled(ovEn_Button_Position p) const { return setting(p).enabled; }
    std::string buttonCaption(ovEn_Button_Position p) const { return setting(p).caption; }
    ovEn_Button_Rule buttonRule(ovEn_Button_Position p) const { return setting(p).rule; }
    void setButtonVisible(ovEn_Button_Position p, bool v);
    void setButtonEnabled(ovEn_Button_Position p, bool v);
    void setButtonCaption(ovEn_Button_Position p, const std::string& v);
    void setButtonRule(ovEn_Button_Position p, ovEn_Button_Rule v);

    bool LeftButtonVisible() const { return buttonVisible(ovEn_Button_Position::ovBPLeft); }
    bool LeftButtonEnabled() const { return buttonEnabled(ovEn_Button_Position::ovBPLeft); }
    std::string LeftButtonCaption() const { return buttonCaption(ovEn_Button_Position::ovBPLeft); }
    ovEn_Button_Rule LeftButtonRule() const { return buttonRule(ovEn_Button_Position::ovBPLeft); }
    void setLeftButtonVisible(bool v) { setButtonVisible(ovEn_Button_Position::ovBPLeft, v); }
    void setLeftButtonEnabled(bool v) { setButtonEnabled(ovEn_Button_Position::ovBPLeft, v); }
    void setLeftButtonCaption(const std::string& v) { setButtonCaption(ovEn_Button_Position::ovBPLeft, v); }
    void setLeftButtonRule(ovEn_Button_Rule v) { setButtonRule(ovEn_Button_Position::ovBPLeft, v); }
    bool LeftMiddleButtonVisible() const { return buttonVisible(ovEn_Button_Position::ovBPLeftMiddle); }
    bool LeftMiddleButtonEnabled() const { return buttonEnabled(ovEn_Button_Position::ovBPLeftMiddle); }
    std::string LeftMiddleButtonCaption() const {
        return buttonCaption(ovEn_Button_Position::ovBPLeftMiddle);
    }
    ovEn_Button_Rule LeftMiddleButtonRule() const { return buttonRule(ovEn_Button_Position::ovBPLeftMiddle); }
    void setLeftMiddleButtonVisible(bool v) { setButtonVisible(ovEn_Button_Position::ovBPLeftMiddle, v); }
    void setLeftMiddleButtonEnabled(bool v) { setButtonEnabled(ovEn_Button_Position::ovBPLeftMiddle, v); }
    void setLeftMiddleButtonCaption(const std::string& v) {
        setButtonCaption(ovEn_Button_Position::ovBPLeftMiddle, v);
    }
    void setLeftMiddleButtonRule(ovEn_Button_Rule v) {
        setButtonRule(ovEn_Button_Position::ovBPLeftMiddle, v);
    }
    bool RightMiddleButtonVisible() const { return buttonVisible(ovEn_Button_Position::ovBPRightMiddle); }
    bool RightMiddleButtonEnabled() const { return buttonEnabled(ovEn_Button_Position::ovBPRightMiddle); }
    std::string RightMiddleButtonCaption() const {
        return buttonCaption(ovEn_Button_Position::ovBPRightMiddle);
    }
    ovEn_Button_Rule RightMiddleButtonRule() const {
        return buttonRule(ovEn_Button_Position::ovBPRightMiddle);
    }
    void setRightMiddleButtonVisible(bool v) { setButtonVisible(ovEn_Button_Position::ovBPRightMiddle, v); }
    void setRightMiddleButtonEnabled(bool v) { setButtonEnabled(ovEn_Button_Position::ovBPRightMiddle, v); }
    void setRightMiddleButtonCaption(const std::string& v) {
        setButtonCaption(ovEn_Button_Position::ovBPRightMiddle, v);
    }
    void setRightMiddleButtonRule(ovEn_Button_Rule v) {
        setButtonRule(ovEn_Button_Position::ovBPRightMiddle, v);
    }
    bool RightButtonVisible() const { return buttonVisible(ovEn_Button_Position::ovBPRight); }
    bool RightButtonEnabled() const { return buttonEnabled(ovEn_Button_Position::ovBPRight); }
    std::string RightButtonCaption() const { return buttonCaption(ovEn_Button_Position::ovBPRight); }
    ovEn_Button_Rule RightButtonRule() const { return buttonRule(ovEn_Button_Position::ovBPRight); }
    void setRightButtonVisible(bool v) { setButtonVisible(ovEn_Button_Position::ovBPRight, v); }
    void setRightButtonEnabled(bool v) { setButtonEnabled(ovEn_Button_Position::ovBPRight, v); }
    void setRightButtonCaption(const std::string& v) { setButtonCaption(ovEn_Button_Position::ovBPRight, v); }
    void setRightButtonRule(ovEn_Button_Rule v) { setButtonRule(ovEn_Button_Position::ovBPRight, v); }

    // The Finish overlay laid over the button at FinishPosition while FinishVisible is true.
    bool FinishVisible() const { return m_finishVisible; }
    void setFinishVisible(bool v);
    bool FinishEnabled() const { return m_finishEnabled; }
    void setFinishEnabled(bool v);
    std::string FinishCaption() const { return m_finishCaption; }
    void setFinishCaption(const std::string& v);
    // Take effect at the next FinishVisible = true.
    ovEn_Button_Rule FinishRule() const { return m_finishRule; }
    void setFinishRule(ovEn_Button_Rule v);
    ovEn_Button_Position FinishPosition() const { return m_finishPosition; }
    void setFinishPosition(ovEn_Button_Position v);

    // The default (Enter) and cancel (Escape) button positions; a disabled button never has either role.
    // A position or none: ovBPNone (or any value outside 1..4) gives the role to no button.
    ovEn_Button_Position DefaultButton() const { return m_defaultButton; }
    void setDefaultButton(ovEn_Button_Position v);
    ovEn_Button_Position CancelButton() const { return m_cancelButton; }
    void setCancelButton(ovEn_Button_Position v);

    // Enabling re-applies the button states (at run time from the mediator first); disabling disables
    // the four buttons and clears the default and cancel roles. Hides UserControl::setEnabled. The
    // control surface's state is what a save stores.
    void setEnabled(bool v);
    void setBackColor(OleColor v);
    // Accepted; the strip paints from its state.
    void Refresh() {}
    // Opens the About window modally.
    void About();
    // Gives the focus to the button at that position when it is enabled and visible; other positions
    // do nothing. Failures of the focus handling (a host's OnButtonGotFocus handler) are ignored.
    void SetFocusOnButton(ovEn_Button_Position New_DefaultButton);

    // ---- Layout and sizing (twips) ----
    // The writers store what they are given and lay the strip out (a 32-bit overflow of the right
    // button's place is a failure, reported; the value stays stored). A form file holds button sizes
    // from 0 to kMaxMeasure and gaps within +-kMaxMeasure: a stored value outside refuses the load, and
    // a form whose navigator holds one cannot be saved.
    static constexpr int32_t kMaxMeasure = 1000000;
    FontRef ButtonFont() const { return m_buttonFont; }
    void setButtonFont(FontRef v);
    int32_t ButtonGapTop() const { return m_buttonGapTop; }
    void setButtonGapTop(int32_t v);
    int32_t ButtonGapRight() const { return m_buttonGapRight; }
    void setButtonGapRight(int32_t v);
    int32_t ButtonGapMiddle() const { return m_buttonGapMiddle; }
    void setButtonGapMiddle(int32_t v);
    // Writes below 15 are ignored.
    int32_t ButtonHeight() const { return m_buttonHeight; }
    void setButtonHeight(int32_t v);
    int32_t ButtonWidth() const { return m_buttonWidth; }
    void setButtonWidth(int32_t v);
    // Design time only (382 at run time); ovStandard gives the form 7540 x 5775.
    ovWizardSizeMode WizardSizeMode() const { return m_wizardSizeMode; }
    void setWizardSizeMode(ovWizardSizeMode v);
    // Reading takes the form's current size (and may switch the size mode to ovUser at design time).
    int32_t ParentWidth();
    void setParentWidth(int32_t v);
    int32_t ParentHeight();
    void setParentHeight(int32_t v);
    // Design time only (382 at run time): keeps the form at ParentWidth x ParentHeight.
    bool HoldParentSize() const { return m_holdParentSize; }
    void setHoldParentSize(bool v);
    ovBannerStyleEnum BannerHeaderStyle() const { return m_bannerHeaderStyle; }
    void setBannerHeaderStyle(ovBannerStyleEnum v);
    // The pictures for the normal screen (15 twips per pixel) and for other resolutions; the pages
    // receive the one meant for the current screen.
    PictureRef ImageBanner() const;
    void setImageBanner(PictureRef v);
    PictureRef ImageBannerBig() const;
    void setImageBannerBig(PictureRef v);
    PictureRef ImageWaterMark() const;
    void setImageWaterMark(PictureRef v);
    PictureRef ImageWaterMarkBig() const;
    void setImageWaterMarkBig(PictureRef v);

    // Places the buttons along the strip; part 0 tops, 1/3/4 lefts (3 widths too), 2 heights, 5 all.
    // Failure 6 (Overflow) when the right button's left (strip width - ButtonWidth - ButtonGapRight)
    // leaves 32 bits; the other lefts are computed in single precision.
    void LayoutButtons(int32_t part);
    void SetButtonsFont(FontRef font);

    // Reads false. Writing any value at design time writes the four button captions to
    // "<application folder>/<Name>.txt"; at run time it does nothing.
    bool SaveCaptionsToFile() const { return false; }
    void setSaveCaptionsToFile(bool v);

    bool ShowErrorMsg() const { return m_showErrorMsg; }
    void setShowErrorMsg(bool v);
    const LastError& lastError() const { return m_lastError; }

    // ---- Events ----
    Event<OvWizardDirectionConstant, CPageRef&, CPageRef, bool&> BeforePageChange;
    Event<OvWizardDirectionConstant, CPageRef, CPageRef> AfterPageChange;
    Event<> FinishClick;
    Event<> CancelClick;
    Event<> HelpClick;
    Event<> ExitClick;
    Event<int32_t, std::string, std::string> OnError;
    // Raised when a button receives the focus, with its position; failures of its handlers are ignored.
    Event<ovEn_Button_Position> OnButtonGotFocus;

    // The button at a real position (1..4); failure 9 for any other value.
    CommandButton& button(ovEn_Button_Position p) const;

    static void describe(ClassBuilder<OvWizardNavigator>& b);

protected:
    void onInitialize() override;
    void onInitProperties() override;
    void onReadProperties(PropertyBag& bag) override;
    void onWriteProperties(PropertyBag& bag) override;
    void onShow() override;
    void onResize() override;
    void onTerminate() override;

private:
    struct PositionSetting {
        bool visible = true;
        bool enabled = true;
        std::string caption;
        ovEn_Button_Rule rule = ovEn_Button_Rule::ovBRNone;
    };
    PositionSetting& setting(ovEn_Button_Position p);
    const PositionSetting& setting(ovEn_Button_Position p) const;

    void reportFailure(const Failure& failure, const ProcedureLabel& label) override;
    void affirmProcedureUse(const char* procedure) const override {
        affirmUse(std::string_view(procedure).substr(procedure[0] == ':' ? 2 : 0));
    }
    std::string sourceName() const;
    // The thread's mediator; failure 91 once the navigator has left the wizard (refused as a second
    // navigator on its form, or terminated).
    CWizardNavigator& mediator() const;
    void leaveWizard();
    // At design time a position's setting is also the mediator's default set for it.
    template <class F>
    void shareDefault(ovEn_Button_Position p, F change);
    void move(bool forward);
    void goToNewPage(CPageRef& newPage, std::optional<OvWizardDirectionConstant> direction);
    CPageRef pageAt(int32_t index);
    void bringToFront();

    // Button bar.
    void ApplyDefaultButton(ovEn_Button_Position positionOrNone);
    void ApplyCancelButton(ovEn_Button_Position positionOrNone);
    void RestoreButtonsEnabled();
    void onChangeButtons();
    void onChangePreviousPageIndex();
    void onChangeNextPageIndex();
    void onButtonClick(ovEn_Button_Position p);
    void onNavigatorFocus();
    void copyDefaultsToMediator();
    // The stored keys in the order they are written, built once (see OvWizardNavigatorPersistence.cpp).
    static const StoredKeyTable<OvWizardNavigator>& storedKeys();
    void setPicture(const char* holder, const char* key, const char* label, PictureRef v, bool banner,
                    bool big);
    void writeTabHeight();
    void resize();

    std::shared_ptr<CWizardNavigator> m_mediator;
    std::shared_ptr<CPages> m_pages;
    std::vector<ScopedConnection> m_buttonLinks;
    std::vector<ScopedConnection> m_mediatorLinks;
    int32_t m_startPage = 1;
    std::array<PositionSetting, 4> m_positions;
    std::array<CommandButton*, 4> m_buttons{}; // the constituents cmdLeft ... cmdRight, for good
    bool m_finishVisible = false;
    bool m_finishEnabled = true;
    std::string m_finishCaption = "&Finish";
    ovEn_Button_Rule m_finishRule = ovEn_Button_Rule::ovBRFinish;
    ovEn_Button_Position m_finishPosition = ovEn_Button_Position::ovBPRightMiddle;
    ovEn_Button_Position m_defaultButton = kNavigatorDefaultButton;
    ovEn_Button_Position m_cancelButton = kNavigatorCancelButton;
    bool m_focusPending = false;
    bool m_resizing = false;
    FontRef m_buttonFont;
    int32_t m_buttonGapTop = 210;
    int32_t m_buttonGapRight = 150;
    int32_t m_buttonGapMiddle = 165;
    int32_t m_buttonHeight = 345;
    int32_t m_buttonWidth = 1120;
    ovWizardSizeMode m_wizardSizeMode = ovWizardSizeMode::ovStandard;
    int32_t m_parentWidth = 7540;
    int32_t m_parentHeight = 5775;
    bool m_holdParentSize = true;
    ovBannerStyleEnum m_bannerHeaderStyle = ovBannerStyleEnum::ovVelmar;
    bool m_showErrorMsg = true;
    LastError m_lastError;
};

} // namespace ov
