#pragma once

#include "platform/Object.h"
#include "platform/Variant.h"

#include <cstdint>
#include <memory>
#include <string>

namespace ov {

// The host's view of one wizard page: every property but Name reads or writes the property of the
// same name on the page control (WizardPage) by name, caching nothing. Failures are caught; while
// the thread's error-display switch is on they are shown in a critical-stop message box titled with
// the application title and the procedure's source text, and a reader then returns its type's zero
// value. HelpContextID has no handler: its failures reach the caller.
class CPage : public Object {
    OV_OBJECT(CPage)
public:
    CPage() = default;

    int32_t PageIndex();
    // Never changes the page: PageIndex is read-only through a descriptor.
    void setPageIndex(int32_t value);
    int32_t PageNext();
    void setPageNext(int32_t value);
    int32_t PageBack();
    void setPageBack(int32_t value);
    int32_t PageMode();
    int32_t ClientTop();
    int32_t ClientHeight();
    int32_t ClientWidth();
    int32_t ClientLeft();
    Variant Tag();
    void setTag(const Variant& value);
    Variant TagVariant();
    void letTagVariant(const Variant& value);
    void setTagVariant(const Variant& object);
    std::string BannerTitle();
    void setBannerTitle(const std::string& value);
    std::string BannerDescription();
    void setBannerDescription(const std::string& value);
    std::string WatermarkTitle();
    void setWatermarkTitle(const std::string& value);
    std::string WatermarkDescription();
    void setWatermarkDescription(const std::string& value);
    std::string WatermarkRule();
    void setWatermarkRule(const std::string& value);
    std::string Name();
    int32_t HelpContextID();
    void setHelpContextID(int32_t value);

    // Inside the library: the page control this descriptor stands for, and its registered name.
    // The descriptor does not keep its page alive (the page owns the descriptor); once the page is
    // gone WizardPage reads Nothing.
    Variant WizardPage();
    void setWizardPage(const Variant& page);
    void setName(const std::string& name);

    static void describe(ClassBuilder<CPage>& b);

private:
    ObjectRef page() const;

    std::weak_ptr<Object> m_wizardPage;
    std::string m_name;
};

using CPageRef = std::shared_ptr<CPage>;

} // namespace ov
