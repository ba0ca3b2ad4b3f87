#pragma once

#include "progress/BoundPropertyPage.h"

namespace ov {

// The "General" page of OvUpDown: Wrap, Increment, Max, Min, Value and Alignment (a list of the three
// text alignments), read and written in that order.
class GeneralUpDown : public BoundPropertyPage {
    OV_OBJECT(GeneralUpDown)
public:
    GeneralUpDown();
};

} // namespace ov
