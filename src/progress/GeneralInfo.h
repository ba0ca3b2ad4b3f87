#pragma once

#include "progress/BoundPropertyPage.h"

namespace ov {

// The "General" page of OvProgressInfo: the five display switches in a frame, Show Percent Completed,
// Progress Max, Progress and Status. Show Percent Completed is read before Progress Max and written
// last, after Progress Max, Progress and Status; Progress is written after Progress Max, so a new
// maximum and a progress beyond the old one go in together.
class GeneralInfo : public BoundPropertyPage {
    OV_OBJECT(GeneralInfo)
public:
    GeneralInfo();
};

} // namespace ov
