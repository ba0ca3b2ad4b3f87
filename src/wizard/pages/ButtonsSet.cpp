#include "wizard/pages/ButtonsSet.h"

#include "platform/CheckBox.h"
#include "platform/Frame.h"
#include "wizard/pages/PageFields.h"

namespace ov {

namespace {
// The page's record properties, left to right.
constexpr std::array<const char*, 4> kRecords{"LeftButton", "LeftMiddleButton", "RightMiddleButton",
                                              "RightButton"};
constexpr float kFrameWidth = 5670;
} // namespace

const ClassInfo& ButtonsSet::staticClass() {
    return propertyPageClass<ButtonsSet>("{F554CB12-1505-4471-A373-A3DB14D1C9AE}");
}

ButtonsSet::ButtonsSet() : PropertyPage("Buttons Set") {
    m_useDefault =
        &addCheck(*this, "chkUseDefaultButtonSet", "&Use default button set", kPageMargin, kPageMargin, 3000);
    m_set = &addChild<Frame>("fraButtonSet");
    m_set->setCaption("Page Button Set");
    m_columns = std::make_unique<ButtonColumns>(*this, *m_set, 120, 240, ButtonColumns::Options{true, false},
                                                [this] { edited(); });
    m_set->Move(kPageMargin, kPageMargin + kCheckHeight + 120, kFrameWidth, m_columns->bottom() + 150);
    setSize(kPageMargin * 2 + kFrameWidth, m_set->Top() + m_set->Height() + kPageMargin);

    // The frame follows the box also while the page loads; only a user's click is an edit.
    m_links.emplace_back(m_useDefault->Click().connect([this] {
        m_set->setEnabled(!ticked(*m_useDefault));
        edited();
    }));
}

ButtonsSet::~ButtonsSet() = default;

void ButtonsSet::edited() {
    setChanged(true);
}

void ButtonsSet::SelectionChanged() {
    Object& page = firstSelected();
    setTicked(*m_useDefault, page.get("UseDefaultButtonSet").toBool());
    m_set->setEnabled(!ticked(*m_useDefault));
    for (size_t i = 0; i < 4; ++i)
        m_columns->load(kButtonPositions[i], page.get(kRecords[i]).toRecord<PageButtons>());
}

void ButtonsSet::ApplyChanges() {
    Object& page = firstSelected();
    page.let("UseDefaultButtonSet", Variant(ticked(*m_useDefault)));
    for (size_t i = 0; i < 4; ++i)
        page.let(kRecords[i], Variant::record(m_columns->read(kButtonPositions[i])));
    if (m_columns->cancelPosition() == 0) page.call("SetCancelButton", {Variant(int32_t{0})});
    if (m_columns->defaultPosition() == 0) page.call("SetDefaultButton", {Variant(int32_t{0})});
}

} // namespace ov
