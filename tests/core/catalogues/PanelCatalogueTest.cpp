#include "catalogues/PanelCatalogue.h"

#include "support/CatalogueFiles.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <optional>
#include <vector>

namespace {

using KeyChanges = std::map<std::string, std::string>;

// A valid panel section with some values replaced; an empty value leaves the
// key out.
std::string PanelSection(const std::string& section, const std::string& name, const KeyChanges& changes = {})
{
    std::string text = "\n[" + section + "]\n";
    for (const auto& [key, standard] : std::vector<std::pair<std::string, std::string>>{
             {"Name", name}, {"Loops", "2"}, {"DriverImpedance", "150"}, {"MaxDevicesPerLoop", "126"},
             {"AlarmLEDs", "20"}, {"RemoteLEDs", "10"}, {"Outputs", "32"}, {"MaxLoopCurrent", "500"},
             {"MaxTotalCurrent", "1000"}, {"MinLoopVoltage", "2700"}, {"MaxPointsBetweenIsolators", ""},
             {"StandbyCurrent", ""}, {"AlarmCurrent", ""}, {"MaxBattery", ""}, {"ChargerCurrent", ""}}) {
        const std::string& value = changes.count(key) ? changes.at(key) : standard;
        if (!value.empty())
            text += key + "=" + value + "\n";
    }
    return text;
}

// A standard panel file with the one manufacturer "Acme Fire" and these
// panels, the k-th in section "P" + k.
std::string AcmeFile(const std::vector<std::pair<std::string, KeyChanges>>& panels)
{
    std::string text = "[Manufacturers]\nManufacturer0=Acme\n\n[Acme]\nName=Acme Fire\n";
    for (size_t k = 1; k <= panels.size(); ++k)
        text += "Panel" + std::to_string(k) + "=P" + std::to_string(k) + "\n";
    for (size_t k = 1; k <= panels.size(); ++k)
        text += PanelSection("P" + std::to_string(k), panels[k - 1].first, panels[k - 1].second);
    return text;
}

// The panels folder of a data root and the user's panel file, both in a
// scratch folder.
struct PanelFiles : CatalogueFiles<> {
    explicit PanelFiles(const std::string& standard, const std::optional<std::string>& user = std::nullopt)
    {
        files.CustomPanelsFile = folder.Path("user/Panels/CUSTPAN.DAT");
        if (!standard.empty())
            folder.Write("Harvex/Panels/QuellarStdPanels.dat", standard);
        if (user)
            folder.Write("user/Panels/CUSTPAN.DAT", *user);
    }
    bool Load() { return LoadPanels(catalogue, host, files); }
    std::string Names() const
    {
        std::string names;
        for (const PanelRecord& panel : catalogue.Panels)
            names += panel.Name + ";";
        return names;
    }
    const PanelRecord& Panel(const std::string& name) const { return *std::find_if(catalogue.Panels.begin(), catalogue.Panels.end(), [&](const PanelRecord& p) { return p.Name == name; }); }
};


}  // namespace

TEST(PanelCatalogue, LoadsManufacturersAndPanelsSortedIgnoringCaseWithTheUserDefinedOnesAfterThem)
{
    PanelFiles p("[Manufacturers]\nManufacturer0=Zed\nManufacturer1=Alpha\nManufacturer2=beta\n"
                 "\n[Zed]\nName=zeta Alarms\nPanel1=Z1\nPanel2=Z2\n\n[Alpha]\nName=Alpha\nPanel1=A1\n"
                 "\n[beta]\nName=beta Systems\nPanel1=B1\nPanel2=B2\n" +
                     PanelSection("Z1", "Zulu", {{"Loops", "1"}, {"DriverImpedance", "0"}, {"MaxDevicesPerLoop", "1"}, {"AlarmLEDs", "254"}}) +
                     PanelSection("Z2", "Panel_1", {{"MaxDevicesPerLoop", ""}}) + PanelSection("A1", "PanelB") +
                     PanelSection("B1", "Unknown Panel") +
                     PanelSection("B2", "a panel", {{"Loops", "8"}, {"DriverImpedance", "32767"}, {"MaxDevicesPerLoop", "252"},
                                                    {"RemoteLEDs", "3"}, {"Outputs", "0"}, {"MaxLoopCurrent", "12"},
                                                    {"MaxTotalCurrent", "96"}, {"MinLoopVoltage", "1"},
                                                    {"MaxPointsBetweenIsolators", "20"}, {"StandbyCurrent", "150"},
                                                    {"AlarmCurrent", "0"}, {"MaxBattery", "7.25"}, {"ChargerCurrent", "1500"}}),
                 "[Options]\nMaxCustom=3\n" + PanelSection("Custom1", "Mine") + "\n[Custom2]\nLoops=1\n" +
                     PanelSection("Custom3", "\"My Other\""));
    ASSERT_TRUE(p.Load());
    EXPECT_TRUE(p.host.boxes.empty());
    std::string makers;
    for (const PanelManufacturerRecord& maker : p.catalogue.PanelManufacturers)
        makers += maker.Name + "/" + maker.Section + ";";
    EXPECT_EQ(makers, "Alpha/Alpha;beta Systems/beta;zeta Alarms/Zed;User-Defined Panels/Custom;");
    EXPECT_EQ(p.catalogue.UserDefinedManufacturer, 3);
    EXPECT_EQ(p.catalogue.UserDefinedPanelCount, 2);
    // Upper-cased, "_" sorts after the letters.
    EXPECT_EQ(p.Names(), "a panel;Mine;My Other;PanelB;Panel_1;Unknown Panel;Zulu;");
    EXPECT_EQ(p.catalogue.CurrentPanel, -1);
    EXPECT_EQ(p.catalogue.DefaultPanel, 5);
    std::string owners;
    for (const PanelRecord& panel : p.catalogue.Panels)
        owners += std::to_string(panel.Manufacturer) + (panel.IsStandard ? "S" : "U") + panel.Section + ";";
    EXPECT_EQ(owners, "1SB2;3UCustom1;3UCustom3;0SA1;2SZ2;1SB1;2SZ1;");
    const PanelRecord& full = p.Panel("a panel");
    const PanelRecord& zulu = p.Panel("Zulu");
    EXPECT_EQ(std::vector<int>({full.Loops, full.DriverImpedance, full.AlarmLEDs, full.RemoteLEDs, full.Outputs, full.MaxLoopCurrent,
                                full.MaxTotalCurrent, full.MinLoopVoltage, full.MaxPointsBetweenIsolators, zulu.Loops,
                                zulu.DriverImpedance, zulu.AlarmLEDs, zulu.MaxPointsBetweenIsolators}),
              std::vector<int>({8, 32767, 20, 3, 0, 12, 96, 1, 20, 1, 0, 254, 32}));
    // The power keys are optional: absent stays apart from 0.
    const auto power = [](const PanelRecord& panel) {
        std::string text;
        for (const auto& value : {panel.StandbyCurrent, panel.AlarmCurrent, panel.MaxBattery, panel.ChargerCurrent})
            text += (value ? std::to_string(*value) : "-") + ";";
        return text;
    };
    EXPECT_EQ(power(full) + power(zulu), "150;0;725;1500;-;-;-;-;");
    // Whatever the file says (252, 1 or nothing), a panel holds 254.
    for (const PanelRecord& panel : p.catalogue.Panels)
        EXPECT_EQ(panel.MaxDevicesPerLoop, 254) << panel.Name;
}

TEST(PanelCatalogue, TheFirstBadEntryEndsTheLoadWithItsMessage)
{
    const std::string standard = AcmeFile({{"Unknown Panel", {}}});
    const std::string acme = "[Manufacturers]\nManufacturer0=Acme\n[Acme]\nName=Acme Fire\n";
    const struct {
        std::string standard;
        std::optional<std::string> user;
        std::string start;  // the message before the place text of its file; none: the file is missing
    } cases[] = {
        {"", std::nullopt, ""},
        {AcmeFile({{"Good One", {}}, {"Bad One", {{"Loops", "0"}}}, {"Never Read", {{"Loops", ""}}}}), std::nullopt, "Invalid numeric value for number of loops for control panel 'Bad One' for manufacturer 'Acme Fire' in "},
        {AcmeFile({{"Good One", {}}, {"Bad One", {{"Loops", "9"}}}, {"Never Read", {{"Loops", ""}}}}), std::nullopt, "Invalid numeric value for number of loops for control panel 'Bad One' for manufacturer 'Acme Fire' in "},
        {AcmeFile({{"Good One", {}}, {"Bad One", {{"Loops", "two"}}}, {"Never Read", {{"Loops", ""}}}}), std::nullopt, "Numeric value expected for number of loops for control panel 'Bad One' for manufacturer 'Acme Fire' in "},
        {AcmeFile({{"Good One", {}}, {"Bad One", {{"Loops", ""}}}, {"Never Read", {{"Loops", ""}}}}), std::nullopt, "Invalid number of loops for control panel 'Bad One' for manufacturer 'Acme Fire' in "},
        {AcmeFile({{"Good One", {}}, {"Bad One", {{"MaxDevicesPerLoop", "253"}}}, {"Never Read", {{"Loops", ""}}}}), std::nullopt, "Invalid numeric value for maximum number of addressable devices per loop for control panel 'Bad One' for manufacturer 'Acme Fire' in "},
        {AcmeFile({{"Good One", {}}, {"Bad One", {{"MaxPointsBetweenIsolators", "0"}}}}), std::nullopt, "Invalid numeric value for maximum number of points between isolators for control panel 'Bad One' for manufacturer 'Acme Fire' in "},
        {AcmeFile({{"Good One", {}}, {"Bad One", {{"StandbyCurrent", "lots"}}}}), std::nullopt, "Numeric value expected for panel Standby Current for control panel 'Bad One' for manufacturer 'Acme Fire' in "},
        {AcmeFile({{"Good One", {}}, {"Bad One", {{"MaxBattery", "0.001"}}}}), std::nullopt, "Invalid numeric value for maximum Battery Capacity for control panel 'Bad One' for manufacturer 'Acme Fire' in "},
        {AcmeFile({{"Good One", {}}, {"Bad One", {{"ChargerCurrent", "-1"}}}}), std::nullopt, "Invalid numeric value for Charger Current for control panel 'Bad One' for manufacturer 'Acme Fire' in "},
        {AcmeFile({{"Fine", {}}, {"", {}}}), std::nullopt, "Invalid name for control panel 2 for manufacturer 'Acme Fire' in "},
        {acme + "Panel1=, x\n", std::nullopt, "Invalid settings for control panel 1 for manufacturer 'Acme Fire' in "},
        {"[Manufacturers]\nManufacturer0=Acme\nManufacturer1=Nobody\n[Acme]\nName=Acme Fire\n", std::nullopt, "Invalid settings for panel manufacturer 1 in "},
        {"[Manufacturers]\nMaker0=Acme\n", std::nullopt, "No manufacturers defined in "},
        {acme, std::nullopt, "No control panels defined in "},
        {standard, "[Options]\nMaxCustom=2\n" + PanelSection("Custom1", "Mine") + PanelSection("Custom2", ", x"), "Invalid name for user-defined control panel 2' in "},
        {standard, "[Options]\nMaxCustom=40000\n", "An unexpected error has occurred while reading "},
    };
    for (const auto& c : cases) {
        PanelFiles p(c.standard, c.user);
        EXPECT_FALSE(p.Load()) << c.start;
        const std::string& file = c.user ? p.files.CustomPanelsFile : p.files.StandardPanelsFile;
        EXPECT_EQ(p.host.Texts(), std::vector<std::string>{c.start.empty() ? MissingFileMessage("standard panel data", file)
                                                                           : c.start + PlaceText(file)});
        EXPECT_EQ(p.host.boxes.at(0).Style, MsgStyle::Exclamation);
        EXPECT_TRUE(p.catalogue.Panels.empty() && p.catalogue.PanelManufacturers.empty());
    }
}

// A half-written panel beyond MaxCustom (an older release's write broken
// off) is not read; adding a panel writes its slot whole over it, so that the
// next start still loads, with the new panel and without the half one.
TEST(PanelCatalogue, AddingAPanelNeverBringsAHalfWrittenSectionIntoUse)
{
    PanelFiles p(AcmeFile({{"Unknown Panel", {}}}),
                 "[Options]\nMaxCustom=1\n" + PanelSection("Custom1", "Mine") + "\n[Custom2]\nName=\"Half\"\nLoops=2\n" +
                     "\n[Custom3]\nName=\"Half Too\"\n");
    ASSERT_TRUE(p.Load());
    EXPECT_EQ(p.Names(), "Mine;Unknown Panel;");
    PanelRecord added = p.Panel("Mine");
    for (const char* name : {"Added", "Another"}) {
        added.Name = name;
        ASSERT_TRUE(AddUserDefinedPanel(p.catalogue, p.files, added));
    }
    EXPECT_EQ(p.Panel("Added").Section + ";" + p.Panel("Another").Section, "Custom2;Custom3");

    p.catalogue = Catalogue();
    ASSERT_TRUE(p.Load()) << ::testing::PrintToString(p.host.Texts());
    EXPECT_EQ(p.Names(), "Added;Another;Mine;Unknown Panel;");
    EXPECT_TRUE(p.host.boxes.empty());
}
