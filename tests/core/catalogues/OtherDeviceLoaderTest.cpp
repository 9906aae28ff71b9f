#include "catalogues/OtherDeviceLoader.h"

#include "catalogues/DataFiles.h"
#include "platform/MessageHost.h"
#include "support/ScratchFolder.h"
#include "support/TestCatalogue.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

// A complete Other Device section with the required keys only.
std::string Section(const std::string& name, const std::string& keys, const std::string& extra = "")
{
    return "[" + name + "]\n" + keys + extra;
}

const std::string RequiredKeys =
    "Name=Remote LED\nImpedance=0\nQuiescent=10\nAlarm=2500\nFromRemote=true\nContext=other\n";

// A scratch data root whose device files hold Other Devices only, and a
// catalogue with two families and three device types, as the device-type
// load leaves it.
struct OtherLoad {
    ScratchFolder folder;
    DataFiles files = DataFiles::FromRoot(folder.Root());
    TestCatalogue catalogue;
    ScriptedMessageHost host;

    OtherLoad()
    {
        catalogue.DeviceFamilies.resize(2);
        catalogue.AddDeviceType({.Name = "Detector"});
        catalogue.AddDeviceType({.Name = "Isolator record"});
        catalogue.AddDeviceType({.Name = "Beacon record"});
    }

    void WriteDevices(const std::string& text) { folder.Write("Harvex/Devices/QuellarDevices.dat", text); }
    void WriteCustom(const std::string& text) { folder.Write("Harvex/Devices/QuellarCustomDevices.dat", text); }
    bool Load() { return LoadOtherDevices(catalogue, host, files); }

    // A device file with one Other Device: the required keys followed by more.
    bool LoadOne(const std::string& extra, const std::string& keys = RequiredKeys)
    {
        WriteDevices("[Others]\nOther1=One\n" + Section("One", keys, extra));
        return Load();
    }

    std::string Place() const { return PlaceText(files.DevicesFile); }
    const OtherDeviceRecord& Other(int position) const
    {
        return catalogue.OtherDevices.at(static_cast<size_t>(position));
    }
    std::vector<std::string> Names() const
    {
        std::vector<std::string> names;
        for (const OtherDeviceRecord& other : catalogue.OtherDevices)
            names.push_back(other.Name);
        return names;
    }
};

}  // namespace

TEST(OtherDeviceLoader, BothFilesAreReadSortedByNameAndLinkedToTheDeviceTypes)
{
    OtherLoad load;
    load.catalogue.DeviceTypes[2].StandaloneOther = 2;  // numbers as the device entries give them
    load.catalogue.DeviceTypes[3].StandaloneOther = 4;
    load.WriteDevices(
        "[Others]\nOther1=Sounder\nOther2=Isolator\nOther3=base\n" +
        Section("Sounder",
                "Name=Zeta Sounder\nSingleName=Zeta\nImpedance=0\nQuiescent=250\nAlarm=5000\nSurge=900\n"
                "FromRemote=false\nMaxQty=64\nFamily=1\nIcon=211,212\nAlarmIcon=213\nUseAlternative=4,Zeta WP\n"
                "Button=7\nBase=3\nMinVolts=1800\nContext=standalone\nAddressableDevice=3\nThirdParty=True\n") +
        Section("Isolator",
                "Name=Alpha Isolator\nImpedance=15\nQuiescent=45\nAlarm=45\nMaxSurge=50000\nFromRemote=false\n"
                "Context=Standalone\nSingleName=Alpha\nIcon=215\n") +
        Section("base", "Name=beta base\nSingleName=Beta\nImpedance=0\nQuiescent=20\nAlarm=20\nFromRemote=t\n"
                        "Context=BASE\n"));
    load.WriteCustom("[Others]\nOther1=Mine\n" +
                     Section("Mine", "Name=Custom Isolator\nImpedance=20\nQuiescent=30\nAlarm=30\nMaxSurge=40000\n"
                                     "FromRemote=false\nContext=standalone\n"));
    ASSERT_TRUE(load.Load());
    EXPECT_TRUE(load.host.boxes.empty());

    // Sorted by character code: capitals before small letters.
    EXPECT_EQ(load.Names(),
              (std::vector<std::string>{"", "Alpha Isolator", "Custom Isolator", "Zeta Sounder", "beta base"}));
    EXPECT_EQ(load.Other(0).SingleName, "0");
    const OtherDeviceRecord& alpha = load.Other(1);
    EXPECT_EQ(alpha.Number, 2);
    EXPECT_EQ(alpha.Id, "Isolator");
    EXPECT_EQ(alpha.Impedance, 15);
    EXPECT_EQ(alpha.SurgeCurrent, 45);  // the quiescent current when no surge is given
    EXPECT_EQ(alpha.MaxQty, 255);
    EXPECT_EQ(alpha.AlternativeIcon, 215);
    EXPECT_EQ(alpha.AlternativeName, "Alpha");
    EXPECT_TRUE(alpha.IsStandalone);
    EXPECT_FALSE(alpha.IsCustom || alpha.ThirdParty || alpha.FromRemote);

    const OtherDeviceRecord& custom = load.Other(2);
    EXPECT_EQ(custom.Number, 4);  // numbers run on into the custom file
    EXPECT_EQ(custom.Id, "Custom_Mine");
    EXPECT_TRUE(custom.IsCustom);

    const OtherDeviceRecord& zeta = load.Other(3);
    EXPECT_EQ(zeta.Number, 1);
    EXPECT_EQ(zeta.SingleName, "Zeta");
    EXPECT_EQ(zeta.QuiescentCurrent, 250);
    EXPECT_EQ(zeta.AlarmCurrent, 5000);
    EXPECT_EQ(zeta.SurgeCurrent, 900);
    EXPECT_EQ(zeta.MaxSurgeCurrent, 0);
    EXPECT_EQ(zeta.MaxQty, 64);
    EXPECT_EQ(zeta.Family, 1);
    EXPECT_EQ(zeta.Icon, 211);
    EXPECT_EQ(zeta.AlternativeIcon, 212);
    EXPECT_EQ(zeta.AlarmIcon, 213);
    EXPECT_EQ(zeta.AlternativeDevice, 4);
    EXPECT_EQ(zeta.AlternativeName, "Zeta WP");
    EXPECT_EQ(zeta.Button, 7);
    EXPECT_EQ(zeta.Base, 3);
    EXPECT_EQ(zeta.MinVolts, 1800);
    EXPECT_EQ(zeta.AddressableDevice, 3);
    EXPECT_TRUE(zeta.IsStandalone && zeta.ThirdParty);

    const OtherDeviceRecord& beta = load.Other(4);
    EXPECT_TRUE(beta.IsBase && beta.FromRemote);
    EXPECT_FALSE(beta.IsStandalone || beta.FromRemote2);

    // The last standalone isolator after sorting, and numbers turned into positions.
    EXPECT_EQ(load.catalogue.StandaloneSurgeOther, 2);
    EXPECT_EQ(load.catalogue.DeviceTypes[1].StandaloneOther, 0);
    EXPECT_EQ(load.catalogue.DeviceTypes[2].StandaloneOther, 1);
    EXPECT_EQ(load.catalogue.DeviceTypes[3].StandaloneOther, 2);
}

TEST(OtherDeviceLoader, AnEmptyFirstEntryLeavesOnlyPositionZero)
{
    OtherLoad load;
    load.catalogue.DeviceTypes[1].StandaloneOther = 1;
    load.WriteDevices("[Others]\nOther1=\nOther2=Never\n" + Section("Never", RequiredKeys));
    ASSERT_TRUE(load.Load());
    EXPECT_TRUE(load.host.boxes.empty());
    ASSERT_EQ(load.catalogue.OtherDevices.size(), 1u);
    EXPECT_EQ(load.Other(0).SingleName, "0");
    EXPECT_EQ(load.catalogue.StandaloneSurgeOther, 0);
    EXPECT_EQ(load.catalogue.DeviceTypes[1].StandaloneOther, 0);  // no such number: none
}

TEST(OtherDeviceLoader, ContextAndFromRemoteReadTheirWordsInAnyCase)
{
    struct Case {
        std::string keys;
        bool standalone, base, fromRemote, fromRemote2;
    };
    const std::string required = "Name=X\nImpedance=0\nQuiescent=0\nAlarm=0\n";
    const Case cases[] = {
        {"FromRemote=false\nContext=Base\n", false, true, false, false},
        {"FromRemote=t\nContext=BASE\n", false, true, true, false},
        {"FromRemote=True,true\nContext=standalone\n", true, false, true, true},
        {"FromRemote=yes,True\nContext=Other\n", false, false, false, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.keys);
        OtherLoad load;
        ASSERT_TRUE(load.LoadOne("", required + c.keys));
        const OtherDeviceRecord& other = load.Other(1);
        EXPECT_EQ(other.IsStandalone, c.standalone);
        EXPECT_EQ(other.IsBase, c.base);
        EXPECT_EQ(other.FromRemote, c.fromRemote);
        EXPECT_EQ(other.FromRemote2, c.fromRemote2);
    }
}

TEST(OtherDeviceLoader, TheFirstBadEntryEndsTheLoadWithItsMessage)
{
    struct Case {
        std::string keys;
        std::string message;  // followed by the place text
    };
    const std::string nameOnly = "Name=X\n";
    const Case cases[] = {
        {"Impedance=0\nQuiescent=0\nAlarm=0\nFromRemote=false\nContext=other\n",
         "Invalid settings for Other Device 1 in "},
        {nameOnly + "Quiescent=0\nAlarm=0\nFromRemote=false\nContext=other\n",
         "Invalid settings for Other Device 1 in "},
        {nameOnly + "Impedance=0\nQuiescent=0\nAlarm=0\nContext=other\n", "Invalid settings for Other Device 1 in "},
        {nameOnly + "Impedance=0\nQuiescent=0\nAlarm=0\nFromRemote=false\nContext=\n",
         "Invalid settings for Other Device 1 in "},
        {nameOnly + "Impedance=0\nQuiescent=0\nAlarm=0\nFromRemote=false\nContext=loop\n",
         "Invalid 'context' setting for Other Device 1 in "},
        {RequiredKeys + "MaxQty=0\n", "Invalid numeric value for Maximum quantity for Other Device 1 in "},
        {RequiredKeys + "Family=2\n", "Invalid numeric value for Family for Other Device 1 in "},
        {RequiredKeys + "Icon=201,x\n", "Numeric value expected for Alternative Icon number for Other Device 1 in "},
        {RequiredKeys + "UseAlternative=-1\n",
         "Invalid numeric value for Alternative Device number for Other Device 1 in "},
        {RequiredKeys + "Button=256\n", "Invalid numeric value for Button number for Other Device 1 in "},
        {RequiredKeys + "Base=x\n", "Numeric value expected for Base type for Other Device 1 in "},
        {RequiredKeys + "AddressableDevice=4\n",
         "Invalid numeric value for Corresponding Addressable Device for Other Device 1 in "},
        // Currents and the impedance are converted without a check of their own.
        {"Name=X\nImpedance=abc\n", "An unexpected error has occurred while reading "},
        {"Name=X\nImpedance=0\nQuiescent=3000000000\n", "An unexpected error has occurred while reading "},
        {RequiredKeys + "Surge=high\n", "An unexpected error has occurred while reading "},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.keys);
        OtherLoad load;
        EXPECT_FALSE(load.LoadOne("", c.keys));
        EXPECT_EQ(load.host.Texts(), std::vector<std::string>{c.message + load.Place()});
        EXPECT_EQ(load.host.boxes.front().Style, MsgStyle::Exclamation);
    }
}

TEST(OtherDeviceLoader, MessagesNameTheEntryOfTheFileItIsIn)
{
    OtherLoad load;
    load.WriteDevices("[Others]\nOther1=One\n" + Section("One", RequiredKeys));
    load.WriteCustom("[Others]\nOther1=Good\nOther2=Bad\n" + Section("Good", RequiredKeys) +
                     Section("Bad", RequiredKeys, "MinVolts=40000\n"));
    EXPECT_FALSE(load.Load());
    EXPECT_EQ(load.host.Texts(), std::vector<std::string>{"Invalid numeric value for Minimum voltage for Other Device "
                                                          "2 in " +
                                                          PlaceText(load.files.CustomDevicesFile)});
}

TEST(OtherDeviceLoader, AMissingDeviceFileIsNamedAndAMissingCustomFileIsNone)
{
    OtherLoad missing;
    EXPECT_FALSE(missing.Load());
    EXPECT_EQ(missing.host.Texts(), std::vector<std::string>{"Unable to find file containing Other Devices data: '" +
                                                             missing.files.DevicesFile + "'."});
    EXPECT_EQ(missing.catalogue.OtherDevices.size(), 1u);

    OtherLoad alone;
    ASSERT_TRUE(alone.LoadOne(""));
    EXPECT_TRUE(alone.host.boxes.empty());
    EXPECT_EQ(alone.Names(), (std::vector<std::string>{"", "Remote LED"}));
}
