#pragma once

#include "platform/ClassBuilder.h"
#include "platform/Object.h"

#include <cstdint>
#include <memory>
#include <string>

namespace ov {

// One line's record in the information panel: its name (the key of the panel's collection), its
// current value and, inside the library, the control-array index of the line that shows it. Hosts
// meet it through the published interface _InfoItem but cannot create one.
class InfoItem : public Object {
    OV_OBJECT(InfoItem)
public:
    std::string Name() const { return m_name; }
    void setName(const std::string& v) { m_name = v; }
    std::string Value() const { return m_value; }
    void setValue(const std::string& v) { m_value = v; }
    int32_t Index() const { return m_index; }
    void setIndex(int32_t v) { m_index = v; }

    static void describe(ClassBuilder<InfoItem>& b);

private:
    std::string m_name;
    std::string m_value;
    int32_t m_index = 0;
};

using InfoItemRef = std::shared_ptr<InfoItem>;

} // namespace ov
