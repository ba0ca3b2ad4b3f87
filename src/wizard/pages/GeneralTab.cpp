#include "wizard/pages/GeneralTab.h"

#include "platform/ComboBox.h"
#include "platform/Frame.h"
#include "platform/OptionButton.h"
#include "platform/TextBox.h"
#include "wizard/pages/PageFields.h"

#include <tuple>

namespace ov {

namespace {
constexpr std::array<const char*, 3> kPageModes{"0 - WelcomePage", "1 - InteriorPage", "2 - CompletePage"};
constexpr float kLabelWidth = 1100;
constexpr float kFieldLeft = kPageMargin + kLabelWidth + 60;
constexpr float kFrameLeft = kFieldLeft + 900 + 300;
constexpr float kFrameWidth = 2400;
constexpr float kFrameInset = 120;
} // namespace

const ClassInfo& GeneralTab::staticClass() {
    return propertyPageClass<GeneralTab>("{0A2404CC-CA7A-4CCD-9578-54A4FCB1E957}");
}

GeneralTab::GeneralTab() : PropertyPage("General") {
    float top = kPageMargin + 90; // level with the first frame's contents
    for (auto [field, name, label] : {std::tuple{&m_pageIndex, "txtPageIndex", "Page Index:"},
                                      std::tuple{&m_pageBack, "txtPageBack", "Page Back:"},
                                      std::tuple{&m_pageNext, "txtPageNext", "Page Next:"}}) {
        addFieldLabel(*this, std::string("lbl") + (name + 3), label, kPageMargin, top, kLabelWidth);
        *field = &addTextField(*this, name, kFieldLeft, top, 900);
        m_links.emplace_back((*field)->Change.connect([this] { edited(); }));
        top += kFieldHeight + kRowGap;
    }

    Frame& mode = addChild<Frame>("fraPageMode");
    mode.setCaption(" Page Mode ");
    mode.Move(kFrameLeft, kPageMargin, kFrameWidth, 270 + kFieldHeight + 150);
    m_pageMode =
        &addList(*this, "cboPageMode", kPageModes, kFrameInset, 270, kFrameWidth - 2 * kFrameInset, &mode);
    m_links.emplace_back(m_pageMode->Click().connect([this] { edited(); }));

    Frame& state = addChild<Frame>("fraPageState");
    state.setCaption(" Page State ");
    state.Move(kFrameLeft, mode.Top() + mode.Height() + 120, kFrameWidth, 270 + 2 * 300 + 120);
    m_maximize = &addChild<OptionButton>("Maximize", &state);
    m_maximize->setCaption("Ma&ximize Tab");
    m_maximize->Move(kFrameInset, 270, kFrameWidth - 2 * kFrameInset, kCheckHeight);
    m_minimize = &addChild<OptionButton>("Minimize", &state);
    m_minimize->setCaption("M&inimize Tab");
    m_minimize->Move(kFrameInset, 570, kFrameWidth - 2 * kFrameInset, kCheckHeight);
    m_links.emplace_back(m_maximize->Click().connect([this] { edited(); }));
    m_links.emplace_back(m_minimize->Click().connect([this] { edited(); }));

    setSize(kFrameLeft + kFrameWidth + kPageMargin, state.Top() + state.Height() + kPageMargin);
}

void GeneralTab::edited() {
    setChanged(true);
}

void GeneralTab::SelectionChanged() {
    Object& page = firstSelected();
    m_pageIndex->setText(page.get("PageIndex").toString());
    m_pageBack->setText(page.get("PageBack").toString());
    m_pageNext->setText(page.get("PageNext").toString());
    showEntry(*m_pageMode, page.get("PageMode").toInt32());
    m_pageState = page.get("PageState").toInt32();
    if (m_pageState == 0) m_maximize->setValue(true);
    if (m_pageState == 1) m_minimize->setValue(true);
}

void GeneralTab::ApplyChanges() {
    Object& page = firstSelected();
    page.let("PageNext", Variant(m_pageNext->Text()));
    page.let("PageBack", Variant(m_pageBack->Text()));
    page.let("PageIndex", Variant(m_pageIndex->Text()));
    page.let("PageMode", Variant(m_pageMode->ListIndex()));
    if (m_maximize->Value())
        m_pageState = 0;
    else if (m_minimize->Value())
        m_pageState = 1;
    page.let("PageState", Variant(m_pageState));
}

} // namespace ov
