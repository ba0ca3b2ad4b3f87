// Large run-time wizards: a navigator and N pages, designed once, saved to text and loaded at run time
// as a host loads them. What a user waits for (load, show, the first frame), how that grows with N,
// what each page costs in memory, and drawing every page of a 1000-page wizard to PNG.
#include "AllocationCounter.h"
#include "platform/Form.h"
#include "platform/FormFile.h"
#include "platform/Runtime.h"
#include "render/Bitmap.h"
#include "render/Renderer.h"
#include "wizard/CPages.h"
#include "wizard/OvWizardNavigator.h"
#include "wizard/OvWizardTab.h"

#include <benchmark/benchmark.h>
#include <map>
#include <string>

namespace {

using namespace ov;

// The form file of a wizard with `pages` pages, each with its own banner texts (the description
// wraps onto a second line) and a welcome and a completion page; made once per size.
const std::string& wizardText(int pages) {
    static std::map<int, std::string> texts;
    auto it = texts.find(pages);
    if (it != texts.end()) return it->second;
    Runtime runtime;
    auto design = Form::create("frmLarge", Mode::Design);
    design->Move(0, 0, 7620, 5925);
    design->add("OvComCtl.OvWizardNavigator", "Nav");
    for (int i = 1; i <= pages; ++i) {
        auto page = design->add("OvComCtl.OvWizardTab", "Page" + std::to_string(i));
        auto tab = page->controlAs<OvWizardTab>();
        const std::string n = std::to_string(i);
        tab->setBannerTitle("Step " + n + ": Choose Components");
        tab->setBannerDescription("Choose the components of step " + n +
                                  " that the setup installs, then click Next to go on.");
        if (i == 1 || i == pages) {
            tab->setWatermarkTitle(i == 1 ? "Welcome to the Setup Wizard" : "Completing the Setup Wizard");
            tab->setWatermarkDescription("This wizard installs the program on your computer. Close other "
                                         "programs before you go on.");
        }
    }
    std::string text = FormFile::write(*design, "large.json");
    design->unload();
    return texts.emplace(pages, std::move(text)).first->second;
}

FormRef loadAndShow(int pages) {
    auto form = FormFile::read(wizardText(pages), "large.json", Mode::Run);
    form->show();
    return form;
}

// Load + show, no renderer (text measured by the headless metrics): how the cost grows with N.
void BM_LoadShow(benchmark::State& state) {
    const int pages = static_cast<int>(state.range(0));
    wizardText(pages);
    Runtime runtime;
    for (auto _ : state) {
        FormRef form = loadAndShow(pages);
        state.PauseTiming();
        form->unload();
        form.reset();
        state.ResumeTiming();
    }
    state.SetComplexityN(pages);
    state.counters["per_page_us"] =
        benchmark::Counter(static_cast<double>(pages),
                           benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert,
                           benchmark::Counter::kIs1000);
}
BENCHMARK(BM_LoadShow)->Arg(100)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond)->Complexity();

// What a user of a 1000-page wizard waits for: with the renderer alive (labels measured with the fonts
// they are drawn in), load + show + the first frame drawn.
void BM_LoadShowFirstFrame(benchmark::State& state) {
    const int pages = static_cast<int>(state.range(0));
    wizardText(pages);
    Runtime runtime;
    Renderer renderer;
    for (auto _ : state) {
        FormRef form = loadAndShow(pages);
        Bitmap frame = renderer.render(*form);
        benchmark::DoNotOptimize(frame.pixels().data());
        state.PauseTiming();
        form->unload();
        form.reset();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_LoadShowFirstFrame)->Arg(1000)->Unit(benchmark::kMillisecond);

// Memory a loaded and shown page holds: the live heap bytes (operator new) of the loaded form, divided
// by the number of pages. The form file text is made before the count starts.
void BM_MemoryPerPage(benchmark::State& state) {
    const int pages = static_cast<int>(state.range(0));
    wizardText(pages);
    Runtime runtime;
    double heapPerPage = 0, allocsPerPage = 0;
    for (auto _ : state) {
        const ovbench::HeapCount before = ovbench::heapCount();
        FormRef form = loadAndShow(pages);
        const ovbench::HeapCount after = ovbench::heapCount();
        heapPerPage = static_cast<double>(after.liveBytes - before.liveBytes) / pages;
        allocsPerPage = static_cast<double>(after.allocations - before.allocations) / pages;
        state.PauseTiming();
        form->unload();
        form.reset();
        state.ResumeTiming();
    }
    state.counters["heap_bytes_per_page"] = heapPerPage;
    state.counters["allocs_per_page"] = allocsPerPage;
}
BENCHMARK(BM_MemoryPerPage)->Arg(1000)->Unit(benchmark::kMillisecond)->Iterations(1);

// Every page of a loaded 1000-page wizard drawn and encoded to PNG, in page order, as `ovhost render`
// does (the files are not written: the disk is left out).
void BM_RenderEveryPageToPng(benchmark::State& state) {
    const int pages = static_cast<int>(state.range(0));
    wizardText(pages);
    Runtime runtime;
    Renderer renderer;
    for (auto _ : state) {
        FormRef form = loadAndShow(pages);
        auto nav = form->control<OvWizardNavigator>("Nav");
        size_t bytes = 0;
        for (const auto& page : *nav->WizardPages()) {
            CPageRef target = page;
            nav->GoToNewPage(target);
            bytes += renderer.render(*form).encodePng().size();
        }
        benchmark::DoNotOptimize(bytes);
        state.PauseTiming();
        form->unload();
        form.reset();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_RenderEveryPageToPng)->Arg(1000)->Unit(benchmark::kMillisecond)->Iterations(1);

} // namespace
