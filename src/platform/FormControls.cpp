#include "platform/FormControls.h"

#include "platform/Failure.h"
#include "platform/Form.h"

namespace ov {

const ClassInfo& FormControls::staticClass() {
    return buildClassInfo<FormControls>([](ClassInfo& i) { i.published = false; });
}

void FormControls::describe(ClassBuilder<FormControls>& b) {
    b.method("Item", 0, &FormControls::Item, {"Index"});
    b.property("Count", 1, &FormControls::Count);
}

int32_t FormControls::Count() const {
    auto form = m_form.lock();
    return form ? static_cast<int32_t>(form->controls().size()) : 0;
}

ObjectRef FormControls::Item(const Variant& index) const {
    auto form = m_form.lock();
    if (index.type() == Variant::Type::String) {
        if (!form)
            throw Failure(err::ControlNotFound,
                          failureText(err::ControlNotFound) + " (" + index.toString() + ")");
        return form->control(index.toString());
    }
    int32_t i = index.toInt32();
    if (!form || i < 0 || i >= static_cast<int32_t>(form->controls().size())) {
        throw Failure(err::SubscriptOutOfRange,
                      failureText(err::SubscriptOutOfRange) + " (Controls(" + std::to_string(i) + "))");
    }
    return form->controls()[static_cast<size_t>(i)];
}

} // namespace ov
