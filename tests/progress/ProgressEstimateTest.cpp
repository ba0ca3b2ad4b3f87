#include "progress/ProgressEstimate.h"

#include <cmath>
#include <functional>
#include <gtest/gtest.h>
#include <optional>
#include <vector>

namespace ovtest {
namespace {

using ov::ProgressEstimate;

constexpr double kTick = 0.25; // the fake clock advances a quarter second per sample
constexpr int64_t kTotal = 2000;

// A recorded job: its speed (units per second) at each time, sampled every tick against a fake clock.
struct Point {
    double t;
    int64_t processed;
    std::optional<double> estimate;
};
using Job = std::vector<Point>;

Job play(
    const std::function<double(double)>& speed, double seconds,
    const std::function<int64_t(int)>& extra = [](int) { return 0; }) {
    ProgressEstimate estimate(0);
    Job run;
    double done = 0;
    int64_t bonus = 0;
    for (int i = 1; i * kTick <= seconds; ++i) {
        const double t = i * kTick;
        done += speed(t - kTick / 2) * kTick;
        bonus += extra(i);
        const int64_t processed = std::min<int64_t>(kTotal, static_cast<int64_t>(done) + bonus);
        estimate.sample(t, processed, kTotal);
        run.push_back({t, processed, estimate.estimated(t)});
    }
    return run;
}

// Where the estimate would be right: the rest of the work at `speed`.
double truth(const Point& p, double speed) {
    return static_cast<double>(kTotal - p.processed) / speed;
}

TEST(ProgressEstimateTest, SteadyJobNoEstimateDuringWarmUpThenWithinFivePercent) {
    Job run = play([](double) { return 20.0; }, 60);
    for (const auto& p : run) {
        if (p.t < 3) {
            EXPECT_FALSE(p.estimate) << "at " << p.t << " s the job has not run long enough";
            continue;
        }
        ASSERT_TRUE(p.estimate) << p.t;
        EXPECT_NEAR(*p.estimate, truth(p, 20), 0.05 * truth(p, 20) + 0.5) << p.t;
    }
}

TEST(ProgressEstimateTest, TooLittleWorkDoneGivesNoEstimateHoweverLongItRan) {
    Job run = play([](double) { return 0.5; }, 60); // 30 of 2000 units: 1.5 %
    for (const auto& p : run)
        EXPECT_FALSE(p.estimate) << p.t;
}

TEST(ProgressEstimateTest, ASpeedUpIsFollowedWithinSixSecondsAndNeverOvershot) {
    Job run = play([](double t) { return t < 30 ? 10.0 : 40.0; }, 60);
    for (size_t i = 1; i < run.size(); ++i) {
        const auto& p = run[i];
        if (p.t > 30) {
            EXPECT_LE(*p.estimate, *run[i - 1].estimate + 1e-9) << "falls steadily at " << p.t;
            EXPECT_GE(*p.estimate, truth(p, 40) - 0.5) << "never below the new speed's answer at " << p.t;
        }
        if (p.t >= 36 && p.processed < kTotal) {
            EXPECT_NEAR(*p.estimate, truth(p, 40), 0.05 * truth(p, 40) + 0.5) << p.t;
        }
    }
}

TEST(ProgressEstimateTest, AStallMakesTheEstimateGrowAndItRecoversWhenTheJobMovesAgain) {
    // 20 units a second, nothing from 20 s to 35 s, then 20 again.
    Job run = play([](double t) { return t >= 20 && t < 35 ? 0.0 : 20.0; }, 70);
    std::optional<double> atStall;
    for (size_t i = 1; i < run.size(); ++i) {
        const auto& p = run[i];
        if (p.t == 20) atStall = p.estimate;
        if (p.t > 21.5 && p.t < 35) {
            EXPECT_GT(*p.estimate, *run[i - 1].estimate) << "grows while stalled at " << p.t;
        }
        if (p.t >= 40) {
            EXPECT_NEAR(*p.estimate, truth(p, 20), 0.05 * truth(p, 20) + 0.5) << p.t;
        }
    }
    EXPECT_GT(run[static_cast<size_t>(35 / kTick) - 2].estimate.value(), 2 * atStall.value());
}

TEST(ProgressEstimateTest, ASingleBatchReportedAtOnceMovesTheEstimateOnlyByItsWork) {
    // 60 extra units reported in one sample at 30 s: three seconds of work, not a faster job.
    Job run = play([](double) { return 20.0; }, 50, [](int i) { return i == 120 ? 60 : 0; });
    for (size_t i = 1; i < run.size(); ++i) {
        const auto& p = run[i];
        if (p.t < 4) continue;
        const double step = *run[i - 1].estimate - *p.estimate;
        EXPECT_LE(step, p.t == 30 ? 3.0 + kTick + 0.3 : kTick + 0.3) << "no jump at " << p.t;
        EXPECT_GE(step, -0.3) << p.t;
        EXPECT_NEAR(*p.estimate, truth(p, 20), 0.05 * truth(p, 20) + 0.5) << p.t;
    }
}

TEST(ProgressEstimateTest, ElapsedCountsFromTheStartAndAFinishedJobHasNothingLeft) {
    ProgressEstimate e(100);
    for (int i = 1; i <= 40; ++i)
        e.sample(100 + i * 0.5, i * 50, 2000);
    EXPECT_DOUBLE_EQ(e.elapsed(120), 20);
    EXPECT_DOUBLE_EQ(e.estimated(120).value(), 0);
}

} // namespace
} // namespace ovtest
