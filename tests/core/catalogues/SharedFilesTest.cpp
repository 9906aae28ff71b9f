#include "catalogues/SharedFiles.h"

#include "catalogues/PanelCatalogue.h"
#include "platform/SettingsStore.h"
#include "support/CatalogueFiles.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

std::string Section(const std::string& section, const std::string& name, const std::string& loops = "2")
{
    return "[" + section + "]\nName=\"" + name + "\"\nLoops=" + loops +
           "\nDriverImpedance=150\nAlarmLEDs=20\nRemoteLEDs=10\nOutputs=32\nMaxLoopCurrent=500\n"
           "MaxTotalCurrent=1000\nMinLoopVoltage=2700\n";
}

const std::string Standard = "[Manufacturers]\nManufacturer0=Acme\n[Acme]\nName=Acme Fire\nPanel1=P1\n" +
                             Section("P1", "Unknown Panel");
const std::string Held = "[Options]\nMaxCustom=2\n" + Section("Custom1", "Mine") + Section("Custom2", "In Use");

struct Site : CatalogueFiles<> {
    Site()
    {
        files.CustomPanelsFile = folder.Path("user/Panels/CUSTPAN.DAT");
        folder.Write("Harvex/Panels/QuellarStdPanels.dat", Standard);
        folder.Write("user/Panels/CUSTPAN.DAT", Held);
        EXPECT_TRUE(LoadPanels(catalogue, host, files));
        catalogue.CurrentPanel = SharedFiles::PanelToReplace(catalogue, "in use");
    }
    // Of Mine, New and In Use.
    static std::string Loops(const Catalogue& catalogue)
    {
        std::string loops;
        for (const char* name : {"Mine", "New", "In Use"}) {
            const int at = SharedFiles::PanelToReplace(catalogue, name);
            loops += (loops.empty() ? "" : " ") +
                     (at < 0 ? "-" : std::to_string(catalogue.Panels[static_cast<size_t>(at)].Loops));
        }
        return loops;
    }
};

}  // namespace

TEST(SharedFiles, AnImportAsksBeforeEachReplacementAndRefusesAFileItCannotTake)
{
    const std::string replaceMine =
        "There is already a user-defined control panel named 'MINE'.\n\nDo you want to replace it with the imported one?";
    const struct {
        std::string file;
        std::vector<int> answers;
        std::vector<std::string> boxes;
        std::string loops;  // of Mine, New and In Use afterwards; empty: refused, nothing changed
    } cases[] = {
        {"[Options]\nMaxCustom=2\n" + Section("Custom1", "New", "3") + Section("Custom2", "MINE", "4"),
         {MsgResult::Yes}, {replaceMine}, "4 3 2"},
        {"[Options]\nMaxCustom=2\n" + Section("Custom1", "New", "3") + Section("Custom2", "MINE", "4"),
         {MsgResult::No}, {replaceMine}, "2 3 2"},
        {"[Options]\nMaxCustom=2\n" + Section("Custom1", "New", "3") + Section("Custom2", "MINE", "4"),
         {MsgResult::Cancel}, {replaceMine}, "2 - 2"},
        // The open calculation's panel is never replaced; no question is asked for it.
        {"[Options]\nMaxCustom=1\n" + Section("Custom1", "In Use", "5"), {},
         {"The current Loop Calculation is using the control panel 'In Use', it is kept as it is."}, "2 - 2"},
        {"not a panel file at all", {}, {"The file 'x.DAT' holds no user-defined control panels."}, ""},
        {"[Options]\nMaxCustom=1\n" + Section("Custom1", "unknown panel"), {},
         {"The file 'x.DAT' cannot be imported: its control panel 'unknown panel' has the name of a standard "
          "control panel."}, ""},
        {"[Options]\nMaxCustom=2\n" + Section("Custom1", "New") + Section("Custom2", "Bad", "9"), {},
         {"Invalid numeric value for number of loops for control panel 'Bad' for manufacturer 'User-Defined "
          "Panels' in configuration settings in '"}, ""},
    };
    for (const auto& test : cases) {
        Site site;
        site.folder.Write("x.DAT", test.file);
        for (const int answer : test.answers)
            site.host.Answer(answer);
        const auto panels = SharedFiles::ReadPanelImport(site.host, site.catalogue, site.folder.Path("x.DAT"), "x.DAT");
        ASSERT_EQ(panels.has_value(), !test.loops.empty()) << test.file;
        if (panels) {
            const SharedFiles::ImportOutcome outcome =
                SharedFiles::ImportPanels(site.catalogue, site.host, site.files, *panels);
            EXPECT_EQ(outcome.Failure, "");
            EXPECT_EQ(Site::Loops(site.catalogue), test.loops);
            // What was stored is what the next start reads.
            Catalogue again;
            ASSERT_TRUE(LoadPanels(again, site.host, site.files));
            EXPECT_EQ(Site::Loops(again), test.loops);
        } else {
            EXPECT_EQ(site.folder.Read("user/Panels/CUSTPAN.DAT"), Held);
        }
        ASSERT_EQ(site.host.boxes.size(), test.boxes.size()) << test.file;
        for (size_t box = 0; box < test.boxes.size(); ++box)
            EXPECT_EQ(site.host.boxes[box].Text.substr(0, test.boxes[box].size()), test.boxes[box]);
    }
}

TEST(SharedFiles, SettingsAreTakenInOnlyFromASettingsFile)
{
    const struct {
        std::string bytes;
        bool taken;
    } cases[] = {
        {"; kept by the program\n\"Units\"=dword:00000001\n\n\"LastPanel\"=\"Mine\"\n", true},
        {"\"Units\"=dword:00000001\nUnits=1\n", false},
        {"; nothing but a comment\n", false},
        {"[Options]\nMaxCustom=1\n", false},
    };
    for (const auto& test : cases) {
        ScriptedMessageHost host;
        EXPECT_EQ(SharedFiles::CheckSettingsImport(host, test.bytes, "a.conf"), test.taken) << test.bytes;
        EXPECT_EQ(host.Texts(), test.taken ? std::vector<std::string>{}
                                           : std::vector<std::string>{"The file 'a.conf' is not a Harvex Ferrolux "
                                                                      "settings file: nothing has been imported."});
        // A refusal is a warning with OK alone.
        for (const auto& box : host.boxes)
            EXPECT_EQ(box.Style, MsgStyle::OKOnly + MsgStyle::Exclamation);
    }
    // The names a page saves them under.
    DataFiles files;
    files.CustomPanelsFile = "/persist/data/Harvex/Panels/CUSTPAN.DAT";
    EXPECT_EQ(SharedFiles::UserPanels(files).Name, "CUSTPAN.DAT");
    EXPECT_EQ(SharedFiles::Settings("/persist/config/Harvex/Harvex Ferrolux.conf").Name, "Harvex Ferrolux.conf");
}
