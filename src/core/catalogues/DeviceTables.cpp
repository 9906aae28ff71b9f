#include "catalogues/DeviceTables.h"

#include "text/CSV.h"
#include "text/LeadingNumber.h"
#include "catalogues/DeviceFile.h"
#include "catalogues/ExchangeSort.h"
#include "catalogues/Letters.h"
#include "catalogues/Options.h"
#include "text/TextConversion.h"

#include <numeric>

using CSV::GetCSVField;

namespace {

std::string Numbered(const char* key, size_t n)
{
    return key + std::to_string(n);
}

// Each parser reads one entry into its record (written only when the whole
// entry is good) and returns false after a message.
bool ParseFamily(const DeviceFile& file, const std::string& entry, size_t n, DeviceFamilyRecord& family)
{
    DeviceFamilyRecord parsed;
    parsed.Name = GetCSVField(entry, 1);
    parsed.SortKey = GetCSVField(entry, 2);
    if (parsed.Name.empty() || parsed.SortKey.empty())
        return file.Fail("Invalid settings for device family " + std::to_string(n) + " in " + file.place);
    parsed.Locale = GetCSVField(entry, 3);
    parsed.DefaultShown = BeginsWithLetter(GetCSVField(entry, 4), 'F');
    family = parsed;
    return true;
}

bool ParseButton(const DeviceFile&, const std::string& entry, size_t, DeviceButtonRecord& button)
{
    DeviceButtonRecord parsed;
    parsed.Label = GetCSVField(entry, 1);
    if (!parsed.Label.empty() && parsed.Label.back() == '"')
        parsed.Label.pop_back();
    parsed.Detail = GetCSVField(entry, 2);
    button = parsed;
    return true;
}

bool ParseOutput(const DeviceFile& file, const std::string& entry, size_t n, OutputBitRecord& output)
{
    OutputBitRecord parsed;  // an empty entry: no name, use and group 0
    if (!entry.empty()) {
        const std::string about = "in 'Output" + std::to_string(n) + "' entry in [Outputs] section in " + file.place;
        parsed.Name = GetCSVField(entry, 1);
        if (!CSV::ReadIntegerField(file.host, entry, 2, parsed.Use, 0, 127, "Output Use " + about) ||
            !CSV::ReadIntegerField(file.host, entry, 3, parsed.Group, 0, 127, "Output Group " + about))
            return false;
    }
    output = parsed;
    return true;
}

// An input without an entry, which no device type may use.
const InputBitRecord UndefinedInput{"?", -1, 0};

bool ParseInput(const DeviceFile& file, const std::string& entry, size_t n, InputBitRecord& input)
{
    InputBitRecord parsed = UndefinedInput;
    if (!entry.empty()) {
        const std::string about = "in 'Input" + std::to_string(n) + "' entry in [Inputs] section in " + file.place;
        parsed.Name = GetCSVField(entry, 1);
        if (!CSV::ReadIntegerField(file.host, entry, 2, parsed.Use, 0, 127, "Input Use " + about) ||
            !CSV::ReadIntegerField(file.host, entry, 3, parsed.Picture, 0, 255, "Input Picture " + about))
            return false;
    }
    input = parsed;
    return true;
}

bool ParseSwitch(const DeviceFile& file, const std::string& entry, size_t n, SwitchRecord& dilSwitch)
{
    SwitchRecord parsed;  // an empty entry: no texts, no currents, no flags
    if (!entry.empty()) {
        const std::string about = "'Switch" + std::to_string(n) + "' entry in [Switches] section in " + file.place;
        parsed.Name = GetCSVField(entry, 1);
        parsed.Text2 = GetCSVField(entry, 2);
        int16_t defaultOn = 0;
        if (!CSV::ReadIntegerField(file.host, entry, 3, parsed.AlarmCurrentOff, 0, 32767,
                                   "Alarm Current for Off-position in " + about) ||
            !CSV::ReadIntegerField(file.host, entry, 4, parsed.AlarmCurrentOn, 0, 32767,
                                   "Alarm Current for On-position in " + about) ||
            !CSV::ReadIntegerField(file.host, entry, 7, defaultOn, 0, 1, "Default setting for " + about))
            return false;
        parsed.DefaultOn = defaultOn == 1;
        parsed.MasterB = BeginsWithLetter(GetCSVField(entry, 6), 'M');
        parsed.MasterA = BeginsWithLetter(GetCSVField(entry, 5), 'M');
        parsed.SlaveB = BeginsWithLetter(GetCSVField(entry, 6), 'S');
        parsed.SlaveA = BeginsWithLetter(GetCSVField(entry, 5), 'S');
    }
    dilSwitch = parsed;
    return true;
}

template <typename Record>
using Parser = bool (*)(const DeviceFile&, const std::string&, size_t, Record&);

// Reads key + n for n = 0, 1, ... until the first empty value. Each record
// is appended before its entry is parsed, so positions stay the entry
// numbers even when the user skips a failed entry.
template <typename Record>
bool ReadUntilEmpty(const DeviceFile& file, const char* section, const char* key, std::vector<Record>& records,
                    Parser<Record> parse)
{
    records.clear();
    for (size_t n = 0;; ++n) {
        const std::string entry = file.Read(section, Numbered(key, n));
        if (entry.empty())
            return true;
        records.emplace_back();
        if (!file.Step(file.place, [&] { return parse(file, entry, n, records[n]); }))
            return false;
    }
}

// Reads key + n for every position of the sized table.
template <typename Record>
bool ReadEachPosition(const DeviceFile& file, const char* section, const char* key, std::vector<Record>& records,
                      Parser<Record> parse)
{
    for (size_t n = 0; n < records.size(); ++n) {
        const std::string entry = file.Read(section, Numbered(key, n));
        if (!file.Step(file.place, [&] { return parse(file, entry, n, records[n]); }))
            return false;
    }
    return true;
}

// Sizes a table from its "Max..." key, a whole number from the minimum to
// 32767. After a bad one the table holds the empty record alone.
template <typename Record>
bool SizeFromMaximum(const DeviceFile& file, const char* section, const char* key, int16_t minimum,
                     std::vector<Record>& records, const Record& empty)
{
    records.assign(1, empty);
    int16_t last = 0;
    if (!CSV::ReadIntegerField(file.host, file.Read(section, key), 1, last, minimum, 32767,
                               std::string("'") + key + "' entry in [" + section + "] section in " + file.place))
        return false;
    records.assign(static_cast<size_t>(last) + 1, empty);
    return true;
}

}  // namespace

bool ReadFamilies(const DeviceFile& file, Options& options)
{
    Catalogue& catalogue = file.catalogue;
    if (!ReadUntilEmpty(file, "Families", "Family", catalogue.DeviceFamilies, ParseFamily))
        return false;
    if (catalogue.DeviceFamilies.empty())
        return file.Fail("No device families defined in " + file.place);

    options.LoadFamilyShown(catalogue);
    catalogue.FamilyOrder.resize(catalogue.DeviceFamilies.size());
    std::iota(catalogue.FamilyOrder.begin(), catalogue.FamilyOrder.end(), 0);
    ExchangeSort(catalogue.FamilyOrder, 0, [&](int position) -> const std::string& {
        return catalogue.DeviceFamilies[static_cast<size_t>(position)].SortKey;
    });
    return true;
}

bool ReadButtons(const DeviceFile& file)
{
    if (!ReadUntilEmpty(file, "Buttons", "Button", file.catalogue.DeviceButtons, ParseButton))
        return false;
    if (file.catalogue.DeviceButtons.empty())
        return file.Fail("No device buttons defined in " + file.place);
    return true;
}

bool ReadOutputs(const DeviceFile& file)
{
    std::vector<OutputBitRecord>& outputs = file.catalogue.OutputBits;
    outputs.clear();
    // MaxOutputs need only be a number; one that cannot size the table is a
    // run-time failure.
    const bool sized = file.Step(file.place, [&] {
        const std::string maximum = GetCSVField(file.Read("Outputs", "MaxOutputs"), 1);
        if (!IsNumericText(maximum))
            return file.Fail("Invalid 'MaxOutputs' entry in [Outputs] section in " + file.place);
        const int16_t last = TextConversion::ToInteger(maximum);
        if (last < 0)
            throw RunTimeError(RunTimeError::SubscriptOutOfRange, "Subscript out of range");
        outputs.assign(static_cast<size_t>(last) + 1, {});
        return true;
    });
    return sized && ReadEachPosition(file, "Outputs", "Output", outputs, ParseOutput);
}

bool ReadInputs(const DeviceFile& file)
{
    std::vector<InputBitRecord>& inputs = file.catalogue.InputBits;
    return SizeFromMaximum(file, "Inputs", "MaxInputs", 1, inputs, UndefinedInput) &&
           ReadEachPosition(file, "Inputs", "Input", inputs, ParseInput);
}

bool ReadSwitches(const DeviceFile& file)
{
    std::vector<SwitchRecord>& switches = file.catalogue.Switches;
    return SizeFromMaximum(file, "Switches", "MaxSwitches", 0, switches, SwitchRecord{}) &&
           ReadEachPosition(file, "Switches", "Switch", switches, ParseSwitch);
}
