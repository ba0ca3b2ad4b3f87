#include "platform/Runtime.h"
#include "support/TestPage.h"
#include "wizard/CPages.h"
#include "wizard/CWizardNavigator.h"
#include "wizard/WizardGlobals.h"

#include <benchmark/benchmark.h>

#include <memory>
#include <string>
#include <vector>

namespace {

using ovtest::TestPage;

std::vector<std::shared_ptr<TestPage>> makePages(int n) {
    std::vector<std::shared_ptr<TestPage>> pages;
    pages.reserve(static_cast<size_t>(n));
    for (int i = 1; i <= n; ++i)
        pages.push_back(TestPage::create("Page" + std::to_string(i), i, i - 1, i < n ? i + 1 : 0));
    return pages;
}

// Pages registering in index order, as a loaded form registers them: each insertion walks the
// registry reading PageIndex by name.
void BM_OrderedRegistration(benchmark::State& state) {
    const int n = static_cast<int>(state.range(0));
    ov::Runtime runtime;
    auto pages = makePages(n);
    auto mediator = ov::wizardThreadState().mediator;
    for (auto _ : state) {
        for (auto& p : pages)
            p->registerPage();
        state.PauseTiming();
        mediator->ClearPages();
        state.ResumeTiming();
    }
    state.SetItemsProcessed(state.iterations() * n);
    state.SetComplexityN(n);
}
BENCHMARK(BM_OrderedRegistration)->Arg(10)->Arg(100)->Arg(1000)->Complexity();

// One page change: every registered page hears OnGoToPage once; the target publishes its buttons.
void BM_GoToPage(benchmark::State& state) {
    const int n = static_cast<int>(state.range(0));
    ov::Runtime runtime;
    auto pages = makePages(n);
    for (auto& p : pages)
        p->registerPage();
    auto mediator = ov::wizardThreadState().mediator;
    int32_t target = 1;
    for (auto _ : state) {
        mediator->GoToPage(target);
        target = target % n + 1;
    }
    state.SetComplexityN(n);
}
BENCHMARK(BM_GoToPage)->Arg(10)->Arg(100)->Arg(1000)->Complexity();

} // namespace
