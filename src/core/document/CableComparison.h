#pragma once
// Every enabled cable of the catalogue tried on one loop: each row is the
// loop recalculated on a copy with that cable and the loop's own calculation
// (its runs, slider, checks and panel data), so that the row of the loop's
// own cable is the loop's own result. Under "Min Cable Size", whose result
// is a cable, each row keeps its cable at the loop's total run.
//
// The longest run is the total run "Max Cable Run" finds with the cable;
// under that calculation it is also the run the row's volt drop is taken at.

#include "loop/AlongCable.h"
#include "loop/clsCalculator.h"
#include "text/Currency.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

class Document;

struct CableComparisonRow {
    int Cable = 0;  // position in the catalogue's cables
    std::string Name;
    int16_t Impedance = 0;  // hundredths of an ohm per km per core
    Currency VoltDrop;      // volts, as the loop's results give it
    LoopDesignCode Verdict = LoopDesignCode::Satisfactory;
    int32_t LongestRun = 0;  // decimetres; 0 where no run works
    bool HasPoints = false;  // without points the feeds have no margins
    std::array<FeedResult, FeedCount> Feeds{};  // by AllFeeds
    bool OwnCable = false;  // the loop's own impedance
    // The verdict satisfactory and every feed passing along the cable.
    bool Pass = false;

    const FeedResult& Of(Feed feed) const { return Feeds[static_cast<size_t>(feed)]; }
};

struct CableComparison {
    std::vector<CableComparisonRow> Rows;  // the enabled cables, in the catalogue's order
    // The smallest cable that passes: the thinnest, which is the highest
    // impedance (the first in the catalogue's order of those alike); none
    // when no cable passes.
    std::optional<size_t> Smallest;
};

CableComparison CompareCables(const Document& document, int loop);
