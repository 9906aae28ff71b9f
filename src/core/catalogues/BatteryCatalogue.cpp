#include "catalogues/BatteryCatalogue.h"

#include "catalogues/Catalogue.h"
#include "catalogues/DataFiles.h"
#include "platform/FileSystem.h"
#include "platform/MessageHost.h"
#include "text/CSV.h"
#include "text/LeadingNumber.h"
#include "text/Rounding.h"
#include "text/WinINI.h"

#include <algorithm>
#include <optional>

namespace {

// No standard block is larger than this (hundredths of an Ah).
constexpr int32_t LargestSensibleSize = 1000000;

// A size in Ah as hundredths; nullopt for text that is no positive number
// within reason.
std::optional<int32_t> SizeInHundredths(const std::string& text)
{
    if (!IsNumericText(text))
        return std::nullopt;
    const std::optional<int32_t> hundredths = Rounding::ToInt32(LeadingNumber(text) * 100);
    if (!hundredths || *hundredths <= 0 || *hundredths > LargestSensibleSize)
        return std::nullopt;
    return hundredths;
}

// A file that cannot be used: its message, and no sizes.
bool Refuse(Catalogue& catalogue, MessageHost& host, const std::string& message)
{
    MsgBox(host, message, MsgStyle::Exclamation);
    catalogue.BatterySizes.clear();
    catalogue.NoBatterySizes = "no battery sizes are installed ('" + catalogue.BatterySizesFile + "' could not be read)";
    return false;
}

}  // namespace

bool LoadBatteries(Catalogue& catalogue, MessageHost& host, const DataFiles& files)
{
    const std::string& path = files.BatteriesFile;
    catalogue.BatterySizes.clear();
    catalogue.BatterySizesFile = path;
    if (!FileSystem::FileExists(path)) {
        catalogue.NoBatterySizes = "no battery sizes are installed (looked for '" + path + "')";
        return false;
    }
    const std::string place = PlaceText(path);
    const int last = WinINI::LastNumberedProfileKey(path, "Batteries", "Battery");
    for (int n = 0; n <= last; ++n) {
        const std::string value = CSV::GetCSVField(WinINI::ReadProfileKey(path, "Batteries", "Battery" + std::to_string(n)), 1);
        // A gap is told, and the sizes after it are read all the same.
        if (value.empty()) {
            MsgBox(host, "Missing settings for battery " + std::to_string(n) + " in " + place, MsgStyle::Exclamation);
            continue;
        }
        const std::optional<int32_t> size = SizeInHundredths(value);
        if (!size)
            return Refuse(catalogue, host, "Invalid settings for battery " + std::to_string(n) + " in " + place);
        catalogue.BatterySizes.push_back(*size);
    }
    if (catalogue.BatterySizes.empty())
        return Refuse(catalogue, host, "No batteries defined in " + place);
    std::sort(catalogue.BatterySizes.begin(), catalogue.BatterySizes.end());
    catalogue.NoBatterySizes.clear();
    return true;
}
