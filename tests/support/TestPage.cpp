#include "support/TestPage.h"

#include "platform/ClassBuilder.h"
#include "wizard/WizardGlobals.h"

namespace ovtest {

using namespace ov;

const ClassInfo& TestPage::staticClass() {
    return buildClassInfo<TestPage>([](ClassInfo& i) { i.published = false; });
}

void TestPage::describe(ClassBuilder<TestPage>& b) {
    b.property("PageIndex", 1, &TestPage::PageIndex, &TestPage::setPageIndex);
    b.property("PageNext", 2, &TestPage::PageNext, &TestPage::setPageNext);
    b.property("PageBack", 3, &TestPage::PageBack, &TestPage::setPageBack);
    b.property("PageMode", 4, &TestPage::PageMode, &TestPage::setPageMode);
    b.property("ClientTop", 5, &TestPage::ClientTop);
    b.property("ClientHeight", 6, &TestPage::ClientHeight);
    b.property("ClientWidth", 7, &TestPage::ClientWidth);
    b.property("ClientLeft", 8, &TestPage::ClientLeft);
    b.property("Tag", 9, &TestPage::Tag, &TestPage::setTag);
    b.property("TagVariant", 10, &TestPage::TagVariant, &TestPage::setTagVariant).set(&TestPage::setTagVariant);
    b.property("BannerTitle", 11, &TestPage::BannerTitle, &TestPage::setBannerTitle);
    b.property("HelpContextID", 12, &TestPage::HelpContextID, &TestPage::setHelpContextID);
}

std::shared_ptr<TestPage> TestPage::create(std::string name, int32_t pageIndex, int32_t back, int32_t next,
                                           std::vector<std::string>* log) {
    auto p = std::make_shared<TestPage>();
    p->m_name = std::move(name);
    p->m_pageIndex = pageIndex;
    p->m_back = back;
    p->m_next = next;
    p->m_log = log;
    // Subscription: join (or start) the thread's mediator and copy its default set.
    p->m_mediator = subscribeWizardMediator();
    for (int32_t pos = 1; pos <= 4; ++pos)
        p->buttons[static_cast<size_t>(pos - 1)] = p->m_mediator->defaultSet(static_cast<ovEn_Button_Position>(pos));
    p->defaultPosition = p->m_mediator->DefaultButton();
    p->cancelPosition = p->m_mediator->CancelButton();
    std::weak_ptr<TestPage> weak = p;
    p->m_goTo = p->m_mediator->OnGoToPage.connect([weak](int32_t index) {
        if (auto self = weak.lock())
            self->onGoToPage(index);
    });
    p->m_descriptor = std::make_shared<CPage>();
    p->m_descriptor->setWizardPage(Variant(ObjectRef(p)));
    p->m_descriptor->setName(p->m_name);
    return p;
}

TestPage::~TestPage() = default;

int32_t TestPage::PageMode() const { return m_mode; }

void TestPage::registerPage() { m_mediator->AddPage(m_name, m_descriptor); }

void TestPage::unregisterPage() { m_mediator->RemovePage(m_name); }

void TestPage::onGoToPage(int32_t newPageIndex) {
    if (newPageIndex != m_pageIndex) {
        m_visible = false;
        if (m_log)
            m_log->push_back(m_name + " hide");
        return;
    }
    auto& m = *m_mediator;
    for (int32_t pos = 1; pos <= 4; ++pos)
        m.setPageSet(static_cast<ovEn_Button_Position>(pos), buttons[static_cast<size_t>(pos - 1)]);
    m.setPageDefaultButton(defaultPosition);
    m.setPageCancelButton(cancelPosition);
    m.setUseDefaultButtonSet(useDefaultButtonSet);
    m.ChangeButtons();
    m.setCurrentPageIndex(newPageIndex);
    m.setPreviousPageIndex(m_back);
    m.setNextPageIndex(m_next);
    m_visible = true;
    if (m_log)
        m_log->push_back(m_name + " show");
}

} // namespace ovtest
