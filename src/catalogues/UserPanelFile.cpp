#include "catalogues/UserPanelFile.h"

#include "calculation/CSV.h"
#include "calculation/LeadingNumber.h"
#include "calculation/Rounding.h"
#include "platform/FileSystem.h"

namespace UserPanelFile {

namespace {

constexpr const char* OptionsSection = "Options";
constexpr const char* MaxCustomKey = "MaxCustom";

std::string SlotName(WinINI::ProfileCache& cache, const std::string& file, int slot)
{
    return CSV::GetCSVField(cache.ReadKey(file, SlotSection(slot), "Name"), 1);
}

bool WritePanelKeys(WinINI::ProfileCache& cache, const std::string& file, const PanelRecord& panel)
{
    const auto write = [&](const char* key, const std::string& value) {
        return cache.WriteKey(file, panel.Section, key, value);
    };
    const auto number = [](int value) { return std::to_string(value); };
    return write("Name", "\"" + panel.Name + "\"") && write("Loops", number(panel.Loops)) &&
           write("DriverImpedance", number(panel.DriverImpedance)) && write("AlarmLEDs", number(panel.AlarmLEDs)) &&
           write("RemoteLEDs", number(panel.RemoteLEDs)) && write("Outputs", number(panel.Outputs)) &&
           write("MaxLoopCurrent", number(panel.MaxLoopCurrent)) &&
           write("MaxTotalCurrent", number(panel.MaxTotalCurrent)) &&
           write("MinLoopVoltage", number(panel.MinLoopVoltage));
}

// The file as it was before a series of writes, so that a series that fails
// halfway leaves no panel with half of its keys behind (which would stop the
// next start with a message about the missing ones).
class FileBefore {
public:
    explicit FileBefore(const std::string& file)
        : file_(file), existed_(FileSystem::Stamp(file).has_value()), bytes_(FileSystem::ReadFileBytes(file))
    {
    }

    void Restore() const
    {
        if (bytes_)
            FileSystem::WriteFileAtomically(file_, *bytes_);
        else if (!existed_)
            FileSystem::DeleteFile(file_);
        // A file that existed but could not be read cannot have been written.
    }

private:
    std::string file_;
    bool existed_;
    std::optional<std::string> bytes_;
};

}  // namespace

std::string SlotSection(int slot)
{
    return SlotPrefix + std::to_string(slot);
}

std::optional<int16_t> MaxCustom(WinINI::ProfileCache& cache, const std::string& file)
{
    return Rounding::ToInt16(LeadingNumber(cache.ReadKey(file, OptionsSection, MaxCustomKey)));
}

bool IsFreeSlot(WinINI::ProfileCache& cache, const std::string& file, int slot)
{
    return cache.ReadKey(file, SlotSection(slot), "Name").empty();
}

int FirstFreeSlot(WinINI::ProfileCache& cache, const std::string& file)
{
    int slot = 1;
    while (!IsFreeSlot(cache, file, slot))
        ++slot;
    return slot;
}

bool StorePanel(WinINI::ProfileCache& cache, const std::string& file, const PanelRecord& panel,
                std::optional<int> newMaxCustom)
{
    const FileBefore before(file);
    const bool stored = WritePanelKeys(cache, file, panel) &&
                        (!newMaxCustom ||
                         cache.WriteKey(file, OptionsSection, MaxCustomKey, std::to_string(*newMaxCustom)));
    if (!stored)
        before.Restore();
    return stored;
}

bool RemovePanelNamed(WinINI::ProfileCache& cache, const std::string& file, const std::string& name)
{
    const std::optional<int16_t> maxCustom = MaxCustom(cache, file);
    if (!maxCustom)
        return false;
    for (int slot = 1; slot <= *maxCustom; ++slot)
        if (SlotName(cache, file, slot) == name)
            return cache.DeleteSection(file, SlotSection(slot));
    return true;
}

}  // namespace UserPanelFile
