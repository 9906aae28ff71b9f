#pragma once
// The sample sites shipped in examples/, built in code on the bundled
// catalogues so that they hold only what the editing rules allow. The
// examples writer saves them; the example tests check what they show.

#include "catalogues/Catalogue.h"
#include "catalogues/Options.h"
#include "platform/MessageHost.h"
#include "platform/SettingsStore.h"
#include "support/ScratchFolder.h"

#include <functional>
#include <string>
#include <vector>

class Document;

// The bundled catalogues loaded as at start-up, with settings of their own.
struct BundledCatalogue {
    BundledCatalogue();
    bool Loaded = false;
    ScratchFolder folder;
    SettingsStore settings{folder.Path("settings.conf")};
    Options options{settings};
    ScriptedMessageHost messages;
    Catalogue catalogue;
};

struct ExampleSite {
    std::string FileName;  // in examples/
    // Fills a new document on the bundled catalogue (the panel becomes
    // current); false with the reason when the catalogue refuses a step.
    std::function<bool(Document&, BundledCatalogue&, std::string& problem)> Build;
};

const std::vector<ExampleSite>& ExampleSites();
