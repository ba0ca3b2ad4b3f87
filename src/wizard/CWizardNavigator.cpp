#include "wizard/CWizardNavigator.h"

#include "platform/Failure.h"
#include "wizard/CPages.h"

namespace ov {

CWizardNavigator::CWizardNavigator(std::shared_ptr<CPages> pages) : m_pages(std::move(pages)) {
    for (size_t i = 0; i < kNavigatorDefaultSet.size(); ++i) {
        const DefaultButtonSetting& d = kNavigatorDefaultSet[i];
        m_defaultSet[i] = {d.visible, d.enabled, d.caption, static_cast<int32_t>(d.rule)};
    }
}

const ButtonSetting& CWizardNavigator::defaultSet(ovEn_Button_Position position) const {
    return m_defaultSet[buttonSlot(position)];
}

void CWizardNavigator::setDefaultSet(ovEn_Button_Position position, ButtonSetting setting) {
    m_defaultSet[buttonSlot(position)] = std::move(setting);
}

const ButtonSetting& CWizardNavigator::pageSet(ovEn_Button_Position position) const {
    return m_useDefaultButtonSet ? m_defaultSet[buttonSlot(position)] : m_pageSet[buttonSlot(position)];
}

void CWizardNavigator::setPageSet(ovEn_Button_Position position, ButtonSetting setting) {
    m_pageSet[buttonSlot(position)] = std::move(setting);
}

void CWizardNavigator::setNextPageIndex(int32_t index) {
    m_nextPageIndex = index;
    OnChangeNextPageIndex();
}

void CWizardNavigator::setPreviousPageIndex(int32_t index) {
    m_previousPageIndex = index;
    OnChangePreviousPageIndex();
}

void CWizardNavigator::setBannerImage(PictureRef picture) {
    m_bannerImage = std::move(picture);
    OnChangeBannerPicture(m_bannerImage);
}

void CWizardNavigator::setWaterMarkImage(PictureRef picture) {
    m_waterMarkImage = std::move(picture);
    OnChangeWaterMarkPicture(m_waterMarkImage);
}

void CWizardNavigator::setBannerStyle(int32_t style) {
    m_bannerStyle = style;
    OnChangeBannerStyle(style);
}

void CWizardNavigator::setTabHeight(int32_t twips) {
    m_tabHeight = twips;
    YouMustChangeYourHeight(twips);
}

void CWizardNavigator::GoToPage(int32_t newPageIndex) {
    // Pages may join, leave, show or hide while they hear this: each step looks for the next page
    // after the last one called, among the visible pages and the pages with the new index.
    const PageListenerId last = m_lastListener;
    PageListenerId after = 0;
    for (;;) {
        PageListenerId next = last + 1;
        auto visible = m_visibleListeners.upper_bound(after);
        if (visible != m_visibleListeners.end()) next = *visible;
        auto target = m_listenersByIndex.lower_bound({newPageIndex, after + 1});
        if (target != m_listenersByIndex.end() && target->first == newPageIndex)
            next = std::min(next, target->second);
        if (next > last) break;
        after = next;
        auto listening = m_listeners.find(next);
        if (listening != m_listeners.end()) listening->second.page->hearGoToPage(newPageIndex);
    }
    OnGoToPage(newPageIndex);
}

CWizardNavigator::PageListenerId CWizardNavigator::joinPages(PageListener& page, int32_t pageIndex,
                                                             bool visible) {
    const PageListenerId id = ++m_lastListener;
    m_listeners.emplace(id, Listening{&page, pageIndex});
    m_listenersByIndex.emplace(pageIndex, id);
    if (visible) m_visibleListeners.insert(id);
    return id;
}

void CWizardNavigator::leavePages(PageListenerId id) {
    auto it = m_listeners.find(id);
    if (it == m_listeners.end()) return;
    m_listenersByIndex.erase({it->second.pageIndex, id});
    m_visibleListeners.erase(id);
    m_listeners.erase(it);
}

void CWizardNavigator::pageIndexIs(PageListenerId id, int32_t pageIndex) {
    auto it = m_listeners.find(id);
    if (it == m_listeners.end() || it->second.pageIndex == pageIndex) return;
    m_listenersByIndex.erase({it->second.pageIndex, id});
    it->second.pageIndex = pageIndex;
    m_listenersByIndex.emplace(pageIndex, id);
}

void CWizardNavigator::pageVisibleIs(PageListenerId id, bool visible) {
    if (!m_listeners.contains(id)) return;
    if (visible)
        m_visibleListeners.insert(id);
    else
        m_visibleListeners.erase(id);
}

void CWizardNavigator::ChangeButtons() {
    OnChangeButtons();
}

Variant CWizardNavigator::NavigatorIsDie() {
    OnNavigatorDie();
    return {};
}

void CWizardNavigator::RaiseError(int32_t number, const std::string& description, const std::string& source) {
    OnError(number, description, source);
}

void CWizardNavigator::AddPage(const std::string& key, const CPageRef& page) {
    if (m_pages->findNamed(key)) return;
    m_pages->Add(page, key);
}

void CWizardNavigator::RenamePage(const std::string& newKey, const CPageRef& page,
                                  const std::string& oldKey) {
    const int32_t index = page->PageIndex();
    for (const auto& entry : *m_pages) {
        if (entry->PageIndex() == index) {
            m_pages->Remove(Variant(oldKey));
            break;
        }
    }
    m_pages->Add(page, newKey);
}

void CWizardNavigator::RemovePage(const std::string& key) {
    if (m_pages->Count() == 0) return;
    if (m_pages->findNamed(key)) m_pages->Remove(Variant(key));
}

void CWizardNavigator::ClearPages() {
    try {
        m_pages->Clear();
    } catch (const Failure&) {
        // Clearing the registry is best effort: whatever is left is released with the mediator.
    }
}

} // namespace ov
