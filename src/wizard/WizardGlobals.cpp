#include "wizard/WizardGlobals.h"

#include "platform/Runtime.h"
#include "wizard/CPages.h"
#include "wizard/CWizardNavigator.h"

namespace ov {

WizardThreadState& wizardThreadState() {
    return Runtime::current().threadState<WizardThreadState>();
}

void CreateWizardGlobals() {
    auto& s = wizardThreadState();
    s.registry.reset();
    s.mediator.reset();
    s.registry = std::make_shared<CPages>();
    s.mediator = std::make_shared<CWizardNavigator>(s.registry);
}

void ReleaseWizardGlobals() {
    auto& s = wizardThreadState();
    if (s.registry && s.registry->Count() == 0) {
        s.registry.reset();
        s.mediator.reset();
    }
}

std::shared_ptr<CWizardNavigator> subscribeWizardMediator() {
    auto& s = wizardThreadState();
    if (!s.mediator) CreateWizardGlobals();
    return s.mediator;
}

} // namespace ov
