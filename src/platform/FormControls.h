#pragma once

#include "platform/ClassBuilder.h"
#include "platform/Forward.h"
#include "platform/Object.h"
#include "platform/Variant.h"

#include <cstdint>
#include <memory>

namespace ov {

// The late-bound view of a form's controls, as the host's controls collection: Count, and Item (the
// default member) taking a 0-based position in creation order (9 when out of range) or a control's
// name (730 when unknown). Each item is the control's extender, whose TypeName is the control's class
// name. It reads the form live; once the form is gone it is empty.
class FormControls : public Object {
    OV_OBJECT(Controls)
public:
    explicit FormControls(const FormRef& form) : m_form(form) {}

    int32_t Count() const;
    ObjectRef Item(const Variant& index) const;

    static void describe(ClassBuilder<FormControls>& b);

private:
    std::weak_ptr<Form> m_form;
};

} // namespace ov
