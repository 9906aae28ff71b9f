#pragma once
// The cable catalogue: cable groups marked for a locale, and the cables the
// user may pick instead of typing an impedance, held thinnest first.

#include <string>
#include <string_view>
#include <vector>

class Catalogue;
class MessageHost;
class Options;
struct DataFiles;

// Reads the cable file; on the first bad entry shows its message and returns
// false. Group choices come from the settings; when the user has enabled no
// group at all, the locale's defaults are applied and stored.
bool LoadCables(Catalogue& catalogue, Options& options, MessageHost& host, const DataFiles& files,
                std::string_view localeId);

// The group list of the options dialog: each group's name, position and
// whether it is enabled.
struct CableGroupChoice {
    std::string Name;
    int Group = 0;
    bool Enabled = false;
};
std::vector<CableGroupChoice> CableGroupChoices(const Catalogue& catalogue);
// Takes the dialog's ticks: stores each changed group and, when any changed,
// enables the cables of the enabled groups.
void ApplyCableGroupChoices(Catalogue& catalogue, Options& options, const std::vector<CableGroupChoice>& choices);
