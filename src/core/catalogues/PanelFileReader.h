#pragma once
// Reads one control panel's section, the same keys in the standard panel
// file and in the user-defined panel file.
//
// Every message ends by naming the panel. Until its name has been read the
// caller says which entry it is (unnamedSuffix); from then on the suffix is
// " for control panel '<name>' for manufacturer '<maker>' in " + place text.

#include "catalogues/CatalogueRecords.h"
#include "platform/MessageHost.h"

#include <string>

// The suffix of the messages about a named panel.
std::string NamedPanelSuffix(const std::string& panelName, const std::string& manufacturerName,
                             const std::string& placeText);

// Fills Name and the limits of the record from the section; IsStandard,
// Manufacturer and Section are the caller's. MaxDevicesPerLoop is checked
// (1 to 252, "126" when missing) and then always held as 254. The first bad
// key shows its message and ends the reading with false.
bool ReadPanelSection(MessageHost& host, const std::string& file, const std::string& section,
                      const std::string& manufacturerName, const std::string& placeText,
                      const std::string& unnamedSuffix, PanelRecord& record);
