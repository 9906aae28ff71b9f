#pragma once
// The options store: the user's preferences and what the next start restores
// (last calculation type and cable impedance, which device families and
// device types are offered, the main window's size...), kept as named values
// in the user's settings. It owns the names of those values. Every setter
// writes through at once; failures of the settings file are silent, as the
// user can do nothing about them: a getter then answers its empty value.

#include "catalogues/CalculationType.h"
#include "platform/SettingsStore.h"
#include "platform/WindowGeometry.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

class Catalogue;
class MessageHost;

// Names of the settings. Those ending in a number are completed with a
// position written in decimal ("DontShowFamily3").
namespace SettingName {
inline constexpr const char* LastPanel = "LastPanel";
inline constexpr const char* LastCalcType = "LastCalcType";
inline constexpr const char* LastCableImpedance = "LastCableImpedance";
inline constexpr const char* DontShowFamily = "DontShowFamily";
inline constexpr const char* StandardDevice = "StandardDevice";
inline constexpr const char* CableGroup = "CableGroup";
inline constexpr const char* FormWidth = "Form Width";
inline constexpr const char* FormHeight = "Form Height";
inline constexpr const char* FormState = "Form State";
inline constexpr const char* Units = "Units";
inline constexpr const char* RecentFile = "mFileRecent";  // 1 to 4
inline constexpr const char* QlxPath = "QLX Path";
inline constexpr const char* FirstTimeDone = "FirstTimeDone";
inline constexpr const char* LatestVersion = "LatestVersion";
inline constexpr const char* KRBeforeOthersWarned = "KRBeforeOthersWarned";
}  // namespace SettingName

// The names a window other than the main one keeps its size under; a window
// split in two also keeps the share of its second part (thousandths).
struct WindowSizeNames {
    const char* Width;
    const char* Height;
    const char* SecondShare = nullptr;
};

namespace SettingName {
inline constexpr WindowSizeNames LoopEditorSize{"Loop Editor Width", "Loop Editor Height", "Loop Editor Plot Share"};
inline constexpr WindowSizeNames CableLayoutSize{"Cable Layout Width", "Cable Layout Height"};
inline constexpr WindowSizeNames PowerSize{"Power Width", "Power Height"};
inline constexpr WindowSizeNames HelpSize{"Help Width", "Help Height"};
}  // namespace SettingName

struct WindowSize {
    int Width = 0;
    int Height = 0;
};

class Options {
public:
    explicit Options(SettingsStore& store) : store_(store) {}

    // Typed access. A number read as text gives its decimal digits; a text
    // read as a number gives 0, as any missing value does. A Boolean is
    // stored as the number -1 (true) or 0 (false).
    std::string GetSettingString(const std::string& name) const;
    bool GetSettingBool(const std::string& name) const;
    int32_t GetSettingLong(const std::string& name) const;
    bool SettingExists(const std::string& name) const;
    // Setting the value a name already holds writes nothing.
    void SetSettingString(const std::string& name, const std::string& text);
    void SetSettingBool(const std::string& name, bool flag);
    void SetSettingLong(const std::string& name, int32_t value);
    // Holds the settings written while it lives (the defaults of a start,
    // the options dialog's OK) and writes them in one write of the file.
    SettingsStore::Batch WritesTogether() { return SettingsStore::Batch(store_); }

    // The calculation type new loops get; a stored value outside
    // MinCalcType to MaxCalcType is replaced by the minimum.
    void LoadLastCalcType();
    void SetLastCalcType(CalculationType calcType);
    CalculationType CurrentCalcType() const;

    // The cable impedance new loops get (hundredths of an ohm per km per
    // core): the stored one when it lies in 0 to 10000, else the catalogue's
    // default cable.
    void LoadLastCableImpedance(const Catalogue& catalogue);
    void SetLastCableImpedance(int16_t impedance);
    int16_t CurrentCableImpedance() const;

    // Sets each family's Shown flag from the settings; a family without a
    // stored flag takes its default from the device file and stores it, so a
    // later change of that default no longer affects this user.
    void LoadFamilyShown(Catalogue& catalogue);
    void SetFamilyShown(Catalogue& catalogue, int family, bool shown);

    // Which device types (positions 0 to last) are standard devices. Types
    // that cannot be selected, are hidden (family 255) or are slaves never
    // are; the others take the stored flag, or their family's Shown flag,
    // stored when true.
    void LoadStandardDevices(const Catalogue& catalogue, int last);
    void SetStandardDevice(int deviceType, bool flag);
    bool IsStandardDevice(int deviceType) const;

    // Carries the settings of the older release's profile file over, unless
    // "FirstTimeDone" is set. It repeats at each start until then, writing
    // the same values again (which, unchanged, touch nothing).
    void MigrateOldSettings(const std::string& oldSettingsPath);

    // The unit system lengths and impedances are shown in (Scaling::Metric or
    // Scaling::Imperial). LoadUnits reads the stored choice, falling back to
    // metric with a warning for an unknown one; DetectUnits decides it on the
    // first run from the regional measurement setting and the locale.
    int Units() const;
    void SetUnits(int units);
    void LoadUnits(MessageHost& host);
    void DetectUnits(std::string_view iMeasure, std::string_view localeId);

    // Main window size: a maximised window stores only its state.
    void SaveFormSize(const WindowGeometry& window);
    // Sizes the window from the stored size, at most the work area, centred
    // in the work area or at its top-left corner; then maximises a normal
    // window when the stored state asks for it (with useWorkArea any state
    // but "Normal", a missing one too; without, only "Maximized").
    void RestoreFormSize(WindowGeometry& window, bool useWorkArea, bool centre);

    // Any other window: the size it was last closed at (its own `size` while
    // none is stored), at most the work area. A window closed maximised or
    // minimised keeps the size stored before.
    WindowSize WindowSizeFor(const WindowSizeNames& names, WindowSize size, const ScreenArea& area) const;
    void SaveWindowSize(const WindowSizeNames& names, const WindowGeometry& window);
    // The share of a split window's second part, 1 to 999 thousandths; 0
    // while none is stored.
    int SecondShare(const WindowSizeNames& names) const;
    void SetSecondShare(const WindowSizeNames& names, int thousandths);

private:
    SettingsStore& store_;
    // Empty until loaded or set, so that the first setting always stores.
    std::optional<CalculationType> currentCalcType_;
    std::optional<int16_t> currentCableImpedance_;
    std::vector<bool> standardDevices_;
    int units_ = 0;
};
