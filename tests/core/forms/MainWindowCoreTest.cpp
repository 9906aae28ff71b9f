#include "forms/MainWindowCore.h"

#include "document/CalculationSupport.h"
#include "catalogues/Options.h"
#include "document/Document.h"
#include "platform/MessageHost.h"
#include "platform/SettingsStore.h"
#include "support/ScratchFolder.h"
#include "support/TestCatalogue.h"

#include <gtest/gtest.h>

using MainWindowCore::PanelChange;

namespace {

PanelRecord Panel(const std::string& name, uint8_t loops, int16_t maxDevices, uint8_t outputs)
{
    PanelRecord panel;
    panel.Name = name;
    panel.Loops = loops;
    panel.MaxDevicesPerLoop = maxDevices;
    panel.Outputs = outputs;
    panel.AlarmLEDs = 50;
    panel.MaxLoopCurrent = 500;
    panel.MaxTotalCurrent = 2000;
    panel.MinLoopVoltage = 2400;
    return panel;
}

struct Site : DocumentObserver {
    ScratchFolder folder;
    SettingsStore store{folder.Path("settings.conf")};
    Options options{store};
    TestCatalogue catalogue;
    Document document{catalogue};
    ScriptedMessageHost host;
    int16_t detector = catalogue.AddDeviceType({.Name = "Detector", .Quiescent = 300, .Alarm = 5000});
    int eight = 0, two = 0, small = 0;
    int recalculated = 0;

    Site()
    {
        two = static_cast<int>(catalogue.Panels.size());
        catalogue.Panels.push_back(Panel("Two", 2, 126, 20));
        small = static_cast<int>(catalogue.Panels.size());
        catalogue.Panels.push_back(Panel("Small", 4, 5, 60));
        eight = catalogue.AddCurrentPanel(Panel("Eight", 8, 126, 60));
        document.AddObserver(this);
    }
    ~Site() override { document.RemoveObserver(this); }
    void LoopRecalculated(int) override { ++recalculated; }

    void Fill(int loop, int count)
    {
        for (int address = 1; address <= count; ++address)
            document.Loop(loop).SetDeviceType(address, detector);
        document.Loop(loop).SetMaxOutput(60);
        CalculationSupport::RecalculateLoop(document, loop);
        recalculated = 0;
    }
    PanelChange Change(int panel, bool startingUp = false)
    {
        return MainWindowCore::ChangePanel(document, catalogue, options, host, panel, startingUp);
    }
};

}  // namespace

TEST(MainWindowCore, ACancelledLoopQuestionKeepsThePanelButNotTheOutputs)
{
    Site site;
    site.Fill(3, 4);
    site.host.Answer(MsgResult::Cancel);
    EXPECT_EQ(site.Change(site.two), PanelChange::Abandoned);
    EXPECT_EQ(site.host.Texts(), std::vector<std::string>{"Changing to this panel will lose data for loops 3 to 8."});
    EXPECT_EQ(site.catalogue.CurrentPanel, site.eight);
    EXPECT_EQ(site.document.Loop(3).QtyDevices(), 4);
    EXPECT_EQ(site.document.Loop(3).MaxOutput(), 20);  // clamped before the question
    EXPECT_FALSE(site.document.Dirty);
    EXPECT_TRUE(site.options.GetSettingString("LastPanel").empty());
}


TEST(MainWindowCore, ACancelledDeviceLimitQuestionAbandonsTheChange)
{
    Site site;
    site.Fill(1, 8);
    site.host.Answer(MsgResult::Cancel);
    EXPECT_EQ(site.Change(site.small), PanelChange::Abandoned);
    ASSERT_EQ(site.host.boxes.size(), size_t(1));
    EXPECT_EQ(site.host.boxes[0].Text, "There are more than 5 addressable devices on a loop. Changing to this panel "
                                       "will lose data for this loop.");
    EXPECT_EQ(site.catalogue.CurrentPanel, site.eight);
    EXPECT_EQ(site.document.Loop(1).QtyDevices(), 8);
}

TEST(MainWindowCore, DialogsStartInTheLastFolderOrTheDocumentsFolder)
{
    Site site;
    EXPECT_EQ(MainWindowCore::DialogStartFolder(site.options, "/home/me/Documents"), "/home/me/Documents");
    site.options.SetSettingString("QLX Path", MainWindowCore::FolderOf("/srv/sites/harbour.QLX"));
    EXPECT_EQ(MainWindowCore::DialogStartFolder(site.options, "/home/me/Documents"), "/srv/sites");
    EXPECT_EQ(MainWindowCore::FolderOf("/harbour.QLX"), "/");
    EXPECT_EQ(MainWindowCore::FolderOf("harbour.QLX"), "");
}

TEST(MainWindowCore, ANewSiteIsSavedUnderItsNameWhatAFileNameCannotHoldReplaced)
{
    for (const auto& [site, file] : {std::pair{"Yard: North/South <B>", "Yard_ North_South _B_.QLX"},
                                     std::pair{"a\\b*c?d\"e|f\tg.", "a_b_c_d_e_f_g.QLX"}, std::pair{"...", ""}})
        EXPECT_EQ(MainWindowCore::FileNameForSite(site), file) << site;
    Site site;
    site.document.Path = "/srv/sites/quay.QLX";
    EXPECT_EQ(MainWindowCore::SavePreset(site.document, "/srv"), "sites/quay.QLX");
}
