#include "options/CTabManager.h"

#include "options/OptionListText.h"
#include "options/OvTreeFunctions.h"

namespace ov {

const ClassInfo& CTabManager::staticClass() {
    return buildClassInfo<CTabManager>([](ClassInfo& i) {
        i.guid = "{8B7C2D14-3E5F-4A60-9B71-C2D3E4F50617}";
        i.interfaceName = "_CTabManager";
        i.eventInterfaceName = "__CTabManager";
        i.eventGuid = "{8B7C2D15-3E5F-4A60-9B71-C2D3E4F50617}";
    });
}

void CTabManager::describe(ClassBuilder<CTabManager>& b) {
    using T = CTabManager;
    b.property("strTreeContainment", 0x6803000d, &T::strTreeContainment);
    b.event("OnChangeTab", 1, &T::OnChangeTab, {"Index"});
    b.event("OnResizeBase", 2, &T::OnResizeBase, {});
    // Inside the library: what the tree control and the pages call.
    b.method("RegisterPage", 0x60030001, &T::RegisterPage, {"Index"}).internal();
    b.method("UnregisterPage", 0x60030002, &T::UnregisterPage, {"Index"}).internal();
    b.method("ChangePageIndex", 0x60030003, &T::ChangePageIndex, {"OldIndex", "NewIndex"}).internal();
    b.method("FirstFreeIndex", 0x60030004, &T::FirstFreeIndex).internal();
    b.method("ChangeTab", 0x60030005, &T::ChangeTab, {"Index"}).internal();
    b.method("ResizeBase", 0x60030006, &T::ResizeBase).internal();
    b.property("CurrentTab", 0x68030007, &T::CurrentTab).internal();
    b.property("ClientLeft", 0x68030008, &T::ClientLeft, &T::setClientLeft).internal();
    b.property("ClientTop", 0x68030009, &T::ClientTop, &T::setClientTop).internal();
    b.property("ClientWidth", 0x6803000a, &T::ClientWidth, &T::setClientWidth).internal();
    b.property("ClientHeight", 0x6803000b, &T::ClientHeight, &T::setClientHeight).internal();
    b.property("Options", 0x6803000c, &T::Options).set(&T::setOptions).internal();
}

CTabManager::CTabManager() : m_options(std::make_shared<OptionCollection>()) {}

std::string CTabManager::strTreeContainment() {
    if (!m_options) {
        m_options = std::make_shared<OptionCollection>();
        m_treeContainment.clear();
    } else {
        m_treeContainment = EncodeOptions(m_options.get());
    }
    return m_treeContainment;
}

int16_t CTabManager::FirstFreeIndex() const {
    int16_t candidate = 1;
    while (isRegistered(candidate))
        ++candidate;
    return candidate;
}

int16_t CTabManager::RegisterPage(int16_t& index) {
    if (index < 1 || isRegistered(index)) index = FirstFreeIndex();
    m_registry.add(index, registryKey(index));
    return index;
}

void CTabManager::UnregisterPage(int16_t index) {
    if (isRegistered(index)) m_registry.remove(registryKey(index));
}

bool CTabManager::ChangePageIndex(int16_t oldIndex, int16_t newIndex) {
    if (!IsValidIndex(std::to_string(oldIndex)) || !IsValidIndex(std::to_string(newIndex)) ||
        isRegistered(newIndex))
        return false;
    UnregisterPage(oldIndex);
    m_registry.add(newIndex, registryKey(newIndex));
    return true;
}

void CTabManager::ChangeTab(int16_t index) {
    m_currentTab = index;
    OnChangeTab(index);
}

} // namespace ov
