#include "wizard/pages/WizardPropertyPages.h"

#include "platform/PropertyPage.h"
#include "wizard/pages/ButtonsSet.h"
#include "wizard/pages/Captions.h"
#include "wizard/pages/GeneralNavigator.h"
#include "wizard/pages/GeneralTab.h"
#include "wizard/pages/NavigatorButonSet.h"
#include "wizard/pages/Position.h"

namespace ov {

void registerWizardPropertyPages(TypeRegistry& r) {
    registerPropertyPage<GeneralNavigator>(r);
    registerPropertyPage<Position>(r);
    registerPropertyPage<NavigatorButonSet>(r);
    registerPropertyPage<GeneralTab>(r);
    registerPropertyPage<Captions>(r);
    registerPropertyPage<ButtonsSet>(r);
}

} // namespace ov
