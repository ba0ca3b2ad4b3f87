#include "wizard/pages/PageFields.h"

#include "platform/CheckBox.h"
#include "platform/ComboBox.h"
#include "platform/Label.h"
#include "platform/PropertyPage.h"
#include "platform/TextBox.h"

namespace ov {

namespace {
// A label of the standard font is 195 twips tall; centred on a 315-twip field.
constexpr float kLabelHeight = 195;
} // namespace

Label& addFieldLabel(PropertyPage& page, std::string name, const std::string& caption, float left, float top,
                     float width, ConstituentControl* container) {
    Label& l = page.addChild<Label>(std::move(name), container);
    l.setCaption(caption);
    l.setBackStyle(0);
    l.Move(left, top + (kFieldHeight - kLabelHeight) / 2, width, kLabelHeight);
    return l;
}

TextBox& addTextField(PropertyPage& page, std::string name, float left, float top, float width,
                      ConstituentControl* container) {
    TextBox& t = page.addChild<TextBox>(std::move(name), container);
    t.Move(left, top, width, kFieldHeight);
    return t;
}

ComboBox& addList(PropertyPage& page, std::string name, std::span<const char* const> items, float left,
                  float top, float width, ConstituentControl* container) {
    ComboBox& c = page.addChild<ComboBox>(std::move(name), container);
    c.Move(left, top, width, kFieldHeight);
    for (const char* item : items)
        c.AddItem(item);
    return c;
}

CheckBox& addCheck(PropertyPage& page, std::string name, const std::string& caption, float left, float top,
                   float width, ConstituentControl* container) {
    CheckBox& c = page.addChild<CheckBox>(std::move(name), container);
    c.setCaption(caption);
    c.Move(left, top, width, kCheckHeight);
    return c;
}

void showEntry(ComboBox& list, int32_t index) {
    list.setListIndex(index >= 0 && index < list.ListCount() ? static_cast<int16_t>(index) : int16_t{-1});
}

bool ticked(const CheckBox& box) {
    return box.Value() == 1;
}

void setTicked(CheckBox& box, bool on) {
    box.setValue(on ? 1 : 0);
}

} // namespace ov
