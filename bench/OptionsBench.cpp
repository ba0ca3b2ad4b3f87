// The options tree at scale: AddNodes of 1,000 / 10,000 / 100,000 items (folders of 99 pages) and of
// a chain of 1,000 nested folders, the option-list text both ways, and a click on a page node and on
// a folder node of a loaded tree, with the heap the loaded tree holds.
#include "AllocationCounter.h"
#include "options/OptionListText.h"
#include "options/OvTreeBase.h"
#include "platform/Form.h"
#include "platform/Runtime.h"
#include "platform/TreeView.h"

#include <benchmark/benchmark.h>
#include <string>

namespace {

ov::COptionRef item(const std::string& parent, const std::string& key, bool page, int16_t index) {
    auto o = std::make_shared<ov::COption>();
    o->strParentKey = parent;
    o->strKey = key;
    o->eOptionType = page ? ov::en_OptionType::PropertyPage : ov::en_OptionType::Container;
    o->strName = key.substr(key.rfind('\\') + 1);
    o->iTabIndex = index;
    return o;
}

// `items` items: folders of one folder and 99 pages each.
ov::OptionCollectionRef folders(int items) {
    auto col = std::make_shared<ov::OptionCollection>();
    for (int f = 0; f < items / 100; ++f) {
        const std::string folder = "_F" + std::to_string(f);
        col->add(item(" ", folder, false, 0), folder);
        for (int p = 0; p < 99; ++p) {
            const std::string key = folder + "\\P" + std::to_string(p);
            col->add(item(folder, key, true, static_cast<int16_t>(p + 1)), key);
        }
    }
    return col;
}

// `depth` folders, each inside the one before, with one page at the bottom.
ov::OptionCollectionRef chain(int depth) {
    auto col = std::make_shared<ov::OptionCollection>();
    std::string parent = " ", key;
    for (int d = 0; d < depth; ++d) {
        key = (d == 0 ? "_C" : parent + "\\C") + std::to_string(d);
        col->add(item(parent, key, false, 0), key);
        parent = key;
    }
    col->add(item(parent, parent + "\\PAGE", true, 1), parent + "\\PAGE");
    return col;
}

struct Dialog {
    ov::FormRef form = ov::Form::create("frmBench", ov::Mode::Run);
    std::shared_ptr<ov::OvTreeBase> tree;
    Dialog() {
        tree = form->add("OvComCtl.OvTreeBase", "Options")->controlAs<ov::OvTreeBase>();
        form->show();
    }
};

void addNodes(benchmark::State& state, ov::OptionCollectionRef col) {
    ov::Runtime runtime;
    Dialog d;
    int64_t held = 0;
    for (auto _ : state) {
        const int64_t before = ovbench::heapCount().liveBytes;
        d.tree->AddNodes(col);
        state.PauseTiming();
        held = ovbench::heapCount().liveBytes - before;
        d.tree->tvOptions().nodes().Clear();
        state.ResumeTiming();
    }
    if (held <= 0) state.SkipWithError("the tree did not load");
    state.SetItemsProcessed(state.iterations() * col->Count());
    state.counters["tree_bytes_per_item"] = static_cast<double>(held) / col->Count();
}

void BM_AddNodes(benchmark::State& state) {
    addNodes(state, folders(static_cast<int>(state.range(0))));
}
BENCHMARK(BM_AddNodes)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);

void BM_AddNodesChain(benchmark::State& state) {
    addNodes(state, chain(static_cast<int>(state.range(0))));
}
BENCHMARK(BM_AddNodesChain)->Arg(1000)->Unit(benchmark::kMillisecond);

void BM_EncodeOptions(benchmark::State& state) {
    auto col = folders(static_cast<int>(state.range(0)));
    for (auto _ : state)
        benchmark::DoNotOptimize(ov::EncodeOptions(col.get()));
    state.SetItemsProcessed(state.iterations() * col->Count());
}
BENCHMARK(BM_EncodeOptions)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);

// The stored format counts its records in 16 bits: 100,000 items do not decode (failure 6).
void BM_DecodeOptions(benchmark::State& state) {
    const std::string text = ov::EncodeOptions(folders(static_cast<int>(state.range(0))).get());
    for (auto _ : state)
        benchmark::DoNotOptimize(ov::DecodeOptions(text));
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_DecodeOptions)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond);

// Two pages of the first folder, clicked in turn.
void BM_ClickPage(benchmark::State& state) {
    ov::Runtime runtime;
    Dialog d;
    auto col = folders(static_cast<int>(state.range(0)));
    d.tree->AddNodes(col);
    bool second = false;
    for (auto _ : state) {
        d.tree->clickNode(second ? "_F0\\P1" : "_F0\\P2");
        second = !second;
    }
}
BENCHMARK(BM_ClickPage)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMicrosecond);

// Two folders clicked in turn: each shows its remembered page and collapses the other.
void BM_ClickFolder(benchmark::State& state) {
    ov::Runtime runtime;
    Dialog d;
    auto col = folders(static_cast<int>(state.range(0)));
    d.tree->AddNodes(col);
    d.tree->clickNode("_F1\\P5");
    bool second = false;
    for (auto _ : state) {
        d.tree->clickNode(second ? "_F1" : "_F0");
        second = !second;
    }
}
BENCHMARK(BM_ClickFolder)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMicrosecond);

} // namespace
