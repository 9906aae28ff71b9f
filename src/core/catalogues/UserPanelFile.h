#pragma once
// The user-defined panel file: [Options] "MaxCustom", the highest slot ever
// used, and one section "Custom" + slot per panel holding the panel keys. A
// slot whose "Name" is missing or empty is free.
//
// Each function works through the profile cache it is given (the shared one
// in the program, one with a write fault in tests).

#include "catalogues/CatalogueRecords.h"
#include "text/WinINI.h"

#include <cstdint>
#include <optional>
#include <string>

namespace UserPanelFile {

inline constexpr const char* SlotPrefix = "Custom";

// "Custom" + slot.
std::string SlotSection(int slot);

// "MaxCustom" as a whole number (0 when missing); nullopt when it does not
// fit a 16-bit number, a file nobody can read to the end.
std::optional<int16_t> MaxCustom(WinINI::ProfileCache& cache, const std::string& file);

bool IsFreeSlot(WinINI::ProfileCache& cache, const std::string& file, int slot);
// The lowest free slot; slots past MaxCustom are always free, whatever a
// write an older release broke off left in their sections.
int FirstFreeSlot(WinINI::ProfileCache& cache, const std::string& file);

// Writes the panel's keys into its Section (the name in double quotes, the
// numbers in plain decimal; MaxDevicesPerLoop is not kept), in one write of
// the file: all or nothing, also across a crash.
bool StorePanel(WinINI::ProfileCache& cache, const std::string& file, const PanelRecord& panel);

// A panel into a slot that FirstFreeSlot gave: its section written whole
// over whatever is there (what an interrupted write of an older release left
// beyond MaxCustom is never brought into use), and MaxCustom raised to
// newMaxCustom when given, in one write of the file.
bool StoreNewPanel(WinINI::ProfileCache& cache, const std::string& file, const PanelRecord& panel,
                   std::optional<int> newMaxCustom);

// Removes the section of the first slot (1 to MaxCustom) whose name is
// exactly this one, in one write of the file. Finding none is no failure; false when the file cannot be
// read to the end or written.
bool RemovePanelNamed(WinINI::ProfileCache& cache, const std::string& file, const std::string& name);

}  // namespace UserPanelFile
