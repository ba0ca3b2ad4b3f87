#pragma once

#include "platform/Forward.h"
#include "platform/TextMetricsService.h"

#include <memory>

namespace ov {

// Makes the current runtime measure text with PangoTextMetrics while the scope lives, so that labels
// that size or wrap themselves are laid out with the fonts the renderer draws. The service the runtime
// had before is kept and put back when the scope ends. When the runtime already measures with pango
// (an enclosing scope or renderer), the scope changes nothing. Scopes end in the reverse order of
// their making, and before the runtime they were made in.
//
// Controls measure when their text or font is set: build or load a form inside the scope to have it
// laid out with real metrics.
class TextMetricsScope {
public:
    TextMetricsScope();
    ~TextMetricsScope();
    TextMetricsScope(const TextMetricsScope&) = delete;
    TextMetricsScope& operator=(const TextMetricsScope&) = delete;

    // Whether this scope installed the service (false when one was in place already).
    bool installed() const { return m_runtime != nullptr; }

private:
    Runtime* m_runtime = nullptr;
    std::unique_ptr<TextMetricsService> m_previous;
};

} // namespace ov
