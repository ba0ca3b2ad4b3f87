#pragma once

#include "platform/Event.h"
#include "platform/PropertyPage.h"
#include "platform/Variant.h"

#include <string>
#include <vector>

namespace ov {

// How one field of a page shows one property of the selected control and writes it back.
enum class FieldKind {
    Check, // check box: ticked when the property is true; writes true when ticked, false when cleared
    Text,  // text box: the property's value as text; written as text, the property converts it
    List,  // drop-down list: the entry at the property's value; writes the chosen entry's 0-based position
    Kept,  // no field: the value read at the last selection change, written back unchanged
};

// One row of a page's table: a field (its constituent name, and the check box's caption or the label
// left of a text box or list) bound to a property of the selected control.
struct FieldBinding {
    FieldKind kind;
    std::string property;
    std::string field;
    std::string label;
    std::vector<std::string> entries; // a list's entries, filled on initialise
    bool framed = false;              // inside the page's one frame, fraFields (framed rows come in one run)
    bool writtenLast = false;         // read in its place, written after every other row
};

// A property page made from one table of field bindings, which the pages of the progress bar, the
// progress panel, the spin box and the label share:
//
// - the fields are laid out top to bottom in table order: check boxes across the page, text boxes and
//   lists right of their labels, the labels in one column as wide as the widest;
// - Initialize empties each list and fills it with its entries;
// - SelectionChanged reads every bound property of the first selected control, in table order;
// - every edit (a text change, a check box or list click) sets Changed;
// - ApplyChanges writes every row back by property name, in table order, the rows marked writtenLast
//   after the others: all fields, not only the edited ones. Each property converts and checks what
//   it is given as it arrives; a failure it lets through (a text it cannot take: 13, 6) ends the
//   apply there, the rows before it written, and reaches the dialog, so the page stays changed.
//
// A list whose property holds a value without an entry shows no entry; unless an entry is chosen
// since, it writes back the value it read, so applying never changes such a value by itself.
class BoundPropertyPage : public PropertyPage {
public:
    void Initialize() override;
    void SelectionChanged() override;
    void ApplyChanges() override;

protected:
    // The page's rows in reading order; the framed ones (one run of them) sit in a frame captioned
    // `frameCaption`.
    BoundPropertyPage(std::string caption, std::vector<FieldBinding> table, std::string frameCaption = {});

    // Rows of a table.
    static FieldBinding check(std::string property, std::string field, std::string caption) {
        return {
            FieldKind::Check, std::move(property), std::move(field), std::move(caption), {}, false, false};
    }
    static FieldBinding text(std::string property, std::string field, std::string label) {
        return {FieldKind::Text, std::move(property), std::move(field), std::move(label), {}, false, false};
    }
    static FieldBinding list(std::string property, std::string field, std::string label,
                             std::vector<std::string> entries) {
        return {FieldKind::List,
                std::move(property),
                std::move(field),
                std::move(label),
                std::move(entries),
                false,
                false};
    }
    static FieldBinding kept(std::string property) {
        return {FieldKind::Kept, std::move(property), {}, {}, {}, false, false};
    }
    static FieldBinding framed(FieldBinding b) {
        b.framed = true;
        return b;
    }
    static FieldBinding writtenLast(FieldBinding b) {
        b.writtenLast = true;
        return b;
    }

private:
    void layOut();
    void load(size_t row, Object& control);
    Variant fieldValue(size_t row) const;

    std::vector<FieldBinding> m_table;
    std::vector<Variant> m_read; // per row, the value read at the last selection change
    std::vector<ScopedConnection> m_edits;
};

} // namespace ov
