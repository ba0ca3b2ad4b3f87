#pragma once

#include "platform/Forward.h"
#include "platform/Object.h"

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace ov {

class PropertyPage;

// The property dialog a designer opens on selected controls, headless: it holds the pages on a form
// of its own (form(), run mode), which a renderer draws and a window host shows, and through which
// a test plays the user (click, typeInto, choose below, or the form's input methods).
//
// open(selection) creates the pages the first selected control's class lists (ClassInfo::
// propertyPages; for an extender, the control's class), by class name through the TypeRegistry
// (failure 429 for a name no registered page class has), sizes the form to the largest page, shows it
// with the first page current, runs each page's Initialize and gives each the selection
// (SelectionChanged), in list order. open(selection, pages) opens the named pages instead. An empty
// selection, a control that lists no pages, or a dialog already open is failure 5.
//
// One page is current (the others' extenders are invisible, so input reaches only it). apply() applies
// the changed pages in list order: each runs ApplyChanges, then its Changed is cleared; a page that
// refuses or fails stops the apply there (see PropertyPage), the failure reaching the caller.
// ok() applies and closes when every page applied; cancel() closes without applying. Closing unloads
// the form: the pages terminate and the dialog is closed (isOpen false) and may be opened again.
class PropertyDialog {
public:
    PropertyDialog();
    ~PropertyDialog();
    PropertyDialog(const PropertyDialog&) = delete;
    PropertyDialog& operator=(const PropertyDialog&) = delete;

    void open(std::vector<ObjectRef> selection);
    void open(std::vector<ObjectRef> selection, const std::vector<std::string>& pages);
    bool isOpen() const { return !m_pages.empty(); }
    // Gives every page a new selection (SelectionChanged; Changed cleared). Empty is failure 5.
    void setSelection(std::vector<ObjectRef> selection);
    const std::vector<ObjectRef>& selection() const { return m_selection; }

    size_t pageCount() const { return m_pages.size(); }
    // Failure 9 for an index past the pages, 730 for a class name none has (letter case ignored).
    PropertyPage& page(size_t index) const;
    PropertyPage& page(std::string_view className) const;
    size_t currentIndex() const { return m_current; }
    PropertyPage& currentPage() const { return page(m_current); }
    // Makes page `index` current (failure 9 past the pages). Nothing is applied or reloaded.
    void showPage(size_t index);
    // Whether some page is changed: what enables an Apply button.
    bool anyChanged() const;

    // True when every changed page applied (false: a page refused; the pages after it were not applied).
    bool apply();
    // apply(), then close when it returned true. Returns whether the dialog closed.
    bool ok();
    void cancel();

    // ---- Playing the user on the current page (by constituent name, letter case ignored; 730 when the
    // page has none; false when the control cannot take the input: invisible or disabled) ----
    // A mouse click (a check box toggles, an option button is chosen, a command button clicks).
    bool click(std::string_view control);
    // Focuses the text box, selects all its text and types `text` over it key by key.
    bool typeInto(std::string_view textBox, std::string_view text);
    // Focuses the drop-down list and picks entry `index` from its open list (ListIndex; 380 outside it).
    bool choose(std::string_view comboBox, int16_t index);

    // The form the pages are on; null before the first open.
    const FormRef& form() const { return m_form; }

private:
    void requireOpen(const char* what) const;
    void close();

    FormRef m_form;
    std::vector<std::shared_ptr<PropertyPage>> m_pages;
    std::vector<ObjectRef> m_selection;
    size_t m_current = 0;
};

} // namespace ov
