#include "document/NewDocument.h"

#include "catalogues/Catalogue.h"
#include "catalogues/Options.h"
#include "document/Document.h"

CalculationSupport::LoopDefaults CurrentLoopDefaults(const Options& options, const Catalogue& catalogue)
{
    const PanelRecord* panel = catalogue.CurrentPanelRecord();
    return {options.CurrentCableImpedance(), options.CurrentCalcType(), panel ? panel->Outputs : 0};
}

void NewDocument(Document& document, const CalculationSupport::LoopDefaults& defaults)
{
    document.ReadOnly = false;
    document.Path.clear();
    document.CreatedDate = document.ModifiedDate = document.Now();
    document.SiteName.clear();
    document.Power = {};
    document.Project = {};
    for (int loop = 1; loop <= Document::LoopCount; ++loop)
        CalculationSupport::ClearLoop(document, loop, defaults);
    document.Dirty = false;
    document.History.Clear();
}
