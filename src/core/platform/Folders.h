#pragma once
// Where the program's folders are: the data root holding the catalogues, the
// per-user configuration and data folders, and the user's documents folder.
// Each function has an overload over an explicit Environment so that tests
// never depend on (or touch) the real home folder.

#include <string>

namespace Folders {

// The process values the folders are worked out from.
struct Environment {
    std::string DataRootOverride;  // $HARVEX_DATA_ROOT
    std::string ConfigHome;        // $XDG_CONFIG_HOME
    std::string DataHome;          // $XDG_DATA_HOME
    std::string Home;              // $HOME, else the password database
    std::string ExecutableFolder;  // folder of the running program
    std::string SourceDataFolder;  // the source tree's data/ folder, fixed at build time

    static Environment OfProcess();
};

// The folder that holds Harvex/Panels, Harvex/Cables and Harvex/Devices:
// $HARVEX_DATA_ROOT when set; else ../share beside the program when it holds
// Harvex/; else the source tree's data/ folder when it exists; else empty (the
// data root is unavailable).
std::string DataRoot();
std::string DataRoot(const Environment& env);

// $XDG_CONFIG_HOME/Harvex (~/.config/Harvex when unset or not absolute).
std::string ConfigFolder();
std::string ConfigFolder(const Environment& env);

// $XDG_DATA_HOME/Harvex (~/.local/share/Harvex when unset or not absolute).
std::string UserDataFolder();
std::string UserDataFolder(const Environment& env);

// The XDG documents folder named in user-dirs.dirs when it exists, else home.
std::string DocumentsFolder();
std::string DocumentsFolder(const Environment& env);

// The settings file of the older release, read once by the settings migration.
std::string OldSettingsFile();
std::string OldSettingsFile(const Environment& env);

}  // namespace Folders
