#include "infopanel/InfoItems.h"

#include "platform/Enumerator.h"

namespace ov {

const ClassInfo& InfoItems::staticClass() {
    return buildClassInfo<InfoItems>([](ClassInfo& i) { i.published = false; });
}

void InfoItems::describe(ClassBuilder<InfoItems>& b) {
    b.method("Item", 0, &InfoItems::Item, {"IndexKey"});
    b.property("NewEnum", -4, &InfoItems::NewEnum);
    b.method("Add", 1, &InfoItems::Add, {"sName", "sValue"});
    b.property("Count", 2, &InfoItems::Count);
    b.method("Remove", 3, &InfoItems::Remove, {"IndexKey"});
    b.method("Clear", 4, &InfoItems::Clear);
}

InfoItemRef InfoItems::Item(const Variant& IndexKey) const {
    if (IndexKey.type() == Variant::Type::String) return m_items.item(std::string_view(IndexKey.toString()));
    return m_items.item(static_cast<size_t>(std::max(0, IndexKey.toInt32())));
}

ObjectRef InfoItems::NewEnum() const {
    std::vector<Variant> items;
    items.reserve(m_items.count());
    for (const InfoItemRef& item : m_items)
        items.emplace_back(ObjectRef(item));
    return std::make_shared<Enumerator>(std::move(items));
}

InfoItemRef InfoItems::Add(const std::string& sName, const std::string& sValue) {
    auto item = std::make_shared<InfoItem>();
    item->setName(sName);
    item->setValue(sValue);
    item->setIndex(Count() + 1);
    m_items.add(item, sName);
    return item;
}

void InfoItems::Remove(const Variant& IndexKey) {
    if (IndexKey.type() == Variant::Type::String)
        m_items.remove(std::string_view(IndexKey.toString()));
    else
        m_items.remove(static_cast<size_t>(std::max(0, IndexKey.toInt32())));
}

InfoItemRef InfoItems::find(std::string_view name) const {
    const InfoItemRef* item = m_items.find(name);
    return item ? *item : nullptr;
}

} // namespace ov
