#include "options/OptionTypes.h"

#include "options/COption.h"
#include "options/CTabManager.h"
#include "options/OptionCollection.h"
#include "options/OvOptionPage.h"
#include "options/OvTreeBase.h"
#include "platform/TypeRegistry.h"

namespace ov {

void registerOptionTypes(TypeRegistry& r) {
    r.addEnum({"en_Buttons",
               "{3C5D7E91-0A2B-4C3D-8E4F-5A6B7C8D9E01}",
               {{"btnOK", 0}, {"btnCancel", 1}, {"btnHelp", 2}, {"btnApply", 3}, {"btnCustom", 4}}});
    r.addEnum({"en_Mode", "{3C5D7E92-0A2B-4C3D-8E4F-5A6B7C8D9E01}", {{"ovMDIndex", 0}, {"ovMDName", 1}}});
    r.addEnum(
        {"en_OptionType", "{3C5D7E93-0A2B-4C3D-8E4F-5A6B7C8D9E01}", {{"Container", 0}, {"PropertyPage", 1}}});
    r.addEnum({"En_HeaderMode",
               "{3C5D7E94-0A2B-4C3D-8E4F-5A6B7C8D9E01}",
               {{"ovHMVisualNET", 0}, {"ovHMOutlook", 1}, {"ovHMNone", 2}}});
    r.addClass(COption::staticClass(), [] { return std::make_shared<COption>(); });
    r.addClass(CTabManager::staticClass());
    r.addClass(OptionCollection::staticClass(), [] { return std::make_shared<OptionCollection>(); });
    r.addClass(OvTreeBase::staticClass(), [] { return std::make_shared<OvTreeBase>(); });
    r.addClass(OvOptionPage::staticClass(), [] { return std::make_shared<OvOptionPage>(); });
}

} // namespace ov
