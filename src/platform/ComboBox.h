#pragma once

#include "platform/ConstituentControl.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace ov {

// A drop-down list: a closed box showing the chosen entry, with an arrow button that opens the list.
// Entries are texts (each with a 32-bit ItemData for the host), numbered from 0; ListIndex is the
// chosen one, -1 for none. Setting ListIndex to another entry, by code or by the user's choice in the
// open list, raises Click (writing the index it already has raises nothing); values below -1 or past
// the last entry are failure 380. Text is the chosen entry's text ("" for none); writing it chooses
// the first entry with that text (letter case ignored), as setting ListIndex does, and a text no entry
// has is 380.
//
// AddItem inserts at Index (0..ListCount; the end when left out, otherwise failure 5) and sets
// NewIndex; an entry inserted at or before the chosen one moves the choice with it. RemoveItem (an
// index outside the list is 5) of the chosen entry leaves nothing chosen; Clear empties the list and
// leaves nothing chosen; neither raises Click. List(i) reads "" outside the list; writing List(i) or
// ItemData(i) outside it, or reading ItemData(i) there, is failure 381.
//
// A click on the closed box (Form::click) gives it the focus and opens nothing headless: it raises no
// Click, since nothing was chosen.
class ComboBox : public ConstituentControl {
    OV_OBJECT(ComboBox)
public:
    ComboBox();

    void AddItem(const std::string& item, std::optional<int16_t> index = {});
    void RemoveItem(int16_t index);
    void Clear();
    int16_t ListCount() const { return static_cast<int16_t>(m_items.size()); }
    std::string List(int16_t index) const;
    void setList(int16_t index, const std::string& v);
    int32_t ItemData(int16_t index) const;
    void setItemData(int16_t index, int32_t v);
    int16_t ListIndex() const { return m_listIndex; }
    void setListIndex(int16_t v);
    // The index AddItem gave the entry it added last; -1 before any, and after RemoveItem or Clear.
    int16_t NewIndex() const { return m_newIndex; }
    std::string Text() const;
    void setText(const std::string& v);

    bool canTakeFocus() const override { return true; }
    void userClick() override {}

    static void describe(ClassBuilder<ComboBox>& b);

private:
    struct Item {
        std::string text;
        int32_t data = 0;
    };
    // `index` as a position in the list; 381 naming `member` when there is no such entry.
    size_t entry(int16_t index, const char* member) const;
    [[noreturn]] void refuse(int32_t number, const std::string& what) const;

    std::vector<Item> m_items;
    int16_t m_listIndex = -1;
    int16_t m_newIndex = -1;
};

} // namespace ov
