#include "progress/GeneralLabel.h"

namespace ov {

const ClassInfo& GeneralLabel::staticClass() {
    return propertyPageClass<GeneralLabel>("{9EEEF696-D8E6-4A40-BA61-04D4BBD736A0}");
}

GeneralLabel::GeneralLabel()
    : BoundPropertyPage("General", {
                                       check("AutoSize", "chkAutoSize", "AutoSize"),
                                       check("Enabled", "chkEnabled", "Enabled"),
                                       text("Caption", "txtCaption", "Caption:"),
                                       list("Alignment", "cboAlignment",
                                            "Alignment:", {"ovLeftJustify", "ovRightJustify", "ovCenter"}),
                                       kept("Visible"),
                                   }) {}

} // namespace ov
