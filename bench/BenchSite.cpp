#include "BenchSite.h"

#include "document/DocumentWriter.h"
#include "LargestDocument.h"

#include <cstdio>
#include <cstdlib>

namespace {

[[noreturn]] void Stop(const std::string& why)
{
    std::fprintf(stderr, "cannot set up the benchmarks: %s\n", why.c_str());
    std::exit(1);
}

}  // namespace

BenchSite::BenchSite()
{
    if (!LoadBundledCatalogues(catalogue, options, messages, FERROLUX_BENCH_DATA_DIR, folder.Root()))
        Stop("the bundled catalogues do not load");
    std::string failure;
    if (!BuildLargestDocument(largest, catalogue, options, failure))
        Stop(failure);
    if (!WriteDocument(largest, largestPath, "0809", messages))
        Stop("the largest document cannot be saved");
}

BenchSite& Site()
{
    static BenchSite site;
    return site;
}
