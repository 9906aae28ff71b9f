#pragma once
// The list of user-defined control panels without its window. In edit mode
// its button hands the chosen panel to the editor; in delete mode it deletes
// the chosen panel, and the list closes once it is empty.

#include "catalogues/PanelLists.h"
#include "forms/PanelServices.h"

#include <optional>
#include <string>
#include <vector>

// Whether the main window offers editing and deleting user-defined panels:
// exactly when there is at least one.
bool CheckCustomPanelMenu(const Catalogue& catalogue);

class PanelListCore {
public:
    enum class Mode { Edit, Delete };

    // What the delete button leaves the window to do.
    struct DeleteOutcome {
        bool Deleted = false;    // the item has left the list
        bool CloseList = false;  // and it was the last one
        bool operator==(const DeleteOutcome&) const = default;
    };

    // Lists the user-defined panels in catalogue order, none chosen.
    PanelListCore(const Catalogue& catalogue, Mode mode);

    bool IsDeleteMode() const { return mode_ == Mode::Delete; }
    std::string Caption() const;
    std::string ActionCaption() const;  // btnDelete
    std::string CloseCaption() const;   // btnClose

    const std::vector<PanelListItem>& Items() const { return items_; }
    // An item clicked: the button acts on it from now on.
    void Choose(int item);
    bool ActionEnabled() const { return chosen_ >= 0; }
    // The catalogue position of the chosen panel, for the editor.
    std::optional<int> ChosenPosition() const;

    // Deletes the chosen panel. The panel in use is refused with a message and
    // everything stays as it was.
    DeleteOutcome DeleteChosen(PanelServices services);

private:
    Mode mode_;
    std::vector<PanelListItem> items_;
    int chosen_ = -1;
};
