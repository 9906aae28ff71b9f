#pragma once
// The one way to fill a loop: devices by type and quantity (as typed in the
// loop editor) or at given addresses (as a schedule lists them), slave bases,
// base and attached Other Devices, standalone devices wired after an address,
// and the cable order. Every change passes the placement rules and the
// panel's limits and is refused with the rules' own words, leaving the loop
// as it was (except for devices the quantity rules moved to make room, which
// stay moved, as in the loop editor).
//
// Nothing here recalculates the loop or marks the document changed: callers
// make one step of many changes.

#include <cstdint>
#include <string>
#include <vector>

class Document;

namespace LoopEditing {

struct Outcome {
    bool Accepted = true;
    std::string Message;  // why not
    explicit operator bool() const { return Accepted; }
};

// Addresses holding a device (what the panel's devices-per-loop counts).
int32_t OccupiedAddresses(const Document& document, int loop);

// The loop's devices made `quantity` of the type: new ones at the lowest
// free addresses of its range, removed ones from the highest.
Outcome SetDeviceQuantity(Document& document, int loop, int type, int32_t quantity);
// The loop's Other Devices of one kind made `quantity`.
Outcome SetOtherQuantity(Document& document, int loop, int other, int32_t quantity);

// A device of the type at a free address of its range.
Outcome PlaceDeviceAt(Document& document, int loop, int address, int type);
// A slave base fitted to the device at the address, linked to the loop's
// Master in the base's range.
Outcome FitSlaveBaseAt(Document& document, int loop, int address, int type);
// An Other Device on the device at the address: as its base or attached,
// as the Other Device is.
Outcome AttachOtherAt(Document& document, int loop, int address, int other);
// A standalone Other Device wired after the address's device, in its next
// free slot, linked to the loop's Master; `slot` tells which.
Outcome WireStandaloneAfter(Document& document, int loop, int address, int other, int& slot);

// The addresses, in the order given, take the places along the cable that
// they hold between them now; every other address keeps its place.
void ArrangeCableOrder(Document& document, int loop, const std::vector<int>& addresses);

// Every device, Other Device, tag, distance and location off the loop, its
// cable order back to the addresses' own; its name and cable stay.
void ClearDevices(Document& document, int loop);

}  // namespace LoopEditing
