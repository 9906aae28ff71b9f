#pragma once
// The data fields of a device type: its field range ([Fields] "Field" + f)
// names a field type for each of the 15 fields, and each field type
// ([FieldTypes] "FieldType" + t) is parsed into the catalogue's field-type
// table the first time a device uses it.

#include "catalogues/CatalogueRecords.h"

#include <cstdint>
#include <string>
#include <string_view>

struct DeviceFile;

// Fills the type's FieldTypes, its special fields A, B and C (the last field
// whose type is marked for each, -1 for none) and, for protocol 3, its
// ProtocolText. suffix is "for device type n in " + place text. False after a
// message; a number field 8 or 12 of a field type cannot hold throws a
// RunTimeError.
bool ReadDataFields(const DeviceFile& file, int32_t fieldRange, const std::string& suffix, DeviceTypeRecord& type);

// One field-type definition, t being its number; the record is written only
// when the whole definition is good.
bool ParseFieldType(const DeviceFile& file, std::string_view definition, int t, const std::string& suffix,
                    FieldTypeRecord& type);
