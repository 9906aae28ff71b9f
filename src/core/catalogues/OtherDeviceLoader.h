#pragma once
// The Other Device catalogue: the non-addressable devices listed in
// [Others] of the device file and of the optional custom device file, read
// after the device types.

class Catalogue;
class MessageHost;
struct DataFiles;

// Replaces the Other Devices (position 0 stands for none), sorts them by
// name, finds the standalone isolator and turns each device type's
// StandaloneOther from an Other Device number into its position. The first
// bad entry ends the load with one message (exclamation icon) naming the
// entry and the file. True when everything was read.
bool LoadOtherDevices(Catalogue& catalogue, MessageHost& host, const DataFiles& files);
