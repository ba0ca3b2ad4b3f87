#include "platform/Enumerator.h"

#include "platform/ClassBuilder.h"

namespace ov {

const ClassInfo& Enumerator::staticClass() {
    return buildClassInfo<Enumerator>([](ClassInfo& i) { i.published = false; });
}

void Enumerator::describe(ClassBuilder<Enumerator>& b) {
    b.method("Next", 1, &Enumerator::Next);
    b.property("Done", 2, &Enumerator::Done);
    b.method("Reset", 3, &Enumerator::Reset);
}

Variant Enumerator::Next() {
    return Done() ? Variant() : m_items[m_position++];
}

} // namespace ov
