#pragma once
// What every benchmark starts from, built once per run: the bundled
// catalogues loaded as at start-up, and the largest document they allow,
// saved in a scratch folder of the run.

#include "catalogues/Catalogue.h"
#include "catalogues/Options.h"
#include "document/Document.h"
#include "document/DocumentReader.h"
#include "platform/MessageHost.h"
#include "platform/SettingsStore.h"
#include "support/ScratchFolder.h"

#include <string>

struct BenchSite {
    BenchSite();

    ScratchFolder folder;
    SettingsStore settings{folder.Path("settings.conf")};
    Options options{settings};
    // Nothing should be said; anything that is shows on the console.
    StderrMessageHost messages;
    Catalogue catalogue;
    Document largest{catalogue};
    std::string largestPath = folder.Path("largest.QLX");
};

// The run's site; ends the run with a message when it cannot be built.
BenchSite& Site();

// The reader's questions answered without a window: stop at an unknown
// device type, keep nothing that does not fit.
class AnsweringReadHost : public DocumentReadHost {
public:
    bool CancelRequested(int, int) override { return false; }
    UnknownDeviceAnswer UnknownDeviceType(int, int, int) override { return UnknownDeviceAnswer::Cancel; }
    bool DropIncompatibleOther(int, int, int) override { return false; }
    void OthersNotPlaced(int, int, int32_t) override {}
};
