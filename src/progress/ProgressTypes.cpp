#include "progress/ProgressTypes.h"

#include "platform/TypeRegistry.h"
#include "progress/OvProgressBar.h"

#include <memory>

namespace ov {

void registerProgressTypes(TypeRegistry& r) {
    r.addEnum({"CaptionAlign",
               "{5B0E36A2-8C4F-4D7B-9E61-2A93C1F0D4B8}",
               {{"arAlignLeft", 0}, {"arAlignRight", 1}, {"arAlignCenter", 2}}});
    r.addEnum(
        {"En_BorderStyle", "{C2D7A9E4-31B6-4F05-8A2C-7E5D94B1F6A3}", {{"arNone", 0}, {"arFixed_Single", 1}}});
    r.addClass(OvProgressBar::staticClass(), [] { return std::make_shared<OvProgressBar>(); });
}

} // namespace ov
