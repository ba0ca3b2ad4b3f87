#pragma once

#include "platform/PropertyPage.h"
#include "wizard/pages/ButtonColumns.h"

#include <memory>
#include <vector>

namespace ov {

class CheckBox;
class ComboBox;
class Frame;
class TextBox;

// The navigator's button-set page. The frame "Default Button Set" (fraButtonSet) holds the four
// position columns (see ButtonColumns; the previews take captions and enabled states), the Finish
// frame (fraFinish) holds cboFinishPosition ("Left Button" ... "Right Button", list index + 1 =
// position), cboFinishRule (the seven rule names), txtFinishCaption, chkFinishEnabled and
// chkFinishVisible.
//
// Loading reads each position's Caption, Rule, Enabled and Visible, ticks the Default and Cancel boxes
// of the DefaultButton and CancelButton positions, then reads the Finish settings. Apply writes, for
// left, left-middle, right-middle and right, <Position>Caption, Rule, Visible and Enabled; then
// FinishCaption, FinishPosition, FinishRule, FinishEnabled, FinishVisible; then CancelButton and
// DefaultButton (the ticked position, 0 when no box is ticked). At design time the navigator's writers
// also update the thread's default button set, so pages placed afterwards start from it.
class NavigatorButonSet : public PropertyPage {
    OV_OBJECT(NavigatorButonSet)
public:
    NavigatorButonSet();
    ~NavigatorButonSet() override;

    const ButtonColumns& columns() const { return *m_columns; }

protected:
    void SelectionChanged() override;
    void ApplyChanges() override;

private:
    void buildFinishFrame(float top);
    void edited();

    std::unique_ptr<ButtonColumns> m_columns;
    ComboBox* m_finishPosition = nullptr;
    ComboBox* m_finishRule = nullptr;
    TextBox* m_finishCaption = nullptr;
    CheckBox* m_finishEnabled = nullptr;
    CheckBox* m_finishVisible = nullptr;
    std::vector<ScopedConnection> m_links;
};

} // namespace ov
