#include "catalogues/DeviceTypeLoader.h"

#include "support/CatalogueFiles.h"

#include <gtest/gtest.h>

#include <map>
#include <vector>

namespace {

// A device entry: the 55 fields of a valid detector, some replaced. Most
// values differ, so that a field stored in the wrong member shows.
std::string Entry(const std::map<int, std::string>& changes = {})
{
    const char* values[] = {"Detector", "Test detector", "1", "10", "1", "0", "P", "300", "11", "-12", "13",
                            "3000", "21", "-22", "0", "101", "F", "1", "0", "1", "61", "F", "62", "63",
                            "64", "3500", "1700", "65", "F", "500", "15", "A", "1", "2", "0", "1", "7",
                            "450", "30000", "301", "5", "F", "N", "1", "0", "9", "F", "1", "1", "", "401",
                            "0", "2", "32", "F"};
    std::string entry;
    for (int n = 1; n <= 55; ++n)
        entry += (n == 1 ? "" : ",") + (changes.count(n) ? changes.at(n) : std::string(values[n - 1]));
    return entry;
}

const std::string FieldTypeZero = "FieldType0=Not used,0,F,F,F,F,F,0,D,F,,0;0;0;0;;F,F,F,F,F\n";

// The sections of a small valid device file; tests change one and write it.
struct DeviceFileText {
    std::string families = "Family0=Unassigned,99,ALL,True\nFamily1=Detectors,10,ALL,False\n";
    std::string buttons = "Button0=None,No button\nButton1=Optical\",Optical detectors\n";
    std::string outputs = "MaxOutputs=2\nOutput0=None,0,0\nOutput1=Alarm LED,1,1\nOutput2=Remote output,2,3\n";
    std::string inputs = "MaxInputs=2\nInput0=None,0,0\nInput1=Fire input,1,1\n";  // input 2: no entry
    std::string switches =
        "MaxSwitches=1\nSwitch0=None,No switch,0,0,,,0\nSwitch1=LED mode,LED lit,500,3500,Master,Slave,1\n";
    std::string devices = "MaxDevices=3\nDevice1=" + Entry() + "\n";
    std::string ranges;
    std::string fields = "Field1=0,1,0,0,2,0,0,0,0,0,0,0,0,0,0,,Radio text\n";
    std::string fieldTypes = FieldTypeZero +
                             "FieldType1=Analogue value,T,T,T,F,F,F,126.5,D,T,Value,0;126;1;-4;Units;T,F,F,T,F\n"
                             "FieldType2=Tone,A,F,12,F,t,F,0,h,F,Tone,0;31;1;0;;F,F,F,F,T\n";
};

struct DeviceLoad : CatalogueFiles<> {
    DeviceFileText t;

    bool Load()
    {
        folder.Write("Harvex/Devices/QuellarDevices.dat",
                     "[Families]\n" + t.families + "[Buttons]\n" + t.buttons + "[Outputs]\n" + t.outputs +
                         "[Inputs]\n" + t.inputs + "[Switches]\n" + t.switches + "[Devices]\n" + t.devices +
                         "[Ranges]\n" + t.ranges + "[Faults]\nFault1=F1,F2,F3,F4,F5,F6,F7,F8\n[Fields]\n" +
                         t.fields + "[FieldTypes]\n" + t.fieldTypes);
        return LoadDeviceTypes(catalogue, options, host, files);
    }
    void WriteCustom(const std::string& contents) { folder.Write("Harvex/Devices/QuellarCustomDevices.dat", contents); }
    void Devices(const std::vector<std::map<int, std::string>>& entries)
    {
        t.devices = "MaxDevices=" + std::to_string(entries.size()) + "\n";
        for (size_t i = 0; i < entries.size(); ++i)
            t.devices += "Device" + std::to_string(i + 1) + "=" + Entry(entries[i]) + "\n";
    }
    const DeviceTypeRecord& Type(int position) const { return catalogue.DeviceTypes.at(static_cast<size_t>(position)); }
    // The valid addresses of a type as "first-last" runs.
    std::string Valid(int position) const
    {
        const auto& valid = catalogue.AddressRanges.at(static_cast<size_t>(Type(position).AddressRange)).Valid;
        std::string runs;
        for (int a = 0; a < 256; ++a)
            if (valid[static_cast<size_t>(a)] && (a == 0 || !valid[static_cast<size_t>(a - 1)]))
                runs += std::to_string(a) + "-";
            else if (!valid[static_cast<size_t>(a)] && a > 0 && valid[static_cast<size_t>(a - 1)])
                runs += std::to_string(a - 1) + ";";
        return valid[255] ? runs + "255;" : runs;
    }
};

}  // namespace

TEST(DeviceTypeLoader, EveryFieldOfAnEntryReachesItsMember)
{
    DeviceLoad load;
    load.Devices({{}, {{1, "Sounder"}, {7, "lf"}, {35, "2"}, {42, "a"}, {43, "S"}, {52, "0.29"}, {55, "t"}, {17, "True"},
                       {22, "T"}, {47, "t"}, {3, "3"}, {50, "4"}, {30, "3500"}},
                  {{7, "A"}, {29, "t"}}, {{7, "A"}}, {{7, "L"}, {5, "0"}}, {{7, "m"}, {5, "0"}, {16, "0"}}});
    ASSERT_TRUE(load.Load());

    const DeviceTypeRecord& d = load.Type(1);
    EXPECT_EQ(d.Name + "|" + d.Description + "|" + d.FaultNames.front() + d.FaultNames.back() + "|" + d.ProtocolText,
              "Detector|Test detector|F1F8|");
    EXPECT_EQ(std::vector<int>({d.Protocol, d.TypeCode, d.Family, d.Button, d.AnalogueType, d.QuiescentCurrent,
                                d.IconNumber, d.TestModeFinalRampUp, d.TestModeRampDown, d.TestModeRampUp,
                                d.TestModeFinalValue, d.TestModeInitialRampDown, d.AlarmCurrent,
                                d.AlarmCurrentLedDisabled, d.MinimumVoltage, d.BaseType, d.SurgeCurrent,
                                d.MaxSurgeCurrent, d.PollingLedIcon, d.IsolatedEquivalent, d.DilSwitch1, d.DilSwitch2,
                                d.StandaloneOther, d.WandIcon, d.DependsOnDevice, d.MaxDependents, d.FieldTypes[1],
                                d.FieldTypes[4], d.SpecialFieldA, d.SpecialFieldB, d.SpecialFieldC,
                                d.OutputBitDrawOrder, d.Field52Hundredths}),
              std::vector<int>({1, 10, 1, 1, 1, 300, 101, 61, 62, 63, 64, 65, 3500, 500, 1700, 7, 450, 30000, 301, 5, 1,
                                0, 9, 401, 2, 32, 1, 2, 1, 1, 4, 0, 0}));
    EXPECT_EQ(d.InternalResistance, 15);
    EXPECT_EQ(d.InputBitCurrent, (std::array<int32_t, 3>{11, -12, 13}));
    EXPECT_EQ(d.OutputBitCurrent, (std::array<int32_t, 3>{3000, 21, -22}));
    EXPECT_EQ(d.InputUse, (std::array<int16_t, 3>{1, 0, 1}));
    EXPECT_EQ(d.OutputUse, (std::array<int16_t, 3>{1, 2, 0}));
    EXPECT_TRUE(d.HasLedDisabledCurrent && d.HasRemoteOutput);  // output 2 is of group 3
    EXPECT_FALSE(d.NoOtherDevices || d.Flag42A || d.IsMaster || d.IsSlave || d.Flag17 || d.Flag22 || d.Flag47 ||
                 d.Flag55 || d.IsCustom);
    const DeviceTypeRecord& s = load.Type(2);
    EXPECT_EQ(std::vector<int>({s.Protocol, s.Field52Hundredths, s.OutputBitDrawOrder}), std::vector<int>({3, 29, 4}));
    EXPECT_EQ(s.ProtocolText + "|" + s.Name, "Radio text|Sounder");  // only protocol 3 has a protocol text
    EXPECT_TRUE(s.NoOtherDevices && s.Flag42A && s.IsSlave && s.Flag17 && s.Flag22 && s.Flag47 && s.Flag55);
    EXPECT_FALSE(s.IsMaster || s.HasLedDisabledCurrent);
    // Analogue codes P, LF, A with and without field 29, L, M.
    std::vector<int> analogue;
    for (int n = 1; n <= 6; ++n)
        analogue.push_back(load.Type(n).AnalogueType);
    EXPECT_EQ(analogue, std::vector<int>({1, 7, 6, 4, 3, 5}));
    // Outside every family yet drawn: hidden, in family 255.
    EXPECT_TRUE(load.Type(5).Family == 255 && load.catalogue.IsHiddenDeviceType(5));
    EXPECT_EQ(load.catalogue.Switches.at(1).AlarmCurrentOn, 3500);
    EXPECT_EQ(load.catalogue.FamilyOrder, (std::vector<int>{1, 0}));
}

TEST(DeviceTypeLoader, AddressRangesMarkTheirAddresses)
{
    // Built-in ranges serve where no file defines them, shared by name; type 0
    // may sit anywhere, whatever its entry names.
    DeviceLoad load;
    load.t.devices = "MaxDevices=4\nDevice0=" + Entry({{32, "Q"}}) + "\nDevice1=" + Entry({{32, "L"}}) + "\nDevice2=" +
                     Entry({{32, "H"}}) + "\nDevice3=" + Entry({{32, "A"}}) + "\nDevice4=" + Entry({{32, "C"}}) + "\n";
    load.WriteCustom("[Ranges]\nRangeC=7,120-130\nRangeA=2\n");
    ASSERT_TRUE(load.Load());
    EXPECT_EQ(load.Valid(0) + load.Valid(1) + load.Valid(2) + load.Valid(3) + load.Valid(4), "0-255;1-63;64-126;2-2;7-7;120-130;");
    EXPECT_EQ(load.catalogue.AddressRanges.size(), 5u);
    EXPECT_EQ(LoopAddressLimit(load.catalogue), 252);  // a range reaches the high addresses
    EXPECT_EQ(std::vector<bool>({IsAddressValidForType(load.catalogue, 1, 63), IsAddressValidForType(load.catalogue, 1, 64),
                                 IsAddressValidForType(load.catalogue, 0, 255), IsAddressValidForType(load.catalogue, 0, 256),
                                 IsAddressValidForType(load.catalogue, 0, -1), IsAddressValidForType(load.catalogue, 5, 1),
                                 IsAddressValidForType(load.catalogue, 0, 0)}),
              std::vector<bool>({true, false, true, false, false, false, true}));
}

// A file with one bad entry fails the load with exactly its message. A row
// replaces one section ("+": adds to it); {place} is the file's place text.
TEST(DeviceTypeLoader, TheFirstBadEntryEndsTheLoadWithItsMessage)
{
    const auto device = [](int field, const char* value) { return "MaxDevices=3\nDevice1=" + Entry({{field, value}}) + "\n"; };
    using T = DeviceFileText;
    const struct {
        std::string T::*section;
        std::string text, message;
    } cases[] = {
        {&T::families, "", "No device families defined in {place}"},
        {&T::families, "+Family2=Sounders\n", "Invalid settings for device family 2 in {place}"},
        {&T::outputs, "MaxOutputs=many\n", "Invalid 'MaxOutputs' entry in [Outputs] section in {place}"},
        {&T::outputs, "MaxOutputs=1\nOutput0=None,0,0\nOutput1=LED,1,x\n", "Numeric value expected for Output Group in 'Output1' entry in [Outputs] section in {place}"},
        {&T::inputs, "MaxInputs=0\n", "Invalid numeric value for 'MaxInputs' entry in [Inputs] section in {place}"},
        {&T::devices, "MaxDevices=256\n", "Invalid numeric value for Invalid setting for 'MaxDevices' entry in 'Devices' section in {place}"},
        {&T::devices, device(5, "2"), "Invalid numeric value for Device Family for device type 1 in {place}"},
        {&T::devices, device(10, "lots"), "Numeric value expected for Current for Input Bit 1 for device type 1 in {place}"},
        {&T::devices, device(7, "LX"), "Invalid analogue type entry in [Devices] section for device number 1 in {place}"},
        {&T::devices, device(19, "2"), "Invalid value for Input Use Number for device type 1 in {place}"},
        {&T::devices, device(32, "l"), "Invalid Address Range 'l' in '{path}'."},
        {&T::ranges, "RangeR=1-10,127\n", "Address 127 is not a valid address for RangeR in '{path}'."},
        {&T::fields, "Field1=0,256\n", "Invalid numeric value for Field type for field 1 for device type 1 in {place}"},
        {&T::fields, "Field1=0,0,5\n", "Invalid value for Field Type for field  2 for device type 1 in {place}"},
        {&T::fieldTypes, FieldTypeZero + "FieldType1=Bad,X\n", "Invalid value for default value for Field Type 1 for device type 1 in {place}"},
        {&T::fieldTypes, FieldTypeZero + "FieldType1=Bad,0,F,F,F,F,F,0,X\n", "Invalid default display mode for Field Type 1 for device type 1 in {place}"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.message);
        DeviceLoad load;
        std::string& section = load.t.*c.section;
        section = c.text.rfind('+', 0) == 0 ? section + c.text.substr(1) : c.text;
        if (c.section == &T::ranges)
            load.Devices({{{32, "R"}}});
        EXPECT_FALSE(load.Load());
        std::string expected = c.message;
        for (const auto& [mark, text] : {std::pair<std::string, std::string>{"{place}", PlaceText(load.files.DevicesFile)},
                                         {"{path}", load.files.DevicesFile}})
            if (const size_t at = expected.find(mark); at != std::string::npos)
                expected.replace(at, mark.size(), text);
        EXPECT_EQ(load.host.Texts(), std::vector<std::string>{expected});
        EXPECT_EQ(load.host.boxes.front().Style, MsgStyle::Exclamation);
    }
    DeviceLoad missing;
    EXPECT_FALSE(LoadDeviceTypes(missing.catalogue, missing.options, missing.host, missing.files));
    EXPECT_EQ(missing.host.Texts(), std::vector<std::string>{"Unable to find file containing device types: '" +
                                                             missing.files.DevicesFile + "'."});
}

// Custom types follow the standard ones, never repeat a name, and all are
// listed sorted by name.
TEST(DeviceTypeLoader, CustomTypesFollowTheStandardOnesAndTheOrderIsByName)
{
    DeviceLoad load;
    load.Devices({{{1, "Zone Module"}}, {}});
    load.t.ranges = "RangeR=5-9\n";
    const std::string custom = "[Devices]\nDevice1=" + Entry({{1, "Beam"}, {32, "R"}}) + "\nDevice2=" + Entry() +
                               "\nDevice3=" + Entry({{1, "Beam"}}) + "\nDevice4=";
    load.WriteCustom(custom + Entry({{1, "Aspirator"}}) + "\n");
    ASSERT_TRUE(load.Load());
    ASSERT_EQ(load.catalogue.DeviceTypes.size(), 7u);
    EXPECT_TRUE(load.Type(3).IsCustom);
    EXPECT_EQ(load.Valid(3), "5-9;");
    // Names already taken leave empty types at their positions.
    EXPECT_EQ(load.Type(3).Name + "|" + load.Type(4).Name + "|" + load.Type(5).Name + "|" + load.Type(6).Name, "Beam|||Aspirator");
    EXPECT_EQ(load.catalogue.DeviceTypeOrder, (std::vector<int>{0, 4, 5, 6, 3, 2, 1}));

}
