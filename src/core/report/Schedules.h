#pragma once
// The schedules of a Loop Calculation as CSV files for spreadsheets: the
// device schedule (what each loop holds, with its currents, and each loop's
// totals and verdict as the main window and the report give them) and the
// address schedule (every used address in cable order, with what sits
// there). Currents in µA as exact decimals, positions in metres.

#include "platform/FileSystem.h"

#include <string>

class Document;

namespace Schedules {

enum class Schedule { Devices, Addresses };

// "device schedule" or "address schedule", as the messages name them.
const char* ScheduleName(Schedule schedule);

// The whole file: the byte-order mark, the project's fields when the site
// has any (a label and a value a row, then a blank row), the header row and
// the rows.
std::string DeviceScheduleCsv(const Document& document);
std::string AddressScheduleCsv(const Document& document);
std::string ScheduleCsv(const Document& document, Schedule schedule);

// "<document name> - Devices.csv" (or " - Addresses.csv") beside the
// document; for a document never saved, named "Loop Calculation" in `folder`.
std::string SuggestedPath(const Document& document, const std::string& folder, Schedule schedule);

// Writes the schedule as an output file (see platform/OutputFile.h): a
// regular file through a temporary file renamed over it, so that a failure
// leaves any earlier file as it was, a FIFO or a device in place; false with
// a message naming the file and the reason. Whether the path is the
// document's own is the caller's to check first.
bool WriteSchedule(const Document& document, Schedule schedule, const std::string& path, std::string& error,
                   const FileSystem::WriteFault& fault = {});
// Told once the schedule is written: "The device schedule has been written
// to '<path>'."
std::string ScheduleWrittenMessage(Schedule schedule, const std::string& path);

}  // namespace Schedules
