// Opening and saving the largest document, and for comparison opening it
// through a profile reader that goes back to the file for every key; and
// importing its address schedule onto its emptied loops.

#include "BenchSite.h"

#include "document/CalculationSupport.h"
#include "document/DocumentReader.h"
#include "document/DocumentWriter.h"
#include "document/DeviceListImport.h"
#include "document/DocumentEdits.h"
#include "document/LoopEditing.h"
#include "report/Schedules.h"
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

// The largest document's address schedule (8 loops of 252 devices and 32
// standalone devices each) read and imported onto its loops emptied, as
// Apply in the import window does: placed, recalculated, one history step.
void ImportLargestAddressSchedule(benchmark::State& state)
{
    BenchSite& site = Site();
    const std::string schedule = Schedules::AddressScheduleCsv(site.largest);
    for (auto _ : state) {
        state.PauseTiming();
        Document document(site.catalogue);
        for (int loop = 1; loop <= Document::LoopCount; ++loop) {
            RestoreLoop(document, CaptureLoop(site.largest, loop));
            LoopEditing::ClearDevices(document, loop);
        }
        state.ResumeTiming();
        const DeviceListImport::Outcome outcome =
            DeviceListImport::Import(document, DeviceList::Read(schedule, "largest.csv"), {});
        if (outcome.RefusedRows() > 0 || LoopEditing::OccupiedAddresses(document, 8) != 252) {
            state.SkipWithError("the largest document's schedule does not import whole");
            break;
        }
    }
}
BENCHMARK(ImportLargestAddressSchedule)->Unit(benchmark::kMillisecond);

}  // namespace
