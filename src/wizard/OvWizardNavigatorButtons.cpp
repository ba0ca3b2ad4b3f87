// The navigator's button bar: position settings, button sets applied on page changes, the ends of
// the page chain, the Finish overlay, click dispatch and focus.
#include "platform/CommandButton.h"
#include "platform/Extender.h"
#include "platform/Form.h"
#include "wizard/CWizardNavigator.h"
#include "wizard/OvWizardNavigator.h"

namespace ov {

namespace {

const char* positionName(ovEn_Button_Position p) {
    switch (p) {
    case ovEn_Button_Position::ovBPLeft:
        return "LeftButton";
    case ovEn_Button_Position::ovBPLeftMiddle:
        return "LeftMiddleButton";
    case ovEn_Button_Position::ovBPRightMiddle:
        return "RightMiddleButton";
    default:
        return "RightButton";
    }
}

// A position property's field, in the order of kFields.
enum Field : size_t { kVisible, kEnabled, kRule, kCaption };
constexpr const char* kFields[] = {"Visible", "Enabled", "Rule", "Caption"};

// Texts of each position and field, made once for all threads: a page change writes every button's
// fields, and the texts are the same wherever they are written.
using FieldTexts = std::array<std::array<std::string, 4>, 4>;
FieldTexts fieldTexts(const char* before, const char* after) {
    FieldTexts texts;
    for (auto p : kButtonPositions) {
        for (size_t f = 0; f < 4; ++f)
            texts[buttonSlot(p)][f] = std::string(before) + positionName(p) + kFields[f] + after;
    }
    return texts;
}

// The label of a position property writer, e.g. "::LeftButtonEnabled (Let)".
const char* writerLabel(ovEn_Button_Position p, Field field) {
    static const FieldTexts labels = fieldTexts("::", " (Let)");
    return labels[buttonSlot(p)][field].c_str();
}

// The stored key of a button's field ("RightMiddleButtonEnabled").
const std::string& storedKey(ovEn_Button_Position p, Field field) {
    static const FieldTexts keys = fieldTexts("", "");
    return keys[buttonSlot(p)][field];
}

std::string ruleText(ovEn_Button_Rule r) {
    return std::to_string(static_cast<int32_t>(r));
}

// The rule a button's tag holds, compared as a number; a tag that is not a number is no rule.
int32_t tagRule(const CommandButton& b) {
    const std::string tag = b.Tag();
    // The navigator writes one digit; any other text is read as a number would be.
    if (tag.size() == 1 && tag[0] >= '0' && tag[0] <= '9') return tag[0] - '0';
    double v = 0;
    return Variant::parseNumber(tag, v) ? static_cast<int32_t>(v) : -1;
}

} // namespace

template <class F>
void OvWizardNavigator::shareDefault(ovEn_Button_Position p, F change) {
    if (!m_mediator || !isSited() || ambientUserMode()) return;
    ButtonSetting s = m_mediator->defaultSet(p);
    change(s);
    m_mediator->setDefaultSet(p, std::move(s));
}

void OvWizardNavigator::setButtonVisible(ovEn_Button_Position p, bool v) {
    trapFailures(*this, writerLabel(p, kVisible), [&] {
        setting(p).visible = v;
        button(p).setVisible(v);
        shareDefault(p, [&](ButtonSetting& s) { s.Visible = v; });
        PropertyChanged(storedKey(p, kVisible));
    });
}

void OvWizardNavigator::setButtonEnabled(ovEn_Button_Position p, bool v) {
    trapFailures(*this, writerLabel(p, kEnabled), [&] {
        setting(p).enabled = v;
        button(p).setEnabled(v);
        if (m_defaultButton == p) ApplyDefaultButton(v ? p : ovEn_Button_Position::ovBPNone);
        if (m_cancelButton == p) ApplyCancelButton(v ? p : ovEn_Button_Position::ovBPNone);
        shareDefault(p, [&](ButtonSetting& s) { s.Enabled = v; });
        PropertyChanged(storedKey(p, kEnabled));
    });
}

void OvWizardNavigator::setButtonRule(ovEn_Button_Position p, ovEn_Button_Rule v) {
    trapFailures(*this, writerLabel(p, kRule), [&] {
        setting(p).rule = v;
        button(p).setTag(ruleText(v));
        shareDefault(p, [&](ButtonSetting& s) { s.Rule = static_cast<int32_t>(v); });
        PropertyChanged(storedKey(p, kRule));
    });
}

void OvWizardNavigator::setButtonCaption(ovEn_Button_Position p, const std::string& v) {
    trapFailures(*this, writerLabel(p, kCaption), [&] {
        setting(p).caption = v;
        button(p).setCaption(v);
        shareDefault(p, [&](ButtonSetting& s) { s.Caption = v; });
        PropertyChanged(storedKey(p, kCaption));
    });
}

// A position or none: none (or any value outside 1..4) leaves no button with the role.
// The four buttons are the navigator's only command buttons, so a button whose role is already right
// is left alone (setting a role clears it on the other command buttons).
void OvWizardNavigator::ApplyDefaultButton(ovEn_Button_Position positionOrNone) {
    for (auto p : kButtonPositions) {
        CommandButton& b = button(p);
        const bool v = setting(p).enabled && p == positionOrNone;
        if (b.Default() != v) b.setDefault(v);
    }
}

void OvWizardNavigator::ApplyCancelButton(ovEn_Button_Position positionOrNone) {
    for (auto p : kButtonPositions) {
        CommandButton& b = button(p);
        const bool v = setting(p).enabled && p == positionOrNone;
        if (b.Cancel() != v) b.setCancel(v);
    }
}

void OvWizardNavigator::setDefaultButton(ovEn_Button_Position v) {
    trapFailures(*this, "::DefaultButton (Let)", [&] {
        m_defaultButton = v;
        ApplyDefaultButton(v);
        PropertyChanged("DefaultButton");
    });
}

void OvWizardNavigator::setCancelButton(ovEn_Button_Position v) {
    trapFailures(*this, "::CancelButton (Let)", [&] {
        m_cancelButton = v;
        ApplyCancelButton(v);
        PropertyChanged("CancelButton");
    });
}

void OvWizardNavigator::setFinishVisible(bool v) {
    trapFailures(*this, "::FinishVisible (Let)", [&] {
        m_finishVisible = v;
        CommandButton& b = button(m_finishPosition);
        if (v) {
            b.setVisible(true);
            b.setCaption(m_finishCaption);
            b.setEnabled(m_finishEnabled);
            b.setTag(ruleText(m_finishRule));
        } else {
            // Only the visibility is undone; the next button set restores the rest.
            b.setVisible(setting(m_finishPosition).visible);
        }
        PropertyChanged("FinishVisible");
    });
}

void OvWizardNavigator::setFinishCaption(const std::string& v) {
    trapFailures(*this, "::FinishCaption (Let)", [&] {
        m_finishCaption = v;
        if (m_finishVisible) button(m_finishPosition).setCaption(v);
        PropertyChanged("FinishCaption");
    });
}

void OvWizardNavigator::setFinishEnabled(bool v) {
    trapFailures(*this, "::FinishEnabled (Let)", [&] {
        m_finishEnabled = v;
        if (m_finishVisible) button(m_finishPosition).setEnabled(v);
        PropertyChanged("FinishEnabled");
    });
}

void OvWizardNavigator::setFinishRule(ovEn_Button_Rule v) {
    trapFailures(*this, "::FinishRule (Let)", [&] {
        m_finishRule = v;
        PropertyChanged("FinishRule");
    });
}

void OvWizardNavigator::setFinishPosition(ovEn_Button_Position v) {
    trapFailures(*this, "::FinishPosition (Let)", [&] {
        m_finishPosition = v;
        PropertyChanged("FinishPosition");
    });
}

void OvWizardNavigator::setEnabled(bool v) {
    trapFailures(*this, "::Enabled (Let)", [&] {
        UserControl::setEnabled(v);
        if (v) {
            if (isSited() && ambientUserMode()) RestoreButtonsEnabled();
            ApplyDefaultButton(m_defaultButton);
            ApplyCancelButton(m_cancelButton);
        } else {
            for (auto p : kButtonPositions)
                button(p).setEnabled(false);
            if (isButtonPosition(m_defaultButton)) button(m_defaultButton).setDefault(false);
            if (isButtonPosition(m_cancelButton)) button(m_cancelButton).setCancel(false);
        }
        PropertyChanged("Enabled");
    });
}

void OvWizardNavigator::setBackColor(OleColor v) {
    trapFailures(*this, "::BackColor (Let)", [&] {
        UserControl::setBackColor(v);
        PropertyChanged("BackColor");
    });
}

void OvWizardNavigator::RestoreButtonsEnabled() {
    const CWizardNavigator& m = mediator();
    for (auto p : kButtonPositions) {
        if (m.UseDefaultButtonSet()) {
            setButtonEnabled(p, m.defaultSet(p).Enabled);
        } else {
            const ButtonSetting& s = m.pageSet(p);
            setButtonEnabled(p, s.Rule != 0 ? s.Enabled : false);
        }
    }
}

// The mediator's listeners keep their failures to themselves.
void OvWizardNavigator::onChangeButtons() {
    ignoreFailures([&] {
        const CWizardNavigator& m = mediator();
        UserControl::setEnabled(true);
        const bool useDefault = m.UseDefaultButtonSet();
        m_defaultButton =
            static_cast<ovEn_Button_Position>(useDefault ? m.DefaultButton() : m.PageDefaultButton());
        m_cancelButton =
            static_cast<ovEn_Button_Position>(useDefault ? m.CancelButton() : m.PageCancelButton());
        // Every page change, and every page load of a running wizard (each shows the start page again),
        // applies the whole set. A value that the navigator and its button hold already, under a key the
        // form has recorded as changed while it needs saving, is not written again: the write would change
        // nothing (the default and cancel roles are applied below in any case). At design time a write
        // also updates the shared defaults, so everything is written.
        const Extender* site = isSited() ? &extender() : nullptr;
        const bool settled = ambientUserMode() && site && site->form() && site->form()->needsSaving();
        auto holds = [&](ovEn_Button_Position p, Field field, bool same) {
            return settled && same && site->hasChangedKey(storedKey(p, field));
        };
        for (auto p : kButtonPositions) {
            const ButtonSetting& s = useDefault ? m.defaultSet(p) : m.pageSet(p);
            const PositionSetting& now = setting(p);
            const CommandButton& b = button(p);
            const bool used = useDefault || s.Rule != 0;
            const bool visible = used && s.Visible, enabled = used && s.Enabled;
            if (!holds(p, kVisible, now.visible == visible && b.Visible() == visible))
                setButtonVisible(p, visible);
            if (!holds(p, kEnabled, now.enabled == enabled && b.Enabled() == enabled))
                setButtonEnabled(p, enabled);
            if (!used) continue;
            const auto rule = static_cast<ovEn_Button_Rule>(s.Rule);
            if (!holds(p, kRule, now.rule == rule && b.Tag() == ruleText(rule))) setButtonRule(p, rule);
            if (!holds(p, kCaption, now.caption == s.Caption && b.Caption() == s.Caption))
                setButtonCaption(p, s.Caption);
        }
        ApplyDefaultButton(m_defaultButton);
        ApplyCancelButton(m_cancelButton);
    });
}

void OvWizardNavigator::onChangePreviousPageIndex() {
    ignoreFailures([&] {
        const bool first = mediator().PreviousPageIndex() < 1;
        for (auto p : kButtonPositions) {
            if (tagRule(button(p)) == static_cast<int32_t>(ovEn_Button_Rule::ovBRBack))
                setButtonEnabled(p, !first);
        }
    });
}

void OvWizardNavigator::onChangeNextPageIndex() {
    ignoreFailures([&] {
        const CWizardNavigator& m = mediator();
        if (!m.UseDefaultButtonSet()) return;
        setFinishVisible(m.NextPageIndex() == 0);
        const bool last = m.NextPageIndex() < 1;
        for (auto p : kButtonPositions) {
            CommandButton& b = button(p);
            if (tagRule(b) == static_cast<int32_t>(ovEn_Button_Rule::ovBRNext))
                b.setEnabled(last ? false : setting(p).enabled);
        }
    });
}

// A click never fails: Back and Next report their own failures.
void OvWizardNavigator::onButtonClick(ovEn_Button_Position p) {
    ignoreFailures([&] {
        const std::string tag = button(p).Tag();
        if (tag == "1") {
            BackClick();
        } else if (tag == "4") {
            HelpClick();
            return;
        } else if (tag == "6") {
            FinishClick();
        } else if (tag == "2") {
            NextClick();
        } else if (tag == "3") {
            CancelClick();
        } else if (tag == "5") {
            ExitClick();
        }
        bringToFront();
        m_lastError = {};
    });
}

// The first focus after the wizard is shown goes to the default button, if there is one to take it.
void OvWizardNavigator::onNavigatorFocus() {
    if (!m_focusPending) return;
    ignoreFailures([&] {
        if (!isButtonPosition(m_defaultButton)) return;
        CommandButton& b = button(m_defaultButton);
        if (b.Enabled() && b.Visible()) b.SetFocus();
    });
    m_focusPending = false;
}

void OvWizardNavigator::SetFocusOnButton(ovEn_Button_Position New_DefaultButton) {
    trapFailures(*this, "::SetFocusOnButton", [&] {
        if (!isButtonPosition(New_DefaultButton)) return;
        CommandButton& b = button(New_DefaultButton);
        if (b.Enabled() && b.Visible()) b.SetFocus();
    });
}

} // namespace ov
