#include "catalogues/OtherDeviceLoader.h"

#include "support/CatalogueFiles.h"
#include "support/TestCatalogue.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

const std::string RequiredKeys =
    "Name=Remote LED\nImpedance=0\nQuiescent=10\nAlarm=2500\nFromRemote=true\nContext=other\n";

// Device files in a scratch data root, and a catalogue with two families and
// three device types, as the device-type load leaves it.
struct OtherLoad : CatalogueFiles<TestCatalogue> {
    OtherLoad()
    {
        catalogue.DeviceFamilies.resize(2);
        for (const char* name : {"Detector", "Isolator record", "Beacon record"})
            catalogue.AddDeviceType({.Name = name});
    }
    void WriteDevices(const std::string& text) { folder.Write("Harvex/Devices/QuellarDevices.dat", text); }
    void WriteCustom(const std::string& text) { folder.Write("Harvex/Devices/QuellarCustomDevices.dat", text); }
    bool Load() { return LoadOtherDevices(catalogue, host, files); }
    bool LoadOne(const std::string& keys)
    {
        WriteDevices("[Others]\nOther1=One\n[One]\n" + keys);
        return Load();
    }
    const OtherDeviceRecord& Other(int position) const { return catalogue.OtherDevices.at(static_cast<size_t>(position)); }
};

}  // namespace

// The entries are sorted by character code (capitals first), linked to the
// device types by position, and every key reaches its member.
TEST(OtherDeviceLoader, EntriesAreReadSortedByNameAndLinkedToTheDeviceTypes)
{
    OtherLoad load;
    load.catalogue.DeviceTypes[2].StandaloneOther = 2;  // numbers as the device entries give them
    load.catalogue.DeviceTypes[3].StandaloneOther = 1;
    load.WriteDevices("[Others]\nOther1=Sounder\nOther2=Isolator\nOther3=base\nOther4=Base2\n"
                      "[Sounder]\nName=Zeta Sounder\nSingleName=Zeta\nImpedance=0\nQuiescent=250\nAlarm=5000\n"
                      "Surge=900\nFromRemote=false\nMaxQty=64\nFamily=1\nIcon=211,212\nAlarmIcon=213\n"
                      "UseAlternative=4,Zeta WP\nButton=7\nBase=3\nMinVolts=1800\nContext=standalone\n"
                      "AddressableDevice=3\nThirdParty=True\n"
                      "[Isolator]\nName=Alpha Isolator\nImpedance=15\nQuiescent=45\nAlarm=45\nMaxSurge=50000\n"
                      "FromRemote=false\nContext=Standalone\n"
                      "[base]\nName=beta base\nImpedance=0\nQuiescent=20\nAlarm=20\nFromRemote=t\nContext=BASE\n"
                      "[Base2]\nName=gamma base\nImpedance=0\nQuiescent=20\nAlarm=20\nFromRemote=True,true\n"
                      "Context=Base\n");
    ASSERT_TRUE(load.Load());
    std::string read;
    for (const OtherDeviceRecord& o : load.catalogue.OtherDevices)
        read += o.Name + "|" + o.Id + "|" + o.SingleName + "|" + o.AlternativeName + "|" + (o.IsStandalone ? "S" : "") +
                (o.IsBase ? "B" : "") + (o.FromRemote ? "R" : "") + (o.FromRemote2 ? "2" : "") + (o.ThirdParty ? "T" : "") + ";";
    EXPECT_EQ(read, "||0||;Alpha Isolator|Isolator|||S;Zeta Sounder|Sounder|Zeta|Zeta WP|ST;beta base|base|||BR;"
                    "gamma base|Base2|||BR2;");
    // The surge current is the quiescent one when none is given.
    const OtherDeviceRecord& alpha = load.Other(1);
    EXPECT_EQ(std::vector<int>({alpha.Impedance, alpha.SurgeCurrent, alpha.MaxQty}), std::vector<int>({15, 45, 255}));
    const OtherDeviceRecord& zeta = load.Other(2);
    EXPECT_EQ(std::vector<int>({zeta.Number, zeta.QuiescentCurrent, zeta.AlarmCurrent, zeta.SurgeCurrent,
                                zeta.MaxSurgeCurrent, zeta.MaxQty, zeta.Family, zeta.Icon, zeta.AlternativeIcon,
                                zeta.AlarmIcon, zeta.AlternativeDevice, zeta.Button, zeta.Base, zeta.MinVolts,
                                zeta.AddressableDevice}),
              std::vector<int>({1, 250, 5000, 900, 0, 64, 1, 211, 212, 213, 4, 7, 3, 1800, 3}));
    // The last standalone isolator after sorting, and numbers turned into positions.
    EXPECT_EQ(load.catalogue.StandaloneSurgeOther, 1);
    EXPECT_EQ(std::vector<int>({load.catalogue.DeviceTypes[1].StandaloneOther, load.catalogue.DeviceTypes[2].StandaloneOther,
                                load.catalogue.DeviceTypes[3].StandaloneOther}),
              std::vector<int>({0, 1, 2}));
}

TEST(OtherDeviceLoader, TheFirstBadEntryEndsTheLoadWithItsMessage)
{
    const std::string zeros = "Name=X\nImpedance=0\nQuiescent=0\nAlarm=0\n";
    const struct {
        std::string keys, message;  // the message is followed by the place text
    } cases[] = {
        {"Impedance=0\nQuiescent=0\nAlarm=0\nFromRemote=false\nContext=other\n", "Invalid settings for Other Device 1 in "},
        {zeros + "FromRemote=false\nContext=loop\n", "Invalid 'context' setting for Other Device 1 in "},
        {RequiredKeys + "MaxQty=0\n", "Invalid numeric value for Maximum quantity for Other Device 1 in "},
        {RequiredKeys + "AddressableDevice=4\n", "Invalid numeric value for Corresponding Addressable Device for Other Device 1 in "},
        {"Name=X\nImpedance=0\nQuiescent=3000000000\n", "An unexpected error has occurred while reading "},  // no check of its own
    };
    for (const auto& c : cases) {
        OtherLoad load;
        EXPECT_FALSE(load.LoadOne(c.keys));
        EXPECT_EQ(load.host.Texts(), std::vector<std::string>{c.message + PlaceText(load.files.DevicesFile)});
        EXPECT_EQ(load.host.boxes.front().Style, MsgStyle::Exclamation);
    }
    // The message names the entry of the file it is in.
    OtherLoad custom;
    custom.WriteDevices("[Others]\nOther1=One\n[One]\n" + RequiredKeys);
    custom.WriteCustom("[Others]\nOther1=Good\nOther2=Bad\n[Good]\n" + RequiredKeys + "[Bad]\n" + RequiredKeys + "Base=x\n");
    EXPECT_FALSE(custom.Load());
    // Unsorted, as the load stopped: the standard entry, then the custom one read before the bad one.
    EXPECT_EQ(std::to_string(custom.Other(1).IsCustom) + custom.Other(2).Id + std::to_string(custom.Other(2).IsCustom), "0Custom_Good1");
    EXPECT_EQ(custom.host.Texts(), std::vector<std::string>{"Numeric value expected for Base type for Other Device 2 in " +
                                                            PlaceText(custom.files.CustomDevicesFile)});
    OtherLoad missing;
    EXPECT_FALSE(missing.Load());
    EXPECT_EQ(missing.host.Texts(), std::vector<std::string>{"Unable to find file containing Other Devices data: '" +
                                                             missing.files.DevicesFile + "'."});
}
