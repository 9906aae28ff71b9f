#pragma once
// How many more of one device type or Other Device a loop takes: the
// largest number that can be added, through the loop-editing service on a
// scratch copy of the loop, with the loop's verdict satisfactory and every
// check along the cable passing; and what stops one more.
//
// The loop is recalculated as it was last calculated (with or without the
// device checks), so the loop editor and the headless calculator each answer
// by their own verdict. The count is found by bisection between what passes
// and the first count the service refuses, taking each count that fails to
// fail for every larger one too: adding devices only adds current, points and
// addresses. Where a rule is not so (a dependent device that a later one
// would satisfy), the answer n still passes and n + 1 still fails, but a
// larger count may pass again.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

class Catalogue;
class Document;

namespace HowManyMore {

enum class Placement {
    Evenly,    // where the loop editor's quantity rules put them
    AtFarEnd,  // all of them last along the cable, at its far end when the loop has distances
};

// What a device type or Other Device is.
struct Item {
    enum class Kind { DeviceType, OtherDevice } Of = Kind::DeviceType;
    int Index = 0;  // the device type, or the Other Device
};

enum class Stop {
    None,        // nothing to add (no such item)
    Verdict,     // the loop's own verdict
    AlongCable,  // a feed along the cable
    Section,     // an isolator section over its limit
    Refused,     // the loop-editing service will not place one more
};

struct Answer {
    int32_t More = 0;
    // The loop fails already: More is 0 and the check is the one failing now.
    bool AlreadyFails = false;
    Stop StoppedBy = Stop::None;
    // "Alarm Current Too High", "open at IN end: address 40, 0.40 V below its
    // minimum", "section 2: 33 points, limit 32", "Too many devices on this loop!"
    std::string Check;
};

// The device type or Other Device of that catalogue name, in any case.
std::optional<Item> ItemNamed(const Catalogue& catalogue, std::string_view name);
// Its name as the loop editor's rows show it.
std::string ItemName(const Catalogue& catalogue, Item item);

Answer Find(const Document& document, int loop, Item item, Placement placement);

// Places `count` more of the item on the loop as the placement puts them,
// through the loop-editing service; the refusal's words when it will not.
// Does not recalculate.
std::string Add(Document& document, int loop, Item item, int32_t count, Placement placement);

// "12 more fit; one more fails: Alarm Current Too High"; "None: the loop
// already fails: Volt Drop Too High".
std::string AnswerText(const Answer& answer);
// "evenly", "at the far end"
const char* PlacementName(Placement placement);

}  // namespace HowManyMore
