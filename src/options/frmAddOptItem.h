#pragma once

#include "options/OptionTypes.h"
#include "platform/Form.h"

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace ov {

class ComboBox;
class CommandButton;
class Label;
class TextBox;
class UserControl;

// The modal dialog in which the option-tree editor (ppOptionsTree) takes a new item: its type, its
// name and, for a property page, its page index. Its client area holds, on one surface control:
//
//   lblItemType "Select item type:"                    cmbItemType: "Container", "Property page"
//   lblItemName "Input item name:"                     txtItemName
//   lblPageIndex "Input option page index for item:"   txtPageIndex (both shown for "Property page" only)
//                                                      OKButton "OK" (default), CancelButton "Cancel"
//
// Loaded, the type is "Container" and the page-index label and box are hidden; choosing "Property
// page" shows them, "Container" hides them again.
//
// OK trims the name at both ends and writes it back into the box. An empty name, or one holding a
// backslash, is refused with "You must input container name" or "You must input property page name"
// (by the chosen type; OK only): the focus goes to the name and the dialog stays open. With the
// page-index box shown, its trimmed text must be a valid page index (a whole number 1..32767), else
// "You must input option page index" is shown, the focus goes to the box and the dialog stays open.
// Otherwise the dialog takes the values, Cancelled becomes false and the dialog closes.
//
// Cancel closes with Cancelled true. Closed any other way (Esc clicks Cancel; the window's close box,
// or a modal loop that ends without a button) the dialog also counts as cancelled: Cancelled starts
// true and only OK clears it, so an item is never added that was not confirmed.
class frmAddOptItem : public Form {
public:
    static constexpr const char* kFormName = "frmAddOptItem";

    frmAddOptItem(); // then load()
    ~frmAddOptItem() override;

    // Puts the surface on the form and resets the fields (type "Container", page index hidden).
    void load();

    // ---- Read after the dialog closed ----
    bool Cancelled() const { return m_cancelled; }
    const std::string& strName() const { return m_name; }
    en_OptionType eType() const { return m_type; }
    int16_t iPageIndex() const { return m_pageIndex; }

    Label& lblItemType() const;
    ComboBox& cmbItemType() const;
    Label& lblItemName() const;
    TextBox& txtItemName() const;
    Label& lblPageIndex() const;
    TextBox& txtPageIndex() const;
    CommandButton& OKButton() const;
    CommandButton& CancelButton() const;

private:
    void typeChosen();
    void confirm();
    en_OptionType chosenType() const;

    std::shared_ptr<UserControl> m_surface;
    bool m_cancelled = true;
    std::string m_name;
    en_OptionType m_type = en_OptionType::Container;
    int16_t m_pageIndex = 0;
    std::vector<ScopedConnection> m_links;
};

} // namespace ov
