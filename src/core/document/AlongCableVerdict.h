#pragma once
// The loop along its cable as one result: every check the analysis makes
// (each feed's least margin over the devices' minimum voltages, each
// isolator section's points against its limit) counted, the first that
// fails told in words, and the one line that the main window, the loop
// editor, the report and the headless calculator show. It stands beside the
// loop's verdict, which stays the lumped volt drop.

#include "loop/AlongCable.h"

#include <cstdint>
#include <string>
#include <vector>

class Document;

struct AlongCableCheck {
    // "open at IN end: address 40, 0.40 V below its minimum", "section 3:
    // 34 points, limit 32"; a passing check says how it passes.
    std::string Text;
    bool Pass = true;
};

struct AlongCableVerdict {
    bool Empty = true;        // a loop without points has no checks and no text
    bool Positioned = false;  // the points at their own distances, else placed evenly
    std::vector<AlongCableCheck> Checks;  // the feeds as AllFeeds, then the sections in cable order
    int32_t Failed = 0;
    std::string FirstFailure;  // empty when every check passes
    // "6.64 V margin (all 5 checks pass)" or the first failure with the
    // count: "section 3: 34 points, limit 32 (1 of 5 checks fails)".
    std::string Result;
    // The line shown: the result, after "Placed evenly, " for points
    // without distances or "Partly positioned, " for some without.
    std::string Text;
    // What the analysis took: "at their own distances", "partly at their own
    // distances (address 12 placed between its neighbours)" or "placed
    // evenly (no distances)".
    std::string Placement;

    bool Pass() const { return Failed == 0; }
    // Shown greyed, as a hint: every check passes on points only placed
    // evenly, where the loop's own verdict is the measure.
    bool Hint() const { return !Positioned && Pass(); }
};

AlongCableVerdict JudgeAlongCable(const AlongCableResult& result);
// The verdict on a line of its own: "Along the cable: " and its text.
std::string AlongCableLine(const AlongCableVerdict& verdict);
// Every line behind the verdict, as a tooltip lists them: "Devices " and
// the placement, then each check.
std::vector<std::string> AlongCableDetails(const AlongCableVerdict& verdict);

// The loop as last calculated, against the current panel's limit of points
// between isolators.
AlongCableVerdict AlongCableVerdictFor(const Document& document, int loop);

// The loops that fail along the cable, in loop order.
std::vector<int> LoopsFailingAlongCable(const Document& document);
// "Loop 1 fails along the cable", "Loops 1, 3 and 4 fail along the cable";
// empty when no loop is given.
std::string AlongCableFailuresText(const std::vector<int>& loops);
