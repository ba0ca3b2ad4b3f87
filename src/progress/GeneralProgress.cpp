#include "progress/GeneralProgress.h"

namespace ov {

const ClassInfo& GeneralProgress::staticClass() {
    return propertyPageClass<GeneralProgress>("{7AC27278-A9B0-4AF2-8B19-8EED2FBFA635}");
}

GeneralProgress::GeneralProgress()
    : BoundPropertyPage("General", {
                                       check("ErrorsNotify", "chkErrorsNotify", "ErrorsNotify"),
                                       text("Caption", "txtCaption", "Caption:"),
                                       text("Max", "txtMax", "Max:"),
                                       text("Min", "txtMin", "Min:"),
                                       list("Align", "cboCaptionAlign", "Caption Align:",
                                            {"0 - arAlignLeft", "1 - arAlignRight", "2 - arAlignCenter"}),
                                   }) {}

} // namespace ov
