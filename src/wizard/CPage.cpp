#include "wizard/CPage.h"

#include "platform/ClassBuilder.h"
#include "platform/Failure.h"
#include "platform/MessageBox.h"
#include "platform/Runtime.h"
#include "wizard/WizardGlobals.h"

namespace ov {

namespace {

// The descriptor's failure convention: show the failure (while the thread's switch is on) and carry
// on after the failing step, so a reader returns what it has so far, its type's zero value.
template <class F>
auto guarded(const char* source, F body) -> decltype(body()) {
    try {
        return body();
    } catch (const Failure& f) {
        if (wizardThreadState().showErrors) {
            msgBox("Error: " + std::to_string(f.number()) + "\r\n" + f.description(), mb::Critical,
                   Runtime::current().application().title + source);
        }
        if constexpr (!std::is_void_v<decltype(body())>) return decltype(body()){};
    }
}

} // namespace

const ClassInfo& CPage::staticClass() {
    return buildClassInfo<CPage>([](ClassInfo& i) {
        i.guid = "{F76689E3-3A95-4E35-A9CC-6503A3E35072}";
        i.interfaceName = "_CPage";
    });
}

void CPage::describe(ClassBuilder<CPage>& b) {
    b.property("PageIndex", 0, &CPage::PageIndex, &CPage::setPageIndex);
    b.property("PageNext", 0x6803001D, &CPage::PageNext, &CPage::setPageNext);
    b.property("PageBack", 0x6803001C, &CPage::PageBack, &CPage::setPageBack);
    b.property("PageMode", 0x6803001B, &CPage::PageMode);
    b.property("ClientTop", 0x6803001A, &CPage::ClientTop);
    b.property("ClientHeight", 0x68030019, &CPage::ClientHeight);
    b.property("ClientWidth", 0x68030018, &CPage::ClientWidth);
    b.property("ClientLeft", 0x68030017, &CPage::ClientLeft);
    b.property("Tag", 0x68030016, &CPage::Tag, &CPage::setTag);
    b.property("TagVariant", 0x68030015, &CPage::TagVariant, &CPage::letTagVariant)
        .set(&CPage::setTagVariant);
    b.property("BannerTitle", 0x68030014, &CPage::BannerTitle, &CPage::setBannerTitle);
    b.property("BannerDescription", 0x68030013, &CPage::BannerDescription, &CPage::setBannerDescription);
    b.property("WatermarkTitle", 0x68030012, &CPage::WatermarkTitle, &CPage::setWatermarkTitle);
    b.property("WatermarkDescription", 0x68030011, &CPage::WatermarkDescription,
               &CPage::setWatermarkDescription);
    b.property("WatermarkRule", 0x68030010, &CPage::WatermarkRule, &CPage::setWatermarkRule);
    b.property("Name", 0x6803000F, &CPage::Name);
    b.property("HelpContextID", 0x6803001E, &CPage::HelpContextID, &CPage::setHelpContextID);
    b.property("WizardPage", 0x68030020, &CPage::WizardPage).set(&CPage::setWizardPage).internal();
}

ObjectRef CPage::page() const {
    ObjectRef p = m_wizardPage.lock();
    if (!p) throw Failure(err::ObjectNotSet);
    return p;
}

int32_t CPage::PageIndex() {
    return guarded(" - CPage:PageIndex Get", [&] { return page()->get("PageIndex").toInt32(); });
}

void CPage::setPageIndex(int32_t) {
    if (wizardThreadState().showErrors) msgBox("You can't set read-only PageIndex property.");
}

int32_t CPage::PageNext() {
    return guarded(" - CPage:PageNext Get", [&] { return page()->get("PageNext").toInt32(); });
}
void CPage::setPageNext(int32_t value) {
    guarded(" - CPage:PageNext Let", [&] { page()->let("PageNext", value); });
}
int32_t CPage::PageBack() {
    return guarded(" - CPage:PageBack Get", [&] { return page()->get("PageBack").toInt32(); });
}
void CPage::setPageBack(int32_t value) {
    guarded(" - CPage:PageBack Let", [&] { page()->let("PageBack", value); });
}
int32_t CPage::PageMode() {
    return guarded(" - CPage:PageMode Get", [&] { return page()->get("PageMode").toInt32(); });
}
int32_t CPage::ClientTop() {
    return guarded(" - CPage:ClientTop Get", [&] { return page()->get("ClientTop").toInt32(); });
}
int32_t CPage::ClientHeight() {
    return guarded(" - CPage:ClientHeight Get", [&] { return page()->get("ClientHeight").toInt32(); });
}
int32_t CPage::ClientWidth() {
    return guarded(" - CPage:ClientWidth Get", [&] { return page()->get("ClientWidth").toInt32(); });
}
int32_t CPage::ClientLeft() {
    return guarded(" - CPage:ClientLeft Get", [&] { return page()->get("ClientLeft").toInt32(); });
}
Variant CPage::Tag() {
    return guarded(" - CPage:Tag Get", [&] { return page()->get("Tag"); });
}
void CPage::setTag(const Variant& value) {
    guarded(" - CPage:Tag Let", [&] { page()->let("Tag", value); });
}
Variant CPage::TagVariant() {
    return guarded(" - CPage:TagVariant Get", [&] { return page()->get("TagVariant"); });
}
void CPage::letTagVariant(const Variant& value) {
    guarded(" - CPage:TagVariant Let", [&] { page()->let("TagVariant", value); });
}
void CPage::setTagVariant(const Variant& object) {
    guarded(" - CPage:TagVariant Set", [&] { page()->set("TagVariant", object); });
}
std::string CPage::BannerTitle() {
    return guarded(" - CPage:BannerTitle Get", [&] { return page()->get("BannerTitle").toString(); });
}
void CPage::setBannerTitle(const std::string& value) {
    guarded(" - CPage:Bannertitle Let", [&] { page()->let("BannerTitle", value); });
}
std::string CPage::BannerDescription() {
    return guarded(" - CPage:BannerDescription Get",
                   [&] { return page()->get("BannerDescription").toString(); });
}
void CPage::setBannerDescription(const std::string& value) {
    guarded(" - CPage:BannerDescription Let", [&] { page()->let("BannerDescription", value); });
}
std::string CPage::WatermarkTitle() {
    return guarded(" - CPage:WatermarkTitle Get", [&] { return page()->get("WatermarkTitle").toString(); });
}
void CPage::setWatermarkTitle(const std::string& value) {
    guarded(" - CPage:WatermarkTitle Let", [&] { page()->let("WatermarkTitle", value); });
}
std::string CPage::WatermarkDescription() {
    return guarded(" - CPage:WatermarkDescription Get",
                   [&] { return page()->get("WatermarkDescription").toString(); });
}
void CPage::setWatermarkDescription(const std::string& value) {
    guarded(" - CPage:WatermarkDescription Let", [&] { page()->let("WatermarkDescription", value); });
}
std::string CPage::WatermarkRule() {
    return guarded(" - CPage:WatermarkRule Get", [&] { return page()->get("WatermarkRule").toString(); });
}
void CPage::setWatermarkRule(const std::string& value) {
    guarded(" - CPage:WatermarkRule Let", [&] { page()->let("WatermarkRule", value); });
}
std::string CPage::Name() {
    return guarded(" - CPage:Name Get", [&] { return m_name; });
}
void CPage::setName(const std::string& name) {
    guarded(" - CPage:Name Let", [&] { m_name = name; });
}

int32_t CPage::HelpContextID() {
    return page()->get("HelpContextID").toInt32();
}
void CPage::setHelpContextID(int32_t value) {
    page()->let("HelpContextID", value);
}

Variant CPage::WizardPage() {
    return guarded(" - CPage:WizardPage Get", [&] { return Variant(m_wizardPage.lock()); });
}

void CPage::setWizardPage(const Variant& page) {
    guarded(" - CPage:WizardPage Set", [&] {
        m_wizardPage.reset();
        m_wizardPage = page.toObject();
    });
}

} // namespace ov
