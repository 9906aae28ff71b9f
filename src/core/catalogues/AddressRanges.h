#pragma once
// Address ranges: which loop addresses a device type may occupy. Ranges are
// named in the device entries and defined in [Ranges] of the device file (or
// of the custom device file) as addresses and from-to runs, "1-126,129-254".
// They are read on first use; range 0 (" full") allows every address.

#include "catalogues/Catalogue.h"

#include <cstdint>
#include <optional>
#include <string>

struct DeviceFile;

// Leaves only range 0: named " full", all 256 addresses valid, Count 256.
void ResetAddressRanges(Catalogue& catalogue);

// The position of the range of that name (names match exactly), defined on
// first use. Without a definition in either file the names "L", "H" and "A"
// stand for 1-63, 64-126 and 1-126. Nullopt after a message: no definition,
// or an address that can never be valid (0, 127, 128 or 255 on its own).
std::optional<int32_t> AddressRangeFor(const DeviceFile& file, const std::string& name);

// Whether the address lies in the type's range; false for an address outside
// 0 to 255 or a type that does not exist.
bool IsAddressValidForType(const Catalogue& catalogue, int type, int address);

// The most addresses a loop can use with this catalogue: 252 when some range
// reaches above address 126, otherwise 126.
int LoopAddressLimit(const Catalogue& catalogue);
