#pragma once

#include "platform/PropertyPage.h"
#include "wizard/pages/ButtonColumns.h"

#include <memory>
#include <vector>

namespace ov {

class CheckBox;
class Frame;

// A wizard page's "Buttons Set" page: chkUseDefaultButtonSet ("&Use default button set") and the frame
// fraButtonSet with the four position columns (see ButtonColumns; the previews take captions,
// visibility and enabled states, and choosing "None" in a rule list is no edit). The frame is enabled
// exactly while the box is not ticked: a page that shows the navigator's set has no set of its own to
// edit. Its fields are applied all the same.
//
// Loading reads UseDefaultButtonSet and the LeftButton, LeftMiddleButton, RightMiddleButton and
// RightButton records. Apply writes UseDefaultButtonSet, then the four records built from the columns
// in that order (a record whose Default or Cancel is ticked makes its rule the page's default or
// cancel rule); then, with no Cancel box ticked, SetCancelButton(0), and with no Default box ticked,
// SetDefaultButton(0).
class ButtonsSet : public PropertyPage {
    OV_OBJECT(ButtonsSet)
public:
    ButtonsSet();
    ~ButtonsSet() override;

    const ButtonColumns& columns() const { return *m_columns; }

protected:
    void SelectionChanged() override;
    void ApplyChanges() override;

private:
    void edited();

    CheckBox* m_useDefault = nullptr;
    Frame* m_set = nullptr;
    std::unique_ptr<ButtonColumns> m_columns;
    std::vector<ScopedConnection> m_links;
};

} // namespace ov
