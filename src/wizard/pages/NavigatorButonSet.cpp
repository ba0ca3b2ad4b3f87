#include "wizard/pages/NavigatorButonSet.h"

#include "platform/CheckBox.h"
#include "platform/ComboBox.h"
#include "platform/Frame.h"
#include "platform/Label.h"
#include "platform/TextBox.h"
#include "wizard/pages/PageFields.h"

namespace ov {

namespace {

constexpr std::array<const char*, 4> kFinishPositions{"Left Button", "Left Middle Button",
                                                      "Right Middle Button", "Right Button"};
// The navigator's property names of each position: <prefix>Caption, <prefix>Rule, ...
constexpr std::array<const char*, 4> kPositionNames{"LeftButton", "LeftMiddleButton", "RightMiddleButton",
                                                    "RightButton"};
constexpr float kFrameWidth = 5670;
constexpr float kFrameInset = 120;

std::string member(size_t slot, const char* field) {
    return std::string(kPositionNames[slot]) + field;
}

} // namespace

const ClassInfo& NavigatorButonSet::staticClass() {
    return propertyPageClass<NavigatorButonSet>("{09171286-AA11-4DA2-AF78-1031C16A94F4}");
}

NavigatorButonSet::NavigatorButonSet() : PropertyPage("Button Set") {
    Frame& set = addChild<Frame>("fraButtonSet");
    set.setCaption("Default Button Set");
    m_columns = std::make_unique<ButtonColumns>(*this, set, kFrameInset, 240,
                                                ButtonColumns::Options{false, true}, [this] { edited(); });
    set.Move(kPageMargin, kPageMargin, kFrameWidth, m_columns->bottom() + 150);
    buildFinishFrame(set.Top() + set.Height() + 120);
}

NavigatorButonSet::~NavigatorButonSet() = default;

void NavigatorButonSet::buildFinishFrame(float top) {
    Frame& f = addChild<Frame>("fraFinish");
    f.setCaption("Finish Button");
    constexpr float labelTop = 240, fieldTop = 480;
    struct Column {
        const char* label;
        float left, width;
    };
    const Column position{"Finish Position", kFrameInset, 1950}, rule{"Finish Rule", 2170, 1000},
        caption{"Finish Caption", 3270, 1150};
    for (const Column& c : {position, rule, caption}) {
        Label& l = addChild<Label>(std::string("lbl") + c.label, &f);
        l.setCaption(c.label);
        l.setBackStyle(0);
        l.Move(c.left, labelTop, c.width, 195);
    }
    m_finishPosition =
        &addList(*this, "cboFinishPosition", kFinishPositions, position.left, fieldTop, position.width, &f);
    m_finishRule = &addList(*this, "cboFinishRule", kButtonRuleNames, rule.left, fieldTop, rule.width, &f);
    m_finishCaption = &addTextField(*this, "txtFinishCaption", caption.left, fieldTop, caption.width, &f);
    const float checkLeft = caption.left + caption.width + 140;
    const float checkWidth = kFrameWidth - kFrameInset - checkLeft;
    m_finishEnabled =
        &addCheck(*this, "chkFinishEnabled", "Enabled", checkLeft, labelTop + 30, checkWidth, &f);
    m_finishVisible =
        &addCheck(*this, "chkFinishVisible", "Visible", checkLeft, fieldTop + 60, checkWidth, &f);
    f.Move(kPageMargin, top, kFrameWidth, fieldTop + kFieldHeight + 180);
    setSize(kPageMargin * 2 + kFrameWidth, f.Top() + f.Height() + kPageMargin);

    auto onEdit = [this] { edited(); };
    m_links.emplace_back(m_finishPosition->Click().connect(onEdit));
    m_links.emplace_back(m_finishRule->Click().connect(onEdit));
    m_links.emplace_back(m_finishCaption->Change.connect(onEdit));
    m_links.emplace_back(m_finishEnabled->Click().connect(onEdit));
    m_links.emplace_back(m_finishVisible->Click().connect(onEdit));
}

void NavigatorButonSet::edited() {
    setChanged(true);
}

void NavigatorButonSet::SelectionChanged() {
    Object& nav = firstSelected();
    const int32_t defaultButton = nav.get("DefaultButton").toInt32();
    const int32_t cancelButton = nav.get("CancelButton").toInt32();
    for (size_t i = 0; i < 4; ++i) {
        PageButtons b;
        b.Caption = nav.get(member(i, "Caption")).toString();
        b.Rule = static_cast<ovEn_Button_Rule>(nav.get(member(i, "Rule")).toInt32());
        b.Enabled = nav.get(member(i, "Enabled")).toBool();
        b.Visible = nav.get(member(i, "Visible")).toBool();
        b.Default = defaultButton == static_cast<int32_t>(kButtonPositions[i]);
        b.Cancel = cancelButton == static_cast<int32_t>(kButtonPositions[i]);
        m_columns->load(kButtonPositions[i], b);
    }
    m_finishCaption->setText(nav.get("FinishCaption").toString());
    showEntry(*m_finishRule, nav.get("FinishRule").toInt32());
    showEntry(*m_finishPosition, nav.get("FinishPosition").toInt32() - 1);
    setTicked(*m_finishEnabled, nav.get("FinishEnabled").toBool());
    setTicked(*m_finishVisible, nav.get("FinishVisible").toBool());
}

void NavigatorButonSet::ApplyChanges() {
    Object& nav = firstSelected();
    for (size_t i = 0; i < 4; ++i) {
        const PageButtons b = m_columns->read(kButtonPositions[i]);
        nav.let(member(i, "Caption"), Variant(b.Caption));
        nav.let(member(i, "Rule"), Variant(static_cast<int32_t>(b.Rule)));
        nav.let(member(i, "Visible"), Variant(b.Visible));
        nav.let(member(i, "Enabled"), Variant(b.Enabled));
    }
    nav.let("FinishCaption", Variant(m_finishCaption->Text()));
    nav.let("FinishPosition", Variant(m_finishPosition->ListIndex() + 1));
    nav.let("FinishRule", Variant(m_finishRule->ListIndex()));
    nav.let("FinishEnabled", Variant(ticked(*m_finishEnabled)));
    nav.let("FinishVisible", Variant(ticked(*m_finishVisible)));
    nav.let("CancelButton", Variant(m_columns->cancelPosition()));
    nav.let("DefaultButton", Variant(m_columns->defaultPosition()));
}

} // namespace ov
