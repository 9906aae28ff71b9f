#pragma once
// Reading a ".QLX" document into the open Loop Calculation: the version
// check, the site and panel, each loop's calculation keys, device records,
// standalone lists and bases, and the conversions of older files. Keys are
// looked up by name, so their order in the file does not matter.
//
// The reader shows only the messages of the file itself (a refused version,
// a panel not in the catalogue, a missing default panel, a refused
// calculation value). Whatever needs the
// user's answer goes through the DocumentReadHost that the open flow
// implements.

#include "document/DateTime.h"
#include "document/DroppedRecords.h"

#include <cstdint>
#include <string>

class Catalogue;
class Document;
namespace WinINI {
class ProfileReader;
}
class MessageHost;
class Options;

// The answers to an unknown device type: leave the address empty ("Y"), do
// so for every later unknown type of this file too ("A"), or stop ("C").
enum class UnknownDeviceAnswer { LeaveEmpty, LeaveAllEmpty, Cancel };

class DocumentReadHost {
public:
    virtual ~DocumentReadHost() = default;
    // Asked before each address of each loop, so that the host can show the
    // progress (OpenProgressPercent) and let the user cancel: true stops.
    virtual bool CancelRequested(int loop, int address) = 0;
    // A device type that cannot be selected (its icon is 0).
    virtual UnknownDeviceAnswer UnknownDeviceType(int loop, int address, int deviceType) = 0;
    // An Other Device (attached or base, a catalogue position) that may not be
    // attached to its address's device type: true drops it and reading goes
    // on, false stops the reading.
    virtual bool DropIncompatibleOther(int loop, int other, int deviceType) = 0;
    // Of an older file's Other Devices of one kind (a catalogue position),
    // `notPlaced` could not be attached to the loop.
    virtual void OthersNotPlaced(int loop, int other, int32_t notPlaced) = 0;
};

// The progress shown before an address: ((loop - 1) * 256 + address) * 100 / 2048.
int OpenProgressPercent(int loop, int address);

enum class ReadOutcome {
    Opened,     // the document is the file's; path and read-only flag set
    Refused,    // an unrecognised or newer format: the document is untouched
    Cancelled,  // by the user or at a prompt: the document is new and empty
    NoPanel,    // neither the file's panel nor "Unknown Panel" exists: new and empty
    Failed      // a run-time error (ErrorNumber, ErrorDescription): new and empty
};

struct DocumentReadResult {
    ReadOutcome Outcome = ReadOutcome::Refused;
    // Opened: the file's modified date (its created date when invalid), for
    // the open flow to restore when the open did not have to change anything.
    DateTime ModifiedDate;
    // Some Other Devices of an older file could not be placed (and were reported).
    bool DataChanged = false;
    // Opened: the records naming devices the catalogues do not hold, left
    // out and not yet reported.
    DroppedRecords Dropped;
    int ErrorNumber = 0;
    std::string ErrorDescription;
};

// What the reader works with besides the document. The catalogue is the one
// the document reads (the reader selects its panel and shows families).
struct DocumentReadServices {
    Catalogue& catalogue;
    Options& options;
    MessageHost& messages;
    DocumentReadHost& host;
};

// Reads the file at the path into the document. Read-only when the file is
// not writable or when readOnlyRequest is set. The open flow checks first
// that the file exists and can be read (a missing file reads as one without
// a format); the window title, the recent files and the recalculation are
// its part too.
DocumentReadResult ReadDocument(Document& document, const std::string& path, bool readOnlyRequest,
                                const DocumentReadServices& services);
// The same with every key read through the given profile reader; the one
// above parses the file once, at its first read, and reads every key from that.
DocumentReadResult ReadDocument(Document& document, const std::string& path, bool readOnlyRequest,
                                const DocumentReadServices& services, WinINI::ProfileReader& profile);

// The site name a document file holds, read as an open reads it, without
// opening the file: what a list of sites shows ("" when it has none).
std::string ReadSiteName(const std::string& path);
