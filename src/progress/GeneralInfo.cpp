#include "progress/GeneralInfo.h"

namespace ov {

const ClassInfo& GeneralInfo::staticClass() {
    return propertyPageClass<GeneralInfo>("{4BDB94BB-173B-4446-A6E0-35943D089B04}");
}

GeneralInfo::GeneralInfo()
    : BoundPropertyPage(
          "General",
          {
              framed(check("DisplayTotal", "chkDisplayTotal", "Display Total")),
              framed(check("DisplayProcessed", "chkDisplayProcessed", "Display Processed")),
              framed(check("DisplayErrors", "chkDisplayErrors", "Display Errors")),
              framed(check("DisplayElapsedTime", "chkDisplayElapsedTime", "Display Elapsed Time")),
              framed(check("DisplayEstimatedTime", "chkDisplayEstimatedTime", "Display Estimated Time")),
              writtenLast(check("ShowPercentCompleted", "chkShowPercent", "Show Percent Completed")),
              text("ProgressMax", "txtProgressMax", "Progress Max:"),
              text("Progress", "txtProgress", "Progress:"),
              text("Status", "txtStatus", "Status:"),
          },
          "Display") {}

} // namespace ov
