#include "catalogues/UserPanelFile.h"

#include "text/CSV.h"
#include "text/Currency.h"
#include "text/LeadingNumber.h"
#include "text/Rounding.h"

#include <algorithm>

namespace UserPanelFile {

namespace {

constexpr const char* OptionsSection = "Options";
constexpr const char* MaxCustomKey = "MaxCustom";

std::string SlotName(WinINI::ProfileCache& cache, const std::string& file, int slot)
{
    return CSV::GetCSVField(cache.ReadKey(file, SlotSection(slot), "Name"), 1);
}

void WritePanelKeys(WinINI::ProfileText& text, const PanelRecord& panel)
{
    const auto write = [&](const char* key, int value) { text.Write(panel.Section, key, std::to_string(value)); };
    text.Write(panel.Section, "Name", "\"" + panel.Name + "\"");
    write("Loops", panel.Loops);
    write("DriverImpedance", panel.DriverImpedance);
    write("AlarmLEDs", panel.AlarmLEDs);
    write("RemoteLEDs", panel.RemoteLEDs);
    write("Outputs", panel.Outputs);
    write("MaxLoopCurrent", panel.MaxLoopCurrent);
    write("MaxTotalCurrent", panel.MaxTotalCurrent);
    write("MinLoopVoltage", panel.MinLoopVoltage);
    // Absent means the usual 32, and files of panels that keep it stay as they were.
    if (panel.MaxPointsBetweenIsolators != PanelRecord{}.MaxPointsBetweenIsolators)
        write("MaxPointsBetweenIsolators", panel.MaxPointsBetweenIsolators);
    else
        text.DeleteKey(panel.Section, "MaxPointsBetweenIsolators");
    // The power supply keys only when given, so that "not given" survives a save.
    const auto writeGiven = [&](const char* key, const std::optional<int32_t>& value, bool hundredths) {
        if (!value)
            text.DeleteKey(panel.Section, key);
        else
            text.Write(panel.Section, key, hundredths ? Currency::FromScaled(*value * 100LL).ToString() : std::to_string(*value));
    };
    writeGiven("StandbyCurrent", panel.StandbyCurrent, false);
    writeGiven("AlarmCurrent", panel.AlarmCurrent, false);
    writeGiven("MaxBattery", panel.MaxBattery, true);
    writeGiven("ChargerCurrent", panel.ChargerCurrent, false);
}

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
    const int maxCustom = std::max(0, static_cast<int>(MaxCustom(cache, file).value_or(0)));
    int slot = 1;
    while (slot <= maxCustom && !IsFreeSlot(cache, file, slot))
        ++slot;
    return slot;
}

// One write of the file, so that a panel is never half-written (a section
// missing keys would stop the next start with a message about them).
bool StorePanel(WinINI::ProfileCache& cache, const std::string& file, const PanelRecord& panel)
{
    return cache.Edit(file, [&](WinINI::ProfileText& text) { WritePanelKeys(text, panel); });
}

bool StoreNewPanel(WinINI::ProfileCache& cache, const std::string& file, const PanelRecord& panel,
                   std::optional<int> newMaxCustom)
{
    return cache.Edit(file, [&](WinINI::ProfileText& text) {
        text.DeleteSection(panel.Section);
        WritePanelKeys(text, panel);
        if (newMaxCustom)
            text.Write(OptionsSection, MaxCustomKey, std::to_string(*newMaxCustom));
    });
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
