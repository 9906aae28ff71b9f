#include "catalogues/DeviceTypeLoader.h"

#include "catalogues/Catalogue.h"
#include "catalogues/DataFiles.h"
#include "catalogues/Options.h"
#include "catalogues/OtherDeviceLoader.h"
#include "catalogues/UnexpectedError.h"
#include "platform/Folders.h"
#include "platform/MessageHost.h"
#include "support/ScratchFolder.h"

#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <vector>

namespace {

// The 55 fields of a valid detector entry. Most values differ from each
// other, so that a field stored in the wrong member shows.
std::map<int, std::string> DetectorFields()
{
    const char* values[] = {"Detector", "Test detector", "1", "10", "1", "0", "P", "300", "11", "-12", "13",
                            "3000", "21", "-22", "0", "101", "F", "1", "0", "1", "61", "F", "62", "63",
                            "64", "3500", "1700", "65", "F", "500", "15", "A", "1", "2", "0", "1", "7",
                            "450", "30000", "301", "5", "F", "N", "1", "0", "9", "F", "1", "1", "", "401",
                            "0", "2", "32", "F"};
    std::map<int, std::string> fields;
    for (int n = 1; n <= 55; ++n)
        fields[n] = values[n - 1];
    return fields;
}

// A device entry: the detector with some fields replaced.
std::string Entry(const std::map<int, std::string>& changes = {})
{
    std::map<int, std::string> fields = DetectorFields();
    for (const auto& [n, value] : changes)
        fields[n] = value;
    std::string entry;
    for (const auto& [n, value] : fields)
        entry += (n == 1 ? "" : ",") + value;
    return entry;
}

const std::string FieldTypeZero = "FieldType0=Not used,0,F,F,F,F,F,0,D,F,,0;0;0;0;;F,F,F,F,F\n";

// The sections of a small valid device file; tests change one and write it.
struct DeviceFileText {
    std::string families = "Family0=Unassigned,99,ALL,True\nFamily1=Detectors,10,ALL,False\n";
    std::string buttons = "Button0=None,No button\nButton1=Optical\",Optical detectors\n";
    std::string outputs = "MaxOutputs=2\nOutput0=None,0,0\nOutput1=Alarm LED,1,1\nOutput2=Remote output,2,3\n";
    // Input 2 has no entry: it exists but may not be used.
    std::string inputs = "MaxInputs=2\nInput0=None,0,0\nInput1=Fire input,1,1\n";
    std::string switches =
        "MaxSwitches=1\nSwitch0=None,No switch,0,0,,,0\nSwitch1=LED mode,LED lit,500,3500,Master,Slave,1\n";
    std::string devices = "MaxDevices=3\nDevice1=" + Entry() + "\n";
    std::string ranges;
    std::string faults = "Fault1=F1,F2,F3,F4,F5,F6,F7,F8\n";
    std::string fields = "Field1=0,1,0,0,2,0,0,0,0,0,0,0,0,0,0,,Radio text\n";
    std::string fieldTypes =
        FieldTypeZero +
        "FieldType1=Analogue value,T,T,T,F,F,F,126.5,D,T,Value,0;126;1;-4;Units;T,F,F,T,F\n"
        "FieldType2=Tone,A,F,12,F,t,F,0,h,F,Tone,0;31;1;0;;F,F,F,F,T\n";

    std::string Text() const
    {
        return "; test device file\n[Families]\n" + families + "[Buttons]\n" + buttons + "[Outputs]\n" + outputs +
               "[Inputs]\n" + inputs + "[Switches]\n" + switches + "[Devices]\n" + devices + "[Ranges]\n" +
               ranges + "[Faults]\n" + faults + "[Fields]\n" + fields + "[FieldTypes]\n" + fieldTypes;
    }
};

// A scratch data root with its device file, the user's settings and a
// scripted message host.
struct DeviceLoad {
    ScratchFolder folder;
    DataFiles files = DataFiles::FromRoot(folder.Root());
    SettingsStore store{folder.Path("settings.conf")};
    Options options{store};
    Catalogue catalogue;
    ScriptedMessageHost host;
    DeviceFileText text;

    bool Load()
    {
        folder.Write("Harvex/Devices/QuellarDevices.dat", text.Text());
        return LoadDeviceTypes(catalogue, options, host, files);
    }
    void WriteCustom(const std::string& contents) { folder.Write("Harvex/Devices/QuellarCustomDevices.dat", contents); }

    std::string Place() const { return PlaceText(files.DevicesFile); }
    const DeviceTypeRecord& Type(int position) const { return catalogue.DeviceTypes.at(static_cast<size_t>(position)); }
    const AddressRangeRecord& RangeOf(int position) const
    {
        return catalogue.AddressRanges.at(static_cast<size_t>(Type(position).AddressRange));
    }
    // The texts shown, with the device file's place text written as {place}.
    std::vector<std::string> Messages() const
    {
        std::vector<std::string> texts = host.Texts();
        for (std::string& text : texts)
            if (const size_t at = text.find(Place()); at != std::string::npos)
                text.replace(at, Place().size(), "{place}");
        return texts;
    }
};

std::vector<int> ValidAddresses(const AddressRangeRecord& range)
{
    std::vector<int> addresses;
    for (int a = 0; a < 256; ++a)
        if (range.Valid[static_cast<size_t>(a)])
            addresses.push_back(a);
    return addresses;
}

std::vector<int> Addresses(int from, int to)
{
    std::vector<int> addresses;
    for (int a = from; a <= to; ++a)
        addresses.push_back(a);
    return addresses;
}

}  // namespace

TEST(DeviceTypeLoader, BundledCatalogueLoadsWithoutAMessage)
{
    ScratchFolder folder;
    Folders::Environment env;
    env.SourceDataFolder = Folders::Environment::OfProcess().SourceDataFolder;
    const DataFiles files = DataFiles::FromRoot(Folders::DataRoot(env));
    SettingsStore store(folder.Path("settings.conf"));
    Options options(store);
    Catalogue catalogue;
    ScriptedMessageHost host;

    ASSERT_TRUE(LoadDeviceTypes(catalogue, options, host, files));
    ASSERT_TRUE(LoadOtherDevices(catalogue, host, files));
    EXPECT_TRUE(host.boxes.empty()) << host.Texts().front();

    EXPECT_EQ(catalogue.DeviceTypes.size(), 100u);
    EXPECT_EQ(LoopAddressLimit(catalogue), 252);
    const int extended = catalogue.FindDeviceType("Optical Smoke Detector XA");
    EXPECT_TRUE(IsAddressValidForType(catalogue, extended, 129));
    EXPECT_FALSE(IsAddressValidForType(catalogue, extended, 127));
    // Families are listed by sort key: "10" Detectors, then "15" the US ones.
    EXPECT_EQ(catalogue.FamilyOrder.at(0), 1);
    EXPECT_EQ(catalogue.FamilyOrder.at(1), 6);

    const DeviceTypeRecord& record = catalogue.DeviceType(58);
    EXPECT_EQ(record.Family, 255);
    EXPECT_EQ(catalogue.OtherDevice(record.StandaloneOther).Name, "Line Isolator Module");
    EXPECT_EQ(catalogue.OtherDevice(catalogue.StandaloneSurgeOther).Name, "Line Isolator Module");
    EXPECT_EQ(catalogue.DeviceType(51).ProtocolText, "Linkbay radio link");
    EXPECT_EQ(catalogue.DeviceType(51).DependsOnDevice, 50);
    const DeviceTypeRecord& sounder = catalogue.DeviceType(30);
    EXPECT_EQ(std::vector<int>({sounder.SpecialFieldA, sounder.SpecialFieldB, sounder.SpecialFieldC}),
              std::vector<int>({0, 2, 3}));
    EXPECT_TRUE(catalogue.DeviceType(33).IsMaster);
    EXPECT_TRUE(catalogue.DeviceType(10).HasRemoteOutput);
    EXPECT_EQ(catalogue.DeviceType(catalogue.DeviceTypeOrder.back()).Name, "Weatherproof Manual Call Point");
}

TEST(DeviceTypeLoader, EveryFieldOfAnEntryReachesItsMember)
{
    DeviceLoad load;
    load.text.devices = "MaxDevices=2\nDevice1=" + Entry() + "\nDevice2=" +
                        Entry({{1, "Sounder"}, {7, "lf"}, {35, "2"}, {42, "a"}, {43, "S"}, {52, "0.29"},
                               {55, "t"}, {17, "True"}, {22, "T"}, {47, "t"}, {3, "3"}, {50, "4"}, {30, "3500"}}) +
                        "\n";
    ASSERT_TRUE(load.Load());
    EXPECT_TRUE(load.host.boxes.empty());

    const DeviceTypeRecord& d = load.Type(1);
    EXPECT_EQ(d.Name, "Detector");
    EXPECT_EQ(d.Description, "Test detector");
    EXPECT_EQ(d.Protocol, 1);
    EXPECT_EQ(d.TypeCode, 10);
    EXPECT_EQ(d.Family, 1);
    EXPECT_EQ(d.Button, 1);
    EXPECT_EQ(d.AnalogueType, 1);
    EXPECT_EQ(d.QuiescentCurrent, 300);
    EXPECT_EQ(d.IconNumber, 101);
    EXPECT_EQ(d.InputBitCurrent, (std::array<int32_t, 3>{11, -12, 13}));
    EXPECT_EQ(d.OutputBitCurrent, (std::array<int32_t, 3>{3000, 21, -22}));
    EXPECT_EQ(d.InputUse, (std::array<int16_t, 3>{1, 0, 1}));
    EXPECT_EQ(d.OutputUse, (std::array<int16_t, 3>{1, 2, 0}));
    EXPECT_EQ(d.TestModeFinalRampUp, 61);
    EXPECT_EQ(d.TestModeRampDown, 62);
    EXPECT_EQ(d.TestModeRampUp, 63);
    EXPECT_EQ(d.TestModeFinalValue, 64);
    EXPECT_EQ(d.TestModeInitialRampDown, 65);
    EXPECT_EQ(d.AlarmCurrent, 3500);
    EXPECT_EQ(d.AlarmCurrentLedDisabled, 500);
    EXPECT_TRUE(d.HasLedDisabledCurrent);
    EXPECT_EQ(d.MinimumVoltage, 1700);
    EXPECT_EQ(d.InternalResistance, 15);
    EXPECT_TRUE(d.HasRemoteOutput);  // output 2 is of group 3
    EXPECT_EQ(d.BaseType, 7);
    EXPECT_EQ(d.SurgeCurrent, 450);
    EXPECT_EQ(d.MaxSurgeCurrent, 30000);
    EXPECT_EQ(d.PollingLedIcon, 301);
    EXPECT_EQ(d.IsolatedEquivalent, 5);
    EXPECT_EQ(d.DilSwitch1, 1);
    EXPECT_EQ(d.DilSwitch2, 0);
    EXPECT_EQ(d.StandaloneOther, 9);  // still the Other Device number
    EXPECT_EQ(d.WandIcon, 401);
    EXPECT_EQ(d.DependsOnDevice, 2);
    EXPECT_EQ(d.MaxDependents, 32);
    EXPECT_FALSE(d.NoOtherDevices || d.Flag42A || d.IsMaster || d.IsSlave || d.Flag17 || d.Flag22 || d.Flag47 ||
                 d.Flag55 || d.IsCustom);
    EXPECT_EQ(d.FaultNames.front(), "F1");
    EXPECT_EQ(d.FaultNames.back(), "F8");
    EXPECT_EQ(d.FieldTypes[1], 1);
    EXPECT_EQ(d.FieldTypes[4], 2);
    EXPECT_EQ(d.SpecialFieldA, 1);
    EXPECT_EQ(d.SpecialFieldB, 1);
    EXPECT_EQ(d.SpecialFieldC, 4);
    EXPECT_EQ(d.ProtocolText, "");  // only protocol 3 has one
    EXPECT_EQ(d.OutputBitDrawOrder, 0);
    EXPECT_EQ(d.Field52Hundredths, 0);

    const DeviceTypeRecord& s = load.Type(2);
    EXPECT_EQ(s.AnalogueType, 7);
    EXPECT_EQ(s.Protocol, 3);
    EXPECT_EQ(s.ProtocolText, "Radio text");
    EXPECT_TRUE(s.NoOtherDevices && s.Flag42A && s.IsSlave && s.Flag17 && s.Flag22 && s.Flag47 && s.Flag55);
    EXPECT_FALSE(s.IsMaster || s.HasLedDisabledCurrent);
    EXPECT_TRUE(s.HasRemoteOutput);
    EXPECT_EQ(s.Field52Hundredths, 29);
    EXPECT_EQ(s.OutputBitDrawOrder, 4);

    // Each field type is parsed once, into its own position.
    ASSERT_EQ(load.catalogue.FieldTypes.size(), 3u);
    const FieldTypeRecord& analogue = load.catalogue.FieldTypes[1];
    EXPECT_EQ(analogue.Name, "Analogue value");
    EXPECT_EQ(analogue.DefaultValue, -1);
    EXPECT_TRUE(analogue.Flag3 && analogue.Flag10 && analogue.SubFlag);
    EXPECT_EQ(analogue.PcReadOnlyMask, 255);
    EXPECT_EQ(analogue.Value8, 126);  // nearest whole, halves to even
    EXPECT_EQ(analogue.SubValues, (std::array<int16_t, 4>{0, 126, 1, -4}));
    EXPECT_EQ(analogue.SubText, "Units");
    EXPECT_EQ(analogue.Code15, 5);
    EXPECT_EQ(analogue.Code16, -1);
    const FieldTypeRecord& tone = load.catalogue.FieldTypes[2];
    EXPECT_EQ(tone.DefaultValue, -3);
    EXPECT_EQ(tone.PcReadOnlyMask, 12);
    EXPECT_TRUE(tone.Flag6);
    EXPECT_EQ(tone.DisplayMode, 2);
    EXPECT_EQ(tone.Code16, 6);

    // Tables and the sorted lists.
    EXPECT_EQ(load.catalogue.DeviceButtons.at(1).Label, "Optical");
    EXPECT_EQ(load.catalogue.OutputBits.at(2).Group, 3);
    EXPECT_EQ(load.catalogue.InputBits.at(2).Name, "?");
    const SwitchRecord& led = load.catalogue.Switches.at(1);
    EXPECT_TRUE(led.DefaultOn && led.MasterA && led.SlaveB);
    EXPECT_FALSE(led.MasterB || led.SlaveA);
    EXPECT_EQ(led.AlarmCurrentOn, 3500);
    EXPECT_EQ(load.catalogue.DeviceTypeOrder, (std::vector<int>{0, 1, 2}));
    EXPECT_EQ(load.catalogue.FamilyOrder, (std::vector<int>{1, 0}));
    // A family shown by default ("False" in field 4) is stored as shown.
    EXPECT_TRUE(load.catalogue.DeviceFamilies.at(1).Shown);
    EXPECT_FALSE(load.catalogue.DeviceFamilies.at(0).Shown);
    EXPECT_TRUE(load.options.SettingExists("DontShowFamily1"));
}

TEST(DeviceTypeLoader, RangeDefinitionsMarkTheirAddresses)
{
    struct Case {
        std::string definition;
        std::vector<int> valid;
        int32_t count;
        bool high;
    };
    std::vector<int> runAndTwenty = Addresses(1, 10);
    runAndTwenty.push_back(20);
    const Case cases[] = {
        {"120-130", Addresses(120, 130), 11, true},  // a run passes through 127 and 128
        {"1-10,20", runAndTwenty, 11, false},
        {"5-3", {5}, 1, false},
        {"1-5, 3", Addresses(1, 5), 6, false},  // repeats count
        {"250-999", Addresses(250, 255), 6, true},
        {"300,2", {2}, 1, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.definition);
        DeviceLoad load;
        load.text.ranges = "RangeR=" + c.definition + "\n";
        load.text.devices = "MaxDevices=1\nDevice1=" + Entry({{32, " R "}}) + "\n";
        ASSERT_TRUE(load.Load());
        const AddressRangeRecord& range = load.RangeOf(1);
        EXPECT_EQ(range.Name, "R");
        EXPECT_EQ(ValidAddresses(range), c.valid);
        EXPECT_EQ(range.Count, c.count);
        EXPECT_EQ(range.HasHighAddress, c.high);
        EXPECT_EQ(LoopAddressLimit(load.catalogue), c.high ? 252 : 126);
    }
}

TEST(DeviceTypeLoader, BuiltInRangesServeWhenNoFileDefinesThemAndAreSharedByName)
{
    DeviceLoad load;
    load.text.devices = "MaxDevices=4\nDevice0=" + Entry({{32, "Q"}}) + "\nDevice1=" + Entry({{32, "L"}}) +
                        "\nDevice2=" + Entry({{32, "H"}}) + "\nDevice3=" + Entry({{32, "A"}}) + "\nDevice4=" +
                        Entry({{32, "C"}}) + "\n";
    load.WriteCustom("[Ranges]\nRangeC=7\nRangeA=2\n");
    ASSERT_TRUE(load.Load());

    // Type 0 may sit anywhere, whatever its entry names.
    EXPECT_EQ(load.Type(0).AddressRange, 0);
    EXPECT_EQ(load.RangeOf(0).Count, 256);
    EXPECT_EQ(ValidAddresses(load.RangeOf(1)), Addresses(1, 63));
    EXPECT_EQ(ValidAddresses(load.RangeOf(2)), Addresses(64, 126));
    EXPECT_EQ(ValidAddresses(load.RangeOf(3)), (std::vector<int>{2}));  // the custom file defines A
    EXPECT_EQ(ValidAddresses(load.RangeOf(4)), (std::vector<int>{7}));
    EXPECT_EQ(load.catalogue.AddressRanges.size(), 5u);
    EXPECT_EQ(LoopAddressLimit(load.catalogue), 126);

    EXPECT_TRUE(IsAddressValidForType(load.catalogue, 1, 63));
    EXPECT_FALSE(IsAddressValidForType(load.catalogue, 1, 64));
    EXPECT_TRUE(IsAddressValidForType(load.catalogue, 0, 255));
    EXPECT_FALSE(IsAddressValidForType(load.catalogue, 0, 256));
    EXPECT_FALSE(IsAddressValidForType(load.catalogue, 0, -1));
    EXPECT_FALSE(IsAddressValidForType(load.catalogue, 5, 1));
}

// Files with one bad entry: each fails the load with exactly one message.
TEST(DeviceTypeLoader, TheFirstBadEntryEndsTheLoadWithItsMessage)
{
    struct Case {
        const char* what;
        std::function<void(DeviceFileText&)> edit;
        std::string message;  // {place}: the device file's place text; {path}: its path
    };
    const auto device = [](std::map<int, std::string> changes) {
        return [changes](DeviceFileText& t) { t.devices = "MaxDevices=3\nDevice1=" + Entry(changes) + "\n"; };
    };
    const Case cases[] = {
        {"no families", [](DeviceFileText& t) { t.families = ""; }, "No device families defined in {place}"},
        {"family without a sort key", [](DeviceFileText& t) { t.families += "Family2=Sounders\n"; },
         "Invalid settings for device family 2 in {place}"},
        {"no buttons", [](DeviceFileText& t) { t.buttons = ""; }, "No device buttons defined in {place}"},
        {"MaxOutputs no number", [](DeviceFileText& t) { t.outputs = "MaxOutputs=many\n"; },
         "Invalid 'MaxOutputs' entry in [Outputs] section in {place}"},
        {"output group", [](DeviceFileText& t) { t.outputs = "MaxOutputs=1\nOutput0=None,0,0\nOutput1=LED,1,x\n"; },
         "Numeric value expected for Output Group in 'Output1' entry in [Outputs] section in {place}"},
        {"MaxInputs 0", [](DeviceFileText& t) { t.inputs = "MaxInputs=0\n"; },
         "Invalid numeric value for 'MaxInputs' entry in [Inputs] section in {place}"},
        {"input picture", [](DeviceFileText& t) { t.inputs += "Input2=Fault,2,256\n"; },
         "Invalid numeric value for Input Picture in 'Input2' entry in [Inputs] section in {place}"},
        {"MaxSwitches missing", [](DeviceFileText& t) { t.switches = ""; },
         "Numeric value expected for 'MaxSwitches' entry in [Switches] section in {place}"},
        {"switch default",
         [](DeviceFileText& t) {
             t.switches = "MaxSwitches=1\nSwitch0=None,No switch,0,0,,,0\nSwitch1=LED,Lit,0,0,,,2\n";
         },
         "Invalid numeric value for Default setting for 'Switch1' entry in [Switches] section in {place}"},
        {"MaxDevices 0", [](DeviceFileText& t) { t.devices = "MaxDevices=0\n"; },
         "Invalid numeric value for Invalid setting for 'MaxDevices' entry in 'Devices' section in {place}"},
        {"MaxDevices 256", [](DeviceFileText& t) { t.devices = "MaxDevices=256\n"; },
         "Invalid numeric value for Invalid setting for 'MaxDevices' entry in 'Devices' section in {place}"},
        {"family out of range", device({{5, "2"}}),
         "Invalid numeric value for Device Family for device type 1 in {place}"},
        {"LED-disabled current", device({{30, "-1"}}),
         "Invalid numeric value for Alarm Current (with LED disabled)for device type 1 in {place}"},
        {"input bit current", device({{10, "lots"}}),
         "Numeric value expected for Current for Input Bit 1 for device type 1 in {place}"},
        {"test mode", device({{21, "127"}}),
         "Invalid numeric value for Test Mode Final Ramp Up for device type 1 in {place}"},
        {"button", device({{36, "2"}}), "Invalid numeric value for Device button"},
        {"DIL switch", device({{45, "2"}}),
         "Invalid numeric value for DIL Switch 2 setting for device type 1 in {place}"},
        {"dependents", device({{54, "256"}}), "Invalid numeric value for Maximum dependents"},
        {"analogue type X", device({{7, "X"}}),
         "Invalid analogue type entry in [Devices] section for device number 1 in {place}"},
        {"analogue type LX", device({{7, "LX"}}),
         "Invalid analogue type entry in [Devices] section for device number 1 in {place}"},
        {"undefined input", device({{19, "2"}}), "Invalid value for Input Use Number for device type 1 in {place}"},
        {"address 127 alone",
         [](DeviceFileText& t) {
             t.ranges = "RangeR=1-10,127\n";
             t.devices = "MaxDevices=1\nDevice1=" + Entry({{32, "R"}}) + "\n";
         },
         "Address 127 is not a valid address for RangeR in '{path}'."},
        {"run to 0",
         [](DeviceFileText& t) {
             t.ranges = "RangeR=3-\n";
             t.devices = "MaxDevices=1\nDevice1=" + Entry({{32, "R"}}) + "\n";
         },
         "Address 0 is not a valid address for RangeR in '{path}'."},
        {"unknown range", device({{32, "Q"}}), "Invalid Address Range 'Q' in '{path}'."},
        {"lower-case l", device({{32, "l"}}), "Invalid Address Range 'l' in '{path}'."},
        {"fault range", device({{48, "7"}}), "Invalid value for Fault Range for device type 1 in {place}"},
        {"field range", device({{49, "x"}}), "Invalid value for Field Range for device type 1 in {place}"},
        {"field type number", [](DeviceFileText& t) { t.fields = "Field1=0,256\n"; },
         "Invalid numeric value for Field type for field 1 for device type 1 in {place}"},
        {"undefined field type", [](DeviceFileText& t) { t.fields = "Field1=0,0,5\n"; },
         "Invalid value for Field Type for field  2 for device type 1 in {place}"},
        {"field type default letter", [](DeviceFileText& t) { t.fieldTypes = FieldTypeZero + "FieldType1=Bad,X\n"; },
         "Invalid value for default value for Field Type 1 for device type 1 in {place}"},
        {"field type default number", [](DeviceFileText& t) { t.fieldTypes = FieldTypeZero + "FieldType1=Bad,300\n"; },
         "Invalid numeric value for Default value for Field type 1 for device type 1 in {place}"},
        {"field type mask", [](DeviceFileText& t) { t.fieldTypes = FieldTypeZero + "FieldType1=Bad,0,F,X\n"; },
         "Numeric value expected for Bit mask for PC read only for Field Type 1 for device type 1 in {place}"},
        {"field type display mode",
         [](DeviceFileText& t) { t.fieldTypes = FieldTypeZero + "FieldType1=Bad,0,F,F,F,F,F,0,X\n"; },
         "Invalid default display mode for Field Type 1 for device type 1 in {place}"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        DeviceLoad load;
        c.edit(load.text);
        EXPECT_FALSE(load.Load());
        std::string expected = c.message;
        if (const size_t at = expected.find("{path}"); at != std::string::npos)
            expected.replace(at, 6, load.files.DevicesFile);
        EXPECT_EQ(load.Messages(), std::vector<std::string>{expected});
        EXPECT_EQ(load.host.boxes.front().Style, MsgStyle::Exclamation);
    }
}

TEST(DeviceTypeLoader, AMissingFileIsNamed)
{
    DeviceLoad load;
    EXPECT_FALSE(LoadDeviceTypes(load.catalogue, load.options, load.host, load.files));
    EXPECT_EQ(load.host.Texts(), std::vector<std::string>{"Unable to find file containing device types: '" +
                                                          load.folder.Root() + "/Harvex/Devices/QuellarDevices.dat'."});
}

TEST(DeviceTypeLoader, AnalogueTypesAndTheHiddenFamily)
{
    DeviceLoad load;
    load.text.devices = "MaxDevices=6\n";
    const std::map<int, std::string> entries[] = {
        {{7, "A"}, {29, "t"}},
        {{7, "A"}},
        {{7, "lf"}},
        {{7, "L"}, {5, "0"}},
        {{7, "m"}, {5, "0"}, {16, "0"}, {36, "9"}},
        {{7, "T"}, {5, "0"}, {16, "0"}, {1, ""}},
    };
    for (size_t i = 0; i < std::size(entries); ++i)
        load.text.devices += "Device" + std::to_string(i + 1) + "=" + Entry(entries[i]) + "\n";
    ASSERT_TRUE(load.Load()) << load.host.Texts().front();

    EXPECT_EQ(load.Type(1).AnalogueType, 6);
    EXPECT_EQ(load.Type(2).AnalogueType, 4);
    EXPECT_EQ(load.Type(3).AnalogueType, 7);
    // Outside every family yet drawn: hidden, in family 255.
    EXPECT_EQ(load.Type(4).AnalogueType, 3);
    EXPECT_EQ(load.Type(4).Family, 255);
    EXPECT_TRUE(load.catalogue.IsHiddenDeviceType(4));
    // Not drawn: not selectable, so its button (9, beyond the table) is not read.
    EXPECT_EQ(load.Type(5).AnalogueType, 5);
    EXPECT_EQ(load.Type(5).Family, 0);
    EXPECT_EQ(load.Type(5).Button, 0);
    // A type without a name has its button read even when not drawn.
    EXPECT_EQ(load.Type(6).Button, 1);
}

TEST(DeviceTypeLoader, CustomTypesFollowTheStandardOnesAndNeverRepeatAName)
{
    DeviceLoad load;
    load.text.devices = "MaxDevices=2\nDevice1=" + Entry({{1, "Zone Module"}}) + "\nDevice2=" + Entry() + "\n";
    load.text.ranges = "RangeR=5-9\n";
    load.WriteCustom("[Devices]\nDevice1=" + Entry({{1, "Beam"}, {32, "R"}}) + "\nDevice2=" + Entry() +
                     "\nDevice3=" + Entry({{1, "Beam"}}) + "\nDevice4=" + Entry({{1, "Aspirator"}, {8, "x"}}) +
                     "\nDevice6=" + Entry({{1, "Never read"}}) + "\n");
    EXPECT_FALSE(load.Load());
    EXPECT_EQ(load.host.Texts(), std::vector<std::string>{"Numeric value expected for Quiescent Current for "
                                                          "device type 6 in " +
                                                          PlaceText(load.files.CustomDevicesFile)});

    load.host.boxes.clear();
    load.WriteCustom("[Devices]\nDevice1=" + Entry({{1, "Beam"}, {32, "R"}}) + "\nDevice2=" + Entry() +
                     "\nDevice3=" + Entry({{1, "Beam"}}) + "\nDevice4=" + Entry({{1, "Aspirator"}}) + "\n");
    ASSERT_TRUE(load.Load());
    EXPECT_TRUE(load.host.boxes.empty());
    ASSERT_EQ(load.catalogue.DeviceTypes.size(), 7u);
    EXPECT_EQ(load.Type(3).Name, "Beam");
    EXPECT_TRUE(load.Type(3).IsCustom);
    EXPECT_EQ(ValidAddresses(load.RangeOf(3)), Addresses(5, 9));
    // Names already taken leave empty types at their positions.
    EXPECT_EQ(load.Type(4).Name, "");
    EXPECT_EQ(load.Type(5).Name, "");
    EXPECT_EQ(load.Type(6).Name, "Aspirator");
    EXPECT_EQ(load.catalogue.DeviceTypeOrder, (std::vector<int>{0, 4, 5, 6, 3, 2, 1}));
}

TEST(DeviceTypeLoader, NoMoreThan255TypesWithTheCustomOnes)
{
    DeviceLoad load;
    load.text.devices = "MaxDevices=254\nDevice1=" + Entry() + "\n";
    load.WriteCustom("[Devices]\nDevice1=" + Entry({{1, "Beam"}}) + "\nDevice2=" + Entry({{1, "Flame"}}) + "\n");
    EXPECT_FALSE(load.Load());
    EXPECT_EQ(load.catalogue.DeviceTypes.size(), 256u);
    EXPECT_EQ(load.host.Texts(),
              std::vector<std::string>{"No more than DEVICE_TYPES_MAX different device types allowed, including "
                                       "those in in " +
                                       PlaceText(load.files.CustomDevicesFile)});
}

TEST(DeviceTypeLoader, OnlyFamilyZeroIsEnough)
{
    DeviceLoad load;
    load.text.families = "Family0=Only,1\n";
    load.text.devices = "MaxDevices=1\nDevice1=" + Entry({{5, "0"}}) + "\n";
    ASSERT_TRUE(load.Load());
    EXPECT_EQ(load.catalogue.DeviceFamilies.size(), 1u);
    EXPECT_EQ(load.catalogue.FamilyOrder, std::vector<int>{0});
}

// A failure no check catches is reported with Abort, Retry and Ignore.
TEST(DeviceTypeLoader, RunTimeFailuresAskWhetherToAbortRetryOrIgnore)
{
    const auto failing = [](DeviceLoad& load) {
        load.text.fieldTypes = "FieldType0=Not used,0,F,F,F,F,F,lots,D\n";
        load.text.devices = "MaxDevices=2\nDevice1=" + Entry() + "\nDevice2=" + Entry({{1, "Second"}}) + "\n";
    };
    DeviceLoad aborted;
    failing(aborted);
    EXPECT_FALSE(aborted.Load());
    ASSERT_EQ(aborted.host.boxes.size(), 1u);
    EXPECT_EQ(aborted.host.boxes[0].Style, MsgStyle::AbortRetryIgnore + MsgStyle::Exclamation);
    EXPECT_EQ(aborted.Messages().front(), UnexpectedErrorText(13, "Type mismatch", "reading {place}", ""));

    // Retry reads the entry again (and fails again); Ignore skips it, which
    // leaves that type empty and goes on with the next entry.
    DeviceLoad skipped;
    failing(skipped);
    skipped.host.Answer(MsgResult::Retry);
    skipped.host.Answer(MsgResult::Ignore);
    skipped.host.Answer(MsgResult::Ignore);
    EXPECT_TRUE(skipped.Load());
    EXPECT_EQ(skipped.host.boxes.size(), 3u);
    EXPECT_EQ(skipped.Type(1).Name, "");
    EXPECT_EQ(skipped.Type(2).Name, "");

    DeviceLoad overflow;
    overflow.text.outputs = "MaxOutputs=40000\n";
    overflow.host.Answer(MsgResult::Ignore);
    EXPECT_FALSE(overflow.Load());  // no outputs: the entry's output use fails
    EXPECT_EQ(overflow.Messages(),
              (std::vector<std::string>{UnexpectedErrorText(6, "Overflow", "reading {place}", ""),
                                        "Invalid numeric value for Output Use Number for device type 1 in {place}"}));
}

TEST(DeviceTypeLoader, InputUses)
{
    DeviceLoad load;
    ASSERT_TRUE(load.Load());
    EXPECT_TRUE(IsValidInputUse(load.catalogue, 0));
    EXPECT_TRUE(IsValidInputUse(load.catalogue, 1));
    EXPECT_FALSE(IsValidInputUse(load.catalogue, 2));  // no entry
    EXPECT_FALSE(IsValidInputUse(load.catalogue, 3));
    EXPECT_FALSE(IsValidInputUse(load.catalogue, -1));
}
