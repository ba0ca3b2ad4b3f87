// The navigator's button bar: position settings, button sets applied on page changes, the ends of
// the page chain, the Finish overlay, click dispatch and focus.
#include "platform/CommandButton.h"
#include "platform/Extender.h"
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

// The label of a position property writer, e.g. "::LeftButtonEnabled (Let)"; kept for the whole run.
constexpr const char* kFields[] = {"Visible", "Enabled", "Rule", "Caption"};

size_t fieldSlot(const char* field) {
    size_t f = 0;
    while (std::string_view(kFields[f]) != field)
        ++f;
    return f;
}

const char* writerLabel(ovEn_Button_Position p, const char* field) {
    static thread_local std::array<std::array<std::string, 4>, 4> labels;
    std::string& l = labels[buttonSlot(p)][fieldSlot(field)];
    if (l.empty()) l = std::string("::") + positionName(p) + field + " (Let)";
    return l.c_str();
}

// The stored key of a button's field ("RightMiddleButtonEnabled"), made once: a page change writes
// every button's fields.
const std::string& storedKey(ovEn_Button_Position p, const char* field) {
    static thread_local std::array<std::array<std::string, 4>, 4> keys;
    std::string& k = keys[buttonSlot(p)][fieldSlot(field)];
    if (k.empty()) k = std::string(positionName(p)) + field;
    return k;
}

std::string ruleText(ovEn_Button_Rule r) {
    return std::to_string(static_cast<int32_t>(r));
}

// The rule a button's tag holds, compared as a number; a tag that is not a number is no rule.
int32_t tagRule(const CommandButton& b) {
    double v = 0;
    return Variant::parseNumber(b.Tag(), v) ? static_cast<int32_t>(v) : -1;
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
    trapFailures(*this, writerLabel(p, "Visible"), [&] {
        setting(p).visible = v;
        button(p).setVisible(v);
        shareDefault(p, [&](ButtonSetting& s) { s.Visible = v; });
        PropertyChanged(storedKey(p, "Visible"));
    });
}

void OvWizardNavigator::setButtonEnabled(ovEn_Button_Position p, bool v) {
    trapFailures(*this, writerLabel(p, "Enabled"), [&] {
        setting(p).enabled = v;
        button(p).setEnabled(v);
        if (m_defaultButton == p) ApplyDefaultButton(v ? p : ovEn_Button_Position::ovBPNone);
        if (m_cancelButton == p) ApplyCancelButton(v ? p : ovEn_Button_Position::ovBPNone);
        shareDefault(p, [&](ButtonSetting& s) { s.Enabled = v; });
        PropertyChanged(storedKey(p, "Enabled"));
    });
}

void OvWizardNavigator::setButtonRule(ovEn_Button_Position p, ovEn_Button_Rule v) {
    trapFailures(*this, writerLabel(p, "Rule"), [&] {
        setting(p).rule = v;
        button(p).setTag(ruleText(v));
        shareDefault(p, [&](ButtonSetting& s) { s.Rule = static_cast<int32_t>(v); });
        PropertyChanged(storedKey(p, "Rule"));
    });
}

void OvWizardNavigator::setButtonCaption(ovEn_Button_Position p, const std::string& v) {
    trapFailures(*this, writerLabel(p, "Caption"), [&] {
        setting(p).caption = v;
        button(p).setCaption(v);
        shareDefault(p, [&](ButtonSetting& s) { s.Caption = v; });
        PropertyChanged(storedKey(p, "Caption"));
    });
}

// A position or none: none (or any value outside 1..4) leaves no button with the role.
void OvWizardNavigator::ApplyDefaultButton(ovEn_Button_Position positionOrNone) {
    for (auto p : kButtonPositions)
        button(p).setDefault(setting(p).enabled && p == positionOrNone);
}

void OvWizardNavigator::ApplyCancelButton(ovEn_Button_Position positionOrNone) {
    for (auto p : kButtonPositions)
        button(p).setCancel(setting(p).enabled && p == positionOrNone);
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
        for (auto p : kButtonPositions) {
            const ButtonSetting& s = useDefault ? m.defaultSet(p) : m.pageSet(p);
            if (useDefault || s.Rule != 0) {
                setButtonVisible(p, s.Visible);
                setButtonEnabled(p, s.Enabled);
                setButtonRule(p, static_cast<ovEn_Button_Rule>(s.Rule));
                setButtonCaption(p, s.Caption);
            } else {
                setButtonVisible(p, false);
                setButtonEnabled(p, false);
            }
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
