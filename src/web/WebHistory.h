#pragma once
// A window's Undo and Redo as the page shows them: the names of the steps
// they would take (empty when none) and the items as they read ("&Undo
// Cable 1.5 mm").

#include "document/EditHistory.h"
#include "forms/UndoTexts.h"

#include <string>

struct HistoryTexts {
    std::string UndoName;
    std::string RedoName;
    std::string UndoItem;
    std::string RedoItem;
};

template <typename State> HistoryTexts HistoryTextsOf(const EditHistory<State>& history)
{
    const std::string undo = history.UndoName();
    const std::string redo = history.RedoName();
    return {undo, redo, UndoTexts::UndoItem(undo), UndoTexts::RedoItem(redo)};
}
