#pragma once

#include "frame/ErrorReporting.h"
#include "platform/Event.h"
#include "platform/UserControl.h"
#include "wizard/CPage.h"
#include "wizard/CWizardNavigator.h"
#include "wizard/WizardTypes.h"

#include <array>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace ov {

class CWizardNavigator;
class Label;
class PictureBox;
template <class C>
class StoredKeyTable;

// One wizard page. Pages stack at the top of their form, docked to its top edge; the page whose
// PageIndex the thread's mediator asks for shows itself and hands its own button set and its
// neighbours (PageBack, PageNext) to the mediator, which the navigator reads. A page never talks to
// the navigator control.
//
// Interior pages show a banner header (picBanner with lblHeaderTitle, lblHeaderDescription and the
// navigator's banner picture imgHeaderBanner); welcome and completion pages show the watermark panel
// (ImageWaterMark, lblWatermarkTitle, lblWatermarkDescription, lblRule). At design time a page can be
// minimized to a small floating bar (picMinimize). The page draws nothing itself: it places, sizes,
// shows and hides its constituent controls, and a renderer paints them.
//
// Every writer, method and event handler traps its failures: the failure is recorded (lastError);
// failure 398 then stops; otherwise, while the page is attached to the mediator, it is relayed through
// the mediator's RaiseError with the source "<Name>::<procedure> (Let)" and shown as an "Error: "
// message (style 48) while the mediator's ShowErrorMsg is on. A page without a mediator only records.
// Readers do not trap: their failures reach the caller.
class OvWizardTab : public UserControl, private FailureReporter, private PageListener {
    OV_OBJECT(OvWizardTab)
public:
    OvWizardTab();
    ~OvWizardTab() override;

    // ---- Values the container keeps ----
    // The extender's Tag and HelpContextID.
    Variant Tag() const;
    void setTag(const Variant& value);
    int32_t HelpContextID() const;
    void setHelpContextID(int32_t value);
    // A value or an object reference kept for the host. letTagVariant stores a copy of a value,
    // setTagVariant an object reference (anything else is failure 13).
    Variant TagVariant() const { return m_tagVariant; }
    void letTagVariant(const Variant& value);
    void setTagVariant(const Variant& object);
    // The extender's Name.
    std::string DisplayName() const;

    // ---- The client rectangle (twips): where a host puts its own controls ----
    // Interior pages: left 600, top 1260. Welcome and completion pages: left 2600, top 1830 or 100
    // under the watermark description when that ends lower. Other modes: 0. The height leaves 285
    // (interior) or 1095 (watermark pages) under the area and is never negative (1 instead); the width
    // leaves 615 on the right.
    int32_t ClientTop() const;
    int32_t ClientHeight() const;
    int32_t ClientLeft() const;
    int32_t ClientWidth() const;

    // ---- The control surface ----
    // Hide the surface's writers so that each reports its change to the container.
    void setBackColor(OleColor value);
    void setEnabled(bool value);
    // 0 or 1; others are failure 380.
    void setBorderStyle(int16_t value);

    // ---- Header texts, fonts and colours (views of the constituent labels) ----
    OleColor BannerBackColor() const;
    void setBannerBackColor(OleColor value);
    std::string BannerDescription() const;
    void setBannerDescription(const std::string& value);
    FontRef BannerDescriptionFont() const;
    void setBannerDescriptionFont(FontRef value);
    OleColor BannerDescriptionColor() const;
    void setBannerDescriptionColor(OleColor value);
    std::string BannerTitle() const;
    void setBannerTitle(const std::string& value);
    FontRef BannerTitleFont() const;
    void setBannerTitleFont(FontRef value);
    OleColor BannerTitleColor() const;
    void setBannerTitleColor(OleColor value);
    std::string WatermarkDescription() const;
    void setWatermarkDescription(const std::string& value);
    FontRef WaterMarkDescriptionFont() const;
    void setWaterMarkDescriptionFont(FontRef value);
    OleColor WaterMarkDescriptionColor() const;
    // Also lays the page out again.
    void setWaterMarkDescriptionColor(OleColor value);
    std::string WatermarkRule() const;
    void setWatermarkRule(const std::string& value);
    FontRef WatermarkRuleFont() const;
    void setWatermarkRuleFont(FontRef value);
    OleColor WatermarkRuleColor() const;
    void setWatermarkRuleColor(OleColor value);
    std::string WatermarkTitle() const;
    // On a maximized page the title is re-flowed: it takes the width left of the page's right edge
    // (less 20 pixels), and the description moves to 300 under a title that ends at 1380 or lower,
    // else to 1080; then the page is laid out again.
    void setWatermarkTitle(const std::string& value);
    FontRef WaterMarkTitleFont() const;
    void setWaterMarkTitleFont(FontRef value);
    OleColor WaterMarkTitleColor() const;
    void setWaterMarkTitleColor(OleColor value);

    // ---- Place in the wizard ----
    int32_t PageIndex() const { return m_pageIndex; }
    // At design time a page that already has the index swaps places with this one: the two exchange
    // modes, back and next indexes, and the other page takes this page's old index. At run time the
    // index is only stored.
    void setPageIndex(int32_t value);
    // 0 or less: no previous (next) page.
    int32_t PageBack() const { return m_pageBack; }
    void setPageBack(int32_t value);
    int32_t PageNext() const { return m_pageNext; }
    void setPageNext(int32_t value);
    // Design time only (failure 382 at run time). Selects the banner or the watermark view and the
    // matching picture from the mediator when the page is maximized.
    En_Page_Mode PageMode() const { return m_pageMode; }
    void setPageMode(En_Page_Mode value);
    // Minimized shows the design-time bar; Maximized remembers the floating place, makes the page
    // 3600 high and brings it to the front.
    En_Page_State PageState() const { return m_pageState; }
    void setPageState(En_Page_State value);

    // ---- The page's own button set ----
    // Views of the four positions as PageButtons records. Reading fills Default and Cancel from the
    // stored default and cancel positions. Writing stores Visible, Enabled, Caption and Rule, and a
    // true Default (Cancel) makes the record's rule the default (cancel) rule; Position is ignored.
    PageButtons LeftButton() { return buttonView(ovEn_Button_Position::ovBPLeft); }
    void setLeftButton(const PageButtons& b) { setButtonView(ovEn_Button_Position::ovBPLeft, b); }
    PageButtons LeftMiddleButton() { return buttonView(ovEn_Button_Position::ovBPLeftMiddle); }
    void setLeftMiddleButton(const PageButtons& b) { setButtonView(ovEn_Button_Position::ovBPLeftMiddle, b); }
    PageButtons RightMiddleButton() { return buttonView(ovEn_Button_Position::ovBPRightMiddle); }
    void setRightMiddleButton(const PageButtons& b) {
        setButtonView(ovEn_Button_Position::ovBPRightMiddle, b);
    }
    PageButtons RightButton() { return buttonView(ovEn_Button_Position::ovBPRight); }
    void setRightButton(const PageButtons& b) { setButtonView(ovEn_Button_Position::ovBPRight, b); }
    PageButtons buttonView(ovEn_Button_Position position);
    void setButtonView(ovEn_Button_Position position, const PageButtons& button);
    // When true the navigator shows its own default set instead of this page's set.
    bool UseDefaultButtonSet() const { return m_useDefaultButtonSet; }
    void setUseDefaultButtonSet(bool value);

    // The first of left, left-middle, right-middle, right whose rule is Rule; an empty record
    // (Position 0, Rule 0) when none has it.
    PageButtons GetButton(ovEn_Button_Rule Rule);
    // Puts Button at Position (1..4). When another position carries Button's rule, the button that
    // was at Position moves there and the answer is true, so rules stay unique. Other positions
    // change nothing and answer false.
    bool SetButton(ovEn_Button_Position Position, PageButtons& Button);
    // The default (cancel) position becomes the rightmost position whose rule is lRule, or 0.
    void SetDefaultButton(ovEn_Button_Rule lRule);
    void SetCancelButton(ovEn_Button_Rule lRule);

    // Inside the library (the property pages and the mediator protocol): the page's own value per
    // position, LBVisible ... RBRule by name.
    bool buttonVisible(ovEn_Button_Position position) const { return slot(position).visible; }
    bool buttonEnabled(ovEn_Button_Position position) const { return slot(position).enabled; }
    std::string buttonCaption(ovEn_Button_Position position) const { return slot(position).caption; }
    ovEn_Button_Rule buttonRule(ovEn_Button_Position position) const { return slot(position).rule; }
    void setButtonVisible(ovEn_Button_Position position, bool value);
    void setButtonEnabled(ovEn_Button_Position position, bool value);
    void setButtonCaption(ovEn_Button_Position position, const std::string& value);
    void setButtonRule(ovEn_Button_Position position, ovEn_Button_Rule value);
    // The stored default and cancel positions (1..4, 0 for none).
    int32_t DefaultButton() const { return m_defaultButton; }
    int32_t CancelButton() const { return m_cancelButton; }
    // The header style the mediator passes on (ovBannerStyleEnum); an interior page re-places its
    // banner picture.
    int32_t bannerStyle() const { return m_bannerStyle; }
    void setBannerStyle(int32_t value);

    // ---- Other members ----
    // Writes the page's texts into "<application folder>/<page name>.txt" at design time; the value
    // is not used, nothing happens at run time, and no failure is reported. Reads false.
    bool SaveCaptionsToFile() const { return false; }
    void setSaveCaptionsToFile(bool value);
    // The surface is painted from the page's state by the renderer; there is nothing to invalidate.
    void Refresh();
    // Opens the library's About window modally.
    void About();

    // The page's descriptor (its WizardPage is this page); none after the navigator went away.
    const CPageRef& descriptor() const { return m_descriptor; }
    const LastError& lastError() const { return m_lastError; }

    // ---- Events, raised with the surface's events of the same names (before their handlers) when
    // the form delivers input; the arguments are shared with the surface, so a handler's changes
    // reach it ----
    Event<int16_t&, int16_t&> KeyDown;
    Event<int16_t&> KeyPress;
    Event<int16_t&, int16_t&> KeyUp;
    Event<int16_t&, int16_t&, float&, float&> MouseDown;
    Event<int16_t&, int16_t&, float&, float&> MouseMove;
    Event<int16_t&, int16_t&, float&, float&> MouseUp;
    Event<> Click;

    static void describe(ClassBuilder<OvWizardTab>& b);

protected:
    void onInitialize() override;
    void onInitProperties() override;
    void onReadProperties(PropertyBag& bag) override;
    void onWriteProperties(PropertyBag& bag) override;
    void onShow() override;
    void onHide() override;
    void onResize() override;
    void onAmbientChanged(const std::string& name) override;
    void onTerminate() override;
    void onExtenderVisibleChanged() override;
    void onSurfaceInput(SurfaceInput kind, int16_t& a, int16_t& b, float& x, float& y) override;

private:
    struct ButtonSlot {
        bool visible = false;
        bool enabled = false;
        std::string caption;
        ovEn_Button_Rule rule = ovEn_Button_Rule::ovBRNone;
        bool operator==(const ButtonSlot&) const = default;
    };
    // The navigator's default set and roles as the page took them when it was initialised: what the
    // stored button keys are written against and what a new page starts with. Every page of a wizard
    // takes the same, so pages that took equal sets share one.
    struct NavigatorDefaults {
        std::array<ButtonSlot, 4> buttons;
        int32_t defaultButton = 0;
        int32_t cancelButton = 0;
        bool operator==(const NavigatorDefaults&) const = default;
    };
    // The set taken at initialisation; an empty set (no button, no roles) when initialising failed.
    const NavigatorDefaults& navigatorDefaults() const;

    ButtonSlot& slot(ovEn_Button_Position position);
    const ButtonSlot& slot(ovEn_Button_Position position) const;

    // Failure convention and mediator.
    void reportFailure(const Failure& failure, const ProcedureLabel& label) override;
    void affirmProcedureUse(const char* procedure) const override {
        affirmUse(std::string_view(procedure).substr(procedure[0] == ':' ? 2 : 0));
    }
    std::string sourceName() const;
    CWizardNavigator& mediator() const;
    void attach();
    void detach();
    void registerPage();
    void onGoToPage(int32_t newPageIndex);
    void hearGoToPage(int32_t newPageIndex) override { onGoToPage(newPageIndex); }
    // Tells the mediator the page's PageIndex after it changed.
    void tellPageIndex();
    void onChangeBannerPicture(const PictureRef& picture);
    void onChangeWaterMarkPicture(const PictureRef& picture);
    void onNavigatorDie();
    template <class F>
    void writeProperty(const ProcedureLabel& label, const char* key, F apply);

    // Layout.
    void buildSurface();
    void layoutPage();
    void layoutMaximized();
    void layoutMinimized();
    void SetBannerImagePlace();
    void SetWelcomeView(bool BannerView, bool WelcomeView, bool MinimizedView);
    void showImageSize(bool onSurface);
    void drawClientGuides();
    void showInDesigner();
    void reflowWatermark();
    void swapWithPagesAt(int32_t index, int32_t oldIndex);
    void numberNewPage();
    int32_t tabHeight() const;
    PictureRef mediatorBannerImage() const;
    PictureRef mediatorWaterMarkImage() const;
    bool isInterior() const { return m_pageMode == En_Page_Mode::InteriorPage; }

    // Persistence: the stored keys 1 to 24 and 26 to 44, each table built once.
    static const StoredKeyTable<OvWizardTab>& headerKeys();
    static const StoredKeyTable<OvWizardTab>& buttonKeys();
    void writeCaptionsFile();

    // By-name bindings of the per-position internals (LBVisible ... RBRule).
    template <ovEn_Button_Position P>
    bool visibleAt() const {
        return buttonVisible(P);
    }
    template <ovEn_Button_Position P>
    void setVisibleAt(bool v) {
        setButtonVisible(P, v);
    }
    template <ovEn_Button_Position P>
    bool enabledAt() const {
        return buttonEnabled(P);
    }
    template <ovEn_Button_Position P>
    void setEnabledAt(bool v) {
        setButtonEnabled(P, v);
    }
    template <ovEn_Button_Position P>
    std::string captionAt() const {
        return buttonCaption(P);
    }
    template <ovEn_Button_Position P>
    void setCaptionAt(const std::string& v) {
        setButtonCaption(P, v);
    }
    template <ovEn_Button_Position P>
    ovEn_Button_Rule ruleAt() const {
        return buttonRule(P);
    }
    template <ovEn_Button_Position P>
    void setRuleAt(ovEn_Button_Rule v) {
        setButtonRule(P, v);
    }
    template <ovEn_Button_Position P>
    static void describeButton(ClassBuilder<OvWizardTab>& b, const std::string& prefix, int32_t firstDispid);

    std::shared_ptr<CWizardNavigator> m_mediator;
    std::array<ScopedConnection, 5> m_mediatorLinks;
    CWizardNavigator::PageListenerId m_listenerId = 0;
    CPageRef m_descriptor;
    std::string m_displayName;
    int32_t m_bannerStyle = 0;
    std::optional<float> m_savedLeft;
    std::optional<float> m_savedTop;
    int32_t m_pageIndex = 0;
    int32_t m_pageBack = 0;
    int32_t m_pageNext = 0;
    En_Page_Mode m_pageMode = En_Page_Mode::InteriorPage;
    En_Page_State m_pageState = En_Page_State::Maximized;
    OleColor m_backColor = 0x8000000F;
    Variant m_tagVariant;
    bool m_useDefaultButtonSet = true;
    int32_t m_defaultButton = 0;
    int32_t m_cancelButton = 0;
    std::array<ButtonSlot, 4> m_buttons;
    std::shared_ptr<const NavigatorDefaults> m_navigatorDefaults;
    LastError m_lastError;
    // The constituents the stored keys reach, found once when the surface is built.
    struct StoredParts {
        PictureBox* banner = nullptr;
        Label* headerTitle = nullptr;
        Label* headerDescription = nullptr;
        Label* watermarkTitle = nullptr;
        Label* watermarkDescription = nullptr;
        Label* rule = nullptr;
        Label* pageIndex = nullptr;
    };
    StoredParts m_parts;
};

// The one shape of a writer: the body stores and applies, then the container hears of the change
// under `key`; a failure skips the notification and goes to the page's convention.
template <class F>
void OvWizardTab::writeProperty(const ProcedureLabel& label, const char* key, F apply) {
    trapFailures(*this, label, [&] {
        apply();
        PropertyChanged(key);
    });
}

} // namespace ov
