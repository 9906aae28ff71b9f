#pragma once
// The placement rules of a loop: turning a change of quantity of a device
// type into devices at addresses (with the Master/Slave and base rules), and
// attaching or detaching Other Devices on compatible devices. Used by the loop
// editor and by the document reader for older files.

#include <cstdint>
#include <string>

class Document;

namespace LoopPlacement {

// A device type that is a base fitted to another device and is a slave.
bool IsSlaveBaseType(const Document& document, int type);
// A device type that is itself a base and a Master.
bool IsMasterDeviceType(const Document& document, int type);
// Whether the type's address range allows the address.
bool IsAddressInRange(const Document& document, int type, int address);
// How many addresses the type's address range offers.
int32_t RangeCount(const Document& document, int type);
// Devices of a type on the loop (slave base types count their fitted bases).
int32_t CountOfType(const Document& document, int loop, int type);

// The Master a slave base of the type belongs to: the last Master device in
// the type's range; -1 when there is none.
int SlaveBaseMaster(const Document& document, int loop, int type);
// The Master standalone devices are linked to: the last device whose type
// is a Master; -1 when there is none.
int StandaloneMaster(const Document& document, int loop);

// Places `count` more devices of the type; false with the message when they
// do not fit. Devices relocated to make room stay relocated on failure.
bool PlaceDevices(Document& document, int loop, int type, int32_t count, std::string& message);

// Removes `count` devices of the type from the highest addresses; false with
// the message when that many cannot go. `newQuantity` is the quantity asked
// for (it decides the wording of the message).
bool RemoveDevices(Document& document, int loop, int type, int32_t count, int32_t newQuantity,
                   std::string& message);

struct AttachOutcome {
    int32_t Shortfall = 0;          // how many could not be attached
    bool MasterPresent = false;     // standalone devices: a Master is on the loop
    bool DifferentOtherDevice = false;  // a compatible device carries another Other Device
};

enum class AttachMode { Check, Apply };

// Attaches `count` Other Devices of one kind to compatible devices (or, for a
// standalone kind, into free standalone slots linked to the loop's Master).
// Check mode leaves the loop untouched.
AttachOutcome AttachOthers(Document& document, int loop, int other, int32_t count, AttachMode mode);

// Detaches `count` Other Devices of one kind, from the highest addresses first.
void DetachOthers(Document& document, int loop, int other, int32_t count);

// The message for an Other Device quantity that could not be attached.
std::string AttachFailureMessage(const Document& document, int other, int32_t quantity, const AttachOutcome& outcome);

}  // namespace LoopPlacement
