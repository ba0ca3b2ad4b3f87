#pragma once

#include "platform/PropertyPage.h"

#include <array>
#include <cstdint>
#include <vector>

namespace ov {

class ComboBox;
class OptionButton;
class TextBox;

// A wizard page's "General" page: txtPageIndex, txtPageBack and txtPageNext (the properties as text),
// cboPageMode in the frame " Page Mode " ("0 - WelcomePage", "1 - InteriorPage", "2 - CompletePage";
// the list index is PageMode) and the option buttons Maximize ("Ma&ximize Tab", PageState 0) and
// Minimize ("M&inimize Tab", PageState 1) in the frame " Page State ".
//
// Apply writes PageNext, PageBack, PageIndex, PageMode and PageState in that order. The state written
// is that of the option set, or, with neither set, the state the page read last. PageIndex goes
// through the page's own writer, so at design time an index another page holds swaps the two pages.
class GeneralTab : public PropertyPage {
    OV_OBJECT(GeneralTab)
public:
    GeneralTab();

protected:
    void SelectionChanged() override;
    void ApplyChanges() override;

private:
    void edited();

    TextBox* m_pageIndex = nullptr;
    TextBox* m_pageBack = nullptr;
    TextBox* m_pageNext = nullptr;
    ComboBox* m_pageMode = nullptr;
    OptionButton* m_maximize = nullptr;
    OptionButton* m_minimize = nullptr;
    int32_t m_pageState = 0;
    std::vector<ScopedConnection> m_links;
};

} // namespace ov
