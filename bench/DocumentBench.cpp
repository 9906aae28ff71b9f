// Opening and saving the largest document, and for comparison opening it
// through a profile reader that goes back to the file for every key.

#include "BenchSite.h"

#include "document/CalculationSupport.h"
#include "document/DocumentReader.h"
#include "document/DocumentWriter.h"
#include "support/LinearProfileReader.h"

#include <benchmark/benchmark.h>

namespace {

// Opens the largest document and recalculates every loop, as File Open does.
template <typename Read>
void OpenLargest(benchmark::State& state, Read read)
{
    BenchSite& site = Site();
    AnsweringReadHost host;
    const DocumentReadServices services{site.catalogue, site.options, site.messages, host};
    for (auto _ : state) {
        Document document(site.catalogue);
        if (read(document, services) != ReadOutcome::Opened) {
            state.SkipWithError("the largest document does not open");
            break;
        }
        CalculationSupport::RecalculateAll(document);
        benchmark::DoNotOptimize(document.Loop(8).LoopDesign());
    }
}

void OpenLargestDocument(benchmark::State& state)
{
    OpenLargest(state, [](Document& document, const DocumentReadServices& services) {
        return ReadDocument(document, Site().largestPath, false, services).Outcome;
    });
}
BENCHMARK(OpenLargestDocument)->Unit(benchmark::kMillisecond);

void OpenLargestDocumentRereadingEveryKey(benchmark::State& state)
{
    OpenLargest(state, [](Document& document, const DocumentReadServices& services) {
        RereadingProfileReader profile;
        return ReadDocument(document, Site().largestPath, false, services, profile).Outcome;
    });
}
BENCHMARK(OpenLargestDocumentRereadingEveryKey)->Unit(benchmark::kMillisecond);

// Save over the previous file, which becomes the backup, as File Save does.
void SaveLargestDocument(benchmark::State& state)
{
    BenchSite& site = Site();
    const std::string path = site.folder.Path("saved.QLX");
    for (auto _ : state) {
        if (!WriteDocument(site.largest, path, "0809", site.messages)) {
            state.SkipWithError("the largest document cannot be saved");
            break;
        }
    }
}
BENCHMARK(SaveLargestDocument)->Unit(benchmark::kMillisecond);

// The text alone, without the disk.
void LargestDocumentText(benchmark::State& state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(DocumentText(Site().largest, "0809"));
}
BENCHMARK(LargestDocumentText)->Unit(benchmark::kMillisecond);

}  // namespace
