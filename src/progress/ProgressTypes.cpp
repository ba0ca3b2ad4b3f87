#include "progress/ProgressTypes.h"

#include "platform/TypeRegistry.h"
#include "progress/OvProgressBar.h"
#include "progress/OvProgressInfo.h"

#include <memory>

namespace ov {

void registerProgressTypes(TypeRegistry& r) {
    r.addEnum({"CaptionAlign",
               "{5B0E36A2-8C4F-4D7B-9E61-2A93C1F0D4B8}",
               {{"arAlignLeft", 0}, {"arAlignRight", 1}, {"arAlignCenter", 2}}});
    r.addEnum(
        {"En_BorderStyle", "{C2D7A9E4-31B6-4F05-8A2C-7E5D94B1F6A3}", {{"arNone", 0}, {"arFixed_Single", 1}}});
    r.addClass(OvProgressBar::staticClass(), [] { return std::make_shared<OvProgressBar>(); });
    r.addEnum({"STATES",
               "{9D41E7B3-5C28-4A6F-B1D9-0E73A5C8F214}",
               {{"ST_NONE", 0}, {"ST_RUNNING", 1}, {"ST_SKIPPED", 2}, {"ST_PASSED", 3}}});
    r.addClass(OvProgressInfo::staticClass(), [] { return std::make_shared<OvProgressInfo>(); });
}

} // namespace ov
