#include "wizard/pages/GeneralNavigator.h"

#include "platform/CheckBox.h"
#include "platform/ComboBox.h"
#include "platform/TextBox.h"
#include "wizard/pages/PageFields.h"

#include <array>

namespace ov {

namespace {
constexpr std::array<const char*, 2> kBannerStyles{"ovOSWindows2k", "ovVelmar"};
constexpr float kLabelWidth = 1200;
constexpr float kFieldLeft = kPageMargin + kLabelWidth + 60;
} // namespace

const ClassInfo& GeneralNavigator::staticClass() {
    return propertyPageClass<GeneralNavigator>("{35EF98C3-E60C-4CD3-BDBE-AF28ACB9FE74}");
}

GeneralNavigator::GeneralNavigator() : PropertyPage("General") {
    setSize(4800, 1700);
    float top = kPageMargin;
    addFieldLabel(*this, "lblStartPage", "Start Page:", kPageMargin, top, kLabelWidth);
    m_startPage = &addTextField(*this, "txtStartPage", kFieldLeft, top, 900);
    top += kFieldHeight + kRowGap;
    addFieldLabel(*this, "lblBannerStyle", "Banner Style:", kPageMargin, top, kLabelWidth);
    m_bannerStyle = &addList(*this, "cboBannerStyle", kBannerStyles, kFieldLeft, top, 1800);
    top += kFieldHeight + kRowGap;
    m_enabled = &addCheck(*this, "chkEnabled", "Enabled", kFieldLeft, top + 30, 1800);

    auto edited = [this] { setChanged(true); };
    m_links.emplace_back(m_startPage->Change.connect(edited));
    m_links.emplace_back(m_enabled->Click().connect(edited));
    m_links.emplace_back(m_bannerStyle->Click().connect(edited));
}

void GeneralNavigator::SelectionChanged() {
    Object& nav = firstSelected();
    m_startPage->setText(nav.get("StartPage").toString());
    setTicked(*m_enabled, nav.get("Enabled").toBool());
    showEntry(*m_bannerStyle, nav.get("BannerHeaderStyle").toInt32());
}

void GeneralNavigator::ApplyChanges() {
    Object& nav = firstSelected();
    nav.let("StartPage", Variant(m_startPage->Text()));
    nav.let("Enabled", Variant(ticked(*m_enabled)));
    nav.let("BannerHeaderStyle", Variant(m_bannerStyle->ListIndex()));
}

} // namespace ov
