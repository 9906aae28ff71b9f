#include "support/BundledCatalogue.h"

#include "catalogues/CatalogueStartup.h"
#include "catalogues/DataFiles.h"
#include "support/ScriptedOpenProgress.h"

BundledCatalogue::BundledCatalogue()
{
    DataFiles files = DataFiles::FromRoot(FERROLUX_TEST_DATA_DIR);
    files.CustomPanelsFile = folder.Path("CUSTPAN.DAT");
    // A European user: metric cables.
    Loaded = LoadCatalogues(catalogue, options, messages, {files, folder.Path("QUELLAR.INI"), "0809"});
}

OpenOutcome BundledCatalogue::Open(Document& document, const std::string& path)
{
    ScriptedOpenProgress progress;
    OpenFlow flow(document, catalogue, options, messages, progress);
    flow.DoMenuOpen(path, false);
    return flow.Outcome();
}
