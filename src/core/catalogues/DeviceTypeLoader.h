#pragma once
// The device-type catalogue: reads the device file "QuellarDevices.dat" and
// the optional custom device file "QuellarCustomDevices.dat" into the
// catalogue's device types with their families, buttons, output and input
// bits, DIL switches, address ranges and field types.

#include "catalogues/AddressRanges.h"

class Catalogue;
class MessageHost;
class Options;
struct DataFiles;

// Replaces the device types and their tables, restoring the user's shown
// flags of the families on the way. The first bad entry ends the load with
// one message (exclamation icon) naming it and the file. A run-time failure
// the checks do not catch is reported with Abort, Retry and Ignore: Retry
// repeats the step, Ignore goes on after it, Abort makes the load fail (the
// caller then ends the program). True when everything was read.
bool LoadDeviceTypes(Catalogue& catalogue, Options& options, MessageHost& host, const DataFiles& files);

// Whether n names an input of the input table that is defined (its Use is
// not -1): an input without an entry may not be used.
bool IsValidInputUse(const Catalogue& catalogue, int n);
