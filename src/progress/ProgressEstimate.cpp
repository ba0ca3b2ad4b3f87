#include "progress/ProgressEstimate.h"

#include <algorithm>
#include <cmath>

namespace ov {

ProgressEstimate::ProgressEstimate(double startTime, Settings settings)
    : m_settings(settings), m_start(startTime), m_windowStart(startTime), m_lastAdvance(startTime) {}

void ProgressEstimate::sample(double now, int64_t processed, int64_t total) {
    m_total = total;
    if (processed <= m_processed) {
        // No progress: nothing to measure. (A count that went back is taken as the new base.)
        if (processed < m_processed) m_processed = m_windowProcessed = processed;
        return;
    }
    const double gap = now - m_lastAdvance;
    m_advanceGap = m_advanceGap == 0 ? gap : m_advanceGap + 0.25 * (gap - m_advanceGap);
    m_lastAdvance = now;
    m_processed = processed;
    // Only measurements that end with progress count, so a stall never drags the speed to zero: it
    // shows in estimated() instead, and the one measurement spanning it is a low outlier the median drops.
    if (now - m_windowStart >= m_settings.window) measure(now, processed);
}

void ProgressEstimate::measure(double now, int64_t processed) {
    const double span = now - m_windowStart;
    m_rates[static_cast<size_t>(m_count % 3)] = static_cast<double>(processed - m_windowProcessed) / span;
    ++m_count;
    m_windowStart = now;
    m_windowProcessed = processed;
    const double rate = medianRate();
    if (m_count == 1) {
        m_speed = rate;
    } else {
        // Weighted by the measurement's length, so the average follows time, not the sampling rate.
        const double alpha = 1 - std::exp(-span / m_settings.timeConstant);
        m_speed += alpha * (rate - m_speed);
    }
}

double ProgressEstimate::medianRate() const {
    if (m_count < 3) return m_rates[static_cast<size_t>((m_count - 1) % 3)];
    std::array<double, 3> r = m_rates;
    std::sort(r.begin(), r.end());
    return r[1];
}

std::optional<double> ProgressEstimate::estimated(double now) const {
    if (m_speed <= 0 || m_total <= 0) return std::nullopt;
    if (elapsed(now) < m_settings.warmUpSeconds) return std::nullopt;
    if (static_cast<double>(m_processed) < m_settings.warmUpFraction * static_cast<double>(m_total))
        return std::nullopt;
    const double remaining = static_cast<double>(std::max<int64_t>(0, m_total - m_processed));
    const double grace = std::max(m_settings.window, 2 * m_advanceGap);
    const double stalled = std::max(0.0, now - m_lastAdvance - grace);
    const double speed = m_speed * m_settings.stallHorizon / (m_settings.stallHorizon + stalled);
    return remaining / speed;
}

} // namespace ov
