#pragma once
// How the Undo and Redo items and buttons read: "&Undo " and the name of the
// step they would take, or just "&Undo" (greyed) when there is none. An "&"
// in the step's name (a loop called "Plant & Boilers") is doubled, so that
// it shows and is no mnemonic.

#include <string>

namespace UndoTexts {

inline std::string ItemText(const char* command, const std::string& step)
{
    std::string text = command;
    if (!step.empty())
        text += ' ';
    for (const char c : step)
        text += c == '&' ? std::string("&&") : std::string(1, c);
    return text;
}
inline std::string UndoItem(const std::string& step) { return ItemText("&Undo", step); }
inline std::string RedoItem(const std::string& step) { return ItemText("&Redo", step); }

}  // namespace UndoTexts
