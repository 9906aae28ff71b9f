#pragma once
// The parts of the open Loop Calculation that one edit may change, as they
// were at one moment: what a step of the edit history puts back. Only the
// loops an edit may change are kept, each whole (its model with its results,
// its name and its per-address tables), so that putting one back needs no
// recalculation and gives back exactly what was there.

#include "document/DateTime.h"
#include "document/PowerSettings.h"
#include "document/ProjectProperties.h"
#include "loop/clsCalculator.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

struct LoopState {
    int Loop = 1;
    clsCalculator Model;
    std::string Name;
    std::array<int16_t, clsCalculator::AddressCount> Tags{};
    std::array<int16_t, clsCalculator::AddressCount> Eavesdropping{};
    bool operator==(const LoopState&) const = default;
};

struct DocumentState {
    std::string SiteName;
    PowerSettings Power;
    ProjectProperties Project;
    int Panel = -1;  // the catalogue's current panel
    DateTime Modified;
    std::vector<LoopState> Loops;  // by ascending loop number
};
