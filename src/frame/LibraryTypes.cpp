#include "frame/LibraryTypes.h"

#include "controls/OvLabel.h"
#include "controls/OvUpDown.h"
#include "infopanel/InfoPanelTypes.h"
#include "options/OptionTypes.h"
#include "options/OvMinimized.h"
#include "options/ppOptionsTree.h"
#include "platform/PropertyPage.h"
#include "platform/Runtime.h"
#include "platform/TypeRegistry.h"
#include "progress/CaptionsInfo.h"
#include "progress/GeneralInfo.h"
#include "progress/GeneralLabel.h"
#include "progress/GeneralProgress.h"
#include "progress/GeneralUpDown.h"
#include "progress/ProgressTypes.h"
#include "wizard/WizardTypes.h"
#include "wizard/pages/WizardPropertyPages.h"

#include <string>

namespace ov {

void registerLibraryTypes() {
    static const bool done = [] {
        TypeRegistry& r = TypeRegistry::instance();
        Version v = libraryVersion();
        r.setLibrary({"OvComCtl", "{B955D87B-5A9E-49AD-B187-78EF53BBA4E7}",
                      std::to_string(v.major) + "." + std::to_string(v.minor),
                      "OvComCtl wizard, options, progress and information controls"});
        registerWizardTypes(r);
        registerWizardPropertyPages(r);
        registerProgressTypes(r);
        registerOptionTypes(r);
        r.addClass(OvUpDown::staticClass(), [] { return std::make_shared<OvUpDown>(); });
        registerInfoPanelTypes(r);
        OvLabel::registerTypes(r);
        r.addClass(OvMinimized::staticClass(), [] { return std::make_shared<OvMinimized>(); });
        registerPropertyPage<GeneralProgress>(r);
        registerPropertyPage<GeneralInfo>(r);
        registerPropertyPage<CaptionsInfo>(r);
        registerPropertyPage<GeneralUpDown>(r);
        registerPropertyPage<GeneralLabel>(r);
        registerPropertyPage<ppOptionsTree>(r);
        return true;
    }();
    (void)done;
}

namespace {
// The registry is complete as soon as the library is loaded, before any host code runs.
const bool g_registered = (registerLibraryTypes(), true);
} // namespace

} // namespace ov
