#include "forms/MainWindowCore.h"

#include "catalogues/Options.h"
#include "document/CalculationSupport.h"
#include "catalogues/PanelCatalogue.h"
#include "document/Document.h"
#include "document/DocumentEdits.h"
#include "document/DocumentWriter.h"
#include "document/NewDocument.h"
#include "platform/MessageHost.h"
#include "support/BundledCatalogue.h"
#include "support/ScratchFolder.h"
#include "support/TestCatalogue.h"

#include <gtest/gtest.h>

using MainWindowCore::PanelChange;

namespace {

// A loop's section of the document's file, without its name line.
std::string LoopSection(const Document& document, int loop)
{
    const std::string text = DocumentText(document, "en-GB");
    const size_t start = text.find("[Loop" + std::to_string(loop) + "]");
    std::string section = text.substr(start, text.find("\r\n[", start) - start);
    if (const size_t name = section.find("\r\nName="); name != std::string::npos)
        section.erase(name, section.find("\r\n", name + 2) - name);
    return section;
}

// The four-loop example site as opened, loop 1 without its name, loop 2
// with a per-address tag too, loop 4 emptied.
struct WarehouseSite {
    WarehouseSite()
    {
        EXPECT_EQ(bundled.Open(document, FERROLUX_EXAMPLES_DIR "/Riverside-Warehouse.QLX"), OpenOutcome::Opened);
        document.LoopName(1).clear();
        document.SetAddressTag(2, 5, 17);
        CalculationSupport::ClearLoop(document, 4, CurrentLoopDefaults(bundled.options, bundled.catalogue));
        CalculationSupport::RecalculateLoop(document, 4);
        saved = DocumentText(document, "en-GB");
    }
    BundledCatalogue bundled;
    Document document{bundled.catalogue};
    ScriptedMessageHost host;
    std::string saved;
};

}  // namespace

TEST(MainWindowCore, APanelChangeAskedAboutLostLoopsIsAppliedOnlyWhenAgreed)
{
    constexpr int Two = 0, Small = 1, Eight = 2, None = -1;
    // The panel chosen, at start-up or not, the answer to the question of the
    // loops or devices lost; the outcome, the current panel and Dirty.
    for (const auto& [chosen, startingUp, answer, outcome, current, dirty] :
         {std::tuple{Two, false, MsgResult::Cancel, PanelChange::Abandoned, Eight, false},
          {Small, false, MsgResult::Yes, PanelChange::Applied, Small, true},
          {Eight, false, MsgResult::Yes, PanelChange::Unchanged, Eight, false},
          {Eight, true, MsgResult::Yes, PanelChange::Applied, Eight, false},
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
// ".QLX" added is replaced only when the user agrees. An output is refused
// only when it is the open document under some name.
TEST(MainWindowCore, NeitherSaveAsNorAnOutputReplacesAFileUnasked)
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

    host.boxes.clear();
    TestCatalogue catalogue;
    Document document{catalogue};
    const std::string site = chosen + ".QLX", again = folder.Path("./Millbrook.rev3.QLX");
    EXPECT_FALSE(MainWindowCore::OutputRefused(document, "PDF", site, host));  // a new document: no clash
    document.Path = site;
    EXPECT_FALSE(MainWindowCore::OutputRefused(document, "PDF", chosen + ".pdf", host));
    EXPECT_TRUE(MainWindowCore::OutputRefused(document, "device schedule", again, host));
    EXPECT_EQ(host.Texts(), std::vector<std::string>{"The device schedule '" + again +
                                                     "' is the same file as the open document '" + site +
                                                     "'.\n\nWriting the device schedule there would replace the "
                                                     "document. Nothing was written: choose another file."});
    EXPECT_EQ(host.boxes[0].Style, MsgStyle::Exclamation);
}

// A copy is the source whole, results and file section alike, under the
// source's name with " (copy)"; the panel's limits refuse it, a target that
// holds devices is replaced only on Yes, and one undo takes it all back.
TEST(MainWindowCore, CopyLoopCopiesEveryPartOfTheLoopAsOneStep)
{
    const int none = 0;
    // From, to, the panel's devices per loop, the answer; the box shown (none: no box) and the copy's name.
    for (const auto& [from, to, maxDevices, answer, box, name] :
         {std::tuple{2, 4, 126, none, "", "Racking north (copy)"},
          {1, 3, 126, MsgResult::Yes, "Loop 3 holds 32 devices. Replace them with a copy of loop 1?", "Loop 1 (copy)"},
          {2, 3, 126, MsgResult::No, "Loop 3 holds 32 devices. Replace them with a copy of loop 2?", ""},
          {2, 5, 126, none, "The Quellar QX-4 Four Loop panel has no loop 5. Nothing was copied.", ""},
          {2, 4, 60, none,
           "Loop 2 holds 62 devices, more than the 60 the Quellar QX-4 Four Loop panel allows on a loop. Nothing "
           "was copied.",
           ""}}) {
        WarehouseSite site;
        Document& document = site.document;
        site.bundled.catalogue.Panels[static_cast<size_t>(site.bundled.catalogue.CurrentPanel)].MaxDevicesPerLoop =
            static_cast<int16_t>(maxDevices);
        if (answer != none)
            site.host.Answer(answer);
        const std::string source = LoopSection(document, from);
        const bool copied = !std::string(name).empty();

        EXPECT_EQ(MainWindowCore::CopyLoop(document, site.host, from, to), copied) << from << " to " << to;
        EXPECT_EQ(site.host.Texts(), std::string(box).empty() ? std::vector<std::string>{}
                                                              : std::vector<std::string>{box});
        // A refusal is told; a question is Yes/No with No the default.
        for (const ScriptedMessageHost::Box& shown : site.host.boxes)
            EXPECT_EQ(shown.Style, answer == none ? MsgStyle::Exclamation
                                                  : MsgStyle::YesNo + MsgStyle::Question + MsgStyle::DefaultButton2);
        EXPECT_EQ(document.Dirty, copied);
        if (!copied) {
            EXPECT_EQ(DocumentText(document, "en-GB"), site.saved);
            EXPECT_FALSE(document.History.CanUndo());
            continue;
        }
        EXPECT_TRUE(document.Loop(to) == document.Loop(from));
        EXPECT_EQ(document.LoopName(to), name);
        std::string copy = LoopSection(document, to);
        EXPECT_EQ(copy.replace(0, 7, "[Loop" + std::to_string(from) + "]"), source);
        EXPECT_EQ(document.History.UndoName(), "Copy Loop " + std::to_string(from) + " to Loop " + std::to_string(to));
        ASSERT_TRUE(UndoEdit(document, site.bundled.catalogue, site.bundled.options));
        EXPECT_EQ(DocumentText(document, "en-GB"), site.saved);
        EXPECT_FALSE(document.Dirty);
    }
}

// The copy and clear choices: the panel's four loops, named where they have a name.
TEST(MainWindowCore, LoopChoicesAreThePanelsLoopsWithTheirNames)
{
    WarehouseSite site;
    const std::vector<MainWindowCore::LoopChoice> choices = MainWindowCore::LoopChoices(site.document);
    EXPECT_EQ(choices, (std::vector<MainWindowCore::LoopChoice>{
                           {1, "1"}, {2, "2  Racking north"}, {3, "3  Racking south"}, {4, "4"}}));
}

// Clearing asks when the loop holds devices; an empty loop is left as it was.
TEST(MainWindowCore, ClearLoopEmptiesTheLoopAsOneStepWhenAgreed)
{
    for (const auto& [loop, answer, cleared] :
         {std::tuple{2, MsgResult::Yes, true}, {2, MsgResult::No, false}, {4, MsgResult::Yes, false}}) {
        WarehouseSite site;
        Document& document = site.document;
        site.host.Answer(answer);
        const std::string unused = LoopSection(document, 5);

        EXPECT_EQ(MainWindowCore::ClearLoop(document, site.host, loop,
                                            CurrentLoopDefaults(site.bundled.options, site.bundled.catalogue)),
                  cleared);
        EXPECT_EQ(site.host.Texts(),
                  loop == 2 ? std::vector<std::string>{"Clear loop 2? Its 62 devices and its cable and name are removed."}
                            : std::vector<std::string>{});
        for (const ScriptedMessageHost::Box& shown : site.host.boxes)
            EXPECT_EQ(shown.Style, MsgStyle::YesNo + MsgStyle::Question + MsgStyle::DefaultButton2);
        EXPECT_EQ(document.Dirty, cleared);
        if (!cleared) {
            EXPECT_EQ(DocumentText(document, "en-GB"), site.saved);
            continue;
        }
        std::string emptied = LoopSection(document, 2);
        EXPECT_EQ(emptied.replace(0, 7, "[Loop5]"), unused);
        EXPECT_TRUE(document.LoopName(2).empty());
        EXPECT_EQ(document.History.UndoName(), "Clear Loop 2");
        ASSERT_TRUE(UndoEdit(document, site.bundled.catalogue, site.bundled.options));
        EXPECT_EQ(DocumentText(document, "en-GB"), site.saved);
    }
}
