// Form files: writing and reading a form with one control that holds 500 property-bag entries, and a
// wizard form with a navigator and 500 pages. Text-only figures leave the disk out; the save and
// load figures include the file system (the save's flush to the disk dominates). Each benchmark
// reports the peak resident set (getrusage maxrss) and how much it grew while the benchmark ran; the
// benchmarks share one process, so a growth of 0 means the peak was set earlier.
#include "platform/ClassBuilder.h"
#include "platform/Extender.h"
#include "platform/Form.h"
#include "platform/FormFile.h"
#include "platform/PropertyBag.h"
#include "platform/Runtime.h"
#include "platform/TypeRegistry.h"
#include "platform/UserControl.h"

#include <benchmark/benchmark.h>
#include <filesystem>
#include <mutex>
#include <string>
#include <sys/resource.h>

namespace {

using namespace ov;

// A control that stores whatever entries it was given: 500 of them, a third each Long, String and
// Double, under the keys Key1..Key500.
class BagHolder : public UserControl {
    OV_OBJECT(BagHolder)
public:
    static void describe(ClassBuilder<BagHolder>&) {}
    static void registerOnce() {
        static std::once_flag once;
        std::call_once(once, [] {
            TypeRegistry::instance().addClass(staticClass(), [] { return std::make_shared<BagHolder>(); });
        });
    }
    void fill(int n) {
        for (int i = 1; i <= n; ++i) {
            const std::string key = "Key" + std::to_string(i);
            if (i % 3 == 0)
                m_bag.put(key, int32_t{i * 1000});
            else if (i % 3 == 1)
                m_bag.put(key, "value number " + std::to_string(i));
            else
                m_bag.put(key, i / 7.0);
        }
    }

protected:
    void onReadProperties(PropertyBag& bag) override { m_bag = bag; }
    void onWriteProperties(PropertyBag& bag) override {
        for (const auto& e : m_bag.entries())
            bag.put(e.key, e.value);
    }

private:
    PropertyBag m_bag;
};

const ClassInfo& BagHolder::staticClass() {
    return buildClassInfo<BagHolder>([](ClassInfo& i) {
        i.kind = ClassInfo::Kind::Control;
        i.creatable = true;
        i.published = false;
        i.progIdPrefix = "OvComCtlBench";
    });
}

long maxRssKb() {
    rusage u{};
    getrusage(RUSAGE_SELF, &u);
    return u.ru_maxrss;
}

FormRef bagForm() {
    BagHolder::registerOnce();
    auto f = Form::create("frmBag", Mode::Design);
    f->add("OvComCtlBench.BagHolder", "Bag")->controlAs<BagHolder>()->fill(500);
    return f;
}

bool wizardAvailable() {
    return FormFile::creatableClass("OvComCtl.OvWizardNavigator") &&
           FormFile::creatableClass("OvComCtl.OvWizardTab");
}

FormRef wizardForm() {
    auto f = Form::create("frmWizard", Mode::Design);
    f->add("OvComCtl.OvWizardNavigator", "Nav");
    for (int i = 1; i <= 500; ++i)
        f->add("OvComCtl.OvWizardTab", "Page" + std::to_string(i));
    return f;
}

std::string benchPath() {
    return (std::filesystem::temp_directory_path() / "ovcomctl_formfile_bench.json").string();
}

// Runs the timed loop and reports the peak resident set: its growth since `before` (taken before the
// benchmark built its form) and its level at the end.
template <class Body>
void measured(benchmark::State& state, long before, Body&& body) {
    for (auto _ : state)
        body();
    state.counters["peak_rss_growth_kb"] = static_cast<double>(maxRssKb() - before);
    state.counters["peak_rss_kb"] = static_cast<double>(maxRssKb());
}

void BM_WriteBag500(benchmark::State& state) {
    const long before = maxRssKb();
    Runtime runtime;
    auto f = bagForm();
    size_t bytes = 0;
    measured(state, before, [&] { bytes = FormFile::write(*f, "bench").size(); });
    state.counters["file_bytes"] = static_cast<double>(bytes);
}
BENCHMARK(BM_WriteBag500)->Unit(benchmark::kMillisecond);

void BM_ReadBag500(benchmark::State& state) {
    const long before = maxRssKb();
    Runtime runtime;
    const std::string text = FormFile::write(*bagForm(), "bench");
    measured(state, before, [&] { benchmark::DoNotOptimize(FormFile::read(text, "bench", Mode::Run)); });
}
BENCHMARK(BM_ReadBag500)->Unit(benchmark::kMillisecond);

void BM_SaveBag500(benchmark::State& state) {
    const long before = maxRssKb();
    Runtime runtime;
    auto f = bagForm();
    measured(state, before, [&] { f->save(benchPath()); });
    std::filesystem::remove(benchPath());
}
BENCHMARK(BM_SaveBag500)->Unit(benchmark::kMillisecond);

void BM_LoadBag500(benchmark::State& state) {
    const long before = maxRssKb();
    Runtime runtime;
    bagForm()->save(benchPath());
    measured(state, before, [&] { benchmark::DoNotOptimize(Form::load(benchPath(), Mode::Run)); });
    std::filesystem::remove(benchPath());
}
BENCHMARK(BM_LoadBag500)->Unit(benchmark::kMillisecond);

void BM_WriteWizard500Pages(benchmark::State& state) {
    if (!wizardAvailable()) {
        state.SkipWithError("the wizard controls are not registered");
        return;
    }
    const long before = maxRssKb();
    Runtime runtime;
    auto f = wizardForm();
    size_t bytes = 0;
    measured(state, before, [&] { bytes = FormFile::write(*f, "bench").size(); });
    state.counters["file_bytes"] = static_cast<double>(bytes);
}
BENCHMARK(BM_WriteWizard500Pages)->Unit(benchmark::kMillisecond);

void BM_ReadWizard500Pages(benchmark::State& state) {
    if (!wizardAvailable()) {
        state.SkipWithError("the wizard controls are not registered");
        return;
    }
    const long before = maxRssKb();
    Runtime runtime;
    std::string text;
    {
        auto f = wizardForm();
        text = FormFile::write(*f, "bench");
    }
    measured(state, before, [&] { benchmark::DoNotOptimize(FormFile::read(text, "bench", Mode::Design)); });
}
BENCHMARK(BM_ReadWizard500Pages)->Unit(benchmark::kMillisecond);

} // namespace
