#include "document/DroppedRecords.h"

#include "text/LeadingNumber.h"

#include <utility>

using std::to_string;

namespace {

const char* KindText(DroppedKind kind)
{
    switch (kind) {
    case DroppedKind::DeviceType:
        return "Device type";
    case DroppedKind::CustomDeviceType:
        return "Custom device type";
    case DroppedKind::OtherDevice:
        return "Other Device";
    case DroppedKind::CustomOtherDevice:
        return "Custom Other Device";
    }
    return "";
}

// A number as it is; a name, or anything else, in quotes, with control
// characters (a NUL among them) shown as the replacement character.
std::string Shown(const std::string& read)
{
    if (IsNumericText(read))
        return read;
    std::string shown = "'";
    for (const char c : read) {
        if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F)
            shown += "\xEF\xBF\xBD";  // U+FFFD
        else
            shown += c;
    }
    return shown + "'";
}

}  // namespace

void DroppedRecords::Add(DroppedRecord record)
{
    if (first_.size() < Listed)
        first_.push_back(std::move(record));
    ++count_;
}

std::string DroppedRecordsText(const DroppedRecords& records)
{
    std::string text =
        "This file has devices that are not in the catalogues on this computer; they have been left out:\n";
    for (const DroppedRecord& record : records.First())
        text += std::string("\n") + KindText(record.Kind) + " " + Shown(record.Read) + " at address " +
                to_string(record.Address) + " on loop " + to_string(record.Loop);
    if (records.Count() > records.First().size())
        text += "\nand " + to_string(records.Count() - records.First().size()) + " more";
    return text + "\n\nSaving the file will remove them from it.";
}
