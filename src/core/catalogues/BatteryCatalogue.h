#pragma once
// The standard battery sizes the power supply calculation picks from, read
// from the bundled battery file ("[Batteries]", "Battery0=1.2" and so on, in
// Ah) so that a site may list the sizes it buys.

class Catalogue;
class MessageHost;
struct DataFiles;

// Reads the battery file into Catalogue::BatterySizes, smallest first; on
// the first bad entry shows its message and returns false.
bool LoadBatteries(Catalogue& catalogue, MessageHost& host, const DataFiles& files);
