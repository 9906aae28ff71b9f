#pragma once
// Loading every catalogue at start-up, in order. Each step must succeed
// before the next runs; the first that fails has already said what is wrong
// with its file, and start-up then says which catalogue failed and stops.
// The standard battery sizes load after all of them and never stop the run.

#include <string>
#include <string_view>

class Catalogue;
class MessageHost;
class Options;
struct DataFiles;

struct CatalogueStartup {
    const DataFiles& Files;
    std::string OldSettingsFile;  // the older release's settings, carried over once
    std::string LocaleId;         // four hexadecimal digits, for the cable defaults
};

// True when every catalogue loaded and a control panel is current.
bool LoadCatalogues(Catalogue& catalogue, Options& options, MessageHost& host, const CatalogueStartup& startup);
