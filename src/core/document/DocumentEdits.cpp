#include "document/DocumentEdits.h"

#include "catalogues/Catalogue.h"
#include "catalogues/PanelCatalogue.h"
#include "document/Document.h"

#include <algorithm>

LoopState CaptureLoop(const Document& document, int loop)
{
    LoopState state{loop, document.Loop(loop), document.LoopName(loop), {}, {}};
    for (int a = 0; a < clsCalculator::AddressCount; ++a) {
        state.Tags[static_cast<size_t>(a)] = document.AddressTag(loop, a);
        state.Eavesdropping[static_cast<size_t>(a)] = document.Eavesdropping(loop, a);
    }
    return state;
}

void RestoreLoop(Document& document, const LoopState& state)
{
    document.ReplaceLoop(state.Loop, state.Model);
    document.LoopName(state.Loop) = state.Name;
    for (int a = 0; a < clsCalculator::AddressCount; ++a) {
        document.SetAddressTag(state.Loop, a, state.Tags[static_cast<size_t>(a)]);
        document.SetEavesdropping(state.Loop, a, state.Eavesdropping[static_cast<size_t>(a)]);
    }
    document.NotifyLoopRecalculated(state.Loop);
}

DocumentState CaptureDocument(const Document& document, const std::vector<int>& loops)
{
    DocumentState state{document.SiteName, document.Power, document.Project, document.Catalog().CurrentPanel,
                        document.ModifiedDate, {}};
    for (const int loop : loops)
        state.Loops.push_back(CaptureLoop(document, loop));
    return state;
}

void RestoreDocument(Document& document, Catalogue& catalogue, Options& options, const DocumentState& state)
{
    if (state.Panel != catalogue.CurrentPanel && state.Panel >= 0 &&
        static_cast<size_t>(state.Panel) < catalogue.Panels.size())
        SetCurrentPanel(catalogue, options, state.Panel);
    document.SiteName = state.SiteName;
    document.Power = state.Power;
    document.Project = state.Project;
    document.ModifiedDate = state.Modified;
    for (const LoopState& loop : state.Loops)
        RestoreLoop(document, loop);
}

std::vector<int> DocumentEdit::AllLoops()
{
    std::vector<int> loops(Document::LoopCount);
    for (int loop = 1; loop <= Document::LoopCount; ++loop)
        loops[static_cast<size_t>(loop - 1)] = loop;
    return loops;
}

DocumentEdit::DocumentEdit(Document& document, std::vector<int> loops)
    : document_(document), loops_(std::move(loops)), before_(CaptureDocument(document, loops_))
{
}

bool DocumentEdit::Commit(std::string name, std::string mergeKey)
{
    DocumentState after = CaptureDocument(document_, loops_);
    // Only the loops that changed are kept, before and after alike.
    for (size_t i = before_.Loops.size(); i-- > 0;) {
        if (before_.Loops[i] == after.Loops[i]) {
            before_.Loops.erase(before_.Loops.begin() + static_cast<std::ptrdiff_t>(i));
            after.Loops.erase(after.Loops.begin() + static_cast<std::ptrdiff_t>(i));
        }
    }
    if (after.Loops.empty() && after.SiteName == before_.SiteName && after.Power == before_.Power &&
        after.Project == before_.Project && after.Panel == before_.Panel)
        return false;
    document_.History.Record({std::move(name), std::move(before_), std::move(after), std::move(mergeKey)});
    return true;
}

namespace {

bool PutBack(Document& document, Catalogue& catalogue, Options& options, const DocumentState* state)
{
    if (!state)
        return false;
    RestoreDocument(document, catalogue, options, *state);
    document.Dirty = !document.History.AtSaved();
    return true;
}

}  // namespace

bool UndoEdit(Document& document, Catalogue& catalogue, Options& options)
{
    return PutBack(document, catalogue, options, document.History.Undo());
}

bool RedoEdit(Document& document, Catalogue& catalogue, Options& options)
{
    return PutBack(document, catalogue, options, document.History.Redo());
}
