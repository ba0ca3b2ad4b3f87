#pragma once

#include "platform/PropertyPage.h"

#include <vector>

namespace ov {

class CheckBox;
class ComboBox;
class TextBox;

// The navigator's "General" page: txtStartPage ("Start Page:", StartPage as text), chkEnabled
// ("Enabled") and cboBannerStyle ("Banner Style:", the items "ovOSWindows2k" and "ovVelmar", whose
// list index is BannerHeaderStyle). Apply writes StartPage, Enabled and BannerHeaderStyle, in that
// order, through the navigator's own writers. A start page that is not a number is failure 13 from
// the navigator's StartPage, before anything is written: the apply stops and the page stays changed.
class GeneralNavigator : public PropertyPage {
    OV_OBJECT(GeneralNavigator)
public:
    GeneralNavigator();

protected:
    void SelectionChanged() override;
    void ApplyChanges() override;

private:
    TextBox* m_startPage = nullptr;
    CheckBox* m_enabled = nullptr;
    ComboBox* m_bannerStyle = nullptr;
    std::vector<ScopedConnection> m_links;
};

} // namespace ov
