#pragma once
// What a catalogue load takes, in a scratch folder that is also the data
// root: the data files, a settings file, a scripted message host and the
// catalogue to fill.

#include "catalogues/Catalogue.h"
#include "catalogues/DataFiles.h"
#include "catalogues/Options.h"
#include "platform/MessageHost.h"
#include "support/ScratchFolder.h"

template <typename LoadedCatalogue = Catalogue>
struct CatalogueFiles {
    ScratchFolder folder;
    DataFiles files = DataFiles::FromRoot(folder.Root());
    SettingsStore store{folder.Path("settings.conf")};
    Options options{store};
    ScriptedMessageHost host;
    LoadedCatalogue catalogue;
};
