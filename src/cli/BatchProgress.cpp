#include "cli/BatchProgress.h"

#include "cli/TextColumns.h"

#include <algorithm>
#include <ostream>
#include <string>

namespace {

constexpr auto ShownAfter = std::chrono::seconds(1);
constexpr size_t BarCells = 30;

// The bar's line: "[#######                       ]  250/1000 files".
std::string BarText(size_t done, size_t total)
{
    const size_t filled = total == 0 ? BarCells : std::min(done, total) * BarCells / total;
    // The count keeps its place as it grows: as wide as "total/total".
    const size_t countWidth = 2 * std::to_string(total).size() + 1;
    return "[" + std::string(filled, '#') + std::string(BarCells - filled, ' ') + "] " +
           Right(std::to_string(done) + "/" + std::to_string(total), countWidth) + " files";
}

}  // namespace

void BatchProgress::Update(size_t done, std::chrono::steady_clock::duration elapsed)
{
    if (!terminal_ || elapsed < ShownAfter)
        return;
    const std::string bar = BarText(done, total_);
    out_ << '\r' << bar << std::flush;
    drawnWidth_ = bar.size();
}

void BatchProgress::Clear()
{
    if (drawnWidth_ == 0)
        return;
    out_ << '\r' << std::string(drawnWidth_, ' ') << '\r' << std::flush;
    drawnWidth_ = 0;
}
