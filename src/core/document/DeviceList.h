#pragma once
// A device list as a spreadsheet or a CAD schedule writes it, read into rows:
// either the address schedule the program exports (a row per point: loop,
// address, what sits there, its distance and location) or a bill of
// quantities (loop, device type or Other Device, quantity). The header row
// names the columns, matched in any case with blanks around ignored, by the
// export's names or plain ones ("Type", "Qty", "Distance (ft)"). Comma or
// semicolon separated, UTF-8 (with or without a byte-order mark) or
// Windows-1252, quoted fields, CR LF or LF.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace DeviceList {

enum class Format { AddressSchedule, BillOfQuantities };

// What a row says, each field as written (blanks around it trimmed).
struct Row {
    size_t Number = 0;  // as the spreadsheet numbers it: the header is row 1
    std::string Loop;
    std::string Kind;  // the device schedule's: its total rows are not devices
    std::string Type;
    std::string Quantity;
    std::string Address;
    std::string Position;
    std::string SlaveBase;
    std::string BaseOther;
    std::string AttachedOther;
    std::string Standalone;
    std::string Tag;
    std::string Location;
};

struct List {
    Format Of = Format::BillOfQuantities;
    bool HasLoopColumn = true;
    int PositionUnits = 0;  // Scaling::Metric or Imperial, by the position column's header
    bool DecimalComma = false;  // semicolon separated: "12,5" is twelve and a half
    std::vector<Row> Rows;
    std::string Failure;  // why the file is no device list; "" when it is one
};

// Larger files are refused unread: a list of every address of 8 loops is a
// few hundred kilobytes.
constexpr uint64_t LargestFileBytes = 4 * 1024 * 1024;

// `name` is how messages name the file.
List Read(std::string_view bytes, const std::string& name);
// The file at the path, refused when it cannot be read or is too large.
List ReadFile(const std::string& path);

}  // namespace DeviceList
