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
// The lowest free slot; slots past MaxCustom are always free.
int FirstFreeSlot(WinINI::ProfileCache& cache, const std::string& file);

// Writes the panel's keys into its Section (the name in double quotes, the
// numbers in plain decimal; MaxDevicesPerLoop is not kept) and, when given,
// raises "MaxCustom" to newMaxCustom, in one write of the file: all or
// nothing, also across a crash.
bool StorePanel(WinINI::ProfileCache& cache, const std::string& file, const PanelRecord& panel,
                std::optional<int> newMaxCustom = std::nullopt);

// Removes the section of the first slot (1 to MaxCustom) whose name is
// exactly this one, in one write of the file. Finding none is no failure; false when the file cannot be
// read to the end or written.
bool RemovePanelNamed(WinINI::ProfileCache& cache, const std::string& file, const std::string& name);

}  // namespace UserPanelFile
