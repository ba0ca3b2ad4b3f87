#pragma once

#include "platform/Event.h"
#include "platform/Forward.h"
#include "platform/Variant.h"
#include "wizard/CPage.h"
#include "wizard/WizardTypes.h"

#include <array>
#include <cstdint>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <utility>

namespace ov {

class CPages;

// One button's settings as the mediator keeps them; the position is where they are stored.
struct ButtonSetting {
    bool Visible = false;
    bool Enabled = false;
    std::string Caption;
    int32_t Rule = 0;

    bool operator==(const ButtonSetting&) const = default;
};

// A page as the mediator's page changes reach it (see CWizardNavigator::joinPages).
class PageListener {
public:
    virtual void hearGoToPage(int32_t newPageIndex) = 0;

protected:
    ~PageListener() = default;
};

// The mediator through which the navigator and its pages meet without knowing each other; one per
// user-interface thread (see WizardGlobals). The navigator writes the navigator-wide settings and
// the default button set; the page that becomes current writes its own button set ("page set") and
// its neighbours. Writing BannerImage, WaterMarkImage, BannerStyle, NextPageIndex, PreviousPageIndex
// or TabHeight raises the matching event after the value is stored, even when it does not change.
// Events are delivered to every listener before the writing call returns.
class CWizardNavigator {
public:
    explicit CWizardNavigator(std::shared_ptr<CPages> pages);
    CWizardNavigator(const CWizardNavigator&) = delete;
    CWizardNavigator& operator=(const CWizardNavigator&) = delete;

    // --- Listened to by every page ---
    Event<PictureRef> OnChangeBannerPicture;
    Event<PictureRef> OnChangeWaterMarkPicture;
    Event<int32_t> OnChangeBannerStyle;
    Event<int32_t> OnGoToPage;
    // --- Listened to by the navigator ---
    Event<> OnChangeNextPageIndex;
    Event<> OnChangePreviousPageIndex;
    Event<> OnChangeButtons;
    // --- Every page ---
    Event<int32_t> YouMustChangeYourHeight;
    Event<> OnNavigatorDie;
    // --- The navigator ---
    Event<int32_t, std::string, std::string> OnError;

    int32_t DefaultButton() const { return m_defaultButton; }
    void setDefaultButton(int32_t position) { m_defaultButton = position; }
    int32_t CancelButton() const { return m_cancelButton; }
    void setCancelButton(int32_t position) { m_cancelButton = position; }

    // The navigator's default set (LeftButtonVisible ... RightButtonRule), by position 1..4 (failure 9
    // for any other), read and written as stored.
    const ButtonSetting& defaultSet(ovEn_Button_Position position) const;
    void setDefaultSet(ovEn_Button_Position position, ButtonSetting setting);
    // The current page's set (LBVisible, LBEnabled, LBCaption, LBRule ... RBRule), by position 1..4.
    // Reading gives the default set while
    // UseDefaultButtonSet is true; writing always stores into the page set.
    const ButtonSetting& pageSet(ovEn_Button_Position position) const;
    void setPageSet(ovEn_Button_Position position, ButtonSetting setting);

    int32_t PageDefaultButton() const { return m_pageDefaultButton; }
    void setPageDefaultButton(int32_t position) { m_pageDefaultButton = position; }
    int32_t PageCancelButton() const { return m_pageCancelButton; }
    void setPageCancelButton(int32_t position) { m_pageCancelButton = position; }
    bool UseDefaultButtonSet() const { return m_useDefaultButtonSet; }
    void setUseDefaultButtonSet(bool value) { m_useDefaultButtonSet = value; }

    int32_t CurrentPageIndex() const { return m_currentPageIndex; }
    void setCurrentPageIndex(int32_t index) { m_currentPageIndex = index; }
    int32_t StartPage() const { return m_startPage; }
    void setStartPage(int32_t index) { m_startPage = index; }
    int32_t NextPageIndex() const { return m_nextPageIndex; }
    void setNextPageIndex(int32_t index);
    int32_t PreviousPageIndex() const { return m_previousPageIndex; }
    void setPreviousPageIndex(int32_t index);

    const PictureRef& BannerImage() const { return m_bannerImage; }
    void setBannerImage(PictureRef picture);
    const PictureRef& WaterMarkImage() const { return m_waterMarkImage; }
    void setWaterMarkImage(PictureRef picture);
    int32_t BannerStyle() const { return m_bannerStyle; }
    void setBannerStyle(int32_t style);
    int32_t TabHeight() const { return m_tabHeight; }
    void setTabHeight(int32_t twips);

    bool ShowErrorMsg() const { return m_showErrorMsg; }
    void setShowErrorMsg(bool value) { m_showErrorMsg = value; }
    // Set by a page hidden at design time, cleared after a page reads or writes its properties and on
    // OnNavigatorDie. Nothing in the wizard depends on it.
    bool PageHiddenAtDesignTime() const { return m_pageHidden; }
    void setPageHiddenAtDesignTime(bool value) { m_pageHidden = value; }

    const std::shared_ptr<CPages>& Pages() const { return m_pages; }

    // Pages that joined hear it first, in the order they joined, then the handlers of OnGoToPage.
    void GoToPage(int32_t newPageIndex);

    // Pages hear GoToPage through this list rather than through OnGoToPage. A page acts on a page
    // change only while it is visible (it hides) or when it has the new index (it shows itself), so
    // the mediator calls those pages alone; what every other page would do is nothing. A page tells
    // the mediator its PageIndex and whether it is visible whenever they change; a page that joins
    // during a page change first hears the next one.
    using PageListenerId = uint64_t;
    PageListenerId joinPages(PageListener& page, int32_t pageIndex, bool visible);
    void leavePages(PageListenerId id);
    void pageIndexIs(PageListenerId id, int32_t pageIndex);
    void pageVisibleIs(PageListenerId id, bool visible);
    void ChangeButtons();
    // Raises OnNavigatorDie; answers Empty.
    Variant NavigatorIsDie();
    void RaiseError(int32_t number, const std::string& description, const std::string& source);

    // Registers a page under Key by ordered insertion, unless a registered page's Name equals Key
    // exactly (letter case counts here, unlike the registry's keys).
    void AddPage(const std::string& key, const CPageRef& page);
    // Re-keys a page renamed at design time: at the first entry with Page's PageIndex, removes the
    // entry under OldKey; then inserts Page under NewKey either way.
    void RenamePage(const std::string& newKey, const CPageRef& page, const std::string& oldKey);
    // Removes the entry under Key, if the first entry whose Name equals Key exists.
    void RemovePage(const std::string& key);
    // Removes every entry; failures are ignored.
    void ClearPages();

private:
    int32_t m_defaultButton = static_cast<int32_t>(kNavigatorDefaultButton);
    int32_t m_cancelButton = static_cast<int32_t>(kNavigatorCancelButton);
    std::array<ButtonSetting, 4> m_defaultSet;
    std::array<ButtonSetting, 4> m_pageSet;
    int32_t m_pageDefaultButton = 0;
    int32_t m_pageCancelButton = 0;
    bool m_useDefaultButtonSet = false;
    int32_t m_currentPageIndex = 0;
    int32_t m_startPage = 1;
    int32_t m_nextPageIndex = 0;
    int32_t m_previousPageIndex = 0;
    PictureRef m_bannerImage;
    PictureRef m_waterMarkImage;
    int32_t m_bannerStyle = 0;
    int32_t m_tabHeight = 0;
    bool m_showErrorMsg = false;
    bool m_pageHidden = false;
    std::shared_ptr<CPages> m_pages;
    struct Listening {
        PageListener* page;
        int32_t pageIndex;
    };
    std::map<PageListenerId, Listening> m_listeners;
    std::set<PageListenerId> m_visibleListeners;
    std::set<std::pair<int32_t, PageListenerId>> m_listenersByIndex;
    PageListenerId m_lastListener = 0;
};

} // namespace ov
