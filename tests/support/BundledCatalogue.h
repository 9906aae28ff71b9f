#pragma once
// The bundled catalogues loaded as a European user's start-up loads them,
// with settings and user-defined panels in a scratch folder.

#include "catalogues/Catalogue.h"
#include "catalogues/Options.h"
#include "document/OpenFlow.h"
#include "platform/MessageHost.h"
#include "platform/SettingsStore.h"
#include "support/ScratchFolder.h"

struct BundledCatalogue {
    BundledCatalogue();
    // Opens the file into the document as the desktop opens it, without a
    // progress window.
    OpenOutcome Open(Document& document, const std::string& path);
    bool Loaded = false;
    ScratchFolder folder;
    SettingsStore settings{folder.Path("settings.conf")};
    Options options{settings};
    ScriptedMessageHost messages;
    Catalogue catalogue;
};
