#pragma once
// The cable layout window as the page drives it, opened from a loop editor:
// the cable layout core on the editor's loop, and on OK the editor's step
// "Cable Layout", as the desktop editor records it when the window closes.

#include "forms/CableLayoutCore.h"
#include "forms/LoopEditorCore.h"
#include "web/WebHistory.h"

#include <string>
#include <vector>

class WebLoopEditor;

class WebCableLayout {
public:
    struct Row {
        std::string Number;
        std::string Address;
        std::string Type;
        std::string Others;
        std::string Distance;
        std::string Length;
        bool CanMoveUp = false;
        bool CanMoveDown = false;
    };

    // The editor must outlive the window.
    explicit WebCableLayout(WebLoopEditor& editor);

    CableLayoutCore& Core() { return core_; }
    std::vector<Row> Rows() const;
    // The row the point is on after the move, or -1 when refused.
    int Move(int row, int step);
    HistoryTexts History() const { return HistoryTextsOf(core_.History()); }
    // OK: the layout into the loop, and a step of the editor.
    void Ok();
    // Cancel: false when the user keeps editing.
    bool Cancel();

private:
    LoopEditorCore& editor_;
    LoopEditorCore::EditorState before_;
    CableLayoutCore core_;
};
