#pragma once
// A device list (DeviceList.h) placed on the document's loops through the
// loop-editing rules: a bill of quantities as if its quantities were typed in
// the loop editor, a schedule of addresses device by device with its bases,
// Other Devices, standalone devices, tags, distances and locations. Names
// match the catalogues' in any case; what neither catalogue has is listed,
// to be mapped to a catalogue's name or left out. A row the rules refuse is
// left out and named with its row number and the rule's words.
//
// Devices are added to what the loops hold already.

#include "document/DeviceList.h"

#include <map>
#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

class Catalogue;
class Document;
class Options;

namespace DeviceListImport {

// A catalogue entry a name stands for.
struct Entry {
    enum class Kind { Device, Other };
    Kind Of = Kind::Device;
    int Code = 0;  // device type number, or Other Device position
    bool operator==(const Entry&) const = default;
};

// Names neither catalogue has, folded to lower case, mapped by the user to
// an entry, or to nothing: left out.
using Mapping = std::map<std::string, std::optional<Entry>>;

struct Refusal {
    size_t Row = 0;
    std::string Reason;
};

// What one loop receives.
struct LoopOutcome {
    int Loop = 0;
    // "12 × Optical Smoke Detector", in the order the list first names them.
    std::vector<std::string> Placed;
    std::vector<Refusal> Refused;
};

struct Outcome {
    std::string Failure;  // the list cannot be used at all
    // Names neither catalogue has nor the mapping names, as first written,
    // with the rows that use them.
    struct Unknown {
        std::string Name;
        std::vector<size_t> Rows;
    };
    std::vector<Unknown> Unknowns;
    std::vector<Refusal> Refused;  // rows that name no loop of the panel
    std::vector<LoopOutcome> Loops;  // by loop number, those the list names

    size_t RefusedRows() const;
    bool Placed() const;  // anything at all
};

// What the import would do, the document untouched.
Outcome Preview(const Document& document, const DeviceList::List& list, const Mapping& mapping);
// The import, as one step of the document's history ("Import Device List")
// when it placed anything; the loops recalculated.
Outcome Import(Document& document, const DeviceList::List& list, const Mapping& mapping);

// The catalogue entry of a name, in any case: a device type first, else an
// Other Device by its single or plural name.
class EntryIndex {
public:
    explicit EntryIndex(const Catalogue& catalogue);
    std::optional<Entry> Find(const std::string& name) const;

private:
    std::unordered_map<std::string, Entry> entries_;
};
// How the import window and the messages name an entry.
std::string EntryName(const Catalogue& catalogue, const Entry& entry);

// Every unknown name mapped to nothing (headless --skip-unknown).
Mapping LeaveOut(const Outcome& outcome);

// The mappings chosen before, kept in the options by the entries' names, for
// the entries the catalogue still has.
Mapping RememberedMapping(const Options& options, const Catalogue& catalogue);
void RememberMapping(Options& options, const Catalogue& catalogue, const Mapping& mapping);

// One line per refusal: "Row 7 (loop 2): Too many devices on this loop!"
std::vector<std::string> RefusalLines(const Outcome& outcome);
std::string UnknownLine(const Outcome::Unknown& unknown);

}  // namespace DeviceListImport
