#include "loop/CablePlacement.h"

#include <algorithm>
#include <cstddef>

namespace CablePlacement {

std::vector<bool> KeptInCableOrder(const std::vector<int32_t>& positions, int32_t end)
{
    // The longest non-decreasing run, found from the back so that of equal
    // runs the one that starts earliest is kept: tails_[k] is the largest
    // first position of a run of k + 1 seen so far, with its point.
    const size_t n = positions.size();
    std::vector<size_t> tails;
    std::vector<ptrdiff_t> next(n, -1);
    for (size_t i = n; i-- > 0;) {
        const int32_t p = positions[i];
        if (p == NoPosition || p < 0 || p > end)
            continue;
        // The first run whose start is below p cannot follow p.
        const auto at = std::partition_point(tails.begin(), tails.end(),
                                             [&](size_t t) { return positions[t] >= p; });
        if (at != tails.begin())
            next[i] = static_cast<ptrdiff_t>(*(at - 1));
        if (at == tails.end())
            tails.push_back(i);
        else
            *at = i;
    }
    std::vector<bool> kept(n, false);
    if (tails.empty())
        return kept;
    for (ptrdiff_t i = static_cast<ptrdiff_t>(tails.back()); i >= 0; i = next[static_cast<size_t>(i)])
        kept[static_cast<size_t>(i)] = true;
    return kept;
}

std::vector<double> PlaceBetween(const std::vector<int32_t>& positions, const std::vector<bool>& kept, int32_t end)
{
    const size_t n = positions.size();
    std::vector<double> placed(n, 0);
    size_t j = 0;
    double from = 0;
    while (j < n) {
        if (kept[j]) {
            from = placed[j] = positions[j];
            ++j;
            continue;
        }
        // A run of points without a kept position, up to the next kept one.
        size_t k = j;
        while (k < n && !kept[k])
            ++k;
        const double to = k < n ? positions[k] : std::max<double>(end, from);
        const size_t count = k - j;
        for (size_t i = 0; i < count; ++i)
            placed[j + i] = from + (to - from) * static_cast<double>(i + 1) / static_cast<double>(count + 1);
        j = k;
    }
    return placed;
}

}  // namespace CablePlacement
