// The spin box on a run-mode form: one step by the up arrow key, as a user presses it (the key goes
// through the form to the text box, the spin buttons take the new value, Change is raised and the
// text box shows the value).
#include "controls/OvUpDown.h"
#include "platform/Form.h"
#include "platform/Runtime.h"

#include <benchmark/benchmark.h>

namespace {

void BM_SpinStepByUpArrow(benchmark::State& state) {
    ov::Runtime runtime;
    auto form = ov::Form::create("frmBench", ov::Mode::Run);
    auto ext = form->add("OvComCtl.OvUpDown", "spnCount");
    auto spin = ext->controlAs<ov::OvUpDown>();
    spin->setMax(1000000000);
    spin->setWrap(true); // at Max the next step goes back to Min, so the loop never stalls
    int64_t changes = 0;
    auto counter = ext->on("Change", [&](ov::Args&) { ++changes; });
    form->show();
    for (auto _ : state)
        form->pressKey(38);
    state.counters["Change per step"] =
        benchmark::Counter(static_cast<double>(changes) / static_cast<double>(state.iterations()));
    benchmark::DoNotOptimize(spin->Value());
}
BENCHMARK(BM_SpinStepByUpArrow);

} // namespace
