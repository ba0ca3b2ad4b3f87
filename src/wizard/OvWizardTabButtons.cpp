// The page's own set of the four navigator buttons: the per-position values, the PageButtons views,
// and the default and cancel roles.
#include "wizard/OvWizardTab.h"

namespace ov {

namespace {

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
    return table[buttonSlot(p)][static_cast<size_t>(f)];
}

const char* viewLabel(ovEn_Button_Position p) {
    static const char* const labels[] = {"::LeftButton (Let)", "::LeftMiddleButton (Let)",
                                         "::RightMiddleButton (Let)", "::RightButton (Let)"};
    // Only the four views exist; any other position fails inside the writer under the record's name.
    return isButtonPosition(p) ? labels[buttonSlot(p)] : "::PageButtons (Let)";
}

} // namespace

OvWizardTab::ButtonSlot& OvWizardTab::slot(ovEn_Button_Position position) {
    return m_buttons[buttonSlot(position)];
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
    // Every field is the page's own value: a record written before is not kept.
    const ButtonSlot& s = slot(position);
    PageButtons view;
    view.Position = position;
    view.Caption = s.caption;
    view.Enabled = s.enabled;
    view.Visible = s.visible;
    view.Rule = s.rule;
    view.Default = m_defaultButton == static_cast<int32_t>(position);
    view.Cancel = m_cancelButton == static_cast<int32_t>(position);
    return view;
}

void OvWizardTab::setButtonView(ovEn_Button_Position position, const PageButtons& button) {
    trapFailures(*this, viewLabel(position), [&] {
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
        for (auto p : kButtonPositions) {
            PageButtons b = buttonView(p);
            if (b.Rule == rule) return b;
        }
        return PageButtons{};
    });
}

bool OvWizardTab::SetButton(ovEn_Button_Position position, PageButtons& button) {
    return trapFailures(*this, "::SetButton", [&] {
        if (!isButtonPosition(position)) return false;
        for (auto p : kButtonPositions) {
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
        for (auto p : kButtonPositions) {
            if (buttonRule(p) == rule) m_defaultButton = static_cast<int32_t>(p);
        }
    });
}

void OvWizardTab::SetCancelButton(ovEn_Button_Rule rule) {
    writeProperty("::SetCancelButton", "CancelButton", [&] {
        m_cancelButton = 0;
        for (auto p : kButtonPositions) {
            if (buttonRule(p) == rule) m_cancelButton = static_cast<int32_t>(p);
        }
    });
}

} // namespace ov
