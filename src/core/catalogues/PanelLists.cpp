#include "catalogues/PanelLists.h"

namespace {

int Index(size_t index)
{
    return static_cast<int>(index);
}

// The live panels that pass the filter, in catalogue order, selecting the
// current one.
template <typename Filter>
PanelList ListPanels(const Catalogue& catalogue, bool selectCurrent, Filter keep)
{
    PanelList list;
    for (size_t p = 0; p < catalogue.Panels.size(); ++p) {
        const PanelRecord& panel = catalogue.Panels[p];
        if (panel.Manufacturer < 0 || !keep(panel))
            continue;
        if (selectCurrent && Index(p) == catalogue.CurrentPanel)
            list.Selected = Index(list.Items.size());
        list.Items.push_back({panel.Name, Index(p)});
    }
    return list;
}

}  // namespace

PanelList FillPanelList(const Catalogue& catalogue)
{
    return ListPanels(catalogue, true, [](const PanelRecord&) { return true; });
}

PanelList FillUserDefinedPanelList(const Catalogue& catalogue)
{
    return ListPanels(catalogue, false, [&](const PanelRecord& panel) {
        return panel.Manufacturer == catalogue.UserDefinedManufacturer;
    });
}

PanelOutline FillPanelOutline(const Catalogue& catalogue)
{
    PanelOutline outline;
    for (size_t m = 0; m < catalogue.PanelManufacturers.size(); ++m) {
        PanelList panels = ListPanels(catalogue, true, [&](const PanelRecord& panel) {
            return panel.Manufacturer == Index(m);
        });
        if (panels.Selected >= 0) {
            outline.SelectedManufacturer = Index(outline.Manufacturers.size());
            outline.SelectedPanel = panels.Selected;
        }
        outline.Manufacturers.push_back({catalogue.PanelManufacturers[m].Name, Index(m), std::move(panels.Items)});
    }
    return outline;
}
