#pragma once
// The document's "[Project]" section: the project's properties for the
// hand-over, written only when one is given, each key only when it is not
// empty (the spare capacity when it is not 0). Every text is quoted, so that
// commas, quotes and leading or trailing blanks read back as written.
//
//   [Project]
//   Number="P-2291"
//   Client="Harbour Estates, Ltd."
//   Designer="A. Jones"
//   CheckedBy="B. Smith"
//   Revision="C"
//   RevisionDate="12 March 2026"
//   Notes="First line\nSecond line with a \\ in it"
//   SpareCapacityRequired=20        (percent of every loop)
//
// A profile value is one line, so the notes are written with escapes: a line
// feed as \n, a carriage return as \r and a backslash as \\; any other
// backslash reads as itself. Written so, the notes must fit ProjectLimits::
// LongestNotes characters, well inside the 1023 a profile value keeps.

#include "document/ProjectProperties.h"

#include <optional>
#include <string>
#include <string_view>

class MessageHost;
namespace WinINI {
class ProfileReader;
class ProfileText;
}  // namespace WinINI

namespace ProjectLimits {
inline constexpr size_t LongestField = 200;   // characters, one line
inline constexpr size_t LongestNotes = 1000;  // characters as written, escapes included
inline constexpr int32_t MostSpare = 90;      // percent
}  // namespace ProjectLimits

// The one-line fields, in the order of the file and of the window.
struct ProjectTextField {
    const char* Key;
    const char* What;  // as a message names it
    std::string ProjectProperties::*Field;
};
inline constexpr ProjectTextField ProjectTextFields[] = {
    {"Number", "project number", &ProjectProperties::Number},
    {"Client", "client", &ProjectProperties::Client},
    {"Designer", "designer", &ProjectProperties::Designer},
    {"CheckedBy", "checked by", &ProjectProperties::CheckedBy},
    {"Revision", "revision", &ProjectProperties::Revision},
    {"RevisionDate", "revision date", &ProjectProperties::RevisionDate},
};

// The number of characters (UTF-8 code points) of a text.
size_t CharacterCount(std::string_view text);
// The notes as written in the file, and back.
std::string EscapedNotes(std::string_view notes);
std::string UnescapedNotes(std::string_view written);

// A refused value gets its message and is left empty; reading goes on.
ProjectProperties ReadProjectSection(WinINI::ProfileReader& profile, const std::string& path, MessageHost& host);
void WriteProjectSection(WinINI::ProfileText& profile, const ProjectProperties& project);
