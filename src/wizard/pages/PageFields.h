#pragma once

#include <cstdint>
#include <initializer_list>
#include <span>
#include <string>

namespace ov {

class CheckBox;
class ComboBox;
class ConstituentControl;
class Label;
class PropertyPage;
class TextBox;

// The building blocks the wizard's property pages share: fields placed on a page (or in one of its
// frames) on a common grid, and the few conversions between fields and property values. Measures in
// twips.
inline constexpr float kFieldHeight = 315; // a text box or a drop-down list
inline constexpr float kCheckHeight = 255;
inline constexpr float kRowGap = 90;
inline constexpr float kPageMargin = 180;

// A label for the field at (left, top): its text is centred on the field's height.
Label& addFieldLabel(PropertyPage& page, std::string name, const std::string& caption, float left, float top,
                     float width, ConstituentControl* container = nullptr);
TextBox& addTextField(PropertyPage& page, std::string name, float left, float top, float width,
                      ConstituentControl* container = nullptr);
// A drop-down list holding `items` in that order.
ComboBox& addList(PropertyPage& page, std::string name, std::span<const char* const> items, float left,
                  float top, float width, ConstituentControl* container = nullptr);
CheckBox& addCheck(PropertyPage& page, std::string name, const std::string& caption, float left, float top,
                   float width, ConstituentControl* container = nullptr);

// Chooses entry `index` of a list; a value the list has no entry for leaves nothing chosen.
void showEntry(ComboBox& list, int32_t index);

bool ticked(const CheckBox& box);
void setTicked(CheckBox& box, bool on);

} // namespace ov
