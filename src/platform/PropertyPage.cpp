#include "platform/PropertyPage.h"

#include "platform/Extender.h"
#include "platform/Failure.h"

namespace ov {

PropertyPage::PropertyPage(std::string caption) : m_caption(std::move(caption)) {
    // A page is a panel of fields: it never takes the focus itself, its fields do.
    setCanGetFocus(false);
}

Object& PropertyPage::firstSelected() const {
    if (m_selection.empty() || !m_selection.front()) {
        throw Failure(err::ObjectNotSet,
                      failureText(err::ObjectNotSet) + " (" + typeName() + ": no control is selected)");
    }
    return *m_selection.front();
}

void PropertyPage::select(std::vector<ObjectRef> selection) {
    m_selection = std::move(selection);
    SelectionChanged();
    // Loading the fields ran their edit handlers; nothing has been edited yet.
    m_changed = false;
}

bool PropertyPage::apply() {
    m_refused = false;
    ApplyChanges();
    if (m_refused) {
        m_refused = false;
        return false;
    }
    m_changed = false;
    return true;
}

const ClassInfo& selectedClassOf(const Object& selected) {
    if (auto* ext = dynamic_cast<const Extender*>(&selected)) return ext->control().classInfo();
    return selected.classInfo();
}

} // namespace ov
