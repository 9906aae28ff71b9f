// The edit history on the largest document: a step over all eight loops (a
// control panel change keeps that many) undone and redone, and the step an
// OK of the loop editor records; against recalculating every loop, which any
// change of panel costs anyway.

#include "BenchSite.h"

#include "document/CalculationSupport.h"
#include "document/DocumentEdits.h"

#include <benchmark/benchmark.h>

namespace {

// A step in which every loop changed, undone and then redone: the document
// ends as it began.
void UndoAndRedoAllLoops(benchmark::State& state)
{
    BenchSite& site = Site();
    Document& document = site.largest;
    DocumentEdit edit(document, DocumentEdit::AllLoops());
    for (int loop = 1; loop <= Document::LoopCount; ++loop)
        document.Loop(loop).SetMaxOutput(document.Loop(loop).MaxOutput() - 1);
    edit.Commit("Every loop");
    for (auto _ : state) {
        UndoEdit(document, site.catalogue, site.options);
        RedoEdit(document, site.catalogue, site.options);
    }
    UndoEdit(document, site.catalogue, site.options);
    document.History.Clear();
}
BENCHMARK(UndoAndRedoAllLoops)->Unit(benchmark::kMicrosecond);

// What a loop editor's OK records: the loop kept at the start, compared with
// the loop at the end, both kept as the step.
void RecordLoopEditorStep(benchmark::State& state)
{
    Document& document = Site().largest;
    for (auto _ : state) {
        DocumentEdit edit(document, {1});
        document.Loop(1).SetCableTotal(document.Loop(1).CableTotal() + 1);
        benchmark::DoNotOptimize(edit.Commit("Changes to Loop 1"));
    }
    document.History.Clear();
}
BENCHMARK(RecordLoopEditorStep)->Unit(benchmark::kMicrosecond);

// The baseline: every loop recalculated, as after a change of panel.
void RecalculateAllLoops(benchmark::State& state)
{
    for (auto _ : state)
        CalculationSupport::RecalculateAll(Site().largest);
}
BENCHMARK(RecalculateAllLoops)->Unit(benchmark::kMicrosecond);

}  // namespace
