#pragma once
// The user's own files a page hands out and takes back in: the user-defined
// panel file and the settings file, byte for byte as the program keeps them.
//
// An import reads the chosen file whole before anything is stored: a broken
// or foreign file is refused with one message and changes nothing. Panels of
// new names are added; one whose name (ignoring case) is a user-defined
// panel's asks first, one answer per panel.

#include "catalogues/Catalogue.h"
#include "catalogues/DataFiles.h"
#include "platform/MessageHost.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace SharedFiles {

inline constexpr const char* ImportPanelsCaption = "Import User-Defined Panels";
inline constexpr const char* ImportOptionsCaption = "Import Options";
// The File menu's items for them.
inline constexpr const char* ExportPanelsItem = "E&xport User-Defined Panels...";
inline constexpr const char* ImportPanelsItem = "&Import User-Defined Panels...";
inline constexpr const char* ExportOptionsItem = "Export Op&tions...";
inline constexpr const char* ImportOptionsItem = "Import Optio&ns...";

// A file as the page hands it out: the name to save it under, and where the
// program keeps it.
struct SharedFile {
    std::string Name;
    std::string Path;
};
SharedFile UserPanels(const DataFiles& files);
SharedFile Settings(const std::string& settingsPath);

// The file's bytes exactly; nothing, after a message, while there is no such
// file yet (no panel has been added, say).
std::optional<std::string> ReadForExport(MessageHost& host, const SharedFile& file);

// The panels of a user panel file at `path` (the user chose it as `name`).
// Nothing, after its message, for a file that is no user panel file, holds
// no panel, cannot be read to the end, or names a standard panel.
std::optional<std::vector<PanelRecord>> ReadPanelImport(MessageHost& host, const Catalogue& catalogue,
                                                        const std::string& path, const std::string& name);

// The live user-defined panel an imported one of this name would replace; -1
// for none.
int PanelToReplace(const Catalogue& catalogue, const std::string& name);
std::string ReplaceQuestion(const std::string& name);

struct ImportOutcome {
    int Added = 0;
    int Replaced = 0;
    // Why the import stopped part way ('' when it did not): for the page to
    // tell, as nothing may be asked once the writes have begun.
    std::string Failure;
    bool Changed() const { return Added + Replaced > 0; }
};

// Stores the panels in the user's panel file. Every question comes before
// the first write: an existing name asks ReplaceQuestion (Yes replaces it,
// No keeps it, Cancel imports nothing); the panel the open Loop Calculation
// uses is kept, with a message. Then the new names are added and the
// replacements written; a failed write ends the import.
ImportOutcome ImportPanels(Catalogue& catalogue, MessageHost& host, const DataFiles& files,
                           const std::vector<PanelRecord>& panels);

// Whether `bytes` (the user chose them as `name`) are a settings file: every
// line a setting, a comment or blank, and one setting at least. A refusal is
// told.
bool CheckSettingsImport(MessageHost& host, std::string_view bytes, const std::string& name);

}  // namespace SharedFiles
