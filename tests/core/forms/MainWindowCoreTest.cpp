#include "forms/MainWindowCore.h"

#include "catalogues/Options.h"
#include "document/CalculationSupport.h"
#include "document/Document.h"
#include "platform/MessageHost.h"
#include "support/ScratchFolder.h"
#include "support/TestCatalogue.h"

#include <gtest/gtest.h>

using MainWindowCore::PanelChange;

TEST(MainWindowCore, APanelChangeAskedAboutLostLoopsIsAppliedOnlyWhenAgreed)
{
    constexpr int Two = 0, Small = 1, Eight = 2, None = -1;
    // The panel chosen, at start-up or not, the answer to the question of the
    // loops or devices lost; the outcome, the current panel and Dirty.
    for (const auto& [chosen, startingUp, answer, outcome, current, dirty] :
         {std::tuple{Two, false, MsgResult::Cancel, PanelChange::Abandoned, Eight, false},
          {Small, false, MsgResult::Cancel, PanelChange::Abandoned, Eight, false},
          {Small, false, MsgResult::Yes, PanelChange::Applied, Small, true},
          {Eight, false, MsgResult::Yes, PanelChange::Unchanged, Eight, false},
          {Eight, true, MsgResult::Yes, PanelChange::Applied, Eight, false},
          {3, false, MsgResult::Yes, PanelChange::Unchanged, Eight, false},
          {None, false, MsgResult::Yes, PanelChange::Unchanged, Eight, false}}) {
        ScratchFolder folder;
        SettingsStore store{folder.Path("settings.conf")};
        Options options{store};
        TestCatalogue catalogue;
        Document document{catalogue};
        ScriptedMessageHost host;
        const int16_t detector = catalogue.AddDeviceType({.Name = "Detector", .Quiescent = 300, .Alarm = 5000});
        for (const auto& [name, loops, maxDevices, outputs] : {std::tuple{"Two", 2, 126, 20}, {"Small", 4, 5, 60},
                                                               {"Eight", 8, 126, 60}}) {
            PanelRecord& panel = catalogue.Panels[static_cast<size_t>(catalogue.AddCurrentPanel({}))];
            panel.Name = name;  // the last one is current
            panel.Loops = static_cast<uint8_t>(loops);
            panel.MaxDevicesPerLoop = static_cast<int16_t>(maxDevices);
            panel.Outputs = static_cast<uint8_t>(outputs);
        }
        for (int address = 1; address <= 8; ++address) {  // too many for Small on loop 1, not on loop 3
            document.Loop(1).SetDeviceType(address, detector);
            document.Loop(3).SetDeviceType(address, address <= 4 ? detector : int16_t{0});
        }
        document.Loop(3).SetMaxOutput(60);
        CalculationSupport::RecalculateAll(document);
        host.Answer(answer);

        EXPECT_EQ(MainWindowCore::ChangePanel(document, catalogue, options, host, chosen,
                                              startingUp),
                  outcome);
        EXPECT_EQ(catalogue.CurrentPanel, current) << "panel " << chosen << (startingUp ? " at start-up" : "");
        EXPECT_EQ(document.Dirty, dirty);
        EXPECT_EQ(host.boxes.size(), chosen == Two || chosen == Small ? 1u : 0u);
        EXPECT_EQ(document.Loop(3).MaxOutput(), chosen == Two ? 20 : 60);  // clamped before the question
        EXPECT_EQ(options.GetSettingString("LastPanel").empty(), current != Small);
    }
}

// The save dialog asked about the name as chosen; a file of the name with
// ".QLX" added is replaced only when the user agrees.
TEST(MainWindowCore, SaveAsAsksBeforeTheAddedExtensionReplacesAFile)
{
    ScratchFolder folder;
    ScriptedMessageHost host;
    const std::string chosen = folder.Path("Millbrook.rev3");
    folder.Write("Millbrook.rev3.QLX", "[Dralon]\r\n");
    host.Answer(MsgResult::No);
    EXPECT_EQ(MainWindowCore::SaveAsPath(chosen, host), std::nullopt);
    host.Answer(MsgResult::Yes);
    EXPECT_EQ(MainWindowCore::SaveAsPath(chosen, host), chosen + ".QLX");
    ASSERT_EQ(host.boxes.size(), size_t(2));
    EXPECT_EQ(host.boxes[0].Text, "'" + chosen + ".QLX' already exists.\n\nDo you want to replace it?");
    EXPECT_EQ(host.boxes[0].Style, MsgStyle::YesNo + MsgStyle::Exclamation + MsgStyle::DefaultButton2);

    // A name chosen with its extension was the dialog's to ask about.
    EXPECT_EQ(MainWindowCore::SaveAsPath(chosen + ".QLX", host), chosen + ".QLX");
    EXPECT_EQ(host.boxes.size(), size_t(2));
}
