#pragma once

#include <array>
#include <cstdint>
#include <optional>

namespace ov {

// Elapsed and estimated remaining seconds of a long job, from samples of its progress, for a host to
// feed a progress panel's ElapsedTime and EstimatedTime. Part of the C++ interface only (nothing by
// name, nothing in the type library). Times are seconds on any clock the host likes (a test's fake one);
// they must not go backwards.
//
// The estimate is remaining work / smoothed speed:
//  - no estimate until the job has run warmUpSeconds and done warmUpFraction of its work;
//  - samples are pooled into measurements at least `window` seconds long that end with progress; the
//    median of the last three measurements drops a single spike (a batch reported at once, a pause
//    swallowed by one measurement), and an exponential average with time constant `timeConstant`
//    follows a real change of speed (to within 5 % after three time constants);
//  - a job that stops advancing for longer than twice its usual gap between advances is treated as
//    slowing down: the speed is scaled by stallHorizon / (stallHorizon + stalled time), so the estimate
//    grows while it stalls instead of freezing, and falls back as soon as the job advances again.
class ProgressEstimate {
public:
    struct Settings {
        double warmUpSeconds = 3;
        double warmUpFraction = 0.02;
        double window = 0.5;
        double timeConstant = 2;
        double stallHorizon = 10;
    };

    explicit ProgressEstimate(double startTime) : ProgressEstimate(startTime, Settings{}) {}
    ProgressEstimate(double startTime, Settings settings);

    // Records that `processed` of `total` units were done at time `now`.
    void sample(double now, int64_t processed, int64_t total);

    // Seconds since the start.
    double elapsed(double now) const { return now - m_start; }
    // Seconds still to go; nothing while there is too little to go on (see above).
    std::optional<double> estimated(double now) const;
    // The smoothed speed in units per second (0 before the first measurement).
    double speed() const { return m_speed; }

private:
    void measure(double now, int64_t processed);
    double medianRate() const;

    Settings m_settings;
    double m_start;
    int64_t m_processed = 0;
    int64_t m_total = 0;
    // The measurement being gathered: where it began.
    double m_windowStart;
    int64_t m_windowProcessed = 0;
    // The last three measurements, newest at m_rates[(m_count - 1) % 3].
    std::array<double, 3> m_rates{};
    int64_t m_count = 0;
    double m_speed = 0;
    double m_lastAdvance;
    double m_advanceGap = 0; // smoothed seconds between advances
};

} // namespace ov
