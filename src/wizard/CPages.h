#pragma once

#include "platform/Collection.h"
#include "platform/Object.h"
#include "wizard/CPage.h"

#include <cstdint>
#include <string>

namespace ov {

// The ordered registry of wizard pages (the navigator's WizardPages). Pages are kept in ascending
// PageIndex order as of each insertion; equal indices keep their registration order; the order is
// not revised when a page's index changes later. Keys are page names, compared without letter case.
// A host-created instance is an empty collection of its own.
class CPages : public Object {
    OV_OBJECT(CPages)
public:
    CPages() = default;

    // A whole number selects by 1-based position, text by page name. A name that is not registered
    // gives no page silently; any other failure (a position outside 1..Count) is shown while the
    // thread's error-display switch is on, and also gives no page.
    CPageRef Item(const Variant& indexKey);
    int32_t Count() const { return static_cast<int32_t>(m_pages.count()); }
    ObjectRef NewEnum() const;

    // Inside the library (the mediator's registry operations).
    // Ordered insertion: before the first entry whose PageIndex is greater than the new page's.
    CPageRef Add(const CPageRef& page, const std::string& key);
    void Remove(const Variant& indexKey);
    void Clear() { m_pages.clear(); }
    const Collection<CPageRef>& entries() const { return m_pages; }

    auto begin() const { return m_pages.begin(); }
    auto end() const { return m_pages.end(); }

    static void describe(ClassBuilder<CPages>& b);

private:
    Collection<CPageRef> m_pages;
};

} // namespace ov
