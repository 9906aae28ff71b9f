// Calculating a full loop under each calculation type, and a loop-editor
// commit of 126 devices with its recalculation.

#include "BenchSite.h"

#include "catalogues/PanelCatalogue.h"
#include "document/NewDocument.h"
#include "forms/LoopEditorCore.h"

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
