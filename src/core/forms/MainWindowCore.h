#pragma once
// The rules of the main window that do not need a window: applying a newly
// chosen control panel, the site name, copying and clearing a loop, which
// loop rows are shown, and the texts of its refusals and notes. The window
// shows what these compute.

#include "document/CalculationSupport.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

class Catalogue;
class Document;
class MessageHost;
class Options;

namespace MainWindowCore {

// The loop rows are indexed by loop number; the totals row is row 99.
inline constexpr int TotalsRow = 99;

enum class PanelChange {
    Unchanged,  // the chosen panel is already the current one: nothing happened
    Abandoned,  // the user cancelled a question: the current panel stays
    Applied     // the chosen panel is current and every loop recalculated
};

// Applies a newly chosen panel (a position in the catalogue's panels): limits
// every loop's activated outputs to it, asks before loops or devices it cannot
// hold are dropped, then makes it current and recalculates every loop. While
// the program starts up the current panel is applied again and the document
// is not marked changed.
PanelChange ChangePanel(Document& document, Catalogue& catalogue, Options& options, MessageHost& host, int panel,
                        bool startingUp);

// Stores the site name without leading and trailing blanks and marks the
// document changed.
void SetSiteName(Document& document, std::string_view text);

// Makes loop `to` a copy of loop `from`: every device, Other Device,
// position, cable and calculation parameter and per-address table, named
// after the source with " (copy)"; then recalculates it and marks the
// document changed, one step of its history. A loop the current panel does
// not have, or a source with more devices than the panel allows on a loop,
// is refused with a box; a target that holds devices is replaced only when
// the user agrees. True when the copy was made.
bool CopyLoop(Document& document, MessageHost& host, int from, int to);

// Empties the loop to the defaults (CalculationSupport::ClearLoop) as one
// step, asking first when it holds devices; true when it was cleared.
bool ClearLoop(Document& document, MessageHost& host, int loop, const CalculationSupport::LoopDefaults& defaults);

// A loop row (1 to 8) is shown exactly when the current panel has that loop.
bool LoopRowShown(const Catalogue& catalogue, int loop);
// The first loop of the panel after `loop`, round to the first (where a copy
// of it goes unless the user says otherwise); `loop` itself when the panel
// has no other.
int NextShownLoop(const Catalogue& catalogue, int loop);

// The loops a copy or a clear is chosen among: each loop of the panel, by
// its number and, when it has one, its name ("3  Yard").
struct LoopChoice {
    int Loop = 0;
    std::string Text;
    bool operator==(const LoopChoice&) const = default;
};
std::vector<LoopChoice> LoopChoices(const Document& document);

// "(max. permissible = " + the panel's total current + " mA)".
std::string AlarmNotesCaption(const Catalogue& catalogue);

// Saving a read-only document is refused with this text.
std::string ReadOnlySaveMessage();
// A read-only document that has changed cannot be printed.
std::string ReadOnlyPrintMessage();
bool PrintRefused(const Document& document);

// An output the window is about to write (`what`: "PDF", "device schedule",
// "address schedule") that is the open document, by the rule of
// platform/OutputFile.h (the same file, also through a link or another
// name): refused with a box saying so, and true. Nothing has been written
// then; false for any other target.
bool OutputRefused(const Document& document, const std::string& what, const std::string& path, MessageHost& host);

// The folder part of a full path (without the last "/"), as "QLX Path" keeps it.
std::string FolderOf(const std::string& path);
// Where the open and save dialogs start: "QLX Path", else the documents folder.
std::string DialogStartFolder(const Options& options, const std::string& documentsFolder);

// A site name as a file name: each character a file name cannot hold (here
// or on the desktops the files are shared with) becomes "_", blanks and dots
// at its end go, and ".QLX" follows; empty when no name is left.
std::string FileNameForSite(std::string_view siteName);
// The name the save dialog shows first: the document's path, without the
// current folder when it lies in it; for a new site, its name as a file name
// in the dialog's folder.
std::string SavePreset(const Document& document, const std::string& currentFolder);

// The file a name chosen in the save dialog saves to (DocumentPath). The
// dialog asked about replacing the name as chosen: when ".QLX" was added and
// a file of the longer name is there, the user is asked here; nothing when
// it is to stay.
std::optional<std::string> SaveAsPath(const std::string& chosen, MessageHost& host);
std::string ReplaceFileQuestion(const std::string& path);

}  // namespace MainWindowCore
