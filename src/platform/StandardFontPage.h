#pragma once

#include "platform/Font.h"
#include "platform/StandardPropertyPage.h"

#include <optional>
#include <string>
#include <vector>

namespace ov {

class CheckBox;
class Label;
class TextBox;

// The platform's standard font page, "StandardFont" (caption "Font"): edits every StdFont property of
// the first selected control (see StandardPropertyPage). The shown font's name is txtName ("Font:"),
// its size txtSize ("Size:", points, more than 0 and at most 2048), and the check boxes chkBold,
// chkItalic, chkUnderline and chkStrikethrough ("Strikeout") in the frame "Effects"; lblSample in the
// frame "Sample" shows "AaBbYyZz" in the edited font. Bold also sets the weight (700, or 400 when
// cleared). Apply writes each edited property as a new font (fonts are shared and never changed).
// An empty name or a size that is no number in range refuses the apply: failure 380 naming the field.
class StandardFontPage : public StandardPropertyPage {
    OV_OBJECT(StandardFont)
public:
    StandardFontPage();

    static void describe(ClassBuilder<StandardFontPage>& b) { PropertyPage::describe(b); }

protected:
    void clearValues() override;
    void readValue(Object& control, const std::string& name) override;
    void showValue() override;
    void checkFields() override;
    bool isEdited(size_t index) const override;
    void writeValue(Object& control, size_t index) override;
    void enableFields(bool enabled) override;

private:
    Font::Attributes* shownValue();
    void showSample();

    struct Value {
        Font::Attributes read;
        Font::Attributes edited;
    };
    std::vector<Value> m_values;
    TextBox* m_name;
    TextBox* m_size;
    std::vector<CheckBox*> m_effects; // bold, italic, underline, strikethrough
    Label* m_sample;
    bool m_sizeValid = true;
};

} // namespace ov
