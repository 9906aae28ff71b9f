#pragma once
// Every accepted change of the open Loop Calculation as a step of its edit
// history, and undo and redo of those steps. A change is made between a
// DocumentEdit's construction, which keeps the parts it may touch, and its
// Commit, which records a step of what did change, if anything did.
//
// A step keeps only the loops it changed, each whole before and after (about
// 15 KB a loop); the history keeps the last EditHistory::DefaultLimit steps.

#include "document/DocumentState.h"

#include <string>
#include <vector>

class Catalogue;
class Document;
class Options;

LoopState CaptureLoop(const Document& document, int loop);
// Puts the loop back as it was, results included, and tells the observers.
void RestoreLoop(Document& document, const LoopState& state);

DocumentState CaptureDocument(const Document& document, const std::vector<int>& loops);
// Puts back the site name, power settings, modified date, control panel and
// the loops of the state; the dirty flag is the history's to set.
void RestoreDocument(Document& document, Catalogue& catalogue, Options& options, const DocumentState& state);

class DocumentEdit {
public:
    // Loops 1 to 8, for a change that may touch any of them.
    static std::vector<int> AllLoops();

    DocumentEdit(Document& document, std::vector<int> loops);
    // Records the step when the document now differs from what was kept;
    // steps of the same non-empty merge key in a row become one.
    bool Commit(std::string name, std::string mergeKey = {});
    const DocumentState& Before() const { return before_; }

private:
    Document& document_;
    std::vector<int> loops_;
    DocumentState before_;
};

// Undo or redo the document's next step; false when there is none. The
// document is clean exactly when it is back at the step it was saved at.
bool UndoEdit(Document& document, Catalogue& catalogue, Options& options);
bool RedoEdit(Document& document, Catalogue& catalogue, Options& options);
