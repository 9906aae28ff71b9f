#pragma once
// How much room a loop has left before each of its limits: its alarm current
// against the panel's loop current, its devices against the addresses and
// the panel's devices per loop, its volt drop against the permissible one
// (not where the run is worked out to use all of it), in each feed the volts
// the worst point loses against what it may lose, and the fullest isolator
// section against its limit. Each as used and as spare, the one that binds
// first, and whether the loop keeps the spare the project asks of it.

#include "loop/AlongCable.h"

#include <cstdint>
#include <string>
#include <vector>

class Document;

enum class SpareLimit { AlarmCurrent, Devices, VoltDrop, AlongCable, Section };

struct SpareItem {
    SpareLimit Limit = SpareLimit::AlarmCurrent;
    Feed Along = Feed::Whole;  // for AlongCable
    std::string Name;          // "alarm current", "devices", "volt drop", "open at IN end", "section 3"
    double Used = 0;           // in the limit's own unit: µA, devices, hundredths of a volt, volts, points
    double Of = 0;
    std::string Text;  // "212.5 of 400 mA", "120 of 252", "3.2 of 8.5 V", "4.12 of 6.00 V", "30 of 32 points"

    // (Of − Used) / Of in percent; −100 where the limit leaves nothing at all.
    double SparePercent() const;
    // Whether at least `percent` of the limit is left: exact where the limit
    // counts whole units.
    bool Keeps(int32_t percent) const;
};

struct LoopSpare {
    std::vector<SpareItem> Items;  // none for a loop without devices
    // The limit with the least spare; nullptr without items.
    const SpareItem* Binding() const;
    // Every limit keeps the required percentage (always with none required).
    bool Meets(int32_t requiredPercent) const;
};

// The loop as last calculated, against the current panel.
LoopSpare SpareCapacityFor(const Document& document, int loop);

// A spare percentage as shown: whole percent, rounded down, so that a loop
// shown with 20 % keeps 20 %.
int32_t ShownSparePercent(double percent);
// "27 % (alarm current)"; "None (alarm current over its limit)"; empty
// without items.
std::string SpareText(const LoopSpare& spare);
// "27 % (alarm current), 20 % required", "12 % (section 3), below the 20 %
// required"; without the requirement when none is asked; empty without items.
std::string SpareAgainstRequired(const LoopSpare& spare, int32_t requiredPercent);
// The same after "Spare capacity: ", as the loop editor shows it.
std::string SpareLine(const LoopSpare& spare, int32_t requiredPercent);
// Whether the loop is shown as short of the spare asked of it.
bool BelowRequired(const LoopSpare& spare, int32_t requiredPercent);
// Each limit on a line: "alarm current: 212.5 of 400 mA, 46 % spare".
std::vector<std::string> SpareDetails(const LoopSpare& spare);

// The loops below the project's required spare, in loop order; none when
// none is required.
std::vector<int> LoopsBelowRequiredSpare(const Document& document);
// "Loop 3 is below the 20 % spare required", "Loops 1 and 3 are below the
// 20 % spare required"; empty when no loop is given.
std::string SpareShortfallText(const std::vector<int>& loops, int32_t requiredPercent);

// What the windows show of it: a loop's spare (the main window's cell, the
// loop editor's line), red when below the requirement, every limit in its
// details; the totals row says whether every loop keeps the requirement
// ("Every loop keeps 20 %", "Loops 1 and 3 below 20 %"), nothing when none
// is asked.
struct SpareCell {
    std::string Text;
    std::string Line;
    std::vector<std::string> Details;
    bool Below = false;
};
SpareCell SpareCellFor(const Document& document, int loop);
SpareCell SpareTotalsFor(const Document& document);
