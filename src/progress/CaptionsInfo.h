#pragma once

#include "progress/BoundPropertyPage.h"

namespace ov {

// The "Captions" page of OvProgressInfo: the five step descriptions, step 4 first, then the
// description, read and written in that order.
class CaptionsInfo : public BoundPropertyPage {
    OV_OBJECT(CaptionsInfo)
public:
    CaptionsInfo();
};

} // namespace ov
