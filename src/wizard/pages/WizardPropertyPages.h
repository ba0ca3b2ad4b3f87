#pragma once

namespace ov {

class TypeRegistry;

// Publishes the wizard's property page classes: GeneralNavigator, Position and NavigatorButonSet (the
// navigator's) and GeneralTab, Captions and ButtonsSet (a wizard page's).
void registerWizardPropertyPages(TypeRegistry& registry);

} // namespace ov
