// The window layer under a wizard form with an OvMinimized: a minimize and restore round trip through
// both window procedures, and a hide and show of the whole form, with the heap allocations each makes.
#include "AllocationCounter.h"
#include "platform/Form.h"
#include "platform/Runtime.h"
#include "platform/WindowTable.h"

#include <benchmark/benchmark.h>
#include <string>

namespace {

ov::FormRef minimizedWizard(int pages) {
    auto form = ov::Form::create("frmBench", ov::Mode::Run);
    form->add("OvComCtl.OvWizardNavigator", "Nav");
    for (int i = 1; i <= pages; ++i)
        form->add("OvComCtl.OvWizardTab", "Page" + std::to_string(i));
    form->add("OvComCtl.OvMinimized", "Minimizer");
    form->show();
    return form;
}

void report(benchmark::State& state, uint64_t allocations) {
    state.counters["allocs_per_op"] =
        benchmark::Counter(static_cast<double>(allocations) / static_cast<double>(state.iterations()));
}

void BM_MinimizeRestore(benchmark::State& state) {
    ov::Runtime runtime;
    auto form = minimizedWizard(10);
    ov::WindowTable& windows = ov::WindowTable::current();
    const ov::HWnd hwnd = windows.find(form.get()), owner = windows.ownerWindow();
    const uint64_t before = ovbench::heapCount().allocations;
    for (auto _ : state) {
        windows.send(hwnd, ov::win::WM_SYSCOMMAND, ov::win::SC_MINIMIZE, 0);
        windows.send(owner, ov::win::WM_SYSCOMMAND, ov::win::SC_RESTORE, 0);
    }
    report(state, ovbench::heapCount().allocations - before);
    form->unload();
}
BENCHMARK(BM_MinimizeRestore);

// What a hide and show of the form asks of its window alone: show commands 0 and 9, with the frame and
// client paints passing through procedure A.
void BM_WindowHideRestore(benchmark::State& state) {
    ov::Runtime runtime;
    auto form = minimizedWizard(10);
    ov::WindowTable& windows = ov::WindowTable::current();
    const ov::HWnd hwnd = windows.find(form.get());
    const uint64_t before = ovbench::heapCount().allocations;
    for (auto _ : state) {
        windows.showWindow(hwnd, ov::win::SW_HIDE);
        windows.showWindow(hwnd, ov::win::SW_RESTORE);
    }
    report(state, ovbench::heapCount().allocations - before);
    form->unload();
}
BENCHMARK(BM_WindowHideRestore);

// The form's own work (every control hears onHide and onShow) with the window's hide and restore.
void BM_FormHideShow(benchmark::State& state) {
    ov::Runtime runtime;
    auto form = minimizedWizard(static_cast<int>(state.range(0)));
    const uint64_t before = ovbench::heapCount().allocations;
    for (auto _ : state) {
        form->hide();
        form->show();
    }
    report(state, ovbench::heapCount().allocations - before);
    form->unload();
}
BENCHMARK(BM_FormHideShow)->Arg(10)->Arg(100);

} // namespace
