#include "platform/Form.h"
#include "platform/PropertyBag.h"
#include "platform/Runtime.h"
#include "wizard/CPages.h"
#include "wizard/CWizardNavigator.h"
#include "wizard/OvWizardTab.h"
#include "wizard/WizardGlobals.h"

#include <benchmark/benchmark.h>
#include <memory>
#include <string>
#include <vector>

namespace {

// A running form with n real pages loaded as a form file loads them (indices 1..n, chained).
ov::FormRef loadPages(int n) {
    auto form = ov::Form::create("frmWizard", ov::Mode::Run);
    for (int i = 1; i <= n; ++i) {
        ov::PropertyBag bag;
        bag.put("PageIndex", i);
        bag.put("PageBack", i - 1);
        bag.put("PageNext", i < n ? i + 1 : 0);
        form->addLoaded("OvComCtl.OvWizardTab", "Page" + std::to_string(i), bag, ov::ExtenderValues{});
    }
    return form;
}

// Pages registering in index order, as a loaded form registers them: each insertion walks the
// registry reading PageIndex by name.
void BM_OrderedRegistration(benchmark::State& state) {
    const int n = static_cast<int>(state.range(0));
    ov::Runtime runtime;
    auto form = loadPages(n);
    auto mediator = ov::wizardThreadState().mediator;
    std::vector<std::pair<std::string, ov::CPageRef>> pages;
    for (const auto& p : *mediator->Pages())
        pages.emplace_back(p->Name(), p);
    for (auto _ : state) {
        state.PauseTiming();
        mediator->ClearPages();
        state.ResumeTiming();
        for (auto& [name, descriptor] : pages)
            mediator->AddPage(name, descriptor);
    }
    state.SetItemsProcessed(state.iterations() * n);
    state.SetComplexityN(n);
}
BENCHMARK(BM_OrderedRegistration)->Arg(10)->Arg(100)->Arg(1000)->Complexity();

// One page change: every registered page hears OnGoToPage once; the old page hides, the target
// publishes its buttons and shows.
void BM_GoToPage(benchmark::State& state) {
    const int n = static_cast<int>(state.range(0));
    ov::Runtime runtime;
    auto form = loadPages(n);
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
