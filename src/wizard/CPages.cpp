#include "wizard/CPages.h"

#include "platform/ClassBuilder.h"
#include "platform/Enumerator.h"
#include "platform/Failure.h"
#include "platform/MessageBox.h"
#include "wizard/WizardGlobals.h"

#include <algorithm>
#include <climits>

namespace ov {

const ClassInfo& CPages::staticClass() {
    return buildClassInfo<CPages>([](ClassInfo& i) {
        i.guid = "{0F1872ED-0F32-40AC-A1B0-71FD73D2B7D7}";
        i.interfaceName = "_CPages";
        i.creatable = true;
    });
}

void CPages::describe(ClassBuilder<CPages>& b) {
    b.property("Item", 0, &CPages::Item).params({"vntIndexKey"});
    b.property("Count", 0x68030001, &CPages::Count);
    b.property("NewEnum", -4, &CPages::NewEnum);
}

CPageRef CPages::Item(const Variant& indexKey) {
    try {
        if (indexKey.type() == Variant::Type::String) {
            const CPageRef* p = m_pages.find(indexKey.toString());
            return p ? *p : nullptr;
        }
        return m_pages.item(static_cast<size_t>(std::max<int64_t>(0, indexKey.toInt32())));
    } catch (const Failure& f) {
        if (wizardThreadState().showErrors)
            msgBox("Error: " + std::to_string(f.number()) + "\r\n" + f.description(), mb::Critical);
        return nullptr;
    }
}

ObjectRef CPages::NewEnum() const {
    std::vector<Variant> items;
    items.reserve(m_pages.count());
    for (const auto& p : m_pages)
        items.emplace_back(p);
    return std::make_shared<Enumerator>(std::move(items));
}

CPageRef CPages::Add(const CPageRef& page, const std::string& key) {
    size_t before = 0;
    const int32_t newIndex = m_pages.empty() ? 0 : page->PageIndex();
    if (m_pages.empty()) {
        // The first page is added without reading its index; the next insertion reads it.
        m_highestKnown = false;
    } else if (!m_highestKnown || newIndex < m_highestIndex) {
        // The walk reads the entries until the first greater index; having read them all it knows
        // the highest index again.
        size_t position = 1;
        int32_t highest = INT32_MIN;
        for (const auto& entry : m_pages) {
            const int32_t index = entry->PageIndex();
            if (index > newIndex) {
                before = position;
                break;
            }
            highest = std::max(highest, index);
            ++position;
        }
        if (!before) {
            m_highestKnown = true;
            m_highestIndex = highest;
        }
    }
    // Without a greater entry the page goes last, and no entry is greater than it.
    if (before) {
        m_pages.add(page, key, before);
    } else {
        m_pages.add(page, key);
        if (m_highestKnown) m_highestIndex = std::max(m_highestIndex, newIndex);
    }
    ++m_entries[page.get()];
    return page;
}

void CPages::Remove(const Variant& indexKey) {
    const CPageRef page = indexKey.type() == Variant::Type::String
                              ? m_pages.item(indexKey.toString())
                              : m_pages.item(static_cast<size_t>(std::max<int64_t>(0, indexKey.toInt32())));
    if (indexKey.type() == Variant::Type::String)
        m_pages.remove(indexKey.toString());
    else
        m_pages.remove(static_cast<size_t>(std::max<int64_t>(0, indexKey.toInt32())));
    // A removed entry leaves the highest index an upper bound, which is all an insertion needs.
    auto it = m_entries.find(page.get());
    if (it != m_entries.end() && --it->second == 0) m_entries.erase(it);
}

void CPages::Clear() {
    m_pages.clear();
    m_entries.clear();
    m_highestKnown = true;
    m_highestIndex = INT32_MIN;
}

CPageRef CPages::findNamed(const std::string& key) const {
    const CPageRef* p = m_pages.find(key);
    return p && (*p)->Name() == key ? *p : nullptr;
}

void CPages::pageIndexChanged(const CPage& page) {
    const std::shared_ptr<CPages>& registry = wizardThreadState().registry;
    if (registry && registry->m_entries.contains(&page)) registry->m_highestKnown = false;
}

} // namespace ov
