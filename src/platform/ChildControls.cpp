#include "platform/ChildControls.h"

#include "platform/Failure.h"
#include "platform/UserControl.h"

namespace ov {

const ClassInfo& ChildControls::staticClass() {
    return buildClassInfo<ChildControls>([](ClassInfo& i) { i.published = false; });
}

void ChildControls::describe(ClassBuilder<ChildControls>& b) {
    b.method("Item", 0, &ChildControls::Item, {"Index"});
    b.property("Count", 1, &ChildControls::Count);
}

int32_t ChildControls::Count() const {
    auto control = m_control.lock();
    return control ? static_cast<int32_t>(control->children().size()) : 0;
}

ObjectRef ChildControls::Item(const Variant& index) const {
    auto control = m_control.lock();
    if (index.type() == Variant::Type::String) {
        const std::string name = index.toString();
        ConstituentControl* c = control ? control->findChild(name) : nullptr;
        if (!c) throwControlNotFound(name, control ? control->classInfo().name : std::string("Controls"));
        return c->shared_from_this();
    }
    const int32_t i = index.toInt32();
    if (!control || i < 0 || i >= static_cast<int32_t>(control->children().size())) {
        throw Failure(err::SubscriptOutOfRange,
                      failureText(err::SubscriptOutOfRange) + " (Controls(" + std::to_string(i) + "))");
    }
    return control->children()[static_cast<size_t>(i)];
}

} // namespace ov
