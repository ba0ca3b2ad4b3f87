#pragma once

#include "options/OptionCollection.h"
#include "platform/Collection.h"
#include "platform/Event.h"
#include "platform/Object.h"

#include <cstdint>
#include <memory>
#include <string>

namespace ov {

// The mediator between one OvTreeBase and its option pages: the registry of page indexes in use
// (keys "_" + index), the current tab, the client rectangle pages fit into, and the option
// collection given at load time. The tree control says which index shows (ChangeTab raises
// OnChangeTab) and where the client area is (ResizeBase raises OnResizeBase); pages listen.
class CTabManager : public Object {
    OV_OBJECT(CTabManager)
public:
    CTabManager();

    // EncodeOptions of Options; with no collection, "" and a new empty collection.
    std::string strTreeContainment();

    // ---- Inside the library ----
    // Registers `index` (less than 1: the smallest free index); a taken index is replaced by the
    // smallest free one. Returns, and writes back, the index registered.
    int16_t RegisterPage(int16_t& index);
    // A missing entry is ignored.
    void UnregisterPage(int16_t index);
    // Moves a registration when both indexes are valid and the new one is free; false otherwise.
    bool ChangePageIndex(int16_t oldIndex, int16_t newIndex);
    int16_t FirstFreeIndex() const;
    bool isRegistered(int16_t index) const { return m_registry.contains(registryKey(index)); }
    void ChangeTab(int16_t index);
    void ResizeBase() { OnResizeBase(); }
    int16_t CurrentTab() const { return m_currentTab; }
    int32_t ClientLeft() const { return m_clientLeft; }
    void setClientLeft(int32_t v) { m_clientLeft = v; }
    int32_t ClientTop() const { return m_clientTop; }
    void setClientTop(int32_t v) { m_clientTop = v; }
    int32_t ClientWidth() const { return m_clientWidth; }
    void setClientWidth(int32_t v) { m_clientWidth = v; }
    int32_t ClientHeight() const { return m_clientHeight; }
    void setClientHeight(int32_t v) { m_clientHeight = v; }
    OptionCollectionRef Options() const { return m_options; }
    void setOptions(const OptionCollectionRef& v) { m_options = v; }

    Event<int16_t> OnChangeTab;
    Event<> OnResizeBase;

    static void describe(ClassBuilder<CTabManager>& b);

private:
    static std::string registryKey(int32_t index) {
        return std::string(1, '_').append(std::to_string(index));
    }

    int32_t m_clientLeft = 0, m_clientTop = 0, m_clientWidth = 0, m_clientHeight = 0;
    int16_t m_currentTab = 0;
    std::string m_treeContainment;
    OptionCollectionRef m_options;
    Collection<int16_t> m_registry;
};

using CTabManagerRef = std::shared_ptr<CTabManager>;

} // namespace ov
