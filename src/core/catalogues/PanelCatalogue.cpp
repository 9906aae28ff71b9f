#include "catalogues/PanelCatalogue.h"

#include "text/CSV.h"
#include "catalogues/PanelFileReader.h"
#include "catalogues/UserPanelFile.h"
#include "text/WinINI.h"
#include "platform/CaseFold.h"
#include "platform/FileSystem.h"

#include <exception>
#include <optional>
#include <utility>
#include <vector>

namespace {

// What a load has read so far; it becomes the catalogue's only when the whole
// load succeeds.
struct LoadedPanels {
    std::vector<PanelManufacturerRecord> Manufacturers;
    std::vector<PanelRecord> Panels;
    int UserDefinedCount = 0;
};

void Warn(MessageHost& host, const std::string& text)
{
    MsgBox(host, text, MsgStyle::OKOnly + MsgStyle::Exclamation);
}

std::string UnexpectedReadMessage(const std::string& placeText)
{
    return "An unexpected error has occurred while reading " + placeText;
}

// Names are ordered by their upper-cased form, so "A_B" follows "AB". Only
// ASCII letters are upper-cased; other characters order by code point.
std::string SortKey(std::string_view name)
{
    std::string key(name);
    for (char& c : key)
        if (c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 'a' + 'A');
    return key;
}

// An exchange sort: for each position, every later record whose name sorts
// before it is swapped in. Records with equal names may change their order;
// which of two equally named panels comes first (and so is selected by name)
// depends on exactly this algorithm. onSwap(i, j) is told of every swap.
template <typename Record, typename OnSwap>
void ExchangeSortByName(std::vector<Record>& records, OnSwap onSwap)
{
    std::vector<std::string> keys;
    for (const Record& record : records)
        keys.push_back(SortKey(record.Name));
    for (size_t i = 0; i < records.size(); ++i)
        for (size_t j = i + 1; j < records.size(); ++j)
            if (keys[i] > keys[j]) {
                std::swap(keys[i], keys[j]);
                std::swap(records[i], records[j]);
                onSwap(static_cast<int>(i), static_cast<int>(j));
            }
}

// Keeps a position on its record while two records swap places.
void Follow(int& position, int i, int j)
{
    if (position == i)
        position = j;
    else if (position == j)
        position = i;
}

void SortPanelsByName(Catalogue& catalogue)
{
    ExchangeSortByName(catalogue.Panels, [&](int i, int j) {
        Follow(catalogue.CurrentPanel, i, j);
        Follow(catalogue.DefaultPanel, i, j);
    });
}

bool IsLiveUserDefinedPanel(const Catalogue& catalogue, int position)
{
    return position >= 0 && static_cast<size_t>(position) < catalogue.Panels.size() &&
           catalogue.UserDefinedManufacturer >= 0 &&
           catalogue.Panels[static_cast<size_t>(position)].Manufacturer == catalogue.UserDefinedManufacturer;
}

// Runs a reader over one file. A file that exists but cannot be read, or a
// failure no reader checks for, is told as an unexpected error naming it.
template <typename Read>
bool ReadGuarded(MessageHost& host, const std::string& file, Read read)
{
    const std::string place = PlaceText(file);
    try {
        if (FileSystem::ReadFileBytes(file))
            return read(place);
    } catch (const std::exception&) {
    }
    Warn(host, UnexpectedReadMessage(place));
    return false;
}

bool ReadManufacturers(MessageHost& host, const std::string& file, const std::string& place, LoadedPanels& loaded)
{
    for (int n = 0;; ++n) {
        const std::string entry = WinINI::ReadProfileKey(file, "Manufacturers", "Manufacturer" + std::to_string(n));
        if (entry.empty())
            break;
        PanelManufacturerRecord manufacturer;
        manufacturer.Section = CSV::GetCSVField(entry, 1);
        if (!manufacturer.Section.empty())
            manufacturer.Name = CSV::GetCSVField(WinINI::ReadProfileKey(file, manufacturer.Section, "Name"), 1);
        if (manufacturer.Name.empty()) {
            Warn(host, "Invalid settings for panel manufacturer " + std::to_string(n) + " in " + place);
            return false;
        }
        loaded.Manufacturers.push_back(std::move(manufacturer));
    }
    if (loaded.Manufacturers.empty()) {
        Warn(host, "No manufacturers defined in " + place);
        return false;
    }
    ExchangeSortByName(loaded.Manufacturers, [](int, int) {});
    return true;
}

bool ReadStandardPanels(MessageHost& host, const std::string& file, const std::string& place, LoadedPanels& loaded)
{
    for (size_t m = 0; m < loaded.Manufacturers.size(); ++m) {
        const PanelManufacturerRecord& manufacturer = loaded.Manufacturers[m];
        for (int k = 1;; ++k) {
            const std::string entry = WinINI::ReadProfileKey(file, manufacturer.Section, "Panel" + std::to_string(k));
            if (entry.empty())
                break;
            const std::string unnamed =
                " for control panel " + std::to_string(k) + " for manufacturer '" + manufacturer.Name + "' in " + place;
            PanelRecord panel;
            panel.IsStandard = true;
            panel.Manufacturer = static_cast<int16_t>(m);
            panel.Section = CSV::GetCSVField(entry, 1);
            if (panel.Section.empty()) {
                Warn(host, "Invalid settings" + unnamed);
                return false;
            }
            if (!ReadPanelSection(host, file, panel.Section, manufacturer.Name, place, unnamed, panel))
                return false;
            loaded.Panels.push_back(std::move(panel));
        }
    }
    if (loaded.Panels.empty()) {
        Warn(host, "No control panels defined in " + place);
        return false;
    }
    return true;
}

bool ReadUserDefinedPanels(MessageHost& host, const std::string& file, const std::string& place, int manufacturer,
                           LoadedPanels& loaded)
{
    WinINI::ProfileCache& cache = WinINI::SharedProfileCache();
    const std::optional<int16_t> maxCustom = UserPanelFile::MaxCustom(cache, file);
    if (!maxCustom) {
        Warn(host, UnexpectedReadMessage(place));
        return false;
    }
    for (int slot = 1; slot <= *maxCustom; ++slot) {
        if (UserPanelFile::IsFreeSlot(cache, file, slot))
            continue;
        PanelRecord panel;
        panel.IsStandard = false;
        panel.Manufacturer = static_cast<int16_t>(manufacturer);
        panel.Section = UserPanelFile::SlotSection(slot);
        // The lone apostrophe is how this message has always read.
        const std::string unnamed = " for user-defined control panel " + std::to_string(slot) + "' in " + place;
        if (!ReadPanelSection(host, file, panel.Section, UserDefinedManufacturerName, place, unnamed, panel))
            return false;
        loaded.Panels.push_back(std::move(panel));
        ++loaded.UserDefinedCount;
    }
    return true;
}

int FirstPanelNamedExactly(const Catalogue& catalogue, const std::string& name)
{
    for (size_t p = 0; p < catalogue.Panels.size(); ++p)
        if (catalogue.Panels[p].Name == name)
            return static_cast<int>(p);
    return -1;
}

}  // namespace

std::string ChooseStandardPanelsFile(const DataFiles& files)
{
    if (!FileSystem::FileExists(files.RevisedStandardPanelsFile))
        return files.StandardPanelsFile;
    if (FileSystem::FileExists(files.StandardPanelsFile)) {
        const auto revised = FileSystem::ModificationTime(files.RevisedStandardPanelsFile);
        const auto standard = FileSystem::ModificationTime(files.StandardPanelsFile);
        if (revised && standard && *standard > *revised)
            return files.StandardPanelsFile;
    }
    return files.RevisedStandardPanelsFile;
}

bool LoadPanels(Catalogue& catalogue, MessageHost& host, const DataFiles& files)
{
    const std::string standardFile = ChooseStandardPanelsFile(files);
    if (!FileSystem::FileExists(standardFile)) {
        Warn(host, MissingFileMessage("standard panel data", standardFile));
        return false;
    }
    LoadedPanels loaded;
    const bool standardRead = ReadGuarded(host, standardFile, [&](const std::string& place) {
        return ReadManufacturers(host, standardFile, place, loaded) &&
               ReadStandardPanels(host, standardFile, place, loaded);
    });
    if (!standardRead)
        return false;

    const int userManufacturer = static_cast<int>(loaded.Manufacturers.size());
    loaded.Manufacturers.push_back({UserDefinedManufacturerName, UserDefinedManufacturerSection});
    const std::string& userFile = files.CustomPanelsFile;
    if (FileSystem::FileExists(userFile)) {
        const bool userRead = ReadGuarded(host, userFile, [&](const std::string& place) {
            return ReadUserDefinedPanels(host, userFile, place, userManufacturer, loaded);
        });
        if (!userRead)
            return false;
    }

    catalogue.PanelManufacturers = std::move(loaded.Manufacturers);
    catalogue.Panels = std::move(loaded.Panels);
    catalogue.UserDefinedManufacturer = userManufacturer;
    catalogue.UserDefinedPanelCount = loaded.UserDefinedCount;
    catalogue.CurrentPanel = -1;
    SortPanelsByName(catalogue);
    const int unknownPanel = FirstPanelNamedExactly(catalogue, DefaultPanelName);
    catalogue.DefaultPanel = unknownPanel >= 0 ? unknownPanel : 0;
    return true;
}

std::optional<std::vector<PanelRecord>> ReadUserPanelFile(MessageHost& host, const std::string& file)
{
    LoadedPanels loaded;
    if (!ReadGuarded(host, file, [&](const std::string& place) {
            return ReadUserDefinedPanels(host, file, place, -1, loaded);
        }))
        return std::nullopt;
    return std::move(loaded.Panels);
}

std::string PanelSaveFailure(const DataFiles& files)
{
    return "Unable to save the control panel to the " + PlaceText(files.CustomPanelsFile);
}

bool AddUserDefinedPanel(Catalogue& catalogue, const DataFiles& files, PanelRecord panel)
{
    if (catalogue.UserDefinedManufacturer < 0)
        return false;
    WinINI::ProfileCache& cache = WinINI::SharedProfileCache();
    const std::string& file = files.CustomPanelsFile;
    const std::optional<int16_t> maxCustom = UserPanelFile::MaxCustom(cache, file);
    if (!maxCustom)
        return false;
    const int slot = UserPanelFile::FirstFreeSlot(cache, file);
    panel.IsStandard = false;
    panel.Manufacturer = static_cast<int16_t>(catalogue.UserDefinedManufacturer);
    panel.Section = UserPanelFile::SlotSection(slot);
    const std::optional<int> newMaxCustom = slot > *maxCustom ? std::optional<int>(slot) : std::nullopt;
    if (!UserPanelFile::StoreNewPanel(cache, file, panel, newMaxCustom))
        return false;
    catalogue.Panels.push_back(std::move(panel));
    SortPanelsByName(catalogue);
    ++catalogue.UserDefinedPanelCount;
    return true;
}

bool WriteUserDefinedPanel(const Catalogue& catalogue, const DataFiles& files, int position)
{
    return IsLiveUserDefinedPanel(catalogue, position) &&
           UserPanelFile::StorePanel(WinINI::SharedProfileCache(), files.CustomPanelsFile,
                                     catalogue.Panels[static_cast<size_t>(position)]);
}

bool UpdateUserDefinedPanel(Catalogue& catalogue, const DataFiles& files, int position, PanelRecord panel)
{
    if (!IsLiveUserDefinedPanel(catalogue, position))
        return false;
    PanelRecord& stored = catalogue.Panels[static_cast<size_t>(position)];
    panel.IsStandard = false;
    panel.Manufacturer = stored.Manufacturer;
    panel.Section = stored.Section;
    if (!UserPanelFile::StorePanel(WinINI::SharedProfileCache(), files.CustomPanelsFile, panel))
        return false;
    const bool renamed = panel.Name != stored.Name;
    stored = std::move(panel);
    if (renamed)
        SortPanelsByName(catalogue);
    return true;
}

bool DeleteUserDefinedPanel(Catalogue& catalogue, MessageHost& host, const DataFiles& files, int position)
{
    if (!IsLiveUserDefinedPanel(catalogue, position))
        return false;
    if (position == catalogue.CurrentPanel) {
        MsgBox(host, "The current Loop Calculation is using this panel, it cannot be deleted!",
               MsgStyle::OKOnly + MsgStyle::Exclamation, "Delete Custom Panel");
        return false;
    }
    PanelRecord& panel = catalogue.Panels[static_cast<size_t>(position)];
    const std::string& file = files.CustomPanelsFile;
    if (!UserPanelFile::RemovePanelNamed(WinINI::SharedProfileCache(), file, panel.Name)) {
        Warn(host, UnexpectedReadMessage(PlaceText(file)));
        return false;
    }
    // Names do not change, so the order stands.
    panel.Manufacturer = -1;
    --catalogue.UserDefinedPanelCount;
    return true;
}

bool SelectPanelByName(Catalogue& catalogue, Options& options, std::string_view name)
{
    const std::string wanted = FoldCase(name);
    for (size_t p = 0; p < catalogue.Panels.size(); ++p)
        if (FoldCase(catalogue.Panels[p].Name) == wanted) {
            SetCurrentPanel(catalogue, options, static_cast<int>(p));
            return true;
        }
    return false;
}

bool SelectPanelOrDefault(Catalogue& catalogue, Options& options, MessageHost& host, std::string_view name)
{
    if (SelectPanelByName(catalogue, options, name) || SelectPanelByName(catalogue, options, DefaultPanelName))
        return true;
    Warn(host, std::string("Unable to find default control panel data '") + DefaultPanelName + "'");
    return false;
}

void SetCurrentPanel(Catalogue& catalogue, Options& options, int position)
{
    if (position < 0 || static_cast<size_t>(position) >= catalogue.Panels.size() ||
        position == catalogue.CurrentPanel)
        return;
    catalogue.CurrentPanel = position;
    options.SetSettingString(SettingName::LastPanel, catalogue.Panels[static_cast<size_t>(position)].Name);
}
