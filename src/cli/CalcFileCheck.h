#pragma once
// One file opened for the calculator through the open flow, as the desktop
// opens it (unknown device types answered "Y", incompatible Other Devices
// OK), and recalculated as after an open, with the device checks when asked.

#include <string>

struct CalcArguments;
class Catalogue;
class Document;
class MessageHost;
class Options;

struct FileCheck {
    bool Opened = false;
    bool RefusedByStrict = false;  // opened, but reading it gave a message under --strict
    // Why not: the last message of the failed open (on one line), or the --strict refusal.
    std::string Reason;
};

// Opens `file` into `document`, every message through `messages`. A file
// cut short is not taken as opened: a summary could be taken for the whole design.
FileCheck OpenForCheck(const std::string& file, const CalcArguments& arguments, Document& document,
                       Catalogue& catalogue, Options& options, MessageHost& messages);
