#include "progress/CaptionsInfo.h"

namespace ov {

const ClassInfo& CaptionsInfo::staticClass() {
    return propertyPageClass<CaptionsInfo>("{C4FB7000-05F3-4132-A2D0-3B0B1EA03CF6}");
}

CaptionsInfo::CaptionsInfo()
    : BoundPropertyPage("Captions",
                        {
                            text("StepDescription4", "txtStepDescription4", "Step 4 Description:"),
                            text("StepDescription3", "txtStepDescription3", "Step 3 Description:"),
                            text("StepDescription2", "txtStepDescription2", "Step 2 Description:"),
                            text("StepDescription1", "txtStepDescription1", "Step 1 Description:"),
                            text("StepDescription0", "txtStepDescription0", "Step 0 Description:"),
                            text("Description", "txtDescription", "Description:"),
                        }) {}

} // namespace ov
