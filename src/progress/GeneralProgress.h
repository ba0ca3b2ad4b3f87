#pragma once

#include "progress/BoundPropertyPage.h"

namespace ov {

// The "General" page of OvProgressBar: ErrorsNotify, Caption, Max, Min and Align (a list of the three
// CaptionAlign values), read and written in that order. Because the bar checks each limit as it arrives
// and Max is written before Min, moving both limits past each other in one apply can be refused: the bar
// keeps the refused limit and, with ErrorsNotify ticked, shows its message box for it.
class GeneralProgress : public BoundPropertyPage {
    OV_OBJECT(GeneralProgress)
public:
    GeneralProgress();
};

} // namespace ov
