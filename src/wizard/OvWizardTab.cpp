#include "wizard/OvWizardTab.h"

#include "frame/AboutBox.h"
#include "platform/ClassBuilder.h"
#include "platform/Extender.h"
#include "platform/Form.h"
#include "platform/Image.h"
#include "platform/MessageBox.h"
#include "platform/Runtime.h"
#include "wizard/CPages.h"
#include "wizard/CWizardNavigator.h"
#include "wizard/WizardGlobals.h"

namespace ov {

const ClassInfo& OvWizardTab::staticClass() {
    return buildClassInfo<OvWizardTab>([](ClassInfo& i) {
        i.guid = "{C06C6346-5824-4948-BAE4-FBE3E77A5D4F}";
        i.kind = ClassInfo::Kind::Control;
        i.creatable = true;
        i.interfaceName = "_OvWizardTab";
        i.eventInterfaceName = "__OvWizardTab";
        i.eventGuid = "{6569CAE6-3A2E-44F8-B1F4-371C8BFB8595}";
        i.propertyPages = {"GeneralTab", "Captions", "ButtonsSet", "StandardColor", "StandardFont"};
    });
}

template <ovEn_Button_Position P>
void OvWizardTab::describeButton(ClassBuilder<OvWizardTab>& b, const std::string& prefix,
                                 int32_t firstDispid) {
    using T = OvWizardTab;
    b.property(prefix + "Visible", firstDispid, &T::visibleAt<P>, &T::setVisibleAt<P>).internal();
    b.property(prefix + "Enabled", firstDispid + 1, &T::enabledAt<P>, &T::setEnabledAt<P>).internal();
    b.property(prefix + "Caption", firstDispid + 2, &T::captionAt<P>, &T::setCaptionAt<P>).internal();
    b.property(prefix + "Rule", firstDispid + 3, &T::ruleAt<P>, &T::setRuleAt<P>).internal();
}

void OvWizardTab::describe(ClassBuilder<OvWizardTab>& b) {
    using T = OvWizardTab;
    b.property("Tag", 0x68030088, &T::Tag, &T::setTag);
    b.property("HelpContextID", 0x680300B8, &T::HelpContextID, &T::setHelpContextID);
    b.property("TagVariant", 0x68030087, &T::TagVariant, &T::letTagVariant).set(&T::setTagVariant);
    b.property("ClientTop", 0x68030086, &T::ClientTop);
    b.property("ClientHeight", 0x68030085, &T::ClientHeight);
    b.property("ClientLeft", 0x68030084, &T::ClientLeft);
    b.property("ClientWidth", 0x68030083, &T::ClientWidth);
    b.property("BackColor", 0x68030082, &T::BackColor, &T::setBackColor);
    b.property("Enabled", 0x68030081, &T::Enabled, &T::setEnabled);
    b.property("BorderStyle", 0x68030080, &T::BorderStyle, &T::setBorderStyle);
    b.property("BannerBackColor", 0x6803007F, &T::BannerBackColor, &T::setBannerBackColor);
    b.property("BannerDescription", 0x6803007E, &T::BannerDescription, &T::setBannerDescription);
    b.property("BannerDescriptionFont", 0x6803007D, &T::BannerDescriptionFont)
        .set(&T::setBannerDescriptionFont);
    b.property("BannerDescriptionColor", 0x6803007C, &T::BannerDescriptionColor,
               &T::setBannerDescriptionColor);
    b.property("BannerTitle", 0x6803007B, &T::BannerTitle, &T::setBannerTitle);
    b.property("BannerTitleFont", 0x6803007A, &T::BannerTitleFont).set(&T::setBannerTitleFont);
    b.property("BannerTitleColor", 0x68030079, &T::BannerTitleColor, &T::setBannerTitleColor);
    b.property("WatermarkDescription", 0x68030078, &T::WatermarkDescription, &T::setWatermarkDescription);
    b.property("WaterMarkDescriptionFont", 0x68030077, &T::WaterMarkDescriptionFont)
        .set(&T::setWaterMarkDescriptionFont);
    b.property("WaterMarkDescriptionColor", 0x68030076, &T::WaterMarkDescriptionColor,
               &T::setWaterMarkDescriptionColor);
    b.property("WatermarkRule", 0x68030075, &T::WatermarkRule, &T::setWatermarkRule);
    b.property("WatermarkRuleFont", 0x68030074, &T::WatermarkRuleFont).set(&T::setWatermarkRuleFont);
    b.property("WatermarkRuleColor", 0x68030073, &T::WatermarkRuleColor, &T::setWatermarkRuleColor);
    b.property("WatermarkTitle", 0x68030072, &T::WatermarkTitle, &T::setWatermarkTitle);
    b.property("WaterMarkTitleFont", 0x68030071, &T::WaterMarkTitleFont).set(&T::setWaterMarkTitleFont);
    b.property("WaterMarkTitleColor", 0x68030070, &T::WaterMarkTitleColor, &T::setWaterMarkTitleColor);
    b.property("PageIndex", 0x6803006F, &T::PageIndex, &T::setPageIndex)
        .help("Return or set this Page Index");
    b.property("PageBack", 0x6803006E, &T::PageBack, &T::setPageBack)
        .help("Return or set Previous Page Index");
    b.property("PageNext", 0x6803006D, &T::PageNext, &T::setPageNext).help("Return or set Next Page Index");
    b.property("PageMode", 0x6803006C, &T::PageMode, &T::setPageMode)
        .help("Return or Set (unable to Run Time) Page mode (Welcome Page or ...)");
    b.property("PageState", 0x6803006B, &T::PageState, &T::setPageState)
        .help("Return or set Page state (maximize or minimize)");
    b.property("DisplayName", 0x6803006A, &T::DisplayName);
    b.property("LeftButton", 0x68030069, &T::LeftButton, &T::setLeftButton);
    b.property("LeftMiddleButton", 0x68030068, &T::LeftMiddleButton, &T::setLeftMiddleButton);
    b.property("RightMiddleButton", 0x68030067, &T::RightMiddleButton, &T::setRightMiddleButton);
    b.property("RightButton", 0x68030066, &T::RightButton, &T::setRightButton);
    b.property("UseDefaultButtonSet", 0x68030053, &T::UseDefaultButtonSet, &T::setUseDefaultButtonSet);
    b.property("SaveCaptionsToFile", 0x680300A4, &T::SaveCaptionsToFile, &T::setSaveCaptionsToFile);
    b.method("Refresh", 0x60030089, &T::Refresh);
    b.method("About", -552, &T::About);
    b.method("GetButton", 0x600300A0, &T::GetButton, {"Rule"});
    b.method("SetButton", 0x600300A1, &T::SetButton, {"Position", "Button"});
    b.method("SetDefaultButton", 0x600300A2, &T::SetDefaultButton, {"lRule"});
    b.method("SetCancelButton", 0x600300A3, &T::SetCancelButton, {"lRule"});

    // Inside the library only: the page's own button set and roles, and the header style.
    describeButton<ovEn_Button_Position::ovBPLeft>(b, "LB", 0x68030054);
    describeButton<ovEn_Button_Position::ovBPLeftMiddle>(b, "LMB", 0x68030058);
    describeButton<ovEn_Button_Position::ovBPRightMiddle>(b, "RMB", 0x6803005C);
    describeButton<ovEn_Button_Position::ovBPRight>(b, "RB", 0x68030060);
    b.property("DefaultButton", 0x68030064, &T::DefaultButton).internal();
    b.property("CancelButton", 0x68030065, &T::CancelButton).internal();
    b.writeOnly("BannerStyle", 0x68030052, &T::setBannerStyle).internal();

    b.event("KeyDown", 1, &T::KeyDown, {"KeyCode", "Shift"});
    b.event("KeyPress", 2, &T::KeyPress, {"KeyAscii"});
    b.event("KeyUp", 3, &T::KeyUp, {"KeyCode", "Shift"});
    b.event("MouseDown", 4, &T::MouseDown, {"Button", "Shift", "x", "y"});
    b.event("MouseMove", 5, &T::MouseMove, {"Button", "Shift", "x", "y"});
    b.event("MouseUp", 6, &T::MouseUp, {"Button", "Shift", "x", "y"});
    b.event("Click", 7, &T::Click, {});
}

OvWizardTab::OvWizardTab() {
    buildSurface();
    setControlContainer(true); // the host puts its own controls in the client area
    m_tagVariant = Variant(nullptr);
}

// The page's events are the surface's own, raised with the same (by-reference) arguments.
void OvWizardTab::onSurfaceInput(SurfaceInput kind, int16_t& a, int16_t& b, float& x, float& y) {
    switch (kind) {
    case SurfaceInput::KeyDown:
        trapFailures(*this, "::KeyDown", [&] { KeyDown(a, b); });
        break;
    case SurfaceInput::KeyPress:
        trapFailures(*this, "::KeyPress", [&] { KeyPress(a); });
        break;
    case SurfaceInput::KeyUp:
        trapFailures(*this, "::KeyUp", [&] { KeyUp(a, b); });
        break;
    case SurfaceInput::MouseDown:
        trapFailures(*this, "::MouseDown", [&] { MouseDown(a, b, x, y); });
        break;
    case SurfaceInput::MouseMove:
        trapFailures(*this, "::MouseMove", [&] { MouseMove(a, b, x, y); });
        break;
    case SurfaceInput::MouseUp:
        trapFailures(*this, "::MouseUp", [&] { MouseUp(a, b, x, y); });
        break;
    case SurfaceInput::Click:
        trapFailures(*this, "::Click", [&] { Click(); });
        break;
    case SurfaceInput::DblClick:
        break;
    }
}

OvWizardTab::~OvWizardTab() {
    if (m_mediator) m_mediator->leavePages(m_listenerId);
}

// ---- Failure convention and mediator ----

std::string OvWizardTab::sourceName() const {
    return isSited() ? extender().Name() : m_displayName;
}

void OvWizardTab::reportFailure(const Failure& f, const ProcedureLabel& label) {
    m_lastError = {f.number(), f.description()};
    if (f.number() == err::ClientSiteNotAvailable) return;
    // A handler of the relayed error may detach this page; keep the mediator for the message box.
    std::shared_ptr<CWizardNavigator> mediator = m_mediator;
    if (!mediator) return;
    // Labels are "::Procedure" after the page's name; initialise and terminate carry a whole source.
    const std::string name = label.relayed[0] == ':' ? sourceName() : std::string();
    mediator->RaiseError(f.number(), f.description(), name + label.relayed);
    ShowError(mediator->ShowErrorMsg(), f.number(), f.description(), name + label.boxLabel(),
              mb::Exclamation);
}

CWizardNavigator& OvWizardTab::mediator() const {
    if (!m_mediator) throw Failure(err::ObjectNotSet);
    return *m_mediator;
}

void OvWizardTab::attach() {
    m_mediator = subscribeWizardMediator();
    CWizardNavigator& m = *m_mediator;
    m_listenerId = m.joinPages(*this, m_pageIndex, isSited() && extender().Visible());
    m_mediatorLinks = {
        m.OnChangeBannerPicture.connect([this](PictureRef picture) { onChangeBannerPicture(picture); }),
        m.OnChangeWaterMarkPicture.connect([this](PictureRef picture) { onChangeWaterMarkPicture(picture); }),
        m.OnChangeBannerStyle.connect([this](int32_t style) {
            trapFailures(*this, "::OnChangeBannerStyle", [&] { setBannerStyle(style); });
        }),
        m.YouMustChangeYourHeight.connect([this](int32_t height) {
            trapFailures(*this, "::YouMustChangeYourHeight", [&] { setHeight(static_cast<float>(height)); });
        }),
        m.OnNavigatorDie.connect([this] { onNavigatorDie(); }),
    };
}

void OvWizardTab::detach() {
    for (auto& link : m_mediatorLinks)
        link.disconnect();
    if (m_mediator) m_mediator->leavePages(m_listenerId);
    m_listenerId = 0;
    m_mediator.reset();
}

void OvWizardTab::registerPage() {
    m_displayName = extender().Name();
    m_descriptor->setName(m_displayName);
    mediator().AddPage(m_displayName, m_descriptor);
}

void OvWizardTab::tellPageIndex() {
    if (m_mediator) m_mediator->pageIndexIs(m_listenerId, m_pageIndex);
}

void OvWizardTab::onExtenderVisibleChanged() {
    if (m_mediator) m_mediator->pageVisibleIs(m_listenerId, extender().Visible());
}

void OvWizardTab::onGoToPage(int32_t newPageIndex) {
    trapFailures(*this, "::OnGoToPage", [&] {
        if (newPageIndex != m_pageIndex) {
            extender().setVisible(false);
            return;
        }
        // Listeners run inside the writes below and may detach this page.
        std::shared_ptr<CWizardNavigator> keep = m_mediator;
        CWizardNavigator& m = mediator();
        for (auto p : kButtonPositions) {
            const ButtonSlot& s = slot(p);
            m.setPageSet(p, {s.visible, s.enabled, s.caption, static_cast<int32_t>(s.rule)});
        }
        m.setPageDefaultButton(m_defaultButton);
        m.setPageCancelButton(m_cancelButton);
        m.setUseDefaultButtonSet(m_useDefaultButtonSet);
        m.ChangeButtons();
        m.setCurrentPageIndex(newPageIndex);
        m.setPreviousPageIndex(m_pageBack);
        m.setNextPageIndex(m_pageNext);
        extender().setVisible(true);
        extender().ZOrder(0);
    });
}

void OvWizardTab::onChangeBannerPicture(const PictureRef& picture) {
    trapFailures(*this, {"::OnChangeBannerPicture", "::OnChnageBannerPicture"}, [&] {
        if (!isInterior()) return;
        child<Image>("imgHeaderBanner").setPicture(picture);
        SetBannerImagePlace();
    });
}

void OvWizardTab::onChangeWaterMarkPicture(const PictureRef& picture) {
    trapFailures(*this, "::OnChangeWaterMarkPicture", [&] {
        if (!isInterior()) child<Image>("ImageWaterMark").setPicture(picture);
    });
}

void OvWizardTab::onNavigatorDie() {
    trapFailures(*this, "::OnNavigatorDie", [&] {
        if (m_mediator) {
            m_mediator->setPageHiddenAtDesignTime(false);
            m_mediator->RemovePage(m_descriptor ? m_descriptor->Name() : m_displayName);
        }
        Runtime::current().processPendingMessages();
        ReleaseWizardGlobals();
        if (m_descriptor) m_descriptor->setWizardPage(Variant(nullptr));
        m_descriptor.reset();
        detach();
    });
}

// ---- Lifecycle ----

namespace {

// The last set a page of this thread took, while any page holds it: a thousand pages of one wizard
// hold one copy. Nothing is kept once no page holds it.
template <class T>
std::shared_ptr<const T> shareEqual(T&& taken) {
    static thread_local std::weak_ptr<const T> last;
    if (auto kept = last.lock(); kept && *kept == taken) return kept;
    auto made = std::make_shared<const T>(std::move(taken));
    last = made;
    return made;
}

} // namespace

const OvWizardTab::NavigatorDefaults& OvWizardTab::navigatorDefaults() const {
    static const NavigatorDefaults none;
    return m_navigatorDefaults ? *m_navigatorDefaults : none;
}

void OvWizardTab::onInitialize() {
    trapFailures(*this, "(Class)OvWizardTab::Initialize", [&] {
        attach();
        m_descriptor = std::make_shared<CPage>();
        const CWizardNavigator& m = mediator();
        NavigatorDefaults taken;
        for (auto p : kButtonPositions) {
            const ButtonSetting& s = m.defaultSet(p);
            taken.buttons[buttonSlot(p)] = {s.Visible, s.Enabled, s.Caption,
                                            static_cast<ovEn_Button_Rule>(s.Rule)};
        }
        taken.defaultButton = m.DefaultButton();
        taken.cancelButton = m.CancelButton();
        m_navigatorDefaults = shareEqual(std::move(taken));
        m_descriptor->setWizardPage(Variant(shared_from_this()));
    });
}

void OvWizardTab::onShow() {
    trapFailures(*this, "::Show", [&] {
        if (!ambientUserMode()) {
            showInDesigner();
            return;
        }
        layoutPage();
        extender().setVisible(m_pageIndex == mediator().CurrentPageIndex());
    });
}

void OvWizardTab::onHide() {
    trapFailures(*this, "::Hide", [&] {
        if (ambientUserMode() || !m_mediator) return;
        m_mediator->setPageHiddenAtDesignTime(true);
        m_mediator->RemovePage(extender().Name());
    });
}

void OvWizardTab::onResize() {
    trapFailures(*this, "::Resize", [&] { layoutPage(); });
}

void OvWizardTab::onAmbientChanged(const std::string& name) {
    trapFailures(*this, "::AmbientChanged::", [&] {
        if (name != "DisplayName") return;
        layoutPage();
        const std::string newName = ambientDisplayName();
        if (!m_descriptor) throw Failure(err::ObjectNotSet);
        mediator().RenamePage(newName, m_descriptor, m_displayName);
        m_displayName = newName;
        m_descriptor->setName(newName);
    });
}

void OvWizardTab::onTerminate() {
    // The mediator reference stays: the page lets go of it when the navigator goes away.
}

void OvWizardTab::Refresh() {}

void OvWizardTab::About() {
    trapFailures(*this, "::About", [] { showAboutBox(); });
}

} // namespace ov
