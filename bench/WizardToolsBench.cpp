// The page-graph check of large designed wizards: how its time grows with the number of pages, on a
// sound wizard and on one whose Next goes round through every page (the check's longest road: all
// pages trapped, one cycle reported).
#include "platform/Form.h"
#include "platform/Runtime.h"
#include "wizard/OvWizardTab.h"
#include "wizard/PageGraphCheck.h"

#include <benchmark/benchmark.h>
#include <map>
#include <utility>

namespace {

using namespace ov;

// A design form with a navigator and `pages` pages chaining themselves; with `cycle`, the last page's
// Next leads back to page 2. Made once per shape and kept for the process.
Form& wizard(int pages, bool cycle) {
    static Runtime runtime;
    static std::map<std::pair<int, bool>, FormRef> forms;
    auto& form = forms[{pages, cycle}];
    if (!form) {
        form = Form::create("frmLarge", Mode::Design);
        form->add("OvComCtl.OvWizardNavigator", "Nav");
        for (int i = 1; i <= pages; ++i)
            form->add("OvComCtl.OvWizardTab", "Page" + std::to_string(i));
        if (cycle) form->control<OvWizardTab>("Page" + std::to_string(pages))->setPageNext(2);
    }
    return *form;
}

void BM_CheckPageGraph(benchmark::State& state) {
    const int pages = static_cast<int>(state.range(0));
    const bool cycle = state.range(1) != 0;
    Form& form = wizard(pages, cycle);
    size_t findings = 0;
    for (auto _ : state) {
        auto result = checkPageGraph(form);
        findings = result.size();
        benchmark::DoNotOptimize(result);
    }
    state.SetComplexityN(pages);
    state.counters["findings"] = static_cast<double>(findings);
    state.counters["time_per_page"] =
        benchmark::Counter(static_cast<double>(pages),
                           benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert,
                           benchmark::Counter::kIs1000);
}
BENCHMARK(BM_CheckPageGraph)
    ->ArgsProduct({{100, 1000, 10000}, {0}})
    ->Unit(benchmark::kMicrosecond)
    ->Complexity(benchmark::oN);
BENCHMARK(BM_CheckPageGraph)
    ->ArgsProduct({{100, 1000, 10000}, {1}})
    ->Unit(benchmark::kMicrosecond)
    ->Complexity(benchmark::oN);

} // namespace
