#include "catalogues/PanelCatalogue.h"

#include "catalogues/PanelLists.h"
#include "text/WinINI.h"
#include "support/ScratchFolder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <optional>
#include <vector>

namespace {

namespace fs = std::filesystem;

using KeyChanges = std::map<std::string, std::string>;

// A valid panel section with some values replaced; an empty value leaves the
// key out.
std::string PanelSection(const std::string& section, const std::string& name, const KeyChanges& changes = {})
{
    std::string text = "\n[" + section + "]\n";
    for (const auto& [key, standard] : std::vector<std::pair<std::string, std::string>>{
             {"Name", name}, {"Loops", "2"}, {"DriverImpedance", "150"}, {"MaxDevicesPerLoop", "126"},
             {"AlarmLEDs", "20"}, {"RemoteLEDs", "10"}, {"Outputs", "32"}, {"MaxLoopCurrent", "500"},
             {"MaxTotalCurrent", "1000"}, {"MinLoopVoltage", "2700"}}) {
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
// scratch folder, with a settings store of their own.
struct PanelFiles {
    ScratchFolder folder;
    DataFiles files = DataFiles::FromRoot(folder.Root());
    ScriptedMessageHost host;
    Catalogue catalogue;
    SettingsStore store{folder.Path("settings.conf")};
    Options options{store};

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
    int Position(const std::string& name) const
    {
        for (size_t p = 0; p < catalogue.Panels.size(); ++p)
            if (catalogue.Panels[p].Name == name)
                return static_cast<int>(p);
        return -1;
    }
    const PanelRecord& Panel(const std::string& name) const { return catalogue.Panels.at(static_cast<size_t>(Position(name))); }
};

PanelRecord NewPanel(const std::string& name, uint8_t loops = 2)
{
    return {.Name = name, .Section = "", .Loops = loops, .DriverImpedance = 180, .AlarmLEDs = 12, .RemoteLEDs = 6, .Outputs = 40,
            .MaxLoopCurrent = 450, .MaxTotalCurrent = 900, .MinLoopVoltage = 2450};
}

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
                                                    {"MaxTotalCurrent", "96"}, {"MinLoopVoltage", "1"}}),
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
                                full.MaxTotalCurrent, full.MinLoopVoltage, zulu.Loops, zulu.DriverImpedance, zulu.AlarmLEDs}),
              std::vector<int>({8, 32767, 20, 3, 0, 12, 96, 1, 1, 0, 254}));
    // Whatever the file says (252, 1 or nothing), a panel holds 254.
    for (const PanelRecord& panel : p.catalogue.Panels)
        EXPECT_EQ(panel.MaxDevicesPerLoop, 254) << panel.Name;
}

TEST(PanelCatalogue, ABadPanelKeyIsNamedWordForWordAndEndsTheLoad)
{
    const struct {
        std::string key, value, start;
    } cases[] = {
        {"Loops", "0", "Invalid numeric value for number of loops"},
        {"Loops", "9", "Invalid numeric value for number of loops"},
        {"Loops", "two", "Numeric value expected for number of loops"},
        {"Loops", "", "Invalid number of loops"},
        {"DriverImpedance", "32768", "Invalid numeric value for driver impedance"},
        {"MaxDevicesPerLoop", "0", "Invalid numeric value for maximum number of addressable devices per loop"},
        {"MaxDevicesPerLoop", "253", "Invalid numeric value for maximum number of addressable devices per loop"},
        {"AlarmLEDs", "255", "Invalid numeric value for number of Alarm LEDs"},
        {"RemoteLEDs", "255", "Invalid numeric value for number of Remote LEDs"},
        {"Outputs", "-1", "Invalid numeric value for number of Alarm Outputs"},
        {"MaxLoopCurrent", "5 mA", "Numeric value expected for maximum Loop Current"},
        {"MaxTotalCurrent", "-1", "Invalid numeric value for maximum Total Current"},
        {"MinLoopVoltage", "", "Invalid minimum Loop Driver Voltage"},
    };
    for (const auto& c : cases) {
        PanelFiles p(AcmeFile({{"Good One", {}}, {"Bad One", {{c.key, c.value}}}, {"Never Read", {{"Loops", ""}}}}));
        EXPECT_FALSE(p.Load()) << c.key << "=" << c.value;
        EXPECT_EQ(p.host.Texts(), std::vector<std::string>{c.start + " for control panel 'Bad One' for manufacturer 'Acme Fire' in " +
                                                           PlaceText(p.files.StandardPanelsFile)});
        EXPECT_TRUE(p.catalogue.Panels.empty() && p.catalogue.PanelManufacturers.empty());
    }
}

TEST(PanelCatalogue, EntriesThatCannotBeNamedAreToldByNumberOrFile)
{
    const std::string standard = AcmeFile({{"Unknown Panel", {}}});
    const std::string acme = "[Manufacturers]\nManufacturer0=Acme\n[Acme]\nName=Acme Fire\n";
    const struct {
        std::string standard;
        std::optional<std::string> user;
        std::string start;  // the message before the place text of its file; none: the file is missing
    } cases[] = {
        {"", std::nullopt, ""},
        {AcmeFile({{"Fine", {}}, {"", {}}}), std::nullopt, "Invalid name for control panel 2 for manufacturer 'Acme Fire' in "},
        {acme + "Panel1=, x\n", std::nullopt, "Invalid settings for control panel 1 for manufacturer 'Acme Fire' in "},
        {"[Manufacturers]\nManufacturer0=Acme\nManufacturer1=Nobody\n[Acme]\nName=Acme Fire\n", std::nullopt, "Invalid settings for panel manufacturer 1 in "},
        {"[Manufacturers]\nManufacturer0=, Acme\n", std::nullopt, "Invalid settings for panel manufacturer 0 in "},
        {"[Manufacturers]\nMaker0=Acme\n", std::nullopt, "No manufacturers defined in "},
        {acme, std::nullopt, "No control panels defined in "},
        {standard, "[Options]\nMaxCustom=2\n" + PanelSection("Custom1", "Mine") + PanelSection("Custom2", ", x"), "Invalid name for user-defined control panel 2' in "},
        {standard, "[Options]\nMaxCustom=1\n" + PanelSection("Custom1", "Mine", {{"Loops", ""}}), "Invalid number of loops for control panel 'Mine' for manufacturer 'User-Defined Panels' in "},
        {standard, "[Options]\nMaxCustom=40000\n", "An unexpected error has occurred while reading "},
    };
    for (const auto& c : cases) {
        PanelFiles p(c.standard, c.user);
        EXPECT_FALSE(p.Load()) << c.start;
        const std::string& file = c.user ? p.files.CustomPanelsFile : p.files.StandardPanelsFile;
        EXPECT_EQ(p.host.Texts(), std::vector<std::string>{c.start.empty() ? MissingFileMessage("standard panel data", file)
                                                                           : c.start + PlaceText(file)});
        EXPECT_EQ(p.host.boxes.at(0).Style, MsgStyle::Exclamation);
        EXPECT_TRUE(p.catalogue.Panels.empty());
    }
}

// The user adds, edits, selects and deletes panels; the next start reads
// what they left, and a freed slot is the next one used.
TEST(PanelCatalogue, UserDefinedPanelsAddedEditedAndDeletedAreWhatTheNextStartReads)
{
    PanelFiles p("[Manufacturers]\nManufacturer0=Gen\n\n[Gen]\nName=Generic\nPanel1=U\nPanel2=S\n" +
                     PanelSection("U", "Unknown Panel") + PanelSection("S", "Standard One"),
                 "[Options]\nMaxCustom=3\n" + PanelSection("Custom3", "Third"));
    ASSERT_TRUE(p.Load());
    ASSERT_TRUE(AddUserDefinedPanel(p.catalogue, p.files, NewPanel("Site B")));
    ASSERT_TRUE(AddUserDefinedPanel(p.catalogue, p.files, NewPanel("Site A")));
    ASSERT_TRUE(SelectPanelByName(p.catalogue, p.options, "site b"));
    EXPECT_EQ(p.options.GetSettingString("LastPanel"), "Site B");
    // Past the last slot ever used, MaxCustom follows; a name that sorts
    // first moves every panel along, the current and default ones too.
    ASSERT_TRUE(AddUserDefinedPanel(p.catalogue, p.files, NewPanel("Abbey")));
    EXPECT_EQ(p.Panel("Site B").Section + p.Panel("Site A").Section + p.Panel("Abbey").Section, "Custom1Custom2Custom4");
    EXPECT_EQ(WinINI::ReadProfileKey(p.files.CustomPanelsFile, "Options", "MaxCustom"), "4");
    EXPECT_EQ(p.catalogue.CurrentPanelRecord()->Name + "|" + p.catalogue.Panels.at(static_cast<size_t>(p.catalogue.DefaultPanel)).Name,
              "Site B|Unknown Panel");

    PanelRecord edited = NewPanel("Renamed A", 4);
    edited.Section = "Somewhere else";  // the editor's copy cannot move the panel
    ASSERT_TRUE(UpdateUserDefinedPanel(p.catalogue, p.files, p.Position("Site A"), edited));
    EXPECT_EQ(p.Panel("Renamed A").Section, "Custom2");

    // The panel in use, and a standard one, cannot be deleted.
    EXPECT_FALSE(DeleteUserDefinedPanel(p.catalogue, p.host, p.files, p.catalogue.CurrentPanel));
    EXPECT_EQ(p.host.boxes.at(0).Caption + ": " + p.host.boxes[0].Text, "Delete Custom Panel: The current Loop Calculation is using this panel, it cannot be deleted!");
    EXPECT_FALSE(DeleteUserDefinedPanel(p.catalogue, p.host, p.files, p.Position("Standard One")));
    ASSERT_TRUE(DeleteUserDefinedPanel(p.catalogue, p.host, p.files, p.Position("Abbey")));
    // The deleted panel keeps its place for this run but is offered nowhere.
    EXPECT_EQ(p.Panel("Abbey").Manufacturer, -1);
    std::string listed;
    for (const PanelListItem& item : FillPanelList(p.catalogue).Items)
        listed += item.Name + ";";
    EXPECT_EQ(listed, "Renamed A;Site B;Standard One;Third;Unknown Panel;");
    EXPECT_FALSE(UpdateUserDefinedPanel(p.catalogue, p.files, p.Position("Abbey"), NewPanel("Back again")));

    PanelFiles restarted("");
    restarted.files = p.files;
    ASSERT_TRUE(restarted.Load());
    EXPECT_EQ(restarted.Names(), listed);
    ASSERT_TRUE(AddUserDefinedPanel(restarted.catalogue, restarted.files, NewPanel("Site D")));
    EXPECT_EQ(restarted.Panel("Site D").Section, "Custom4");

    // A file where the user's panel folder should be: nothing can be written,
    // and the catalogue stays as it was.
    restarted.folder.Write("blocked", "");
    restarted.files.CustomPanelsFile = restarted.folder.Path("blocked/CUSTPAN.DAT");
    EXPECT_FALSE(AddUserDefinedPanel(restarted.catalogue, restarted.files, NewPanel("Aardvark")));
    EXPECT_FALSE(UpdateUserDefinedPanel(restarted.catalogue, restarted.files, restarted.Position("Third"), NewPanel("Aardvark", 5)));
    EXPECT_EQ(restarted.Names(), "Renamed A;Site B;Site D;Standard One;Third;Unknown Panel;");
    EXPECT_EQ(restarted.Panel("Third").Loops + restarted.catalogue.UserDefinedPanelCount, 2 + 4);
}
