#pragma once
// Isolators placed every N points: walking a loop's points in cable order,
// an isolator goes in wherever the section since the last one would hold
// more than N points, so that afterwards none does. Sections are counted as
// the along-cable analysis counts them (devices and addressable slave bases;
// an isolator's own address opens the section it is counted in), and the
// isolators already on the loop count.
//
// Every isolator goes in through LoopEditing, under the placement rules; when
// one is refused, or no isolator can bring a section within N, the loop is
// left as it was and the outcome says why. Nothing here records history,
// marks the document changed or recalculates: the caller makes it one step.

#include "document/LoopEditing.h"
#include "loop/AlongCable.h"
#include "loop/clsCalculator.h"

#include <cstdint>
#include <string>
#include <vector>

class Document;

namespace IsolatorPlacement {

// A device type, or an Other Device, with a surge rating.
struct Kind {
    bool IsOther = false;
    int Code = 0;
    std::string Name;
    bool operator==(const Kind&) const = default;
};

// The isolators the loop may take: the device types with an address of
// their own, in the catalogue's order of names, then the Other Devices, each
// of a family on show (or of none).
std::vector<Kind> KindsFor(const Document& document);

// The points a section may hold by default: the panel's figure.
int32_t PanelLimit(const Document& document);

// One isolator put in: at Address (a device; or, for a standalone Other
// Device, the device it is wired after, in Slot), between the points before
// it and the point at Before; at Position when both neighbours have distances.
struct NewIsolator {
    int Address = 0;
    int Slot = 0;
    int Before = 0;
    int32_t Position = clsCalculator::NoPosition;
    bool operator==(const NewIsolator&) const = default;
};

struct Placement {
    LoopEditing::Outcome Outcome;
    std::vector<NewIsolator> Added;  // in cable order
    std::vector<IsolatorSection> Before;
    std::vector<IsolatorSection> After;  // as Before when refused
};

enum class Mode { Check, Apply };

// Places isolators of the kind so that no section holds more than `limit`
// points. Check mode works out the same and leaves the loop as it was.
Placement PlaceEvery(Document& document, int loop, const Kind& kind, int32_t limit, Mode mode);

// "The section at address 12 cannot be brought within 1 points by isolators."
std::string UnreachableMessage(int address, int32_t limit);
// "There is no free address for another Isolator Module on this loop."
std::string NoFreeAddressMessage(const std::string& name);
// "No isolator can go in before address 40: " and the rule's own words.
std::string RefusedMessage(int address, const std::string& why);

}  // namespace IsolatorPlacement
