#pragma once

#include <memory>

namespace ov {

class CPages;
class CWizardNavigator;

// The wizard objects that exist once per user-interface thread: the mediator through which the
// navigator and its pages meet, the page registry, and the thread-wide error-display switch that
// page descriptors and the registry consult. They live in the thread's Runtime.
struct WizardThreadState {
    std::shared_ptr<CWizardNavigator> mediator;
    std::shared_ptr<CPages> registry;
    bool showErrors = false;
};

WizardThreadState& wizardThreadState();

// Starts a fresh registry and a fresh mediator that takes it as its Pages.
void CreateWizardGlobals();
// Drops both thread references, but only while the registry holds no page.
void ReleaseWizardGlobals();
// The thread's mediator, created with CreateWizardGlobals when there is none yet.
std::shared_ptr<CWizardNavigator> subscribeWizardMediator();

} // namespace ov
