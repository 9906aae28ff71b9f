// How many more of every device type and Other Device the largest loop
// takes, as built and emptied of its devices (each count then searched over
// the type's whole range, the longest search), and, as the baseline of the same run, one recalculation of that
// loop with its checks along the cable: what each count tried costs.

#include "BenchSite.h"

#include "document/AlongCableVerdict.h"
#include "document/CalculationSupport.h"
#include "document/DocumentEdits.h"
#include "document/LoopEditing.h"
#include "document/HowManyMore.h"

#include <benchmark/benchmark.h>

namespace {

// Arguments: 1 for the loop emptied of its devices; 0 evenly, 1 at the far end.
void HowManyMoreOfEveryType(benchmark::State& state)
{
    const Catalogue& catalogue = Site().catalogue;
    Document document(catalogue);
    RestoreLoop(document, CaptureLoop(Site().largest, 1));
    if (state.range(0) == 1)
        LoopEditing::ClearDevices(document, 1);
    CalculationSupport::RecalculateLoop(document, 1);
    const auto placement = state.range(1) == 1 ? HowManyMore::Placement::AtFarEnd : HowManyMore::Placement::Evenly;
    std::vector<HowManyMore::Item> items;
    for (const int type : catalogue.DeviceTypeOrder)
        if (type > 0 && catalogue.IsSelectableDeviceType(type))
            items.push_back({HowManyMore::Item::Kind::DeviceType, type});
    for (size_t other = 1; other < catalogue.OtherDevices.size(); ++other)
        items.push_back({HowManyMore::Item::Kind::OtherDevice, static_cast<int>(other)});
    int32_t fit = 0;
    for (auto _ : state) {
        fit = 0;
        for (const HowManyMore::Item item : items)
            fit += HowManyMore::Find(document, 1, item, placement).More;
    }
    state.counters["items"] = static_cast<double>(items.size());
    state.counters["fit"] = fit;
}
BENCHMARK(HowManyMoreOfEveryType)
    ->ArgsProduct({{0, 1}, {0, 1}})
    ->ArgNames({"emptied", "far_end"})
    ->Unit(benchmark::kMillisecond);

void JudgeLargestLoop(benchmark::State& state)
{
    Document& document = Site().largest;
    for (auto _ : state) {
        document.Loop(1).Recalculate();
        benchmark::DoNotOptimize(AlongCableVerdictFor(document, 1).Pass());
    }
}
BENCHMARK(JudgeLargestLoop)->Unit(benchmark::kMicrosecond);

}  // namespace
