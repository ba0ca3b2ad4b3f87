#include "wizard/pages/ButtonColumns.h"

#include "platform/CheckBox.h"
#include "platform/ComboBox.h"
#include "platform/CommandButton.h"
#include "platform/Frame.h"
#include "platform/Label.h"
#include "platform/Line.h"
#include "platform/PropertyPage.h"
#include "platform/Runtime.h"
#include "platform/TextBox.h"
#include "wizard/pages/PageFields.h"

#include <algorithm>

namespace ov {

namespace {

constexpr std::array<const char*, 4> kPrefixes{"LB", "LMB", "RMB", "RB"};
constexpr std::array<const char*, 4> kEdges{"Top", "Bottom", "Left", "Right"}; // the frame lines
constexpr std::array<const char*, 4> kPreviews{"LeftButton", "LeftMiddleButton", "RightMiddleButton",
                                               "RightButton"};

// Twips. The previews are a little narrower than the navigator's buttons so that four columns fit a
// property page; the middle pair keeps a few pixels apart so that the two frames do not run into
// each other.
constexpr float kLabelWidth = 800;
constexpr float kPreviewWidth = 1050;
constexpr float kPreviewHeight = 345;
constexpr float kOuterGap = 165;
constexpr float kPairGap = 60;

ovEn_Button_Position positionAt(size_t slot) {
    return kButtonPositions[slot];
}

} // namespace

ButtonColumns::ButtonColumns(PropertyPage& page, Frame& container, float left, float top, Options options,
                             std::function<void()> edited)
    : m_options(options), m_edited(std::move(edited)) {
    build(page, container, left, top);
}

void ButtonColumns::build(PropertyPage& page, Frame& container, float left, float top) {
    const float previewTop = top + 30; // room for the frame line above
    const float captionTop = previewTop + kPreviewHeight + 150;
    const float ruleTop = captionTop + kFieldHeight + kRowGap;
    const float checksTop = ruleTop + kFieldHeight + kRowGap;
    addFieldLabel(page, "lblCaption", "Caption", left, captionTop, kLabelWidth, &container);
    addFieldLabel(page, "lblRule", "Rule:", left, ruleTop, kLabelWidth, &container);

    float x = left + kLabelWidth + 40;
    for (size_t i = 0; i < 4; ++i) {
        const std::string p = kPrefixes[i];
        Column& c = m_columns[i];
        c.preview = &page.addChild<CommandButton>(kPreviews[i], &container);
        c.preview->Move(x, previewTop, kPreviewWidth, kPreviewHeight);
        c.preview->setTabStop(false);
        c.caption = &addTextField(page, "txt" + p + "Caption", x, captionTop, kPreviewWidth, &container);
        c.rule = &addList(page, "cbo" + p + "Rule", kButtonRuleNames, x, ruleTop, kPreviewWidth, &container);
        float y = checksTop;
        for (auto [box, caption] :
             {std::pair{&Column::enabled, "Enabled"}, std::pair{&Column::visible, "Visible"},
              std::pair{&Column::isDefault, "Default"}, std::pair{&Column::isCancel, "Cancel"}}) {
            c.*box = &addCheck(page, "chk" + p + caption, caption, x, y, kPreviewWidth, &container);
            y += kCheckHeight + 15;
        }
        m_bottom = y - 15;
        for (size_t e = 0; e < kEdges.size(); ++e)
            c.frame[e] = &page.addChild<Line>("lin" + p + kEdges[e], &container);
        placeFrame(c);

        m_links.emplace_back(c.rule->Click().connect([this, i] { onRule(i); }));
        m_links.emplace_back(c.isDefault->Click().connect([this, i] { onRole(i, &Column::isDefault); }));
        m_links.emplace_back(c.isCancel->Click().connect([this, i] { onRole(i, &Column::isCancel); }));
        m_links.emplace_back(c.caption->Change.connect([this, i] { onCaption(i); }));
        m_links.emplace_back(c.enabled->Click().connect([this, i] { onEnabled(i); }));
        m_links.emplace_back(c.visible->Click().connect([this, i] { onVisible(i); }));

        x += kPreviewWidth + (i == 1 ? kPairGap : kOuterGap);
    }
}

// The four lines take the pixel rows and columns just outside the button: the one before its top and
// left edges and the one at its right and bottom edges (a button covers [Left, Left + Width)).
void ButtonColumns::placeFrame(Column& c) {
    const Runtime& r = Runtime::current();
    const auto px = static_cast<float>(r.twipsPerPixelX());
    const auto py = static_cast<float>(r.twipsPerPixelY());
    const float l = c.preview->Left() - px, t = c.preview->Top() - py;
    const float rgt = c.preview->Left() + c.preview->Width(), btm = c.preview->Top() + c.preview->Height();
    c.frame[0]->setEnds(l, t, rgt, t);
    c.frame[1]->setEnds(l, btm, rgt + px, btm);
    c.frame[2]->setEnds(l, t, l, btm);
    c.frame[3]->setEnds(rgt, t, rgt, btm);
}

void ButtonColumns::load(ovEn_Button_Position position, const PageButtons& b) {
    Loading guard(*this);
    Column& c = m_columns[buttonSlot(position)];
    c.caption->setText(b.Caption);
    showEntry(*c.rule, static_cast<int32_t>(b.Rule));
    setTicked(*c.enabled, b.Enabled);
    setTicked(*c.visible, b.Visible);
    setTicked(*c.isDefault, b.Default);
    setTicked(*c.isCancel, b.Cancel);
    c.preview->setCaption(b.Caption);
    c.preview->setEnabled(b.Enabled);
    if (m_options.previewShowsVisible) c.preview->setVisible(b.Visible);
}

PageButtons ButtonColumns::read(ovEn_Button_Position position) const {
    const Column& c = column(position);
    PageButtons b;
    b.Caption = c.caption->Text();
    b.Visible = ticked(*c.visible);
    b.Enabled = ticked(*c.enabled);
    b.Rule = static_cast<ovEn_Button_Rule>(std::max<int32_t>(0, c.rule->ListIndex()));
    b.Position = position;
    b.Default = ticked(*c.isDefault);
    b.Cancel = ticked(*c.isCancel);
    return b;
}

int32_t ButtonColumns::defaultPosition() const {
    for (size_t i = 0; i < 4; ++i)
        if (ticked(*m_columns[i].isDefault)) return static_cast<int32_t>(positionAt(i));
    return 0;
}

int32_t ButtonColumns::cancelPosition() const {
    for (size_t i = 0; i < 4; ++i)
        if (ticked(*m_columns[i].isCancel)) return static_cast<int32_t>(positionAt(i));
    return 0;
}

void ButtonColumns::edit(const std::function<void()>& work, bool isEdit) {
    if (m_loading) return;
    work();
    if (isEdit) m_edited();
}

// Resetting another list raises its Click too; it then shows "None" and resets nothing further.
void ButtonColumns::onRule(size_t slot) {
    const int32_t rule = m_columns[slot].rule->ListIndex();
    const bool none = rule <= 0;
    edit(
        [&] {
            if (none) return;
            for (size_t i = 0; i < 4; ++i)
                if (i != slot && m_columns[i].rule->ListIndex() == rule) m_columns[i].rule->setListIndex(0);
        },
        !none || m_options.noneIsEdit);
}

void ButtonColumns::onRole(size_t slot, CheckBox* Column::*box) {
    edit([&] {
        if (!ticked(*(m_columns[slot].*box))) return;
        for (size_t i = 0; i < 4; ++i)
            if (i != slot) setTicked(*(m_columns[i].*box), false);
    });
}

void ButtonColumns::onCaption(size_t slot) {
    edit([&] { m_columns[slot].preview->setCaption(m_columns[slot].caption->Text()); });
}

void ButtonColumns::onEnabled(size_t slot) {
    edit([&] { m_columns[slot].preview->setEnabled(ticked(*m_columns[slot].enabled)); });
}

void ButtonColumns::onVisible(size_t slot) {
    edit([&] {
        if (m_options.previewShowsVisible)
            m_columns[slot].preview->setVisible(ticked(*m_columns[slot].visible));
    });
}

} // namespace ov
