#include "infopanel/InfoItem.h"

namespace ov {

const ClassInfo& InfoItem::staticClass() {
    return buildClassInfo<InfoItem>([](ClassInfo& i) {
        i.guid = "{8E3C1F52-6B0A-4B8E-A4D1-2C9F7E5B3A60}";
        i.interfaceName = "_InfoItem";
    });
}

void InfoItem::describe(ClassBuilder<InfoItem>& b) {
    b.property("Name", 0x68030002, &InfoItem::Name, &InfoItem::setName);
    b.property("Value", 0x68030001, &InfoItem::Value, &InfoItem::setValue);
    b.property("Index", 0x68030003, &InfoItem::Index, &InfoItem::setIndex).internal();
}

} // namespace ov
