#pragma once

#include "platform/Color.h"
#include "platform/StandardPropertyPage.h"

#include <optional>
#include <string>
#include <vector>

namespace ov {

class ComboBox;
class PictureBox;
class TextBox;

// The platform's standard colour page, "StandardColor" (caption "Color"): edits every OLE_COLOR
// property of the first selected control (see StandardPropertyPage). The shown property's colour is
// the text txtColor ("Color value:"), written "&H" and eight hexadecimal digits and "&" (&H8000000F&);
// typing takes "&H" with one to eight digits (the closing "&" optional) or a decimal number from 0 to
// 4294967295. The list cboSystem ("System color:") names the 25 system colours (Scroll Bars to
// ToolTip, ItemData their values); choosing one writes its value into the text, and a text naming a
// system colour chooses it in the list. The picture box picPreview shows the colour. A text that is no
// colour keeps the property's last good value and refuses the apply: failure 380 naming the text.
class StandardColorPage : public StandardPropertyPage {
    OV_OBJECT(StandardColor)
public:
    StandardColorPage();

    static void describe(ClassBuilder<StandardColorPage>& b) { PropertyPage::describe(b); }

    // "&H8000000F&".
    static std::string formatColor(OleColor c);
    // The colour a text names, or nothing (see above).
    static std::optional<OleColor> parseColor(const std::string& text);

protected:
    void clearValues() override;
    void readValue(Object& control, const std::string& name) override;
    void showValue() override;
    void checkFields() override;
    bool isEdited(size_t index) const override;
    void writeValue(Object& control, size_t index) override;
    void enableFields(bool enabled) override;

private:
    // The fields other than the one the user just edited (`except`) follow the shown colour.
    void follow(const void* except);

    struct Value {
        OleColor read = 0;
        OleColor edited = 0;
    };
    std::vector<Value> m_values;
    TextBox* m_text;
    ComboBox* m_system;
    PictureBox* m_preview;
    bool m_textValid = true;
};

} // namespace ov
