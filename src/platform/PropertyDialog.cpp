#include "platform/PropertyDialog.h"

#include "platform/ComboBox.h"
#include "platform/Extender.h"
#include "platform/Failure.h"
#include "platform/Form.h"
#include "platform/PropertyPage.h"
#include "platform/Text.h"
#include "platform/TextBox.h"
#include "platform/TypeRegistry.h"

#include <algorithm>

namespace ov {

namespace {

[[noreturn]] void invalidCall(const std::string& what) {
    throw Failure(err::InvalidProcedureCall, failureText(err::InvalidProcedureCall) + " (" + what + ")");
}

} // namespace

PropertyDialog::PropertyDialog() = default;

PropertyDialog::~PropertyDialog() {
    // A dialog dropped while open is cancelled; a page whose terminate hook fails cannot report it from
    // here, and the pages are gone either way.
    try {
        if (isOpen()) close();
    } catch (...) {
    }
}

void PropertyDialog::open(std::vector<ObjectRef> selection) {
    if (selection.empty() || !selection.front()) invalidCall("no control is selected");
    const ClassInfo& cls = selectedClassOf(*selection.front());
    if (cls.propertyPages.empty()) invalidCall(cls.name + " has no property pages");
    open(std::move(selection), cls.propertyPages);
}

void PropertyDialog::open(std::vector<ObjectRef> selection, const std::vector<std::string>& pages) {
    if (isOpen()) invalidCall("the property dialog is already open");
    if (selection.empty() || !selection.front()) invalidCall("no control is selected");
    if (pages.empty()) invalidCall("no property pages to open");
    // Every page is made before anything is shown, so an unknown name leaves the dialog closed.
    std::vector<std::shared_ptr<PropertyPage>> made;
    for (const auto& name : pages) {
        auto page =
            std::dynamic_pointer_cast<PropertyPage>(TypeRegistry::instance().createPropertyPage(name));
        if (!page) invalidCall(name + " is not a property page");
        made.push_back(std::move(page));
    }
    m_form = Form::create("PropertyDialog", Mode::Run);
    float width = 0, height = 0;
    for (const auto& p : made) {
        width = std::max(width, p->Width());
        height = std::max(height, p->Height());
    }
    m_form->Move(0, 0, width + (m_form->Width() - m_form->ScaleWidth()),
                 height + (m_form->Height() - m_form->ScaleHeight()));
    try {
        for (size_t i = 0; i < made.size(); ++i) {
            ExtenderRef ext = m_form->add(made[i], made[i]->typeName());
            ext->setVisible(i == 0);
            m_pages.push_back(made[i]);
        }
        m_current = 0;
        m_form->setCaption(made.front()->Caption());
        m_form->show();
        for (const auto& p : m_pages)
            p->Initialize();
        setSelection(std::move(selection));
    } catch (...) {
        close();
        throw;
    }
}

void PropertyDialog::setSelection(std::vector<ObjectRef> selection) {
    requireOpen("setSelection");
    if (selection.empty() || !selection.front()) invalidCall("no control is selected");
    m_selection = std::move(selection);
    for (const auto& p : m_pages)
        p->select(m_selection);
}

PropertyPage& PropertyDialog::page(size_t index) const {
    if (index >= m_pages.size()) {
        throw Failure(err::SubscriptOutOfRange, failureText(err::SubscriptOutOfRange) + " (property page " +
                                                    std::to_string(index) + " of " +
                                                    std::to_string(m_pages.size()) + ")");
    }
    return *m_pages[index];
}

PropertyPage& PropertyDialog::page(std::string_view className) const {
    for (const auto& p : m_pages) {
        if (equalsNoCase(p->typeName(), className)) return *p;
    }
    throw Failure(err::ControlNotFound,
                  failureText(err::ControlNotFound) + " (no property page " + shown(className) + ")");
}

void PropertyDialog::showPage(size_t index) {
    PropertyPage& next = page(index);
    if (index == m_current) return;
    currentPage().extender().setVisible(false);
    m_current = index;
    next.extender().setVisible(true);
    m_form->setCaption(next.Caption());
}

bool PropertyDialog::anyChanged() const {
    return std::any_of(m_pages.begin(), m_pages.end(), [](const auto& p) { return p->Changed(); });
}

bool PropertyDialog::apply() {
    requireOpen("apply");
    for (const auto& p : m_pages) {
        if (p->Changed() && !p->apply()) return false;
    }
    return true;
}

bool PropertyDialog::ok() {
    if (!apply()) return false;
    close();
    return true;
}

void PropertyDialog::cancel() {
    requireOpen("cancel");
    close();
}

void PropertyDialog::close() {
    auto pages = std::move(m_pages);
    m_pages.clear();
    m_selection.clear();
    m_current = 0;
    if (m_form) m_form->unload();
}

void PropertyDialog::requireOpen(const char* what) const {
    if (!isOpen()) invalidCall(std::string(what) + ": the property dialog is not open");
}

bool PropertyDialog::click(std::string_view control) {
    requireOpen("click");
    PropertyPage& p = currentPage();
    ConstituentControl* target = p.findChild(control);
    if (!target) throwControlNotFound(control, p.typeName());
    return m_form->click(*target);
}

bool PropertyDialog::typeInto(std::string_view textBox, std::string_view text) {
    requireOpen("typeInto");
    auto& box = currentPage().child<TextBox>(textBox);
    if (!box.effectivelyVisible() || !box.effectivelyEnabled()) return false;
    m_form->focus(currentPage().extender(), &box);
    // The focus moves only where the box's Validate let it; a box that did not get it takes no keys.
    if (m_form->focusedChild() != &box) return false;
    box.setSelStart(0);
    box.setSelLength(box.length());
    if (text.empty()) return m_form->pressKey(46); // Delete removes the selected text
    return m_form->typeText(text);
}

bool PropertyDialog::choose(std::string_view comboBox, int16_t index) {
    requireOpen("choose");
    auto& box = currentPage().child<ComboBox>(comboBox);
    if (!box.effectivelyVisible() || !box.effectivelyEnabled()) return false;
    m_form->focus(currentPage().extender(), &box);
    if (m_form->focusedChild() != &box) return false;
    box.setListIndex(index);
    return true;
}

} // namespace ov
