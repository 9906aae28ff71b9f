#pragma once
// Records of a document that name a device the catalogues on this computer
// do not hold. The reader leaves them out (the address keeps no such device)
// and lists them here; the open flow reports them in one message, so that
// the user knows before a save writes the document without them.

#include <cstddef>
#include <string>
#include <vector>

enum class DroppedKind { DeviceType, CustomDeviceType, OtherDevice, CustomOtherDevice };

struct DroppedRecord {
    int Loop = 0;
    int Address = 0;  // of the device record, or of the standalone list
    DroppedKind Kind = DroppedKind::DeviceType;
    std::string Read;  // the number or name found in the file
};

class DroppedRecords {
public:
    // The message lists this many; the rest are only counted.
    static constexpr size_t Listed = 20;

    void Add(DroppedRecord record);
    size_t Count() const { return count_; }
    bool Empty() const { return count_ == 0; }
    const std::vector<DroppedRecord>& First() const { return first_; }

private:
    std::vector<DroppedRecord> first_;
    size_t count_ = 0;
};

// "This file has devices that are not in the catalogues on this computer;
// they have been left out:", one line per record ("Device type 150 at
// address 12 on loop 1"), and what a save would do.
std::string DroppedRecordsText(const DroppedRecords& records);
