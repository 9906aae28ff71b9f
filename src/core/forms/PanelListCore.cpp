#include "forms/PanelListCore.h"

#include "catalogues/PanelCatalogue.h"

#include <optional>

bool CheckCustomPanelMenu(const Catalogue& catalogue)
{
    return catalogue.UserDefinedPanelCount > 0;
}

PanelListCore::PanelListCore(const Catalogue& catalogue, Mode mode)
    : mode_(mode), items_(FillUserDefinedPanelList(catalogue).Items)
{
}

std::string PanelListCore::Caption() const
{
    return mode_ == Mode::Delete ? "Delete User-Defined Control Panel" : "Edit User-Defined Control Panel";
}

std::string PanelListCore::ActionCaption() const
{
    return mode_ == Mode::Delete ? "&Delete" : "&Edit...";
}

std::string PanelListCore::CloseCaption() const
{
    return mode_ == Mode::Delete ? "&Close" : "&Cancel";
}

void PanelListCore::Choose(int item)
{
    chosen_ = item >= 0 && static_cast<size_t>(item) < items_.size() ? item : -1;
}

std::optional<int> PanelListCore::ChosenPosition() const
{
    if (chosen_ < 0)
        return std::nullopt;
    return items_[static_cast<size_t>(chosen_)].Position;
}

PanelListCore::DeleteOutcome PanelListCore::DeleteChosen(PanelServices services)
{
    const std::optional<int> position = ChosenPosition();
    if (!position)
        return {};
    // The refusal of the panel in use is a message: no hourglass over it.
    std::optional<BusyPointer::Scope> busy;
    if (*position != services.catalogue.CurrentPanel)
        busy.emplace(services.pointer);
    if (!DeleteUserDefinedPanel(services.catalogue, services.host, services.files, *position))
        return {};
    items_.erase(items_.begin() + chosen_);
    chosen_ = -1;
    return {true, items_.empty()};
}
