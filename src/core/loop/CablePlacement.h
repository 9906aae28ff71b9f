#pragma once
// Where points without a usable distance of their own sit along the cable.
//
// A designer's distances come from a survey, a drawing or a paste, and one
// of them may be wrong or missing. The distances that can be used are the
// largest set that runs in cable order within the cable; every other point
// is placed evenly between the nearest points around it that keep theirs
// (or between the last of them and the end of the cable), so that one bad
// or missing figure never throws the others away.

#include <cstdint>
#include <vector>

namespace CablePlacement {

inline constexpr int32_t NoPosition = -1;

// For each position (decimetres, or NoPosition), whether it is kept: the
// most positions that are at most `end` and never before an earlier kept
// one (of several such sets, one of them).
std::vector<bool> KeptInCableOrder(const std::vector<int32_t>& positions, int32_t end);

// The kept positions as they are, and the others placed evenly between
// their kept neighbours (the panel, 0, before the first; `end` after the
// last). Needs at least one kept position.
std::vector<double> PlaceBetween(const std::vector<int32_t>& positions, const std::vector<bool>& kept, int32_t end);

}  // namespace CablePlacement
