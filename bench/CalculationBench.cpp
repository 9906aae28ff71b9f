// Calculating a full loop under each calculation type, its analysis along
// the cable, and a loop-editor commit of 126 devices with its recalculation.

#include "BenchSite.h"

#include "catalogues/PanelCatalogue.h"
#include "document/NewDocument.h"
#include "forms/LoopEditorCore.h"
#include "loop/AlongCable.h"

#include <benchmark/benchmark.h>

namespace {

// Arguments: the calculation type, and 1 for the device checks (the loop
// editor's calculation) or 0 without them (the recalculation after an open).
void CalculateFullLoop(benchmark::State& state)
{
    clsCalculator loop = Site().largest.Loop(1).Copy();
    loop.SetCalcType(static_cast<CalculationType>(state.range(0)));
    const bool skipDeviceChecks = state.range(1) == 0;
    for (auto _ : state) {
        loop.Calculate(false, 0, skipDeviceChecks);
        benchmark::DoNotOptimize(loop.LoopDesign());
    }
}
BENCHMARK(CalculateFullLoop)
    ->ArgsProduct({benchmark::CreateDenseRange(StoredNumber(MinCalcType), StoredNumber(MaxCalcType), 1), {0, 1}})
    ->ArgNames({"type", "checks"})
    ->Unit(benchmark::kMicrosecond);

// Distances for every point of the loop, evenly along its cable and in
// cable order, as a designer would give them.
void PositionEveryPoint(clsCalculator& loop)
{
    int32_t points = 0;
    for (int a = 0; a < clsCalculator::AddressCount; ++a)
        points += (loop.DeviceType(a) != 0 ? 1 : 0) + loop.DeviceStandaloneCount(a);
    int32_t placed = 0;
    const auto next = [&] { return loop.CableTotal() * ++placed / (points + 1); };
    for (int p = 0; p < clsCalculator::AddressCount; ++p) {
        const int a = loop.AddressAtPosition(p);
        if (loop.DeviceType(a) != 0)
            loop.SetCablePosition(a, next());
        for (int slot = clsCalculator::FirstSlot; slot <= clsCalculator::LastSlot; ++slot)
            if (loop.DeviceStandalone(a, slot) != 0)
                loop.SetStandaloneCablePosition(a, slot, next());
    }
}

// The voltage at every point of the largest loop in the three feeds, and its
// sections; argument 1 with every point at its own distance, 0 placed as the
// lumped model takes them.
void AnalyseFullLoopAlongCable(benchmark::State& state)
{
    clsCalculator loop = Site().largest.Loop(1).Copy();
    if (state.range(0) == 1)
        PositionEveryPoint(loop);
    if (loop.AnalyseAlongCable(DefaultPointsPerSection).Positioned != (state.range(0) == 1))
        state.SkipWithError("the distances were not taken");
    for (auto _ : state)
        benchmark::DoNotOptimize(loop.AnalyseAlongCable(DefaultPointsPerSection));
}
BENCHMARK(AnalyseFullLoopAlongCable)->Arg(0)->Arg(1)->ArgName("positioned")->Unit(benchmark::kMicrosecond);

// Typing 126 into an empty row: the devices placed at 126 addresses, then the
// loop recalculated. Taking them off again is not timed.
void LoopEditorCommit126(benchmark::State& state)
{
    BenchSite& site = Site();
    Document document(site.catalogue);
    NewDocument(document, CurrentLoopDefaults(site.options, site.catalogue));
    LoopEditorCore editor(document, site.options, site.messages, 1);
    editor.Activate();
    const size_t row = editor.AddDeviceRow(site.catalogue.FindDeviceType("Optical Smoke Detector"));
    for (auto _ : state) {
        if (!editor.CommitDeviceQuantity(row, 126)) {
            state.SkipWithError("126 devices cannot be placed");
            break;
        }
        state.PauseTiming();
        editor.CommitDeviceQuantity(row, 0);
        state.ResumeTiming();
    }
}
BENCHMARK(LoopEditorCommit126)->Unit(benchmark::kMicrosecond);

}  // namespace
