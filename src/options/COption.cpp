#include "options/COption.h"

#include "options/OptionCollection.h"
#include "platform/Text.h"
#include "platform/TypeRegistry.h"

namespace ov {

std::string upperCase(std::string_view s) {
    std::string out(s);
    for (char& c : out) {
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    }
    return out;
}

const ClassInfo& COption::staticClass() {
    return buildClassInfo<COption>([](ClassInfo& i) {
        i.guid = "{5E0F3A61-6B2C-4C47-9D39-1B2D7B8E4A10}";
        i.creatable = true;
        i.interfaceName = "_COption";
    });
}

void COption::describe(ClassBuilder<COption>& b) {
    using T = COption;
    b.property("strParentKey", 0x40030000, &T::parentKey, &T::setParentKey);
    b.property("strKey", 0x40030001, &T::key, &T::setKey);
    b.property("eOptionType", 0x40030002, &T::optionType, &T::setOptionType);
    b.property("strName", 0x40030003, &T::name, &T::setName);
    b.property("iTabIndex", 0x40030004, &T::tabIndex, &T::setTabIndex);
    b.property("strSelectedProperty", 0x40030005, &T::selectedProperty, &T::setSelectedProperty);
}

// ---- OptionCollection ----

const ClassInfo& OptionCollection::staticClass() {
    return buildClassInfo<OptionCollection>([](ClassInfo& i) {
        i.published = false;
        i.creatable = true;
        i.progIdPrefix = "VBA";
    });
}

void OptionCollection::describe(ClassBuilder<OptionCollection>& b) {
    using T = OptionCollection;
    b.method("Item", 0, &T::Item, {"Index"});
    b.method("Add", 1, &T::Add, {"Item", "Key", "Before", "After"});
    b.property("Count", 2, &T::Count);
    b.method("Remove", 3, &T::Remove, {"Index"});
}

size_t OptionCollection::position(const Variant& v) const {
    if (v.isNumeric()) return static_cast<size_t>(std::max<int32_t>(0, v.toInt32()));
    // A key as an anchor: its position.
    const COptionRef& item = m_items.item(v.toString());
    for (size_t i = 1; i <= m_items.count(); ++i) {
        if (m_items.item(i) == item) return i;
    }
    throw Failure(err::InvalidProcedureCall);
}

void OptionCollection::Add(const Variant& Item, const std::optional<std::string>& Key,
                           const std::optional<Variant>& Before, const std::optional<Variant>& After) {
    auto o = std::dynamic_pointer_cast<COption>(Item.toObject());
    if (!o) throwTypeMismatch("COption expected");
    std::optional<size_t> before, after;
    if (Before) before = position(*Before);
    if (After) after = position(*After);
    m_items.add(std::move(o), Key.value_or(""), before, after);
}

COptionRef OptionCollection::Item(const Variant& index) const {
    if (index.isNumeric()) return m_items.item(static_cast<size_t>(std::max<int32_t>(0, index.toInt32())));
    return m_items.item(index.toString());
}

void OptionCollection::Remove(const Variant& index) {
    if (index.isNumeric())
        m_items.remove(static_cast<size_t>(std::max<int32_t>(0, index.toInt32())));
    else
        m_items.remove(index.toString());
}

} // namespace ov
