#pragma once
// The calculator's --import: a device list placed on the site's loops and
// the site saved, refused whole (nothing saved) when a name is in neither
// catalogue or a row is refused, unless the command line leaves those out.

#include <optional>
#include <ostream>

struct CalcArguments;
class Document;
class MessageHost;

// Every name and refusal goes to `err`, with what was placed per loop; the
// exit status when the import was refused or the save failed, else nothing.
std::optional<int> ImportAndSave(const CalcArguments& arguments, Document& document, MessageHost& messages,
                                 std::ostream& err);
