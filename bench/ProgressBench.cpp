#include "platform/Extender.h"
#include "platform/Font.h"
#include "platform/Form.h"
#include "platform/Runtime.h"
#include "progress/FormatTime.h"
#include "progress/OvProgressBar.h"
#include "progress/OvProgressInfo.h"
#include "render/Bitmap.h"
#include "render/Renderer.h"

#include <benchmark/benchmark.h>
#include <memory>
#include <string>

namespace {

using namespace ov;

// A running form holding one progress bar of the designed size with a caption, as a host shows it.
struct BarOnAForm {
    FormRef form;
    std::shared_ptr<OvProgressBar> bar;
    ExtenderRef ext;

    BarOnAForm() {
        form = Form::create("frmCopy", Mode::Run);
        form->Move(0, 0, 4500, 900);
        ext = form->add("OvComCtl.OvProgressBar", "Bar");
        bar = ext->controlAs<OvProgressBar>();
        bar->setDisplayFont(Font::create("Arial", 8.25f));
        bar->setAlign(CaptionAlign::arAlignCenter);
        bar->setCaption("Copying files, 45% completed");
    }
};

// One accepted Value write: the fill's width, the message hook and the caption printed on both boxes.
void BM_ProgressValueWrite(benchmark::State& state) {
    Runtime runtime;
    BarOnAForm f;
    int32_t v = 0;
    for (auto _ : state) {
        f.bar->setValue(v);
        v = v == 100 ? 0 : v + 1;
    }
}
BENCHMARK(BM_ProgressValueWrite);

// The same write made by name, as a scripting host makes it.
void BM_ProgressValueLetByName(benchmark::State& state) {
    Runtime runtime;
    BarOnAForm f;
    int32_t v = 0;
    for (auto _ : state) {
        f.ext->let("Value", v);
        v = v == 100 ? 0 : v + 1;
    }
}
BENCHMARK(BM_ProgressValueLetByName);

// A Value write and the form (the bar on its ground, 300 × 60 pixels) drawn to a bitmap with cairo and
// pango: what a host pays for setValue + repaint.
void BM_ProgressValueWriteRendered(benchmark::State& state) {
    Runtime runtime;
    Renderer renderer;
    BarOnAForm f;
    int32_t v = 0;
    for (auto _ : state) {
        f.bar->setValue(v);
        Bitmap b = renderer.render(*f.form);
        benchmark::DoNotOptimize(b.pixels().data());
        v = v == 100 ? 0 : v + 1;
    }
}
BENCHMARK(BM_ProgressValueWriteRendered)->Unit(benchmark::kMicrosecond);

// A job of 10,000 items reported one by one: 10,000 Progress writes on a progress panel on a running
// form (ProgressMax 10,000), each setting the embedded bar's Value, its "N% completed" caption and the
// tool tip.
void BM_ProgressInfo10kProgressWrites(benchmark::State& state) {
    Runtime runtime;
    FormRef form = Form::create("frmInstall", Mode::Run);
    auto panel = form->add("OvComCtl.OvProgressInfo", "Progress")->controlAs<OvProgressInfo>();
    panel->setProgressMax(10000);
    for (auto _ : state) {
        for (int32_t v = 1; v <= 10000; ++v)
            panel->setProgress(v);
        benchmark::DoNotOptimize(panel->Progress());
    }
}
BENCHMARK(BM_ProgressInfo10kProgressWrites)->Unit(benchmark::kMillisecond);

void BM_FormatTime(benchmark::State& state) {
    float s = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(FormatTime(s));
        s = s > 200000 ? 0 : s + 37.3f;
    }
}
BENCHMARK(BM_FormatTime);

} // namespace
