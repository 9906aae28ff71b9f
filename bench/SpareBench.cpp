// The spare capacity of every loop of the largest document, as the main
// window shows it after each change; against the along-cable analysis of the
// same loops, which it reads.

#include "BenchSite.h"

#include "document/CalculationSupport.h"
#include "document/SpareCapacity.h"

#include <benchmark/benchmark.h>

namespace {

void SpareOfAllLoops(benchmark::State& state)
{
    const Document& document = Site().largest;
    for (auto _ : state)
        for (int loop = 1; loop <= Document::LoopCount; ++loop)
            benchmark::DoNotOptimize(SpareCapacityFor(document, loop));
}
BENCHMARK(SpareOfAllLoops)->Unit(benchmark::kMicrosecond);

// The baseline: the along-cable analysis of the same eight loops.
void AnalyseAllLoopsAlongCable(benchmark::State& state)
{
    const Document& document = Site().largest;
    for (auto _ : state)
        for (int loop = 1; loop <= Document::LoopCount; ++loop)
            benchmark::DoNotOptimize(CalculationSupport::AnalyseAlongCable(document, loop));
}
BENCHMARK(AnalyseAllLoopsAlongCable)->Unit(benchmark::kMicrosecond);

}  // namespace
