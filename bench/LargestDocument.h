#pragma once
// The bundled catalogues loaded as start-up loads them, and the largest Loop
// Calculation they allow, built through the loop editor as a user would:
// the 8-loop panel, and on every loop a Master at address 1, devices of the
// extended address range on every other address it offers (252 devices in
// all), Other Devices attached and based on them, and standalone Other
// Devices wired in between. Shared by the round-trip tests, the benchmarks
// and the fuzzing seeds.

#include <string>

class Catalogue;
class Document;
class MessageHost;
class Options;

// Loads the catalogues under dataRoot (the folder holding "Harvex/"), with
// the user's panel file and the older settings file looked for in
// userFolder. False when any catalogue failed (its message went to the host).
bool LoadBundledCatalogues(Catalogue& catalogue, Options& options, MessageHost& host, const std::string& dataRoot,
                           const std::string& userFolder);

// Empties the document and fills it as described above. The catalogue must be
// the bundled one. False, with what went wrong in `failure`, when the
// catalogue no longer allows it.
bool BuildLargestDocument(Document& document, Catalogue& catalogue, Options& options,
                          std::string& failure);
