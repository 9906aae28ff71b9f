// Loading the bundled catalogues at start-up: from files not read before (the
// profile cache sees a new version of each file every time), and again from
// the cache.

#include "BenchSite.h"

#include "LargestDocument.h"

#include <benchmark/benchmark.h>

#include <chrono>
#include <filesystem>

namespace fs = std::filesystem;

namespace {

void Load(benchmark::State& state, const std::string& root)
{
    BenchSite& site = Site();
    Catalogue catalogue;
    if (!LoadBundledCatalogues(catalogue, site.options, site.messages, root, site.folder.Root()))
        state.SkipWithError("the bundled catalogues do not load");
    benchmark::DoNotOptimize(catalogue.DeviceTypes.data());
}

void LoadCataloguesFromNewFiles(benchmark::State& state)
{
    // A copy whose files get a new modification time before each load.
    const std::string root = Site().folder.Path("data");
    fs::create_directories(root);
    fs::copy(FERROLUX_BENCH_DATA_DIR "/Harvex", root + "/Harvex",
             fs::copy_options::recursive | fs::copy_options::overwrite_existing);
    auto version = fs::file_time_type::clock::now();
    for (auto _ : state) {
        state.PauseTiming();
        version += std::chrono::seconds(1);
        for (const auto& entry : fs::recursive_directory_iterator(root))
            if (entry.is_regular_file())
                fs::last_write_time(entry.path(), version);
        state.ResumeTiming();
        Load(state, root);
    }
}
BENCHMARK(LoadCataloguesFromNewFiles)->Unit(benchmark::kMillisecond);

void LoadCataloguesAgain(benchmark::State& state)
{
    for (auto _ : state)
        Load(state, FERROLUX_BENCH_DATA_DIR);
}
BENCHMARK(LoadCataloguesAgain)->Unit(benchmark::kMillisecond);

}  // namespace
