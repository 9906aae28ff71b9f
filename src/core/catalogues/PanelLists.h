#pragma once
// The control panels as the windows list them: computed here, put into list
// and outline controls by the windows. Deleted user-defined panels are never
// offered: they are gone from the user's panel file, so a Loop Calculation
// designed for one would lose its panel at the next start.

#include "catalogues/Catalogue.h"

#include <string>
#include <vector>

struct PanelListItem {
    std::string Name;
    int Position = -1;  // in Catalogue::Panels
};

struct PanelList {
    std::vector<PanelListItem> Items;  // in catalogue order
    int Selected = -1;                 // index in Items of the current panel; -1 for none
};

// Every panel, with the current one selected.
PanelList FillPanelList(const Catalogue& catalogue);

// The user-defined panels only, in catalogue order (nothing selected).
PanelList FillUserDefinedPanelList(const Catalogue& catalogue);

struct PanelOutlineManufacturer {
    std::string Name;
    int Position = -1;                  // in Catalogue::PanelManufacturers
    std::vector<PanelListItem> Panels;  // in catalogue order
};

// The two-level chooser: each manufacturer in order with its panels under it.
struct PanelOutline {
    std::vector<PanelOutlineManufacturer> Manufacturers;
    int SelectedManufacturer = -1;  // index in Manufacturers holding the current panel; -1 for none
    int SelectedPanel = -1;         // index of the current panel in that manufacturer's Panels
};

PanelOutline FillPanelOutline(const Catalogue& catalogue);
