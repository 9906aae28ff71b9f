#include "catalogues/OtherDeviceLoader.h"

#include "text/CSV.h"
#include "catalogues/Catalogue.h"
#include "catalogues/DataFiles.h"
#include "catalogues/ExchangeSort.h"
#include "catalogues/Letters.h"
#include "text/TextConversion.h"
#include "text/WinINI.h"
#include "platform/CaseFold.h"
#include "platform/FileSystem.h"
#include "platform/MessageHost.h"

#include <algorithm>
#include <exception>

using CSV::GetCSVField;

namespace {

void Warn(MessageHost& host, const std::string& text)
{
    MsgBox(host, text, MsgStyle::OKOnly + MsgStyle::Exclamation);
}

// One of the two files being read: where it is, the prefix of its devices'
// Ids and the place text that ends its messages.
struct OthersFile {
    std::string Path;
    std::string Prefix;
    bool IsCustom = false;
    std::string Place;
};

// Reads the keys of one Other Device section, in the order the checks are
// made.
class OtherDeviceReader {
public:
    OtherDeviceReader(const Catalogue& catalogue, MessageHost& host, const OthersFile& file, const std::string& section,
                      int n)
        : catalogue_(catalogue), host_(host), file_(file), section_(section),
          about_(" for Other Device " + std::to_string(n) + " in " + file.Place)
    {
    }

    // Fills the record; false after a message. A number the conversions
    // cannot hold throws a RunTimeError.
    bool Read(OtherDeviceRecord& other)
    {
        const std::string name = Key("Name");
        if (name.empty())
            return MissingKey();
        other.Name = GetCSVField(name, 1);
        other.SingleName = Key("SingleName");
        if (!Convert("Impedance", other.Impedance, TextConversion::ToInteger) ||
            !Convert("Quiescent", other.QuiescentCurrent, TextConversion::ToLong) ||
            !Convert("Alarm", other.AlarmCurrent, TextConversion::ToLong))
            return false;
        other.SurgeCurrent = other.QuiescentCurrent;
        ConvertOptional("Surge", other.SurgeCurrent, TextConversion::ToLong);
        ConvertOptional("MaxSurge", other.MaxSurgeCurrent, TextConversion::ToLong);

        const std::string fromRemote = Key("FromRemote");
        if (fromRemote.empty())
            return MissingKey();
        other.FromRemote = BeginsWithLetter(GetCSVField(fromRemote, 1), 'T');
        other.FromRemote2 = BeginsWithLetter(GetCSVField(fromRemote, 2), 'T');

        return ReadNumbers(other) && ReadContext(other) && ReadAddressableDevice(other);
    }

private:
    std::string Key(const char* key) const { return WinINI::ReadProfileKey(file_.Path, section_, key); }

    bool MissingKey() const
    {
        Warn(host_, "Invalid settings" + about_);
        return false;
    }

    // A required number in field 1, converted without a range check.
    template <typename Number>
    bool Convert(const char* key, Number& value, Number (*convert)(std::string_view))
    {
        const std::string text = Key(key);
        if (text.empty())
            return MissingKey();
        value = convert(GetCSVField(text, 1));
        return true;
    }

    template <typename Number>
    void ConvertOptional(const char* key, Number& value, Number (*convert)(std::string_view))
    {
        if (const std::string text = Key(key); !text.empty())
            value = convert(GetCSVField(text, 1));
    }

    // An optional number within limits; it keeps its default when absent.
    bool Optional(const char* key, int field, int16_t& value, int16_t maximum, const std::string& label)
    {
        const std::string text = Key(key);
        return text.empty() || CSV::ReadIntegerField(host_, text, field, value, 0, maximum, label + about_);
    }

    bool OptionalByte(const char* key, uint8_t& value, int16_t minimum, const std::string& label)
    {
        const std::string text = Key(key);
        return text.empty() || CSV::ReadByteField(host_, text, 1, value, minimum, 255, label + about_);
    }

    bool ReadNumbers(OtherDeviceRecord& other)
    {
        other.MaxQty = 255;
        if (!OptionalByte("MaxQty", other.MaxQty, 1, "Maximum quantity") ||
            !Optional("Family", 1, other.Family, LastPosition(catalogue_.DeviceFamilies), "Family"))
            return false;

        if (!Optional("Icon", 1, other.Icon, 32767, "Icon number"))
            return false;
        other.AlternativeIcon = other.Icon;
        if (!GetCSVField(Key("Icon"), 2).empty() &&
            !Optional("Icon", 2, other.AlternativeIcon, 32767, "Alternative Icon number"))
            return false;
        if (!Optional("AlarmIcon", 1, other.AlarmIcon, 32767, "Alarm Icon number") ||
            !Optional("UseAlternative", 1, other.AlternativeDevice, 32767, "Alternative Device number"))
            return false;
        const std::string alternativeName = GetCSVField(Key("UseAlternative"), 2);
        other.AlternativeName = alternativeName.empty() ? other.SingleName : alternativeName;

        return Optional("Button", 1, other.Button, 255, "Button number") &&
               OptionalByte("Base", other.Base, 0, "Base type") &&
               Optional("MinVolts", 1, other.MinVolts, 32767, "Minimum voltage");
    }

    bool ReadContext(OtherDeviceRecord& other)
    {
        const std::string context = Key("Context");
        if (context.empty())
            return MissingKey();
        const std::string word = FoldCase(GetCSVField(context, 1));
        other.IsStandalone = word == "standalone";
        other.IsBase = word == "base";
        if (!other.IsStandalone && !other.IsBase && word != "other") {
            Warn(host_, "Invalid 'context' setting" + about_);
            return false;
        }
        return true;
    }

    bool ReadAddressableDevice(OtherDeviceRecord& other)
    {
        if (!Optional("AddressableDevice", 1, other.AddressableDevice, LastPosition(catalogue_.DeviceTypes),
                      "Corresponding Addressable Device"))
            return false;
        other.ThirdParty = BeginsWithLetter(Key("ThirdParty"), 'T');
        return true;
    }

    // -1 for an empty table, so that no number is within limits.
    template <typename Records>
    static int16_t LastPosition(const Records& records)
    {
        return static_cast<int16_t>(std::min<long>(static_cast<long>(records.size()) - 1, 32767));
    }

    const Catalogue& catalogue_;
    MessageHost& host_;
    const OthersFile& file_;
    const std::string& section_;
    std::string about_;  // " for Other Device " + n + " in " + place text
};

// Appends the devices [Others] of one file lists, from "Other1" until the
// first empty value or empty section name.
bool ReadOthersFile(Catalogue& catalogue, MessageHost& host, const OthersFile& file)
{
    try {
        for (int n = 1;; ++n) {
            const std::string section =
                GetCSVField(WinINI::ReadProfileKey(file.Path, "Others", "Other" + std::to_string(n)), 1);
            if (section.empty())
                return true;
            OtherDeviceRecord& other = catalogue.OtherDevices.emplace_back();
            other.Number = static_cast<int16_t>(catalogue.OtherDevices.size() - 1);
            other.Id = file.Prefix + section;
            other.IsCustom = file.IsCustom;
            if (!OtherDeviceReader(catalogue, host, file, section, n).Read(other))
                return false;
        }
    } catch (const std::exception&) {
        Warn(host, "An unexpected error has occurred while reading " + file.Place);
        return false;
    }
}

// The last standalone Other Device that isolates (has a surge rating); 0
// when there is none.
int LastStandaloneSurgeOther(const Catalogue& catalogue)
{
    int found = 0;
    for (size_t i = 1; i < catalogue.OtherDevices.size(); ++i)
        if (catalogue.OtherDevices[i].IsStandalone && catalogue.OtherDevices[i].MaxSurgeCurrent != 0)
            found = static_cast<int>(i);
    return found;
}

}  // namespace

bool LoadOtherDevices(Catalogue& catalogue, MessageHost& host, const DataFiles& files)
{
    catalogue.OtherDevices.assign(1, {});
    catalogue.OtherDevices[0].SingleName = "0";
    catalogue.StandaloneSurgeOther = 0;

    if (!FileSystem::FileExists(files.DevicesFile)) {
        Warn(host, MissingFileMessage("Other Devices data", files.DevicesFile));
        return false;
    }
    // A missing custom file reads as a file without entries.
    if (!ReadOthersFile(catalogue, host, {files.DevicesFile, "", false, PlaceText(files.DevicesFile)}) ||
        !ReadOthersFile(catalogue, host,
                        {files.CustomDevicesFile, "Custom_", true, PlaceText(files.CustomDevicesFile)}))
        return false;

    ExchangeSort(catalogue.OtherDevices, 1,
                 [](const OtherDeviceRecord& other) -> const std::string& { return other.Name; });
    catalogue.StandaloneSurgeOther = LastStandaloneSurgeOther(catalogue);
    // Device entries name the standalone Other Device by its number.
    for (DeviceTypeRecord& type : catalogue.DeviceTypes)
        type.StandaloneOther = static_cast<int16_t>(catalogue.FindOtherDeviceByNumber(type.StandaloneOther));
    return true;
}
