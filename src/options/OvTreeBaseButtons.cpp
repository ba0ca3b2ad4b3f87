// The button bar and the layout of the options frame.
#include "frame/ErrorReporting.h"
#include "options/OvTreeBase.h"
#include "platform/CommandButton.h"
#include "platform/Form.h"
#include "platform/Frame.h"
#include "platform/PictureBox.h"
#include "platform/Runtime.h"
#include "platform/TreeView.h"

#include <cmath>

namespace ov {

namespace {
constexpr float kBarHeight = 615;
float px() {
    return static_cast<float>(Runtime::current().twipsPerPixelX());
}
float py() {
    return static_cast<float>(Runtime::current().twipsPerPixelY());
}
int32_t rounded(double v) {
    return static_cast<int32_t>(Variant::roundHalfEven(v));
}
} // namespace

void OvTreeBase::setShowApply(bool& value) {
    if (value != m_showApply) PropertyChanged("ShowApply");
    m_showApply = value;
    applyHelpApplyCaption();
}

void OvTreeBase::applyHelpApplyCaption() {
    child<CommandButton>("cmdHelpApply")
        .setCaption(!m_helpApplyCaption.empty() ? m_helpApplyCaption
                    : m_showApply               ? "Apply"
                                                : "Help");
}

void OvTreeBase::setHelpApplyCaption(const std::string& value) {
    m_helpApplyCaption = trimBlanks(value);
    applyHelpApplyCaption();
    PropertyChanged("HelpApplyCaption");
}

void OvTreeBase::setDefaultButton(en_Buttons& value) {
    int32_t stored = 0;
    switch (value) {
    case en_Buttons::btnOK:
        stored = 0;
        break;
    case en_Buttons::btnCancel:
        stored = 1;
        break;
    case en_Buttons::btnHelp:
    case en_Buttons::btnApply:
        stored = 2;
        break;
    case en_Buttons::btnCustom:
        stored = 4;
        break;
    default:
        return;
    }
    button(value).setDefault(true);
    m_defaultButton = stored;
}

void OvTreeBase::EnableButton(en_Buttons& Button) {
    CommandButton& b = button(Button);
    b.setEnabled(true);
    const int32_t role = Button == en_Buttons::btnApply ? 2 : static_cast<int32_t>(Button);
    if (role == m_defaultButton) b.setDefault(true);
}

void OvTreeBase::DisableButton(en_Buttons& Button) {
    CommandButton& b = button(Button);
    b.setEnabled(false);
    b.setDefault(false);
}

std::string OvTreeBase::CustomCaption() const {
    return child<CommandButton>("cmdCustom").Caption();
}

void OvTreeBase::setCustomCaption(const std::string& value) {
    child<CommandButton>("cmdCustom").setCaption(value);
    PropertyChanged("CustomCaption");
}

bool OvTreeBase::CustomVisible() {
    child<CommandButton>("cmdCustom").setVisible(m_customVisible);
    return m_customVisible;
}

void OvTreeBase::setCustomVisible(bool value) {
    m_customVisible = value;
    child<CommandButton>("cmdCustom").setVisible(value);
    PropertyChanged("CustomVisible");
}

// ---- Layout ----

int32_t OvTreeBase::ClientTop() const {
    return rounded(6.0 * py());
}

int32_t OvTreeBase::ClientLeft() const {
    const TreeView& t = tvOptions();
    return rounded(t.Left() + t.Width() + 20.0 * px());
}

int32_t OvTreeBase::ClientHeight() const {
    return rounded(child<PictureBox>("picButtons").Top() - ClientTop() - 2.0 * py());
}

int32_t OvTreeBase::ClientWidth() const {
    return rounded(ScaleWidth() - ClientLeft() - 10.0 * px());
}

void OvTreeBase::onResize() {
    // Failures during resize are ignored.
    ignoreFailures([&] {
        // The bar is docked to the bottom of the control.
        PictureBox& bar = child<PictureBox>("picButtons");
        bar.Move(0, std::max(0.0f, ScaleHeight() - kBarHeight), ScaleWidth(), kBarHeight);
        TreeView& tree = tvOptions();
        const bool normal = !isSited() || parentForm().WindowState() == 0;
        if (normal && bar.Top() - tree.Top() > 100)
            tree.setHeight(ScaleHeight() - tree.Top() - bar.Height() + 4 * py());
        CTabManager& t = tabs();
        t.setClientLeft(ClientLeft());
        t.setClientTop(ClientTop());
        t.setClientWidth(ClientWidth());
        t.setClientHeight(ClientHeight());
        t.ResizeBase();
    });
    layoutButtons();
}

void OvTreeBase::layoutButtons() {
    // Failures during the bar's resize are ignored.
    ignoreFailures([&] {
        const float w = child<CommandButton>("cmdOK").Width();
        const float r = static_cast<float>(ClientLeft() + ClientWidth());
        child<Frame>("fraTop").Move(static_cast<float>(ClientLeft()), 0, static_cast<float>(ClientWidth()));
        CommandButton& custom = child<CommandButton>("cmdCustom");
        CommandButton& ok = child<CommandButton>("cmdOK");
        CommandButton& cancel = child<CommandButton>("cmdCancel");
        CommandButton& helpApply = child<CommandButton>("cmdHelpApply");
        custom.setLeft(r - 4 * w - 19 * px());
        ok.setLeft(custom.Left() + custom.Width() + 6 * px());
        cancel.setLeft(ok.Left() + ok.Width() + 6 * px());
        helpApply.setLeft(cancel.Left() + cancel.Width() + 7 * px());
    });
}

} // namespace ov
