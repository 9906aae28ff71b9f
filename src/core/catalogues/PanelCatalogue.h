#pragma once
// The control-panel catalogue: the standard panels of the standard panel
// file, grouped by manufacturer, and the panels the user defines, which live
// in the user's own panel file and may be added, edited and deleted while
// the program runs. It also keeps which panel the open Loop Calculation uses,
// remembered across runs as the "LastPanel" setting.
//
// Panels are held sorted by name (ignoring case); every operation that may
// change the order keeps CurrentPanel and DefaultPanel on their panels. A
// deleted user-defined panel stays in Panels for the rest of the run with
// Manufacturer -1.
//
// The functions that write the user's panel file return false when the write
// fails, leaving the catalogue (and the file) as they were; the caller tells
// the user.

#include "catalogues/Catalogue.h"
#include "catalogues/DataFiles.h"
#include "catalogues/Options.h"
#include "platform/MessageHost.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

inline constexpr const char* DefaultPanelName = "Unknown Panel";
inline constexpr const char* UserDefinedManufacturerName = "User-Defined Panels";
inline constexpr const char* UserDefinedManufacturerSection = "Custom";

// The standard panel file to read: the revised one when it exists, unless the
// original is newer; otherwise the original (which may be missing).
std::string ChooseStandardPanelsFile(const DataFiles& files);

// Reads the manufacturers and standard panels, adds the "User-Defined Panels"
// manufacturer and the user's panels, and sorts the panels by name. No panel
// is current afterwards; DefaultPanel is the first panel named exactly
// "Unknown Panel" (0 when there is none). The first bad entry shows one
// message naming it and its file and the result is false, with the catalogue's
// panels left as they were.
bool LoadPanels(Catalogue& catalogue, MessageHost& host, const DataFiles& files);

// The panels of a user panel file as stored (their sections, no
// manufacturer); nothing, after its message, when the file cannot be read to
// the end or an entry is bad.
std::optional<std::vector<PanelRecord>> ReadUserPanelFile(MessageHost& host, const std::string& file);

// "Unable to save the control panel to the " + PlaceText of the user's panel file.
std::string PanelSaveFailure(const DataFiles& files);

// Stores the panel in the first free slot of the user's panel file (raising
// "MaxCustom" when the slot is past it) and adds it to the catalogue as a
// user-defined panel.
bool AddUserDefinedPanel(Catalogue& catalogue, const DataFiles& files, PanelRecord panel);

// Writes the user-defined panel at this position into its section of the
// user's panel file. False also for a position that holds no live
// user-defined panel.
bool WriteUserDefinedPanel(const Catalogue& catalogue, const DataFiles& files, int position);

// Replaces the user-defined panel at this position (it keeps its section and
// manufacturer), writes it and sorts the panels again when the name changed.
bool UpdateUserDefinedPanel(Catalogue& catalogue, const DataFiles& files, int position, PanelRecord panel);

// Deletes a user-defined panel: its slot leaves the user's panel file and the
// record is marked deleted. The current panel is refused with a message
// ("Delete Custom Panel"); a failed write is told as an unexpected error
// while reading the file. False in both cases, and for a position that holds
// no live user-defined panel.
bool DeleteUserDefinedPanel(Catalogue& catalogue, MessageHost& host, const DataFiles& files, int position);

// Makes the first panel whose name equals this one, ignoring case, the
// current panel; false when there is none.
bool SelectPanelByName(Catalogue& catalogue, Options& options, std::string_view name);

// As SelectPanelByName, falling back to "Unknown Panel"; when that is missing
// too, says so and returns false.
bool SelectPanelOrDefault(Catalogue& catalogue, Options& options, MessageHost& host, std::string_view name);

// Makes the panel at this position current and remembers its name as
// "LastPanel". Choosing the current panel again, or a position that holds no
// panel, does nothing.
void SetCurrentPanel(Catalogue& catalogue, Options& options, int position);
