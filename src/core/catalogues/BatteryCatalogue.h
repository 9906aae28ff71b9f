#pragma once
// The standard battery sizes the power supply calculation picks from, read
// from the bundled battery file ("[Batteries]", "Battery0=1.2" and so on, in
// Ah) so that a site may list the sizes it buys.
//
// The sizes are an aid beside the loop calculation, never a condition of it:
// a catalogue set made before they existed has no battery file, and a broken
// one must not keep a designer from the loops. Without sizes the catalogue
// says why (Catalogue::NoBatterySizes), and the power supply calculation
// names the required capacity alone.

class Catalogue;
class MessageHost;
struct DataFiles;

// Reads the battery file into Catalogue::BatterySizes, smallest first, and
// returns true. A missing file leaves the sizes empty without a word; on the
// first bad entry its message is shown and the sizes are left empty too.
// Either way Catalogue::NoBatterySizes then says why, and the result is false.
bool LoadBatteries(Catalogue& catalogue, MessageHost& host, const DataFiles& files);
