#include "wizard/CPages.h"

#include "platform/ClassBuilder.h"
#include "platform/Enumerator.h"
#include "platform/Failure.h"
#include "platform/MessageBox.h"
#include "wizard/WizardGlobals.h"

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
    if (!m_pages.empty()) {
        const int32_t newIndex = page->PageIndex();
        size_t position = 1;
        for (const auto& entry : m_pages) {
            if (entry->PageIndex() > newIndex) {
                before = position;
                break;
            }
            ++position;
        }
    }
    if (before)
        m_pages.add(page, key, before);
    else
        m_pages.add(page, key);
    return page;
}

void CPages::Remove(const Variant& indexKey) {
    if (indexKey.type() == Variant::Type::String)
        m_pages.remove(indexKey.toString());
    else
        m_pages.remove(static_cast<size_t>(std::max<int64_t>(0, indexKey.toInt32())));
}

} // namespace ov
