#include "render/TextMetricsScope.h"

#include "platform/Runtime.h"
#include "render/PangoTextMetrics.h"

namespace ov {

TextMetricsScope::TextMetricsScope() {
    Runtime& rt = Runtime::current();
    if (dynamic_cast<const PangoTextMetrics*>(&rt.textMetrics())) return;
    m_previous = rt.setTextMetrics(std::make_unique<PangoTextMetrics>());
    m_runtime = &rt;
}

TextMetricsScope::~TextMetricsScope() {
    if (m_runtime) m_runtime->setTextMetrics(std::move(m_previous));
}

} // namespace ov
