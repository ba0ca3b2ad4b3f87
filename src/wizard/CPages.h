#pragma once

#include "platform/Collection.h"
#include "platform/Object.h"
#include "wizard/CPage.h"

#include <cstdint>
#include <string>
#include <unordered_map>

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
    void Clear();
    // The entry registered under `key` (letter case ignored) when its page's Name is `key` exactly,
    // else null. Pages register under their names, so this is the registered page of that name.
    CPageRef findNamed(const std::string& key) const;
    // What a page tells the registry of its thread when its PageIndex changes: a registered page's new
    // index may change where later pages are inserted.
    static void pageIndexChanged(const CPage& page);
    const Collection<CPageRef>& entries() const { return m_pages; }

    auto begin() const { return m_pages.begin(); }
    auto end() const { return m_pages.end(); }

    static void describe(ClassBuilder<CPages>& b);

private:
    Collection<CPageRef> m_pages;
    // How many entries each page has (a page renamed at design time may, for a moment, have two).
    std::unordered_map<const CPage*, uint32_t> m_entries;
    // No entry's PageIndex is greater than m_highestIndex, as read at the last insertion and not
    // changed since; insertions in index order then append without reading the entries.
    bool m_highestKnown = true;
    int32_t m_highestIndex = INT32_MIN;
};

} // namespace ov
