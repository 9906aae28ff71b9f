#pragma once
// How the Undo and Redo items and buttons read: "&Undo " and the name of the
// step they would take, or just "&Undo" (greyed) when there is none.

#include <string>

namespace UndoTexts {

inline std::string UndoItem(const std::string& step) { return step.empty() ? "&Undo" : "&Undo " + step; }
inline std::string RedoItem(const std::string& step) { return step.empty() ? "&Redo" : "&Redo " + step; }

}  // namespace UndoTexts
