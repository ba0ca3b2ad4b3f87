#pragma once

#include "platform/Object.h"
#include "wizard/CPage.h"
#include "wizard/CPages.h"
#include "wizard/CWizardNavigator.h"
#include "wizard/WizardTypes.h"

#include <array>
#include <memory>
#include <string>
#include <vector>

namespace ovtest {

// A stand-in wizard page for tests of the mediator and the registry: it owns its descriptor,
// registers under its name, and answers OnGoToPage in the activation order a real page follows,
// writing what it does into a shared log ("Page2 hide", "Page1 show").
class TestPage : public ov::Object {
    OV_OBJECT(OvWizardTab)
public:
    static std::shared_ptr<TestPage> create(std::string name, int32_t pageIndex, int32_t back, int32_t next,
                                            std::vector<std::string>* log = nullptr);
    ~TestPage() override;

    void registerPage();
    void unregisterPage();

    int32_t PageIndex() const { return m_pageIndex; }
    void setPageIndex(int32_t v) {
        m_pageIndex = v;
        if (m_descriptor) ov::CPages::pageIndexChanged(*m_descriptor);
    }
    int32_t PageNext() const { return m_next; }
    void setPageNext(int32_t v) { m_next = v; }
    int32_t PageBack() const { return m_back; }
    void setPageBack(int32_t v) { m_back = v; }
    int32_t PageMode() const;
    void setPageMode(int32_t v) { m_mode = v; }
    int32_t ClientTop() const { return 1260; }
    int32_t ClientHeight() const { return 3000; }
    int32_t ClientWidth() const { return 6900; }
    int32_t ClientLeft() const { return 600; }
    ov::Variant Tag() const { return m_tag; }
    void setTag(const ov::Variant& v) { m_tag = v; }
    ov::Variant TagVariant() const { return m_tagVariant; }
    void setTagVariant(const ov::Variant& v) { m_tagVariant = v; }
    std::string BannerTitle() const { return m_bannerTitle; }
    void setBannerTitle(const std::string& v) { m_bannerTitle = v; }
    int32_t HelpContextID() const { return m_help; }
    void setHelpContextID(int32_t v) { m_help = v; }

    bool visible() const { return m_visible; }
    const ov::CPageRef& descriptor() const { return m_descriptor; }
    const std::string& name() const { return m_name; }
    // The page's own button set, written into the mediator when it becomes current.
    std::array<ov::ButtonSetting, 4> buttons;
    int32_t defaultPosition = 3;
    int32_t cancelPosition = 4;
    bool useDefaultButtonSet = false;

    static void describe(ov::ClassBuilder<TestPage>& b);

private:
    void onGoToPage(int32_t newPageIndex);

    std::string m_name;
    int32_t m_pageIndex = 0, m_back = 0, m_next = 0, m_mode = 1, m_help = 0;
    ov::Variant m_tag, m_tagVariant;
    std::string m_bannerTitle;
    bool m_visible = false;
    std::vector<std::string>* m_log = nullptr;
    std::shared_ptr<ov::CWizardNavigator> m_mediator;
    ov::CPageRef m_descriptor;
    ov::ScopedConnection m_goTo;
};

} // namespace ovtest
