#pragma once
// One device entry of [Devices]: a list of 55 fields that becomes one
// DeviceTypeRecord (field numbers as in the record's comments).

#include <string>

struct DeviceFile;

// Parses the entry into the type at the position. Messages end with "for
// device type " + position + " in " + the place text of the file the entry
// comes from (the custom device file when isCustom). A custom entry whose
// name a type above position 0 already has is not stored; an empty entry
// leaves an empty type. False after a message; a number the entry's
// unchecked conversions cannot hold throws a RunTimeError, and then the
// position is left as it was.
bool ParseDeviceEntry(const DeviceFile& file, const std::string& entry, int position, bool isCustom);
