// ferrolux-calc over a folder of 1,000 copies of the largest example site,
// as a consultant re-checks every site after a catalogue update, and for
// comparison opening and recalculating that site once.

#include "BenchSite.h"

#include "cli/CalcArguments.h"
#include "cli/FerroluxCalc.h"
#include "document/CalculationSupport.h"

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <sstream>

namespace {

const std::string LargestExample = std::string(FERROLUX_BENCH_EXAMPLES_DIR) + "/Riverside-Warehouse.QLX";
constexpr int Copies = 1000;

// Rows, or with the argument 1 the JSON array.
void CheckThousandSites(benchmark::State& state)
{
    ScratchFolder folder;
    // The calculator's settings and user panels in the scratch folder, not the user's.
    for (const char* variable : {"HOME", "XDG_CONFIG_HOME", "XDG_DATA_HOME"})
        setenv(variable, folder.Root().c_str(), 1);
    const std::string sites = folder.Path("sites");
    std::filesystem::create_directories(sites);
    for (int copy = 0; copy < Copies; ++copy)
        std::filesystem::copy_file(LargestExample, sites + "/site" + std::to_string(copy) + ".QLX");
    CalcArguments arguments;
    arguments.DataRoot = FERROLUX_BENCH_DATA_DIR;
    arguments.Json = state.range(0) == 1;
    arguments.Files = {sites};
    for (auto _ : state) {
        std::ostringstream out, err;
        if (RunFerroluxCalc(arguments, out, err, {}) != CalcExit::NotSatisfactory || !err.str().empty()) {
            state.SkipWithError(("the copies do not check as the site does: " + err.str()).c_str());
            break;
        }
        benchmark::DoNotOptimize(out.str().size());
    }
}
BENCHMARK(CheckThousandSites)->ArgName("json")->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

// What a run of one site spends at the least: reading it and recalculating.
void OpenLargestExample(benchmark::State& state)
{
    BenchSite& site = Site();
    AnsweringReadHost host;
    const DocumentReadServices services{site.catalogue, site.options, site.messages, host};
    for (auto _ : state) {
        Document document(site.catalogue);
        if (ReadDocument(document, LargestExample, false, services).Outcome != ReadOutcome::Opened) {
            state.SkipWithError("the example does not open");
            break;
        }
        CalculationSupport::RecalculateAll(document);
        benchmark::DoNotOptimize(document.Loop(4).LoopDesign());
    }
}
BENCHMARK(OpenLargestExample)->Unit(benchmark::kMicrosecond);

}  // namespace
