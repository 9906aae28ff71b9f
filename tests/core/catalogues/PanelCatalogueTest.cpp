#include "catalogues/PanelCatalogue.h"

#include "catalogues/PanelLists.h"
#include "text/WinINI.h"
#include "platform/Folders.h"
#include "support/ScratchFolder.h"

#include <gtest/gtest.h>

#include <chrono>
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
    const std::vector<std::pair<std::string, std::string>> keys = {
        {"Name", name},         {"Loops", "2"},          {"DriverImpedance", "150"},
        {"MaxDevicesPerLoop", "126"}, {"AlarmLEDs", "20"}, {"RemoteLEDs", "10"},
        {"Outputs", "32"},      {"MaxLoopCurrent", "500"}, {"MaxTotalCurrent", "1000"},
        {"MinLoopVoltage", "2700"},
    };
    std::string text = "\n[" + section + "]\n";
    for (const auto& [key, standard] : keys) {
        const auto changed = changes.find(key);
        const std::string& value = changed == changes.end() ? standard : changed->second;
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
    DataFiles files = Files(folder);
    ScriptedMessageHost host;
    Catalogue catalogue;
    SettingsStore store{folder.Path("settings.conf")};
    Options options{store};

    static DataFiles Files(const ScratchFolder& folder)
    {
        DataFiles files = DataFiles::FromRoot(folder.Root());
        files.CustomPanelsFile = folder.Path("user/Panels/CUSTPAN.DAT");
        return files;
    }

    void WriteStandard(const std::string& text) const { folder.Write("Harvex/Panels/QuellarStdPanels.dat", text); }
    void WriteRevised(const std::string& text) const { folder.Write("Harvex/Panels/revisedstdpan.dat", text); }
    void WriteUser(const std::string& text) const { folder.Write("user/Panels/CUSTPAN.DAT", text); }
    std::string UserFileText() const { return folder.Read("user/Panels/CUSTPAN.DAT"); }

    bool Load() { return LoadPanels(catalogue, host, files); }

    std::vector<std::string> Names() const
    {
        std::vector<std::string> names;
        for (const PanelRecord& panel : catalogue.Panels)
            names.push_back(panel.Name);
        return names;
    }
    const PanelRecord& Panel(const std::string& name) const
    {
        for (const PanelRecord& panel : catalogue.Panels)
            if (panel.Name == name)
                return panel;
        throw std::runtime_error("no panel " + name);
    }
    int Position(const std::string& name) const
    {
        for (size_t p = 0; p < catalogue.Panels.size(); ++p)
            if (catalogue.Panels[p].Name == name)
                return static_cast<int>(p);
        return -1;
    }
    std::string CurrentName() const
    {
        const PanelRecord* current = catalogue.CurrentPanelRecord();
        return current ? current->Name : "(none)";
    }
};

PanelRecord NewPanel(const std::string& name, uint8_t loops = 2)
{
    PanelRecord panel;
    panel.Name = name;
    panel.Loops = loops;
    panel.DriverImpedance = 180;
    panel.AlarmLEDs = 12;
    panel.RemoteLEDs = 6;
    panel.Outputs = 40;
    panel.MaxLoopCurrent = 450;
    panel.MaxTotalCurrent = 900;
    panel.MinLoopVoltage = 2450;
    return panel;
}

const std::string UnknownAndMine = "[Manufacturers]\nManufacturer0=Gen\n\n[Gen]\nName=Generic\nPanel1=U\nPanel2=S\n" +
                                   PanelSection("U", "Unknown Panel") + PanelSection("S", "Standard One");

}  // namespace

TEST(PanelCatalogue, LoadsManufacturersAndPanelsSortedIgnoringCaseWithTheUserDefinedOnesAfterThem)
{
    PanelFiles p;
    p.WriteStandard("[Manufacturers]\nManufacturer0=Zed\nManufacturer1=Alpha\nManufacturer2=beta\n"
                    "\n[Zed]\nName=zeta Alarms\nPanel1=Z1\nPanel2=Z2\n"
                    "\n[Alpha]\nName=Alpha\nPanel1=A1\n"
                    "\n[beta]\nName=beta Systems\nPanel1=B1\nPanel2=B2\n" +
                    PanelSection("Z1", "Zulu", {{"MaxDevicesPerLoop", "100"}, {"AlarmLEDs", "254"}}) +
                    PanelSection("Z2", "Panel_1", {{"MaxDevicesPerLoop", ""}}) + PanelSection("A1", "PanelB") +
                    PanelSection("B1", "Unknown Panel") +
                    PanelSection("B2", "a panel",
                                 {{"Loops", "8"}, {"DriverImpedance", "32767"}, {"MaxDevicesPerLoop", "252"},
                                  {"RemoteLEDs", "3"}, {"Outputs", "0"}, {"MaxLoopCurrent", "12"},
                                  {"MaxTotalCurrent", "96"}, {"MinLoopVoltage", "1"}}));
    p.WriteUser("[Options]\nMaxCustom=3\n" + PanelSection("Custom1", "Mine") + "\n[Custom2]\nLoops=1\n" +
                PanelSection("Custom3", "\"My Other\"", {{"MaxDevicesPerLoop", "1"}}));

    ASSERT_TRUE(p.Load());
    EXPECT_TRUE(p.host.boxes.empty());

    std::vector<std::string> makers;
    for (const PanelManufacturerRecord& maker : p.catalogue.PanelManufacturers)
        makers.push_back(maker.Name + "/" + maker.Section);
    EXPECT_EQ(makers, (std::vector<std::string>{"Alpha/Alpha", "beta Systems/beta", "zeta Alarms/Zed",
                                                "User-Defined Panels/Custom"}));
    EXPECT_EQ(p.catalogue.UserDefinedManufacturer, 3);
    EXPECT_EQ(p.catalogue.UserDefinedPanelCount, 2);

    // Upper-cased, "_" sorts after the letters.
    EXPECT_EQ(p.Names(),
              (std::vector<std::string>{"a panel", "Mine", "My Other", "PanelB", "Panel_1", "Unknown Panel", "Zulu"}));
    EXPECT_EQ(p.catalogue.CurrentPanel, -1);
    EXPECT_EQ(p.catalogue.DefaultPanel, 5);

    EXPECT_EQ(p.Panel("Zulu").Manufacturer, 2);
    EXPECT_EQ(p.Panel("Zulu").AlarmLEDs, 254);
    EXPECT_EQ(p.Panel("PanelB").Manufacturer, 0);
    EXPECT_TRUE(p.Panel("PanelB").IsStandard);
    EXPECT_EQ(p.Panel("Mine").Manufacturer, 3);
    EXPECT_FALSE(p.Panel("Mine").IsStandard);
    EXPECT_EQ(p.Panel("Mine").Section, "Custom1");
    EXPECT_EQ(p.Panel("My Other").Section, "Custom3");

    const PanelRecord& full = p.Panel("a panel");
    EXPECT_EQ(full.Section, "B2");
    EXPECT_EQ(full.Manufacturer, 1);
    EXPECT_EQ(full.Loops, 8);
    EXPECT_EQ(full.DriverImpedance, 32767);
    EXPECT_EQ(full.AlarmLEDs, 20);
    EXPECT_EQ(full.RemoteLEDs, 3);
    EXPECT_EQ(full.Outputs, 0);
    EXPECT_EQ(full.MaxLoopCurrent, 12);
    EXPECT_EQ(full.MaxTotalCurrent, 96);
    EXPECT_EQ(full.MinLoopVoltage, 1);
    // Whatever the file says (252, 100, 1 or nothing), a panel holds 254.
    for (const PanelRecord& panel : p.catalogue.Panels)
        EXPECT_EQ(panel.MaxDevicesPerLoop, 254) << panel.Name;
}

TEST(PanelCatalogue, ABadPanelKeyIsNamedWordForWordAndEndsTheLoad)
{
    struct Case {
        std::string Key;
        std::string Value;
        std::string Start;
    };
    const Case cases[] = {
        {"MaxDevicesPerLoop", "300", "Invalid numeric value for maximum number of addressable devices per loop"},
        {"MaxDevicesPerLoop", "0", "Invalid numeric value for maximum number of addressable devices per loop"},
        {"AlarmLEDs", "255", "Invalid numeric value for number of Alarm LEDs"},
        {"RemoteLEDs", "255", "Invalid numeric value for number of Remote LEDs"},
        {"Outputs", "-1", "Invalid numeric value for number of Alarm Outputs"},
        {"Loops", "9", "Invalid numeric value for number of loops"},
        {"Loops", "0", "Invalid numeric value for number of loops"},
        {"Loops", "two", "Numeric value expected for number of loops"},
        {"DriverImpedance", "32768", "Invalid numeric value for driver impedance"},
        {"MaxLoopCurrent", "5 mA", "Numeric value expected for maximum Loop Current"},
        {"MaxTotalCurrent", "-2", "Invalid numeric value for maximum Total Current"},
        {"MinLoopVoltage", "40000", "Invalid numeric value for minimum Loop Driver Voltage"},
        {"Loops", "", "Invalid number of loops"},
        {"DriverImpedance", "", "Invalid driver impedance"},
        {"AlarmLEDs", "", "Invalid number of Alarm LEDs"},
        {"RemoteLEDs", "", "Invalid number of Remote LEDs"},
        {"Outputs", "", "Invalid number of Alarm Outputs"},
        {"MaxLoopCurrent", "", "Invalid maximum Loop Current"},
        {"MaxTotalCurrent", "", "Invalid maximum Total Current"},
        {"MinLoopVoltage", "", "Invalid minimum Loop Driver Voltage"},
    };
    for (const Case& c : cases) {
        PanelFiles p;
        p.WriteStandard(AcmeFile({{"Good One", {}}, {"Bad One", {{c.Key, c.Value}}}, {"Never Read", {{"Loops", ""}}}}));
        EXPECT_FALSE(p.Load()) << c.Key << "=" << c.Value;
        const std::string expected = c.Start + " for control panel 'Bad One' for manufacturer 'Acme Fire' in " +
                                     "configuration settings in '" + p.files.StandardPanelsFile + "'.";
        EXPECT_EQ(p.host.Texts(), std::vector<std::string>{expected}) << c.Key << "=" << c.Value;
        EXPECT_TRUE(p.catalogue.Panels.empty());
        EXPECT_TRUE(p.catalogue.PanelManufacturers.empty());
    }
}

TEST(PanelCatalogue, EntriesThatCannotBeNamedAreToldByNumberOrFile)
{
    const std::string goodStandard = AcmeFile({{"Unknown Panel", {}}});
    struct Case {
        std::string Standard;
        std::optional<std::string> User;
        std::string Start;  // the message before the place text of its file
    };
    const Case cases[] = {
        {AcmeFile({{"Fine", {}}, {"", {}}}), std::nullopt,
         "Invalid name for control panel 2 for manufacturer 'Acme Fire' in "},
        {"[Manufacturers]\nManufacturer0=Acme\n[Acme]\nName=Acme Fire\nPanel1=, x\n", std::nullopt,
         "Invalid settings for control panel 1 for manufacturer 'Acme Fire' in "},
        {"[Manufacturers]\nManufacturer0=Acme\nManufacturer1=Nobody\n[Acme]\nName=Acme Fire\n", std::nullopt,
         "Invalid settings for panel manufacturer 1 in "},
        {"[Manufacturers]\nManufacturer0=, Acme\n", std::nullopt, "Invalid settings for panel manufacturer 0 in "},
        {"[Manufacturers]\nMaker0=Acme\n", std::nullopt, "No manufacturers defined in "},
        {"[Manufacturers]\nManufacturer0=Acme\n[Acme]\nName=Acme Fire\n", std::nullopt,
         "No control panels defined in "},
        {goodStandard, "[Options]\nMaxCustom=2\n" + PanelSection("Custom1", "Mine") + PanelSection("Custom2", ", x"),
         "Invalid name for user-defined control panel 2' in "},
        {goodStandard, "[Options]\nMaxCustom=1\n" + PanelSection("Custom1", "Mine", {{"Outputs", "300"}}),
         "Invalid numeric value for number of Alarm Outputs for control panel 'Mine' for manufacturer "
         "'User-Defined Panels' in "},
        {goodStandard, "[Options]\nMaxCustom=1\n" + PanelSection("Custom1", "Mine", {{"Loops", ""}}),
         "Invalid number of loops for control panel 'Mine' for manufacturer 'User-Defined Panels' in "},
        {goodStandard, "[Options]\nMaxCustom=40000\n", "An unexpected error has occurred while reading "},
    };
    for (const Case& c : cases) {
        PanelFiles p;
        p.WriteStandard(c.Standard);
        if (c.User)
            p.WriteUser(*c.User);
        EXPECT_FALSE(p.Load()) << c.Start;
        const std::string& file = c.User ? p.files.CustomPanelsFile : p.files.StandardPanelsFile;
        EXPECT_EQ(p.host.Texts(), std::vector<std::string>{c.Start + PlaceText(file)});
        ASSERT_EQ(p.host.boxes.size(), 1u);
        EXPECT_EQ(p.host.boxes[0].Style, MsgStyle::Exclamation);
        EXPECT_EQ(p.host.boxes[0].Caption, "Harvex Ferrolux");
        EXPECT_TRUE(p.catalogue.Panels.empty());
    }
}

TEST(PanelCatalogue, TheRevisedStandardFileIsUsedUnlessTheOriginalIsNewer)
{
    using namespace std::chrono_literals;
    struct Case {
        std::optional<std::chrono::seconds> Revised;  // its age against a fixed time; none: missing
        std::optional<std::chrono::seconds> Standard;
        std::string Loaded;  // empty: nothing loads
    };
    const Case cases[] = {
        {0s, 60s, "Revised Panel"},   // revised newer
        {60s, 60s, "Revised Panel"},  // equally old
        {60s, 0s, "Standard Panel"},  // standard newer
        {std::nullopt, 0s, "Standard Panel"},
        {0s, std::nullopt, "Revised Panel"},
        {std::nullopt, std::nullopt, ""},
    };
    const auto now = fs::file_time_type::clock::now();
    for (const Case& c : cases) {
        PanelFiles p;
        p.WriteUser("[Options]\nMaxCustom=1\n" + PanelSection("Custom1", "Mine"));
        if (c.Revised) {
            p.WriteRevised(AcmeFile({{"Revised Panel", {}}}));
            fs::last_write_time(p.files.RevisedStandardPanelsFile, now - *c.Revised);
        }
        if (c.Standard) {
            p.WriteStandard(AcmeFile({{"Standard Panel", {}}}));
            fs::last_write_time(p.files.StandardPanelsFile, now - *c.Standard);
        }
        if (c.Loaded.empty()) {
            EXPECT_FALSE(p.Load());
            EXPECT_EQ(p.host.Texts(), std::vector<std::string>{"Unable to find file containing standard panel data: '" +
                                                               p.folder.Root() +
                                                               "/Harvex/Panels/QuellarStdPanels.dat'."});
            EXPECT_EQ(p.host.boxes[0].Style, MsgStyle::Exclamation);
            EXPECT_TRUE(p.catalogue.Panels.empty());
            continue;
        }
        ASSERT_TRUE(p.Load()) << c.Loaded;
        EXPECT_EQ(p.Names(), (std::vector<std::string>{"Mine", c.Loaded}));
        EXPECT_TRUE(p.host.boxes.empty());
    }
}

TEST(PanelCatalogue, ANewPanelTakesTheFirstFreeSlotAndKeepsTheCurrentAndDefaultPanels)
{
    PanelFiles p;
    p.WriteStandard(UnknownAndMine);
    p.WriteUser("[Options]\nMaxCustom=3\n" + PanelSection("Custom1", "First") + PanelSection("Custom3", "Third"));
    ASSERT_TRUE(p.Load());
    ASSERT_TRUE(SelectPanelByName(p.catalogue, p.options, "Third"));

    ASSERT_TRUE(AddUserDefinedPanel(p.catalogue, p.files, NewPanel("Second")));
    EXPECT_EQ(p.Names(), (std::vector<std::string>{"First", "Second", "Standard One", "Third", "Unknown Panel"}));
    const PanelRecord& added = p.Panel("Second");
    EXPECT_EQ(added.Section, "Custom2");
    EXPECT_FALSE(added.IsStandard);
    EXPECT_EQ(added.Manufacturer, p.catalogue.UserDefinedManufacturer);
    EXPECT_EQ(p.catalogue.UserDefinedPanelCount, 3);
    EXPECT_EQ(p.CurrentName(), "Third");
    EXPECT_EQ(p.catalogue.Panels[static_cast<size_t>(p.catalogue.DefaultPanel)].Name, "Unknown Panel");
    EXPECT_EQ(WinINI::ReadProfileKey(p.files.CustomPanelsFile, "Options", "MaxCustom"), "3");
    EXPECT_EQ(WinINI::ReadProfileKey(p.files.CustomPanelsFile, "Custom2", "MinLoopVoltage"), "2450");

    // Past the last slot ever used, MaxCustom follows; a name that sorts first
    // moves every panel along.
    ASSERT_TRUE(AddUserDefinedPanel(p.catalogue, p.files, NewPanel("Abbey")));
    EXPECT_EQ(p.Panel("Abbey").Section, "Custom4");
    EXPECT_EQ(WinINI::ReadProfileKey(p.files.CustomPanelsFile, "Options", "MaxCustom"), "4");
    EXPECT_EQ(p.CurrentName(), "Third");
    EXPECT_EQ(p.catalogue.Panels[static_cast<size_t>(p.catalogue.DefaultPanel)].Name, "Unknown Panel");
    EXPECT_TRUE(p.host.boxes.empty());
}

TEST(PanelCatalogue, ThePanelInUseCannotBeDeleted)
{
    PanelFiles p;
    p.WriteStandard(UnknownAndMine);
    p.WriteUser("[Options]\nMaxCustom=1\n" + PanelSection("Custom1", "Mine"));
    ASSERT_TRUE(p.Load());
    ASSERT_TRUE(SelectPanelByName(p.catalogue, p.options, "Mine"));
    const std::string before = p.UserFileText();

    EXPECT_FALSE(DeleteUserDefinedPanel(p.catalogue, p.host, p.files, p.catalogue.CurrentPanel));
    ASSERT_EQ(p.host.boxes.size(), 1u);
    EXPECT_EQ(p.host.boxes[0].Text, "The current Loop Calculation is using this panel, it cannot be deleted!");
    EXPECT_EQ(p.host.boxes[0].Caption, "Delete Custom Panel");
    EXPECT_EQ(p.host.boxes[0].Style, MsgStyle::Exclamation);
    EXPECT_EQ(p.Panel("Mine").Manufacturer, p.catalogue.UserDefinedManufacturer);
    EXPECT_EQ(p.catalogue.UserDefinedPanelCount, 1);
    EXPECT_EQ(p.UserFileText(), before);

    // Standard panels are not the user's to delete.
    EXPECT_FALSE(DeleteUserDefinedPanel(p.catalogue, p.host, p.files, p.Position("Standard One")));
    EXPECT_EQ(p.Panel("Standard One").Manufacturer, 0);
}

TEST(PanelCatalogue, UserDefinedPanelsAddedEditedAndDeletedAreWhatTheNextStartReads)
{
    PanelFiles p;
    p.WriteStandard(UnknownAndMine);
    ASSERT_TRUE(p.Load());
    EXPECT_EQ(p.catalogue.UserDefinedPanelCount, 0);

    ASSERT_TRUE(AddUserDefinedPanel(p.catalogue, p.files, NewPanel("Site A")));
    ASSERT_TRUE(AddUserDefinedPanel(p.catalogue, p.files, NewPanel("Site B")));
    ASSERT_TRUE(AddUserDefinedPanel(p.catalogue, p.files, NewPanel("Site C")));
    ASSERT_TRUE(SelectPanelByName(p.catalogue, p.options, "Site B"));

    PanelRecord edited = NewPanel("Renamed A", 4);
    edited.MinLoopVoltage = 3000;
    edited.Section = "Somewhere else";  // the editor's copy cannot move the panel
    ASSERT_TRUE(UpdateUserDefinedPanel(p.catalogue, p.files, p.Position("Site A"), edited));
    EXPECT_EQ(p.Panel("Renamed A").Section, "Custom1");
    EXPECT_EQ(p.Names(), (std::vector<std::string>{"Renamed A", "Site B", "Site C", "Standard One", "Unknown Panel"}));
    EXPECT_EQ(p.CurrentName(), "Site B");

    ASSERT_TRUE(DeleteUserDefinedPanel(p.catalogue, p.host, p.files, p.Position("Site C")));
    EXPECT_EQ(p.catalogue.UserDefinedPanelCount, 2);
    // The deleted panel keeps its place for this run but is offered nowhere.
    EXPECT_EQ(p.Panel("Site C").Manufacturer, -1);
    std::vector<std::string> listed;
    for (const PanelListItem& item : FillPanelList(p.catalogue).Items)
        listed.push_back(item.Name);
    EXPECT_EQ(listed, (std::vector<std::string>{"Renamed A", "Site B", "Standard One", "Unknown Panel"}));
    EXPECT_EQ(FillUserDefinedPanelList(p.catalogue).Items.size(), 2u);
    EXPECT_EQ(FillPanelOutline(p.catalogue).Manufacturers.back().Panels.size(), 2u);
    EXPECT_FALSE(UpdateUserDefinedPanel(p.catalogue, p.files, p.Position("Site C"), NewPanel("Back again")));
    EXPECT_TRUE(p.host.boxes.empty());

    EXPECT_EQ(p.UserFileText().find("[Custom3]"), std::string::npos) << p.UserFileText();

    Catalogue restarted;
    ScriptedMessageHost host;
    ASSERT_TRUE(LoadPanels(restarted, host, p.files));
    EXPECT_TRUE(host.boxes.empty());
    EXPECT_EQ(restarted.UserDefinedPanelCount, 2);
    std::vector<std::string> names;
    for (const PanelRecord& panel : restarted.Panels)
        names.push_back(panel.Name);
    EXPECT_EQ(names, (std::vector<std::string>{"Renamed A", "Site B", "Standard One", "Unknown Panel"}));
    const PanelRecord& reread = restarted.Panels[0];
    EXPECT_EQ(reread.Section, "Custom1");
    EXPECT_EQ(reread.Loops, 4);
    EXPECT_EQ(reread.DriverImpedance, 180);
    EXPECT_EQ(reread.AlarmLEDs, 12);
    EXPECT_EQ(reread.RemoteLEDs, 6);
    EXPECT_EQ(reread.Outputs, 40);
    EXPECT_EQ(reread.MaxLoopCurrent, 450);
    EXPECT_EQ(reread.MaxTotalCurrent, 900);
    EXPECT_EQ(reread.MinLoopVoltage, 3000);
    EXPECT_EQ(reread.MaxDevicesPerLoop, 254);

    // The freed slot is the next one used.
    ASSERT_TRUE(AddUserDefinedPanel(restarted, p.files, NewPanel("Site D")));
    EXPECT_EQ(restarted.Panels[2].Name, "Site D");
    EXPECT_EQ(restarted.Panels[2].Section, "Custom3");
}

TEST(PanelCatalogue, AFailedWriteLeavesTheCatalogueAsItWas)
{
    PanelFiles p;
    p.WriteStandard(UnknownAndMine);
    p.WriteUser("[Options]\nMaxCustom=1\n" + PanelSection("Custom1", "Mine"));
    ASSERT_TRUE(p.Load());
    // A file where the user's panel folder should be: nothing can be written.
    p.folder.Write("blocked", "");
    p.files.CustomPanelsFile = p.folder.Path("blocked/CUSTPAN.DAT");

    EXPECT_FALSE(AddUserDefinedPanel(p.catalogue, p.files, NewPanel("Aardvark")));
    EXPECT_FALSE(UpdateUserDefinedPanel(p.catalogue, p.files, p.Position("Mine"), NewPanel("Aardvark", 5)));
    EXPECT_FALSE(WriteUserDefinedPanel(p.catalogue, p.files, p.Position("Mine")));
    EXPECT_EQ(p.Names(), (std::vector<std::string>{"Mine", "Standard One", "Unknown Panel"}));
    EXPECT_EQ(p.Panel("Mine").Loops, 2);
    EXPECT_EQ(p.catalogue.UserDefinedPanelCount, 1);
    EXPECT_TRUE(p.host.boxes.empty());
}

TEST(PanelCatalogue, AUserPanelNamedLikeAStandardOneLoadsAndTheSortDecidesWhichIsSelected)
{
    PanelFiles p;
    p.WriteStandard("[Manufacturers]\nManufacturer0=Gen\n\n[Gen]\nName=Generic\nPanel1=S\nPanel2=U\n" +
                    PanelSection("S", "Same") + PanelSection("U", "Unknown Panel"));
    p.WriteUser("[Options]\nMaxCustom=2\n" + PanelSection("Custom1", "Same", {{"Loops", "7"}}) +
                PanelSection("Custom2", "Alpha"));
    ASSERT_TRUE(p.Load());
    EXPECT_TRUE(p.host.boxes.empty());
    EXPECT_EQ(p.Names(), (std::vector<std::string>{"Alpha", "Same", "Same", "Unknown Panel"}));

    // The exchange sort moved the user's "Same" ahead of the standard one.
    ASSERT_TRUE(SelectPanelByName(p.catalogue, p.options, "SAME"));
    EXPECT_EQ(p.catalogue.CurrentPanel, 1);
    EXPECT_FALSE(p.catalogue.CurrentPanelRecord()->IsStandard);
    EXPECT_EQ(p.catalogue.CurrentPanelRecord()->Loops, 7);
}

TEST(PanelCatalogue, PanelsAreSelectedByNameIgnoringCaseAndRememberedAsTheLastPanel)
{
    PanelFiles p;
    p.WriteStandard(UnknownAndMine);
    ASSERT_TRUE(p.Load());

    ASSERT_TRUE(SelectPanelByName(p.catalogue, p.options, "standard ONE"));
    EXPECT_EQ(p.CurrentName(), "Standard One");
    EXPECT_EQ(p.options.GetSettingString("LastPanel"), "Standard One");

    EXPECT_FALSE(SelectPanelByName(p.catalogue, p.options, "Standard"));
    EXPECT_EQ(p.CurrentName(), "Standard One");

    // Choosing the current panel again writes nothing.
    p.options.SetSettingString("LastPanel", "changed elsewhere");
    SetCurrentPanel(p.catalogue, p.options, p.catalogue.CurrentPanel);
    EXPECT_EQ(p.options.GetSettingString("LastPanel"), "changed elsewhere");

    ASSERT_TRUE(SelectPanelOrDefault(p.catalogue, p.options, p.host, "Retired Panel"));
    EXPECT_EQ(p.CurrentName(), "Unknown Panel");
    EXPECT_EQ(p.options.GetSettingString("LastPanel"), "Unknown Panel");
    EXPECT_TRUE(p.host.boxes.empty());

    const PanelList list = FillPanelList(p.catalogue);
    ASSERT_EQ(list.Items.size(), 2u);
    EXPECT_EQ(list.Items[static_cast<size_t>(list.Selected)].Name, "Unknown Panel");
    EXPECT_EQ(list.Items[static_cast<size_t>(list.Selected)].Position, p.catalogue.CurrentPanel);
}

TEST(PanelCatalogue, WithoutTheUnknownPanelTheFallbackFailsWithAMessage)
{
    PanelFiles p;
    p.WriteStandard(AcmeFile({{"Only One", {}}}));
    ASSERT_TRUE(p.Load());
    EXPECT_EQ(p.catalogue.DefaultPanel, 0);

    EXPECT_FALSE(SelectPanelOrDefault(p.catalogue, p.options, p.host, "Retired Panel"));
    EXPECT_EQ(p.host.Texts(), std::vector<std::string>{"Unable to find default control panel data 'Unknown Panel'"});
    EXPECT_EQ(p.host.boxes[0].Style, MsgStyle::Exclamation);
    EXPECT_EQ(p.catalogue.CurrentPanel, -1);
    EXPECT_FALSE(p.options.SettingExists("LastPanel"));
}

TEST(PanelCatalogue, TheOutlineGroupsPanelsUnderTheirManufacturersAndSelectsTheCurrentOne)
{
    PanelFiles p;
    p.WriteStandard("[Manufacturers]\nManufacturer0=B\nManufacturer1=A\n"
                    "\n[A]\nName=Alpha\nPanel1=A1\nPanel2=A2\n\n[B]\nName=Bravo\nPanel1=B1\n" +
                    PanelSection("A1", "Zed") + PanelSection("A2", "Unknown Panel") + PanelSection("B1", "Mid"));
    p.WriteUser("[Options]\nMaxCustom=1\n" + PanelSection("Custom1", "Mine"));
    ASSERT_TRUE(p.Load());
    ASSERT_TRUE(SelectPanelByName(p.catalogue, p.options, "Zed"));

    const PanelOutline outline = FillPanelOutline(p.catalogue);
    std::vector<std::string> shown;
    for (const PanelOutlineManufacturer& maker : outline.Manufacturers) {
        shown.push_back(maker.Name);
        for (const PanelListItem& panel : maker.Panels)
            shown.push_back("  " + panel.Name);
    }
    EXPECT_EQ(shown, (std::vector<std::string>{"Alpha", "  Unknown Panel", "  Zed", "Bravo", "  Mid",
                                               "User-Defined Panels", "  Mine"}));
    EXPECT_EQ(outline.SelectedManufacturer, 0);
    EXPECT_EQ(outline.SelectedPanel, 1);
    EXPECT_EQ(outline.Manufacturers[0].Panels[1].Position, p.catalogue.CurrentPanel);
    EXPECT_EQ(outline.Manufacturers[2].Position, p.catalogue.UserDefinedManufacturer);
}

TEST(PanelCatalogue, TheBundledStandardPanelsLoadWithoutAMessage)
{
    const std::string root = Folders::Environment::OfProcess().SourceDataFolder;
    ASSERT_FALSE(root.empty());
    ScratchFolder user;
    DataFiles files = DataFiles::FromRoot(root);
    files.CustomPanelsFile = user.Path("Panels/CUSTPAN.DAT");
    ASSERT_EQ(ChooseStandardPanelsFile(files), root + "/Harvex/Panels/QuellarStdPanels.dat");

    Catalogue catalogue;
    ScriptedMessageHost host;
    ASSERT_TRUE(LoadPanels(catalogue, host, files));
    EXPECT_TRUE(host.boxes.empty()) << host.Texts().front();
    EXPECT_EQ(catalogue.Panels.size(), 11u);
    EXPECT_EQ(catalogue.PanelManufacturers.size(), 5u);
    EXPECT_EQ(catalogue.Panels[static_cast<size_t>(catalogue.DefaultPanel)].Name, "Unknown Panel");
    for (const PanelRecord& panel : catalogue.Panels) {
        EXPECT_TRUE(panel.IsStandard) << panel.Name;
        EXPECT_GE(panel.Loops, 1) << panel.Name;
        EXPECT_GT(panel.MaxTotalCurrent, 0) << panel.Name;
    }
}
