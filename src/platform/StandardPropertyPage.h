#pragma once

#include "platform/PropertyPage.h"

#include <string>
#include <vector>

namespace ov {

class ComboBox;

// What the platform's standard pages (StandardColor, StandardFont) share: they edit every property of
// one type ("OLE_COLOR", "StdFont") that the first selected control's class publishes with a reader and
// a writer, chosen in the drop-down list cboProperty ("Properties:"), in declaration order.
//
// On a selection change the names are listed and every value read; the first property is shown. Each
// property keeps its edited value while another is shown; apply writes, by name, each property whose
// edited value differs from the one read, in declaration order, and takes the written values as read.
// A control with no such property leaves the list empty and the fields disabled.
class StandardPropertyPage : public PropertyPage {
public:
    void SelectionChanged() final;
    void ApplyChanges() final;

protected:
    StandardPropertyPage(std::string caption, std::string type);

    const std::vector<std::string>& properties() const { return m_names; }
    // The property shown, -1 for none.
    int current() const;

    // Reads property `name` of `control` into the page's values (called for each name in order, after
    // clearValues).
    virtual void clearValues() = 0;
    virtual void readValue(Object& control, const std::string& name) = 0;
    // Fills the fields from the shown property's edited value (edits so made do not count).
    virtual void showValue() = 0;
    // Checks the fields before anything is written; a failure thrown here stops the apply.
    virtual void checkFields() {}
    // Whether property `index` was edited; writes it to `control` by name.
    virtual bool isEdited(size_t index) const = 0;
    virtual void writeValue(Object& control, size_t index) = 0;
    // Enables or disables the page's own fields.
    virtual void enableFields(bool enabled) = 0;

    // For edit handlers: true (and the page changed) for a user's edit, false while the page fills its
    // fields itself.
    bool userEdit();

    // While one lives, what is done to the fields is the page's own doing (userEdit is false).
    class Filling {
    public:
        explicit Filling(StandardPropertyPage& page) : m_page(page), m_was(page.m_filling) {
            page.m_filling = true;
        }
        ~Filling() { m_page.m_filling = m_was; }
        Filling(const Filling&) = delete;
        Filling& operator=(const Filling&) = delete;

    private:
        StandardPropertyPage& m_page;
        bool m_was;
    };

private:
    void show();

    std::string m_type;
    std::vector<std::string> m_names;
    ComboBox* m_property;
    bool m_filling = false;
};

} // namespace ov
