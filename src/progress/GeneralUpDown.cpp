#include "progress/GeneralUpDown.h"

namespace ov {

const ClassInfo& GeneralUpDown::staticClass() {
    return propertyPageClass<GeneralUpDown>("{61F8BB79-82B8-463E-9F61-B8FADDC99BF7}");
}

GeneralUpDown::GeneralUpDown()
    : BoundPropertyPage("General", {
                                       check("Wrap", "chkWrap", "&Wrap"),
                                       text("Increment", "txtIncrement", "&Increment:"),
                                       text("Max", "txtMax", "Ma&x:"),
                                       text("Min", "txtMin", "&Min:"),
                                       text("Value", "txtValue", "&Value:"),
                                       list("Alignment", "cboAlignment", "&Alignment:",
                                            {"0 - Left Justify", "1 - Right Justify", "2 - Center"}),
                                   }) {}

} // namespace ov
