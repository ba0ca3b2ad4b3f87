// The information panel filled at run time: lines added one by one (each a whole item control made as
// a copy of the panel's template), with Redraw off then on, cleared, and a value changed on the last
// of them. A line added must cost the same whatever the number of lines before it.
#include "infopanel/TvrInfoPanel.h"
#include "platform/Extender.h"
#include "platform/Form.h"
#include "platform/Runtime.h"

#include <benchmark/benchmark.h>
#include <string>
#include <vector>

namespace {

struct PanelForm {
    ov::Runtime runtime;
    ov::FormRef form = ov::Form::create("frmStatus", ov::Mode::Run);
    std::shared_ptr<ov::TvrInfoPanel> panel;
    std::vector<std::string> names;

    explicit PanelForm(int lines) {
        form->add("OvHost.Label", "lblCaption");
        panel = form->add("OvComCtl.TvrInfoPanel", "Stats")->controlAs<ov::TvrInfoPanel>();
        form->show();
        for (int i = 1; i <= lines; ++i)
            names.push_back("Counter " + std::to_string(i));
    }
    void fill(bool redrawOff) {
        if (redrawOff) panel->setRedraw(false);
        for (const std::string& name : names)
            panel->AddInfoLabel(name, "1,204 files");
        if (redrawOff) panel->setRedraw(true);
    }
};

// Adding N lines with Redraw on (the panel grows at every line), then clearing them.
void BM_AddInfoLabels(benchmark::State& state) {
    PanelForm f(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        f.fill(false);
        state.PauseTiming();
        f.panel->ClearInfoLabels();
        state.ResumeTiming();
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_AddInfoLabels)->Arg(100)->Arg(1000)->Arg(4000)->Unit(benchmark::kMillisecond);

// The same with Redraw off during the adds and on after them.
void BM_AddInfoLabelsRedrawOff(benchmark::State& state) {
    PanelForm f(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        f.fill(true);
        state.PauseTiming();
        f.panel->ClearInfoLabels();
        state.ResumeTiming();
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_AddInfoLabelsRedrawOff)->Arg(100)->Arg(1000)->Unit(benchmark::kMillisecond);

void BM_ClearInfoLabels(benchmark::State& state) {
    PanelForm f(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        state.PauseTiming();
        f.fill(true);
        state.ResumeTiming();
        f.panel->ClearInfoLabels();
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_ClearInfoLabels)->Arg(1000)->Unit(benchmark::kMillisecond);

// One value changed on the last of 1,000 lines.
void BM_ChangeValueLastLine(benchmark::State& state) {
    PanelForm f(1000);
    f.fill(true);
    const std::string last = f.names.back();
    int i = 0;
    for (auto _ : state)
        f.panel->ChangeValue(last, (++i & 1) ? "1,205 files" : "1,206 files");
}
BENCHMARK(BM_ChangeValueLastLine)->Unit(benchmark::kMicrosecond);

} // namespace
