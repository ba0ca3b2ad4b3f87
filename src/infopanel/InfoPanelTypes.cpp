#include "infopanel/InfoPanelTypes.h"

#include "infopanel/InfoItem.h"
#include "infopanel/InfoItems.h"
#include "infopanel/OvInfoItem.h"
#include "infopanel/TvrInfoPanel.h"
#include "platform/TypeRegistry.h"

namespace ov {

void registerInfoPanelTypes(TypeRegistry& r) {
    r.addClass(InfoItem::staticClass());
    r.addClass(TvrInfoPanel::staticClass(), [] { return std::make_shared<TvrInfoPanel>(); });
    r.addClass(OvInfoItem::staticClass(), [] { return std::make_shared<OvInfoItem>(); });
}

} // namespace ov
