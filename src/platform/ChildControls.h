#pragma once

#include "platform/ClassBuilder.h"
#include "platform/Forward.h"
#include "platform/Object.h"
#include "platform/Variant.h"

#include <cstdint>
#include <memory>

namespace ov {

class UserControl;

// The late-bound view of a control's constituent controls, as a control's own Controls collection:
// Count, and Item (the default member) taking a 0-based position in creation order (9 when out of
// range) or a name, letter case ignored (730 when unknown). Each item is the constituent control
// itself (cmdLeft, picBanner, ...). It reads the control live; once the control is gone it is empty.
class ChildControls : public Object {
    OV_OBJECT(Controls)
public:
    explicit ChildControls(std::shared_ptr<UserControl> control) : m_control(std::move(control)) {}

    int32_t Count() const;
    ObjectRef Item(const Variant& index) const;

    static void describe(ClassBuilder<ChildControls>& b);

private:
    std::weak_ptr<UserControl> m_control;
};

} // namespace ov
