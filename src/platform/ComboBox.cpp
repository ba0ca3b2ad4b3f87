#include "platform/ComboBox.h"

#include "platform/Failure.h"
#include "platform/Text.h"

namespace ov {

const ClassInfo& ComboBox::staticClass() {
    return buildClassInfo<ComboBox>([](ClassInfo& i) { i.published = false; });
}

void ComboBox::describe(ClassBuilder<ComboBox>& b) {
    using T = ComboBox;
    describeCommon(b, Geometry | Enabling | Focus | ConstituentControl::Text | Back | Mouse | ToolTip);
    b.method("AddItem", 0x200, &T::AddItem, {"Item", "Index"});
    b.method("RemoveItem", 0x201, &T::RemoveItem, {"Index"});
    b.method("Clear", 0x202, &T::Clear);
    b.property("ListCount", 0x203, &T::ListCount);
    b.property("List", 0x204, &T::List, &T::setList).params({"Index"});
    b.property("ItemData", 0x205, &T::ItemData, &T::setItemData).params({"Index"});
    b.property("ListIndex", 0x206, &T::ListIndex, &T::setListIndex);
    b.property("NewIndex", 0x207, &T::NewIndex);
    b.property("Text", 0, &T::Text, &T::setText);
}

ComboBox::ComboBox() {
    storeBounds(0, 0, 1215, 315);
    setBackColor(sysColor::WindowBackground);
    setForeColor(sysColor::WindowText);
}

void ComboBox::refuse(int32_t number, const std::string& what) const {
    throw Failure(number, failureText(number) + " (" + Name() + ": " + what + ")");
}

size_t ComboBox::entry(int16_t index, const char* member) const {
    if (index < 0 || index >= ListCount())
        refuse(err::InvalidPropertyArrayIndex,
               std::string(member) + " has no entry " + std::to_string(index));
    return static_cast<size_t>(index);
}

void ComboBox::AddItem(const std::string& item, std::optional<int16_t> index) {
    const int16_t i = index.value_or(ListCount());
    if (i < 0 || i > ListCount())
        refuse(err::InvalidProcedureCall, "AddItem index " + std::to_string(i) + " is outside the list");
    m_items.insert(m_items.begin() + i, Item{item, 0});
    m_newIndex = i;
    if (m_listIndex >= i) ++m_listIndex;
}

void ComboBox::RemoveItem(int16_t index) {
    if (index < 0 || index >= ListCount())
        refuse(err::InvalidProcedureCall,
               "RemoveItem index " + std::to_string(index) + " is outside the list");
    m_items.erase(m_items.begin() + index);
    if (m_listIndex == index)
        m_listIndex = -1;
    else if (m_listIndex > index)
        --m_listIndex;
    m_newIndex = -1;
}

void ComboBox::Clear() {
    m_items.clear();
    m_listIndex = -1;
    m_newIndex = -1;
}

std::string ComboBox::List(int16_t index) const {
    if (index < 0 || index >= ListCount()) return {};
    return m_items[static_cast<size_t>(index)].text;
}

void ComboBox::setList(int16_t index, const std::string& v) {
    m_items[entry(index, "List")].text = v;
}

int32_t ComboBox::ItemData(int16_t index) const {
    return m_items[entry(index, "ItemData")].data;
}

void ComboBox::setItemData(int16_t index, int32_t v) {
    m_items[entry(index, "ItemData")].data = v;
}

void ComboBox::setListIndex(int16_t v) {
    if (v < -1 || v >= ListCount()) {
        refuse(err::InvalidPropertyValue,
               "ListIndex " + std::to_string(v) + " is not -1 to " + std::to_string(ListCount() - 1));
    }
    if (v == m_listIndex) return;
    m_listIndex = v;
    raise(&Events::Click);
}

std::string ComboBox::Text() const {
    return List(m_listIndex);
}

void ComboBox::setText(const std::string& v) {
    for (size_t i = 0; i < m_items.size(); ++i) {
        if (equalsNoCase(m_items[i].text, v)) return setListIndex(static_cast<int16_t>(i));
    }
    refuse(err::InvalidPropertyValue, "no entry \"" + shown(v) + "\"");
}

} // namespace ov
