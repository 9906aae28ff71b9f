#include "catalogues/SharedFiles.h"

#include "catalogues/PanelCatalogue.h"
#include "platform/CaseFold.h"
#include "platform/FileSystem.h"
#include "platform/SettingsStore.h"

#include <filesystem>

namespace SharedFiles {

namespace {

SharedFile FileAt(const std::string& path)
{
    return {std::filesystem::path(path).filename().string(), path};
}

void Refuse(MessageHost& host, const std::string& text, const char* caption)
{
    MsgBox(host, text, MsgStyle::OKOnly + MsgStyle::Exclamation, caption);
}

}  // namespace

SharedFile UserPanels(const DataFiles& files) { return FileAt(files.CustomPanelsFile); }

SharedFile Settings(const std::string& settingsPath) { return FileAt(settingsPath); }

std::optional<std::string> ReadForExport(MessageHost& host, const SharedFile& file)
{
    if (auto bytes = FileSystem::ReadFileBytes(file.Path))
        return bytes;
    Refuse(host, "There is no file '" + file.Name + "' to export yet.", "Export");
    return std::nullopt;
}

std::optional<std::vector<PanelRecord>> ReadPanelImport(MessageHost& host, const Catalogue& catalogue,
                                                        const std::string& path, const std::string& name)
{
    auto panels = ReadUserPanelFile(host, path);
    if (!panels)
        return std::nullopt;
    if (panels->empty()) {
        Refuse(host, "The file '" + name + "' holds no user-defined control panels.", ImportPanelsCaption);
        return std::nullopt;
    }
    for (const PanelRecord& panel : *panels)
        for (const PanelRecord& held : catalogue.Panels)
            if (held.IsStandard && FoldCase(held.Name) == FoldCase(panel.Name)) {
                Refuse(host, "The file '" + name + "' cannot be imported: its control panel '" + panel.Name +
                                 "' has the name of a standard control panel.",
                       ImportPanelsCaption);
                return std::nullopt;
            }
    return panels;
}

int PanelToReplace(const Catalogue& catalogue, const std::string& name)
{
    for (size_t p = 0; p < catalogue.Panels.size(); ++p) {
        const PanelRecord& held = catalogue.Panels[p];
        if (!held.IsStandard && held.Manufacturer == catalogue.UserDefinedManufacturer &&
            FoldCase(held.Name) == FoldCase(name))
            return static_cast<int>(p);
    }
    return -1;
}

std::string ReplaceQuestion(const std::string& name)
{
    return "There is already a user-defined control panel named '" + name +
           "'.\n\nDo you want to replace it with the imported one?";
}

ImportOutcome ImportPanels(Catalogue& catalogue, MessageHost& host, const DataFiles& files,
                           const std::vector<PanelRecord>& panels)
{
    std::vector<const PanelRecord*> taken;
    for (const PanelRecord& panel : panels) {
        const int replaced = PanelToReplace(catalogue, panel.Name);
        if (replaced < 0) {
            taken.push_back(&panel);
        } else if (replaced == catalogue.CurrentPanel) {
            Refuse(host, "The current Loop Calculation is using the control panel '" + panel.Name +
                             "', it is kept as it is.", ImportPanelsCaption);
        } else {
            const int answer = MsgBox(host, ReplaceQuestion(panel.Name), MsgStyle::YesNoCancel + MsgStyle::Question,
                                      ImportPanelsCaption);
            if (answer == MsgResult::Cancel)
                return {};
            if (answer == MsgResult::Yes)
                taken.push_back(&panel);
        }
    }
    ImportOutcome outcome;
    for (const PanelRecord* panel : taken) {
        const int replaced = PanelToReplace(catalogue, panel->Name);
        const bool stored = replaced < 0 ? AddUserDefinedPanel(catalogue, files, *panel)
                                         : UpdateUserDefinedPanel(catalogue, files, replaced, *panel);
        if (!stored) {
            outcome.Failure = PanelSaveFailure(files);
            break;
        }
        ++(replaced < 0 ? outcome.Added : outcome.Replaced);
    }
    return outcome;
}

bool CheckSettingsImport(MessageHost& host, std::string_view bytes, const std::string& name)
{
    if (SettingsStore::IsSettingsText(bytes))
        return true;
    Refuse(host, "The file '" + name + "' is not a Harvex Ferrolux settings file: nothing has been imported.",
           ImportOptionsCaption);
    return false;
}

}  // namespace SharedFiles
