#pragma once

#include "options/CTabManager.h"
#include "options/OptionTypes.h"
#include "platform/Event.h"
#include "platform/UserControl.h"

#include <cstdint>
#include <string>
#include <vector>

namespace ov {

class Label;

// One page of an options dialog: a container for the host's controls under an optional caption
// header (lblPageCaption, with the etched rule LTop1/LTop2 in the first style). A new page moves
// itself into the form's OvTreeBase, takes its tab manager and the smallest free page index; the
// page whose PageIndex the manager's current tab names shows, the others hide. A page outside an
// OvTreeBase has no manager: creating or loading it fails with 91.
class OvOptionPage : public UserControl {
    OV_OBJECT(OvOptionPage)
public:
    OvOptionPage();
    ~OvOptionPage() override;

    std::string Caption() const;
    // The label shows whenever the caption is not empty, whatever the header mode.
    void setCaption(const std::string& value);
    FontRef Font() const;
    void setFont(FontRef value);
    // The page's own client area (twips): 2 pixels in from the left, under half the caption's height
    // plus 2 pixels, 3 pixels short of the right and bottom edges.
    int32_t ClientTop() const;
    int32_t ClientLeft() const;
    int32_t ClientHeight() const;
    int32_t ClientWidth() const;
    En_HeaderMode HeaderMode() const { return m_headerMode; }
    // Values outside the enumeration are stored and change nothing else.
    void setHeaderMode(En_HeaderMode value);
    int16_t PageIndex() const { return m_pageIndex; }
    // A taken, zero or negative index shows a message and keeps the old index.
    void setPageIndex(int16_t value);

    CTabManager* manager() const { return m_manager.get(); }

    static void describe(ClassBuilder<OvOptionPage>& b);

protected:
    void onInitProperties() override;
    void onReadProperties(PropertyBag& bag) override;
    void onWriteProperties(PropertyBag& bag) override;
    void onShow() override;
    void onHide() override;
    void onResize() override;
    void onTerminate() override;

private:
    Label& caption() const;
    void attach(CTabManagerRef manager);
    void ApplyHeaderMode();
    void layoutPage();
    void onChangeTab(int16_t index);
    void onResizeBase();

    En_HeaderMode m_headerMode = En_HeaderMode::ovHMVisualNET;
    int16_t m_pageIndex = 0;
    CTabManagerRef m_manager;
    std::vector<ScopedConnection> m_links;
};

} // namespace ov
