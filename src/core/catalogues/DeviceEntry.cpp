#include "catalogues/DeviceEntry.h"

#include "text/Blanks.h"
#include "text/CSV.h"
#include "text/LeadingNumber.h"
#include "catalogues/AddressRanges.h"
#include "catalogues/DeviceFile.h"
#include "catalogues/DeviceTypeLoader.h"
#include "catalogues/FieldTypes.h"
#include "catalogues/Letters.h"
#include "text/TextConversion.h"

#include <algorithm>
#include <cstdint>
#include <limits>
#include <vector>

using CSV::GetCSVField;

namespace {

// The record type a numeric field is stored in; it caps upper limits that
// come from table sizes.
enum class Width { Byte, Integer, Long };
// Where a field's upper limit comes from.
enum class Upper { Fixed, LastFamily, LastOutput, LastInput, LastButton, LastSwitch };

struct NumericField {
    int Field;
    Width Kind;
    int32_t Minimum;
    int32_t Maximum;  // when Bound is Fixed
    Upper Bound;
    const char* Label;
    bool LabelTakesSuffix;  // a few labels name neither the type nor the file
    void (*Store)(DeviceTypeRecord&, int32_t);
};

constexpr int32_t LongMin = std::numeric_limits<int32_t>::min();
constexpr int32_t LongMax = std::numeric_limits<int32_t>::max();
constexpr int ButtonField = 36;
constexpr int FieldCount = 55;

// The numeric fields in the order they are read and checked.
// clang-format off
constexpr NumericField NumericFields[] = {
    {3, Width::Integer, 0, 3, Upper::Fixed, "Protocol ", true,
     [](DeviceTypeRecord& r, int32_t v) { r.Protocol = static_cast<int16_t>(v); }},
    {4, Width::Integer, 0, 255, Upper::Fixed, "Type Code ", true,
     [](DeviceTypeRecord& r, int32_t v) { r.TypeCode = static_cast<int16_t>(v); }},
    {5, Width::Integer, 0, 0, Upper::LastFamily, "Device Family ", true,
     [](DeviceTypeRecord& r, int32_t v) { r.Family = static_cast<int16_t>(v); }},
    {8, Width::Long, 0, 32767, Upper::Fixed, "Quiescent Current ", true,
     [](DeviceTypeRecord& r, int32_t v) { r.QuiescentCurrent = v; }},
    {26, Width::Long, 0, LongMax, Upper::Fixed, "Alarm Current ", true,
     [](DeviceTypeRecord& r, int32_t v) { r.AlarmCurrent = v; }},
    {30, Width::Long, 0, LongMax, Upper::Fixed, "Alarm Current (with LED disabled)", true,
     [](DeviceTypeRecord& r, int32_t v) { r.AlarmCurrentLedDisabled = v; }},
    {27, Width::Integer, 0, 32767, Upper::Fixed, "Minimum Voltage ", true,
     [](DeviceTypeRecord& r, int32_t v) { r.MinimumVoltage = static_cast<int16_t>(v); }},
    {9, Width::Long, -32768, 32767, Upper::Fixed, "Current for Input Bit 0 ", true,
     [](DeviceTypeRecord& r, int32_t v) { r.InputBitCurrent[0] = v; }},
    {10, Width::Long, -32768, 32767, Upper::Fixed, "Current for Input Bit 1 ", true,
     [](DeviceTypeRecord& r, int32_t v) { r.InputBitCurrent[1] = v; }},
    {11, Width::Long, -32768, 32767, Upper::Fixed, "Current for Input Bit 2 ", true,
     [](DeviceTypeRecord& r, int32_t v) { r.InputBitCurrent[2] = v; }},
    {12, Width::Long, LongMin, LongMax, Upper::Fixed, "Current for Output Bit 0 ", true,
     [](DeviceTypeRecord& r, int32_t v) { r.OutputBitCurrent[0] = v; }},
    {13, Width::Long, LongMin, LongMax, Upper::Fixed, "Current for Output Bit 1 ", true,
     [](DeviceTypeRecord& r, int32_t v) { r.OutputBitCurrent[1] = v; }},
    {14, Width::Long, LongMin, LongMax, Upper::Fixed, "Current for Output Bit 2 ", true,
     [](DeviceTypeRecord& r, int32_t v) { r.OutputBitCurrent[2] = v; }},
    {31, Width::Integer, 0, 32767, Upper::Fixed, "Internal Resistance ", true,
     [](DeviceTypeRecord& r, int32_t v) { r.InternalResistance = v; }},
    {16, Width::Integer, 0, 32767, Upper::Fixed, "Icon Number ", true,
     [](DeviceTypeRecord& r, int32_t v) { r.IconNumber = static_cast<int16_t>(v); }},
    {33, Width::Integer, 0, 0, Upper::LastOutput, "Output Use Number ", true,
     [](DeviceTypeRecord& r, int32_t v) { r.OutputUse[0] = static_cast<int16_t>(v); }},
    {34, Width::Integer, 0, 0, Upper::LastOutput, "Output Use Number ", true,
     [](DeviceTypeRecord& r, int32_t v) { r.OutputUse[1] = static_cast<int16_t>(v); }},
    {35, Width::Integer, 0, 0, Upper::LastOutput, "Output Use Number ", true,
     [](DeviceTypeRecord& r, int32_t v) { r.OutputUse[2] = static_cast<int16_t>(v); }},
    {18, Width::Integer, 0, 0, Upper::LastInput, "Input Use Number ", true,
     [](DeviceTypeRecord& r, int32_t v) { r.InputUse[0] = static_cast<int16_t>(v); }},
    {19, Width::Integer, 0, 0, Upper::LastInput, "Input Use Number ", true,
     [](DeviceTypeRecord& r, int32_t v) { r.InputUse[1] = static_cast<int16_t>(v); }},
    {20, Width::Integer, 0, 0, Upper::LastInput, "Input Use Number ", true,
     [](DeviceTypeRecord& r, int32_t v) { r.InputUse[2] = static_cast<int16_t>(v); }},
    {21, Width::Byte, 0, 126, Upper::Fixed, "Test Mode Final Ramp Up ", true,
     [](DeviceTypeRecord& r, int32_t v) { r.TestModeFinalRampUp = static_cast<uint8_t>(v); }},
    {23, Width::Byte, 0, 126, Upper::Fixed, "Test Mode Ramp Down ", true,
     [](DeviceTypeRecord& r, int32_t v) { r.TestModeRampDown = static_cast<uint8_t>(v); }},
    {24, Width::Byte, 0, 126, Upper::Fixed, "Test Mode Ramp Up ", true,
     [](DeviceTypeRecord& r, int32_t v) { r.TestModeRampUp = static_cast<uint8_t>(v); }},
    {25, Width::Byte, 0, 126, Upper::Fixed, "Test Mode Final Value ", true,
     [](DeviceTypeRecord& r, int32_t v) { r.TestModeFinalValue = static_cast<uint8_t>(v); }},
    {28, Width::Byte, 0, 126, Upper::Fixed, "Test Mode Initial Ramp Down ", true,
     [](DeviceTypeRecord& r, int32_t v) { r.TestModeInitialRampDown = static_cast<uint8_t>(v); }},
    {ButtonField, Width::Integer, 0, 0, Upper::LastButton, "Device button", false,
     [](DeviceTypeRecord& r, int32_t v) { r.Button = static_cast<int16_t>(v); }},
    {37, Width::Byte, 0, 255, Upper::Fixed, "Base type ", true,
     [](DeviceTypeRecord& r, int32_t v) { r.BaseType = static_cast<uint8_t>(v); }},
    {38, Width::Long, 0, 32767, Upper::Fixed, "Surge Current ", true,
     [](DeviceTypeRecord& r, int32_t v) { r.SurgeCurrent = v; }},
    {39, Width::Long, 0, LongMax, Upper::Fixed, "Max Surge Current ", true,
     [](DeviceTypeRecord& r, int32_t v) { r.MaxSurgeCurrent = v; }},
    {40, Width::Integer, 0, 32767, Upper::Fixed, "Icon for Polling LED ", true,
     [](DeviceTypeRecord& r, int32_t v) { r.PollingLedIcon = static_cast<int16_t>(v); }},
    {41, Width::Long, 0, LongMax, Upper::Fixed, "Isolated equivalent device ", true,
     [](DeviceTypeRecord& r, int32_t v) { r.IsolatedEquivalent = v; }},
    {44, Width::Byte, 0, 0, Upper::LastSwitch, "DIL Switch 1 setting ", true,
     [](DeviceTypeRecord& r, int32_t v) { r.DilSwitch1 = static_cast<uint8_t>(v); }},
    {45, Width::Byte, 0, 0, Upper::LastSwitch, "DIL Switch 2 setting ", true,
     [](DeviceTypeRecord& r, int32_t v) { r.DilSwitch2 = static_cast<uint8_t>(v); }},
    // An Other Device number here; the Other Device load turns it into a position.
    {46, Width::Integer, 0, 255, Upper::Fixed, "Standalone device setting ", true,
     [](DeviceTypeRecord& r, int32_t v) { r.StandaloneOther = static_cast<int16_t>(v); }},
    {51, Width::Integer, 0, 32767, Upper::Fixed, "Wand Detection mode icon", false,
     [](DeviceTypeRecord& r, int32_t v) { r.WandIcon = static_cast<int16_t>(v); }},
    {53, Width::Integer, 0, 32767, Upper::Fixed, "Depends on device", false,
     [](DeviceTypeRecord& r, int32_t v) { r.DependsOnDevice = static_cast<int16_t>(v); }},
    {54, Width::Integer, 0, 255, Upper::Fixed, "Maximum dependents", false,
     [](DeviceTypeRecord& r, int32_t v) { r.MaxDependents = static_cast<int16_t>(v); }},
};
// clang-format on

template <typename Records>
int32_t LastPosition(const Records& records)
{
    return static_cast<int32_t>(records.size()) - 1;
}

int32_t UpperLimit(const Catalogue& catalogue, const NumericField& field)
{
    int32_t maximum = field.Maximum;
    switch (field.Bound) {
    case Upper::Fixed: break;
    case Upper::LastFamily: maximum = LastPosition(catalogue.DeviceFamilies); break;
    case Upper::LastOutput: maximum = LastPosition(catalogue.OutputBits); break;
    case Upper::LastInput: maximum = LastPosition(catalogue.InputBits); break;
    case Upper::LastButton: maximum = LastPosition(catalogue.DeviceButtons); break;
    case Upper::LastSwitch: maximum = LastPosition(catalogue.Switches); break;
    }
    switch (field.Kind) {
    case Width::Byte: return std::min(maximum, 255);
    case Width::Integer: return std::min(maximum, 32767);
    case Width::Long: return maximum;
    }
    return maximum;
}

// The fault range and field range numbers: 0 when the field is empty or no
// number.
int32_t RangeNumber(std::string_view field)
{
    return IsNumericText(field) ? TextConversion::ToLong(field) : 0;
}

// AnalogueType from field 7 (and 29 for "A"); nullopt for an unknown code.
std::optional<uint8_t> AnalogueTypeOf(const std::string& field7, const std::string& field29)
{
    const std::string code = UpperCase(field7.substr(0, 2));
    if (code == "T")
        return 0;
    if (code == "P")
        return 1;
    if (code == "F")
        return 2;
    if (code == "L")
        return 3;
    if (code == "LF")
        return 7;
    if (code == "M")
        return 5;
    if (code == "A")
        return BeginsWithLetter(field29, 'T') ? 6 : 4;
    return std::nullopt;
}

class EntryParser {
public:
    EntryParser(const DeviceFile& file, const std::string& entry, int position, bool isCustom)
        : file_(file), catalogue_(file.catalogue), position_(position),
          place_(isCustom ? file.customPlace : file.place),
          suffix_("for device type " + std::to_string(position) + " in " + place_),
          fields_(CSV::GetCSVFields(entry, FieldCount))
    {
        type_.IsCustom = isCustom;
    }

    // Fills the record; false after a message.
    bool Parse()
    {
        type_.Name = Field(1);
        type_.Description = Field(2);
        return ReadNumericFields() && ReadAnalogueType() && CheckInputUses() && ReadAddressRange() &&
               ReadFaultNames() && ReadDataFields(file_, RangeNumber(Field(49)), suffix_, type_) &&
               ReadOutputBitDrawOrder() && ReadLetterFlagsAndField52();
    }

    DeviceTypeRecord& Type() { return type_; }

private:
    bool ReadNumericFields()
    {
        for (const NumericField& field : NumericFields) {
            // Only a selectable type (or one without a name) has a button.
            if (field.Field == ButtonField && !IsSelectable() && !type_.Name.empty())
                continue;
            const std::string label = field.LabelTakesSuffix ? field.Label + suffix_ : field.Label;
            int32_t value = 0;
            if (!CSV::ReadLongValue(file_.host, Field(field.Field), value, field.Minimum, UpperLimit(catalogue_, field),
                                    label))
                return false;
            field.Store(type_, value);
        }
        // A type outside every family that is still drawn is hidden.
        if (type_.Family == 0 && type_.IconNumber != 0)
            type_.Family = 255;
        type_.HasLedDisabledCurrent = type_.AlarmCurrentLedDisabled != type_.AlarmCurrent;
        for (const int16_t use : type_.OutputUse)
            if (catalogue_.OutputBit(use).Group == 3)
                type_.HasRemoteOutput = true;
        return true;
    }

    bool IsSelectable() const { return type_.IconNumber != 0 || position_ == 0; }

    bool ReadAnalogueType()
    {
        const std::optional<uint8_t> analogueType = AnalogueTypeOf(Field(7), Field(29));
        if (!analogueType)
            return file_.Fail("Invalid analogue type entry in [Devices] section for device number " +
                              std::to_string(position_) + " in " + place_);
        type_.AnalogueType = *analogueType;
        return true;
    }

    bool CheckInputUses()
    {
        for (const int16_t use : type_.InputUse)
            if (!IsValidInputUse(catalogue_, use))
                return file_.Fail("Invalid value for Input Use Number " + suffix_);
        return true;
    }

    bool ReadAddressRange()
    {
        if (position_ == 0)
            return true;  // type 0 may sit anywhere
        const std::optional<int32_t> range =
            AddressRangeFor(file_, std::string(Blanks::Trim(Field(32))));
        if (!range)
            return false;
        type_.AddressRange = *range;
        return true;
    }

    bool ReadFaultNames()
    {
        const std::string faults =
            file_.Read("Faults", "Fault" + std::to_string(RangeNumber(Field(48))));
        if (faults.empty())
            return file_.Fail("Invalid value for Fault Range " + suffix_);
        for (size_t i = 0; i < type_.FaultNames.size(); ++i)
            type_.FaultNames[i] = GetCSVField(faults, static_cast<int>(i) + 1);
        return true;
    }

    // No loaded table gives the drawing order a bound of its own, so any
    // Integer that is not negative is taken; an empty field gives 0.
    bool ReadOutputBitDrawOrder()
    {
        if (Field(50).empty())
            return true;
        return CSV::ReadIntegerValue(file_.host, Field(50), type_.OutputBitDrawOrder, 0, 32767,
                                     "Output bit drawing order " + suffix_);
    }

    bool ReadLetterFlagsAndField52()
    {
        const auto beginsWith = [&](int field, char letter) { return BeginsWithLetter(Field(field), letter); };
        type_.Flag17 = beginsWith(17, 'T');
        type_.Flag22 = beginsWith(22, 'T');
        type_.Flag42A = beginsWith(42, 'A');
        type_.NoOtherDevices = type_.Flag42A || beginsWith(42, 'T');
        type_.IsMaster = beginsWith(43, 'M');
        type_.IsSlave = beginsWith(43, 'S');
        type_.Flag47 = beginsWith(47, 'T');
        type_.Flag55 = UpperCase(Field(55)) == "T";
        type_.Field52Hundredths = TextConversion::HundredthsFloored(Field(52));
        return true;
    }

    // Fields numbered from 1, as the entry's list numbers them.
    const std::string& Field(int n) const { return fields_[static_cast<size_t>(n - 1)]; }

    const DeviceFile& file_;
    const Catalogue& catalogue_;
    int position_;
    std::string place_;   // of the file the entry comes from
    std::string suffix_;  // ends the labels and messages about the entry
    std::vector<std::string> fields_;  // every field the entry is read for, split once
    DeviceTypeRecord type_;
};

bool NameTakenAbovePositionZero(const Catalogue& catalogue, const std::string& name)
{
    return std::any_of(catalogue.DeviceTypes.begin() + 1, catalogue.DeviceTypes.end(),
                       [&](const DeviceTypeRecord& type) { return type.Name == name; });
}

}  // namespace

bool ParseDeviceEntry(const DeviceFile& file, const std::string& entry, int position, bool isCustom)
{
    DeviceTypeRecord& stored = file.catalogue.DeviceTypes[static_cast<size_t>(position)];
    if (isCustom && NameTakenAbovePositionZero(file.catalogue, GetCSVField(entry, 1)))
        return true;
    if (entry.empty()) {
        stored = DeviceTypeRecord{};
        return true;
    }
    EntryParser parser(file, entry, position, isCustom);
    if (!parser.Parse())
        return false;
    stored = parser.Type();
    return true;
}
