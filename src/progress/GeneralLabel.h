#pragma once

#include "progress/BoundPropertyPage.h"

namespace ov {

// The "General" page of OvLabel: AutoSize, Enabled, Caption and Alignment (a list of the en_Alignment
// values), read and written in that order; then Visible, which the page has no field for, written back as
// it was read at the last selection change: fitting a label to its caption (AutoSize) shows it, and a
// label hidden at design time stays hidden.
class GeneralLabel : public BoundPropertyPage {
    OV_OBJECT(GeneralLabel)
public:
    GeneralLabel();
};

} // namespace ov
