#pragma once
// What a loop holds, one row per device type and per Other Device in use,
// with the currents each draws: the rows of the report's device tables and
// of the device schedule alike.

#include "text/Currency.h"

#include <cstdint>
#include <string>
#include <vector>

class Document;

namespace LoopContents {

enum class Kind { Device, OtherDevice };

struct Row {
    Kind Of = Kind::Device;
    std::string Name;
    int32_t Quantity = 0;
    int32_t QuiescentEach = 0;  // µA
    int32_t AlarmEach = 0;      // µA; with the interface LEDs disabled when LedsDisabled
    bool LedsDisabled = false;

    Currency QuiescentTotal() const { return Currency::FromInteger(int64_t{Quantity} * QuiescentEach); }
    Currency AlarmTotal() const { return Currency::FromInteger(int64_t{Quantity} * AlarmEach); }
};

// The device types on the loop by name, slave bases fitted to devices
// counted as types of their own.
std::vector<Row> DeviceRows(const Document& document, int loop);
// The Other Devices on the loop in catalogue order.
std::vector<Row> OtherDeviceRows(const Document& document, int loop);

}  // namespace LoopContents
