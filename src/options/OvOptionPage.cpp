#include "options/OvOptionPage.h"

#include "frame/ErrorReporting.h"
#include "options/OvTreeBase.h"
#include "options/OvTreeFunctions.h"
#include "platform/Extender.h"
#include "platform/Form.h"
#include "platform/Label.h"
#include "platform/Line.h"
#include "platform/MessageBox.h"
#include "platform/PropertyBag.h"
#include "platform/Runtime.h"

namespace ov {

namespace {
float px() {
    return static_cast<float>(Runtime::current().twipsPerPixelX());
}
float py() {
    return static_cast<float>(Runtime::current().twipsPerPixelY());
}
int32_t rounded(double v) {
    return static_cast<int32_t>(Variant::roundHalfEven(v));
}

FontRef withSize(const FontRef& f, float size, bool bold) {
    Font::Attributes a = f ? f->attributes() : Font::Attributes{};
    a.size = size;
    a.bold = bold;
    a.weight = bold ? 700 : 400;
    return Font::create(a);
}

// The tree control a page stands in, or null.
std::shared_ptr<OvTreeBase> treeOf(const Extender& page) {
    Extender* c = page.containerControl();
    return c ? c->controlAs<OvTreeBase>() : nullptr;
}
} // namespace

const ClassInfo& OvOptionPage::staticClass() {
    return buildClassInfo<OvOptionPage>([](ClassInfo& i) {
        i.guid = "{7A1C3E52-4B6D-4F80-A2C3-D4E5F6071829}";
        i.kind = ClassInfo::Kind::Control;
        i.creatable = true;
        i.interfaceName = "_OvOptionPage";
        i.eventInterfaceName = "__OvOptionPage";
        i.eventGuid = "{7A1C3E53-4B6D-4F80-A2C3-D4E5F6071829}";
    });
}

void OvOptionPage::describe(ClassBuilder<OvOptionPage>& b) {
    using T = OvOptionPage;
    b.property("Caption", 0x6803000f, &T::Caption, &T::setCaption);
    b.property("Font", 0x6803000e, &T::Font).set(&T::setFont);
    b.property("ClientTop", 0x6803000d, &T::ClientTop);
    b.property("ClientLeft", 0x6803000c, &T::ClientLeft);
    b.property("ClientHeight", 0x6803000b, &T::ClientHeight);
    b.property("ClientWidth", 0x6803000a, &T::ClientWidth);
    b.property("HeaderMode", 0x68030009, &T::HeaderMode, &T::setHeaderMode);
    b.property("PageIndex", 0x68030008, &T::PageIndex, &T::setPageIndex);
}

OvOptionPage::OvOptionPage() {
    auto& label = addChild<Label>("lblPageCaption");
    label.setCaption("OvOptionPage");
    auto& l1 = addChild<Line>("LTop1");
    auto& l2 = addChild<Line>("LTop2");
    l1.setBorderColor(sysColor::ButtonShadow);
    l2.setBorderColor(sysColor::ButtonHighlight);
    setControlContainer(true); // the host's controls go into the client area
    ApplyHeaderMode();
}

OvOptionPage::~OvOptionPage() = default;

Label& OvOptionPage::caption() const {
    return child<Label>("lblPageCaption");
}

void OvOptionPage::attach(CTabManagerRef manager) {
    m_links.clear();
    m_manager = std::move(manager);
    if (!m_manager)
        throw Failure(err::ObjectNotSet,
                      failureText(err::ObjectNotSet) + " (an OvOptionPage must stand in an OvTreeBase)");
    m_links.emplace_back(m_manager->OnChangeTab.connect([this](int16_t index) { onChangeTab(index); }));
    m_links.emplace_back(m_manager->OnResizeBase.connect([this] { onResizeBase(); }));
}

// ---- Lifecycle ----

void OvOptionPage::onInitProperties() {
    Form& form = parentForm();
    CTabManagerRef manager;
    for (const ExtenderRef& e : form.controls()) {
        if (auto tree = e->controlAs<OvTreeBase>()) {
            extender().setContainer(e);
            manager = tree->objTabsManager();
        }
    }
    attach(manager);
    extender().setTabStop(false);
    int16_t index = 0;
    m_pageIndex = m_manager->RegisterPage(index);
    layoutPage();
}

void OvOptionPage::onReadProperties(PropertyBag& bag) {
    auto tree = treeOf(extender());
    attach(tree ? tree->objTabsManager() : nullptr);
    m_pageIndex = bag.readAs<int16_t>("PageIndex", 0);
    setHeaderMode(bag.readAs<En_HeaderMode>("HeaderMode", En_HeaderMode::ovHMVisualNET));
    setCaption(bag.readAs<std::string>("Caption", "OvOptionPage"));
    setFont(bag.readAs<FontRef>("Font", Font()));
    m_pageIndex = m_manager->RegisterPage(m_pageIndex);
    onChangeTab(m_manager->CurrentTab());
}

void OvOptionPage::onWriteProperties(PropertyBag& bag) {
    bag.put("HeaderMode", Variant(static_cast<int32_t>(m_headerMode)));
    bag.put("PageIndex", Variant(m_pageIndex));
    bag.put("Caption", Variant(Caption()));
    bag.put("Font", Variant(std::const_pointer_cast<ov::Font>(Font())));
}

void OvOptionPage::onShow() {
    ignoreFailures([&] {
        if (m_manager)
            extender().Move(static_cast<float>(m_manager->ClientLeft()),
                            static_cast<float>(m_manager->ClientTop()));
    });
}

void OvOptionPage::onHide() {
    if (m_manager && isSited() && !ambientUserMode()) m_manager->UnregisterPage(m_pageIndex);
}

void OvOptionPage::onResize() {
    layoutPage();
}

void OvOptionPage::onTerminate() {
    m_links.clear();
    m_manager.reset();
}

void OvOptionPage::onChangeTab(int16_t index) {
    Extender& e = extender();
    const bool current = m_pageIndex == index;
    e.setVisible(current);
    e.ZOrder(current ? 0 : 1);
}

void OvOptionPage::onResizeBase() {
    auto tree = treeOf(extender());
    if (!tree) return;
    extender().Move(static_cast<float>(tree->ClientLeft()), static_cast<float>(tree->ClientTop()),
                    static_cast<float>(tree->ClientWidth()), static_cast<float>(tree->ClientHeight()));
}

// ---- Properties ----

std::string OvOptionPage::Caption() const {
    return caption().Caption();
}

void OvOptionPage::setCaption(const std::string& value) {
    Label& l = caption();
    l.setCaption(value);
    PropertyChanged("Caption");
    l.setVisible(!value.empty());
    layoutPage();
}

FontRef OvOptionPage::Font() const {
    return caption().Font();
}

void OvOptionPage::setFont(FontRef value) {
    caption().setFont(std::move(value));
    PropertyChanged("Font");
    layoutPage();
}

void OvOptionPage::setHeaderMode(En_HeaderMode value) {
    m_headerMode = value;
    PropertyChanged("HeaderMode");
    ApplyHeaderMode();
    layoutPage();
}

void OvOptionPage::ApplyHeaderMode() {
    Label& l = caption();
    Line& l1 = child<Line>("LTop1");
    Line& l2 = child<Line>("LTop2");
    switch (m_headerMode) {
    case En_HeaderMode::ovHMVisualNET:
        l1.setVisible(true);
        l2.setVisible(true);
        l.setForeColor(sysColor::ButtonText);
        l.setBackColor(sysColor::ButtonFace);
        l.setFont(withSize(l.Font(), 8, false));
        l.setAutoSize(true);
        l.setVisible(true);
        break;
    case En_HeaderMode::ovHMOutlook:
        l1.setVisible(false);
        l2.setVisible(false);
        l.setAutoSize(false);
        l.setForeColor(sysColor::ButtonHighlight);
        l.setBackColor(sysColor::ButtonShadow);
        l.setFont(withSize(l.Font(), 12, true));
        l.setHeight(360);
        l.setWidth(ScaleWidth());
        l.setVisible(true);
        break;
    case En_HeaderMode::ovHMNone:
        l1.setVisible(false);
        l2.setVisible(false);
        l.setVisible(false);
        break;
    }
}

void OvOptionPage::setPageIndex(int16_t value) {
    if (!m_manager || !m_manager->ChangePageIndex(m_pageIndex, value) ||
        !IsValidIndex(std::to_string(value))) {
        msgBox("You cannot change page index to specified bacause it is already used", mb::OkOnly);
        return;
    }
    m_pageIndex = value;
    PropertyChanged("PageIndex");
}

// ---- Layout ----

int32_t OvOptionPage::ClientTop() const {
    if (Caption().empty()) return rounded(2 * py());
    return rounded(std::floor(caption().Height() / 2) + 2 * py());
}

int32_t OvOptionPage::ClientLeft() const {
    return rounded(2 * px());
}
int32_t OvOptionPage::ClientHeight() const {
    return rounded(ScaleHeight() - ClientTop() - 3 * py());
}
int32_t OvOptionPage::ClientWidth() const {
    return rounded(ScaleWidth() - 3 * px() - ClientLeft());
}

void OvOptionPage::layoutPage() {
    // Failures during layout are ignored.
    ignoreFailures([&] {
        if (m_manager && isSited() && m_manager->ClientWidth() > 0)
            extender().Move(
                static_cast<float>(m_manager->ClientLeft()), static_cast<float>(m_manager->ClientTop()),
                static_cast<float>(m_manager->ClientWidth()), static_cast<float>(m_manager->ClientHeight()));
        Label& l = caption();
        l.Move(0, 0);
        if (m_headerMode == En_HeaderMode::ovHMVisualNET) {
            const float y = l.Height() / 2;
            child<Line>("LTop1").setEnds(l.Width() + 5 * px(), y, ScaleWidth(), y);
            child<Line>("LTop2").setEnds(l.Width() + 5 * px(), y + py(), ScaleWidth(), y + py());
        } else if (m_headerMode == En_HeaderMode::ovHMOutlook) {
            l.setWidth(ScaleWidth());
        }
    });
}

} // namespace ov
