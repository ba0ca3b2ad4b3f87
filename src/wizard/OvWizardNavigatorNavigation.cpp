// The navigator's page moves: Next and Back, GoToNewPage and GoToNewPageEx.
#include "platform/Extender.h"
#include "wizard/CPages.h"
#include "wizard/CWizardNavigator.h"
#include "wizard/OvWizardNavigator.h"

namespace ov {

CPageRef OvWizardNavigator::pageAt(int32_t index) {
    if (index <= 0 || !m_pages) return nullptr;
    return m_pages->Item(Variant(index));
}

CPageRef OvWizardNavigator::CurrentPage() {
    return trapFailures(*this, "::CurrentPage",
                        [&] { return pageAt(m_mediator ? m_mediator->CurrentPageIndex() : 0); });
}

void OvWizardNavigator::ReleaseAll() {
    // Releasing is best effort: the host is closing the wizard.
    ignoreFailures([&] {
        if (m_mediator) m_mediator->ClearPages();
    });
}

void OvWizardNavigator::NextClick() {
    move(true);
}
void OvWizardNavigator::BackClick() {
    move(false);
}

void OvWizardNavigator::move(bool forward) {
    const auto label = ProcedureLabel::move(forward ? "::NextClick" : "::BackClick");
    trapFailures(*this, label, [&] {
        bringToFront();
        CWizardNavigator& m = mediator();
        bool cancel = false;
        const int32_t target = forward ? m.NextPageIndex() : m.PreviousPageIndex();
        CPageRef newPage = target > 0 ? pageAt(target) : nullptr;
        CPageRef oldPage = pageAt(m.CurrentPageIndex());
        if (target <= 0) return;
        const auto direction = forward ? OvWizardDirectionConstant::ovWizardGoForward
                                       : OvWizardDirectionConstant::ovWizardGoBack;
        BeforePageChange(direction, newPage, oldPage, cancel);
        if (cancel) return;
        if (!newPage) throw Failure(err::ObjectNotSet);
        m.GoToPage(newPage->PageIndex());
        AfterPageChange(direction, newPage, oldPage);
    });
}

void OvWizardNavigator::GoToNewPage(CPageRef& NewPage) {
    goToNewPage(NewPage, std::nullopt);
}

void OvWizardNavigator::GoToNewPageEx(CPageRef& NewPage, OvWizardDirectionConstant WizardDirection) {
    goToNewPage(NewPage, WizardDirection);
}

void OvWizardNavigator::goToNewPage(CPageRef& newPage, std::optional<OvWizardDirectionConstant> given) {
    const auto label = ProcedureLabel::move(given ? "::GoToNewPageEx" : "::GoToNewPage");
    trapFailures(*this, label, [&] {
        if (!newPage) throw Failure(err::ObjectNotSet);
        CWizardNavigator& m = mediator();
        const int32_t current = m.CurrentPageIndex();
        const int32_t index = newPage->PageIndex();
        if (index == current) return;
        bool cancel = false;
        CPageRef oldPage = pageAt(current);
        OvWizardDirectionConstant direction;
        if (given) {
            direction = *given;
        } else {
            const int64_t step = int64_t{index} - int64_t{current};
            if (step < INT32_MIN || step > INT32_MAX) throw Failure(err::Overflow);
            direction = step >= 0 ? OvWizardDirectionConstant::ovWizardGoForward
                                  : OvWizardDirectionConstant::ovWizardGoBack;
        }
        BeforePageChange(direction, newPage, oldPage, cancel);
        if (cancel) return;
        if (!newPage) throw Failure(err::ObjectNotSet);
        m.GoToPage(newPage->PageIndex());
        AfterPageChange(direction, newPage, oldPage);
    });
}

} // namespace ov
