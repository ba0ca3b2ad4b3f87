// The page's own set of the four navigator buttons: the per-position values, the PageButtons views,
// and the default and cancel roles.
#include "wizard/OvWizardTab.h"

namespace ov {

namespace {

constexpr std::array kPositions{ovEn_Button_Position::ovBPLeft, ovEn_Button_Position::ovBPLeftMiddle,
                                ovEn_Button_Position::ovBPRightMiddle, ovEn_Button_Position::ovBPRight};

enum class Field { Visible, Enabled, Caption, Rule };

// The procedure labels and changed keys of the per-position writers, by position and field.
struct Writer {
    ProcedureLabel label;
    const char* key;
};

const Writer& writer(ovEn_Button_Position p, Field f) {
    static const Writer table[4][4] = {
        {{"::LBVisible (Let)", "LBVisible"},
         {"::LBEnabled (Let)", "LBEnabled"},
         {"::LBCaption (Let)", "LBCaption"},
         {"::LBRule (Let)", "LBRule"}},
        {{"::LMBVisible (Let)", "LMBVisible"},
         {"::LMBEnabled (Let)", "LMBEnabled"},
         {"::LMBCaption (Let)", "LMBCaption"},
         {"::LMBRule (Let)", "LMBRule"}},
        {{"::RMBVisible (Let)", "RMBVisible"},
         {"::RMBEnabled (Let)", "RMBEnabled"},
         {"::RMBCaption (Let)", "RMBCaption"},
         {"::RMBRule (Let)", "RMBRule"}},
        // The right button's Enabled writer has always relayed a differently spelt source.
        {{"::RBVisible (Let)", "RBVisible"},
         {{"::RBenabled (Let)", "::RBEnabled (Let)"}, "RBEnabled"},
         {"::RBCaption (Let)", "RBCaption"},
         {"::RBRule (Let)", "RBRule"}},
    };
    return table[static_cast<size_t>(p) - 1][static_cast<size_t>(f)];
}

bool isPosition(ovEn_Button_Position p) {
    const auto i = static_cast<int32_t>(p);
    return i >= 1 && i <= 4;
}

const char* viewLabel(ovEn_Button_Position p) {
    static const char* const labels[] = {"::LeftButton (Let)", "::LeftMiddleButton (Let)",
                                         "::RightMiddleButton (Let)", "::RightButton (Let)"};
    // Only the four views exist; any other position fails inside the writer under the record's name.
    return isPosition(p) ? labels[static_cast<size_t>(p) - 1] : "::PageButtons (Let)";
}

} // namespace

OvWizardTab::ButtonSlot& OvWizardTab::slot(ovEn_Button_Position position) {
    if (!isPosition(position)) throw Failure(err::SubscriptOutOfRange);
    return m_buttons[static_cast<size_t>(position) - 1];
}

const OvWizardTab::ButtonSlot& OvWizardTab::slot(ovEn_Button_Position position) const {
    return const_cast<OvWizardTab*>(this)->slot(position);
}

void OvWizardTab::setButtonVisible(ovEn_Button_Position p, bool value) {
    const Writer& w = writer(p, Field::Visible);
    writeProperty(w.label, w.key, [&] { slot(p).visible = value; });
}

void OvWizardTab::setButtonEnabled(ovEn_Button_Position p, bool value) {
    const Writer& w = writer(p, Field::Enabled);
    writeProperty(w.label, w.key, [&] { slot(p).enabled = value; });
}

void OvWizardTab::setButtonCaption(ovEn_Button_Position p, const std::string& value) {
    const Writer& w = writer(p, Field::Caption);
    writeProperty(w.label, w.key, [&] { slot(p).caption = value; });
}

void OvWizardTab::setButtonRule(ovEn_Button_Position p, ovEn_Button_Rule value) {
    const Writer& w = writer(p, Field::Rule);
    writeProperty(w.label, w.key, [&] { slot(p).rule = value; });
}

PageButtons OvWizardTab::buttonView(ovEn_Button_Position position) {
    const ButtonSlot& s = slot(position);
    PageButtons& buffer = m_buffers[static_cast<size_t>(position) - 1];
    buffer.Position = position;
    buffer.Caption = s.caption;
    buffer.Enabled = s.enabled;
    buffer.Visible = s.visible;
    buffer.Rule = s.rule;
    buffer.Default = m_defaultButton == static_cast<int32_t>(position);
    buffer.Cancel = m_cancelButton == static_cast<int32_t>(position);
    return buffer;
}

void OvWizardTab::setButtonView(ovEn_Button_Position position, const PageButtons& button) {
    trapFailures(*this, viewLabel(position), [&] {
        slot(position);
        m_buffers[static_cast<size_t>(position) - 1] = button;
        setButtonVisible(position, button.Visible);
        setButtonEnabled(position, button.Enabled);
        setButtonCaption(position, button.Caption);
        setButtonRule(position, button.Rule);
        // A false Default or Cancel leaves the stored role where it is.
        if (button.Default) SetDefaultButton(button.Rule);
        if (button.Cancel) SetCancelButton(button.Rule);
    });
}

void OvWizardTab::setUseDefaultButtonSet(bool value) {
    writeProperty("::UseDefaultButtonSet (Let)", "UseDefaultButtonSet",
                  [&] { m_useDefaultButtonSet = value; });
}

PageButtons OvWizardTab::GetButton(ovEn_Button_Rule rule) {
    return trapFailures(*this, "::GetButton", [&] {
        for (auto p : kPositions) {
            PageButtons b = buttonView(p);
            if (b.Rule == rule) return b;
        }
        return PageButtons{};
    });
}

bool OvWizardTab::SetButton(ovEn_Button_Position position, PageButtons& button) {
    return trapFailures(*this, "::SetButton", [&] {
        if (!isPosition(position)) return false;
        for (auto p : kPositions) {
            if (p == position || buttonRule(p) != button.Rule) continue;
            // Rules stay unique: the button that was here moves to where the rule was.
            const PageButtons former = buttonView(position);
            setButtonView(position, button);
            setButtonView(p, former);
            return true;
        }
        setButtonView(position, button);
        return false;
    });
}

void OvWizardTab::SetDefaultButton(ovEn_Button_Rule rule) {
    writeProperty("::SetDefaultButton", "DefaultButton", [&] {
        m_defaultButton = 0;
        for (auto p : kPositions) {
            if (buttonRule(p) == rule) m_defaultButton = static_cast<int32_t>(p);
        }
    });
}

void OvWizardTab::SetCancelButton(ovEn_Button_Rule rule) {
    writeProperty("::SetCancelButton", "CancelButton", [&] {
        m_cancelButton = 0;
        for (auto p : kPositions) {
            if (buttonRule(p) == rule) m_cancelButton = static_cast<int32_t>(p);
        }
    });
}

} // namespace ov
