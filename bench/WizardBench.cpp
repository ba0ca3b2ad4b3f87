// A wizard of real pages on a form, walked by Next: the cost of a page change, with the heap
// allocations it makes, and of a form resize.
#include "AllocationCounter.h"
#include "platform/CommandButton.h"
#include "platform/Form.h"
#include "platform/FormFile.h"
#include "platform/Runtime.h"
#include "wizard/CPages.h"
#include "wizard/OvWizardNavigator.h"

#include <benchmark/benchmark.h>
#include <string>

namespace {

// A run-mode wizard with `pages` pages, designed, saved and loaded as a host would.
ov::FormRef wizard(int pages) {
    auto design = ov::Form::create("frmBench", ov::Mode::Design);
    design->add("OvComCtl.OvWizardNavigator", "Nav");
    for (int i = 1; i <= pages; ++i)
        design->add("OvComCtl.OvWizardTab", "Page" + std::to_string(i));
    const std::string text = ov::FormFile::write(*design, "bench.json");
    design->unload();
    auto run = ov::FormFile::read(text, "bench.json", ov::Mode::Run);
    run->show();
    return run;
}

// Next through the whole wizard, then back to the start page (untimed).
void BM_WalkByNext(benchmark::State& state) {
    const int pages = static_cast<int>(state.range(0));
    ov::Runtime runtime;
    auto form = wizard(pages);
    auto nav = form->control<ov::OvWizardNavigator>("Nav");
    uint64_t allocations = 0;
    int64_t changes = 0;
    for (auto _ : state) {
        const uint64_t before = ovbench::heapCount().allocations;
        for (int i = 1; i < pages; ++i)
            nav->NextClick();
        allocations += ovbench::heapCount().allocations - before;
        changes += pages - 1;
        state.PauseTiming();
        ov::CPageRef first = nav->WizardPages()->Item(ov::Variant(1));
        nav->GoToNewPage(first);
        state.ResumeTiming();
    }
    state.SetItemsProcessed(changes);
    state.counters["allocs_per_change"] =
        benchmark::Counter(static_cast<double>(allocations) / static_cast<double>(changes));
    form->unload();
}
BENCHMARK(BM_WalkByNext)->Arg(10)->Arg(100)->Arg(1000)->Unit(benchmark::kMillisecond);

// The user drags the form: the navigator snaps it back and lays out its strip, the pages take the height.
void BM_FormResize(benchmark::State& state) {
    ov::Runtime runtime;
    auto form = wizard(static_cast<int>(state.range(0)));
    float w = 8000;
    for (auto _ : state) {
        form->Move(0, 0, w, 6000);
        w = w == 8000 ? 8100 : 8000;
    }
    form->unload();
}
BENCHMARK(BM_FormResize)->Arg(3)->Arg(100);

} // namespace
