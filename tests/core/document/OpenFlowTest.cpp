#include "document/OpenFlow.h"

#include "document/DocumentWriter.h"
#include "document/Shell.h"
#include "support/DocumentFixture.h"
#include "support/BundledCatalogue.h"
#include "support/ScriptedOpenProgress.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include <sys/stat.h>

namespace {

struct OpenFlowTest : ::testing::Test {
    DocumentFixture f;
    Document document = f.NewEmptyDocument();
    ScriptedOpenProgress progress;
    std::vector<std::string> recent;
    std::string title = "(not set)";
    OpenFlow flow{document, f.catalogue, f.options, f.messages, progress,
                  OpenFlowShell{[this](const std::string& path) { recent.push_back(path); },
                                [this](const std::string& text) { title = text; }, [] {}}};

    // The standard panel's version 1 file with these loop sections.
    std::string Write(const std::string& name, const std::string& sections) { return f.WriteVersion1File(name, sections); }
    // A document that is somebody's work, so that a replaced one shows.
    void OpenSomethingFirst()
    {
        ASSERT_TRUE(flow.DoMenuOpen(Write("earlier.QLX", "[Loop1]\nDevice1=1,0,0,1,1,0\n"), false));
        f.messages.boxes.clear();
        recent.clear();
    }
    void ExpectNewEmptyDocument()
    {
        EXPECT_EQ(document.Path, "");
        EXPECT_EQ(document.SiteName, "");
        EXPECT_FALSE(document.Dirty);
        EXPECT_EQ(title, ApplicationTitle);
        EXPECT_EQ(document.Loop(1).QtyDevices(), 0);
    }
};

}  // namespace

TEST_F(OpenFlowTest, ACleanOpenKeepsTheStoredDateShowsProgressAndRecalculates)
{
    const std::string path = Write("plant room.QLX", "[Loop1]\nDevice1=1,0,3,1,1,0\nDevice2=2,0,0,2,2,0\n");
    document.Dirty = true;
    EXPECT_TRUE(flow.DoMenuOpen(path, false));

    EXPECT_TRUE(f.messages.boxes.empty());
    EXPECT_EQ(progress.fileText, "Opening '" + path + "'...");
    // 0 on load, then before every address of every loop.
    ASSERT_EQ(progress.percents.size(), 1u + 8 * 256);
    EXPECT_EQ(progress.percents[1 + 255], 12);  // loop 1, address 255: 255 * 100 / 2048
    EXPECT_EQ(progress.percents.back(), 99);    // loop 8, address 255

    EXPECT_FALSE(document.ReadOnly || document.Dirty);
    EXPECT_EQ(document.ModifiedDate, (DateTime{2023, 6, 7, 8, 9, 10}));
    EXPECT_EQ(recent, std::vector<std::string>{path});
    EXPECT_EQ(title, "plant room - Harvex Ferrolux");
    // Recalculated: the results are there without any editing.
    EXPECT_EQ(document.Loop(1).QuiescentCurrentTotal(), Currency::FromInteger(300 + 250 + 50));

    EXPECT_TRUE(flow.DoMenuOpen(path, true));  // read-only on request
    EXPECT_TRUE(document.ReadOnly);
}

// What the open leaves out is asked (Cancel leaves a new, empty document,
// OK goes on) or said.
TEST_F(OpenFlowTest, WhatTheOpenLeavesOut)
{
    OpenSomethingFirst();
    // The Relay Base (a base Other Device for base type 1) cannot go under the Master Module.
    const std::string incompatible = Write("site.QLX", "[Loop2]\nDevice4=3,0,7,4,4,0\n");
    f.messages.Answer(MsgResult::Cancel);
    EXPECT_TRUE(flow.DoMenuOpen(incompatible, false));
    EXPECT_EQ(flow.Outcome(), OpenOutcome::Cancelled);
    ASSERT_EQ(f.messages.boxes.size(), 1u);
    EXPECT_EQ(f.messages.boxes[0].Text, "1 Relay Base on loop 2 will be deleted, because it is incompatible with "
                                        "its associated Master Module.");
    EXPECT_EQ(f.messages.boxes[0].Style, MsgStyle::OKCancel + MsgStyle::Information);
    EXPECT_EQ(f.messages.boxes[0].Caption, ApplicationTitle);
    ExpectNewEmptyDocument();
    EXPECT_TRUE(recent.empty());

    // OK drops the Other Device; no change the open made on its own. A Remote
    // Indicator needs a remote output the Optical Detector lacks; its base stays.
    EXPECT_TRUE(flow.DoMenuOpen(Write("site.QLX", "[Loop1]\nDevice1=1,0,5+7,1,1,0\n[Loop2]\nDevice4=3,0,7,4,4,0\n"),
                                false));
    EXPECT_EQ(flow.Outcome(), OpenOutcome::Opened);
    EXPECT_EQ(document.Loop(1).DeviceOtherType(1), 0);
    EXPECT_EQ(document.Loop(1).DeviceOtherBaseType(1), f.catalogue.relayBase);
    EXPECT_EQ(document.Loop(2).DeviceOtherBaseType(4), 0);
    EXPECT_FALSE(document.Dirty);

    f.messages.boxes.clear();
    // Two detectors take one attached Other Device each: 3 Beacons and then
    // 2 Sounders leave 1 Beacon and 2 Sounders over; the document is changed.
    EXPECT_TRUE(flow.DoMenuOpen(Write("older.QLX", "[Loop1]\nDevice1=1\nDevice2=2\nBeacon=3\nSounder=2\n"), false));
    const std::string intro = "This version of Harvex Ferrolux has more precise definitions of some devices than "
                              "previous versions.  Consequently, it has detected that this configuration data "
                              "contains incompatible data.\n\n";
    EXPECT_EQ(f.messages.Texts(), (std::vector<std::string>{intro + "1 Beacon has been deleted from Loop 1.",
                                                            intro + "2 Sounders have been deleted from Loop 1."}));
    EXPECT_EQ(f.messages.boxes[1].Caption, "Open");
    EXPECT_EQ(f.messages.boxes[1].Style, MsgStyle::OKOnly + MsgStyle::Information);
    EXPECT_TRUE(document.Dirty);
    EXPECT_EQ(document.ModifiedDate, f.now);

    // Devices the catalogues do not hold: listed in one message, the document
    // unchanged so that closing without a save keeps them in the file.
    const std::string custom = "[CustomDevice]\nDevice8=Gone Sensor\n[CustomOther]\nOther14=Gone Strobe\n";
    const std::pair<std::string, std::string> cases[] = {  // the loops, what is listed (none: no message)
        {"[Loop1]\nDevice5=150,0,0,5,5,0\n", "Device type 150 at address 5 on loop 1"},
        {std::string("[Loop1]\nDevice5=1\0\x01\x7F" "0,0,0,5,5,0\n", 32),
         "Device type '1\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD" "0' at address 5 on loop 1"},
        {"[Loop1]\nDevice9=C8,0,0,9,9,0\n", "Custom device type 'Gone Sensor' at address 9 on loop 1"},
        {"[Loop1]\nDevice5=1,0,3+C14,5,5,0\n", "Custom Other Device 'Gone Strobe' at address 5 on loop 1"},
        {"[Loop1]\nDevice5=1,0,99,5,5,0\n", "Other Device 99 at address 5 on loop 1"},
        {"[Loop2]\nDeviceBetween40=9,,Flasher (5)\n", "Other Device 'Flasher' at address 40 on loop 2"},
        {"[Loop1]\nDevice5=0,0,0,5,5,0\nDevice6=0.4,0,0,6,6,0\nDeviceBetween7=,9\n", ""},  // no device is no news
    };
    for (const auto& [loops, listed] : cases) {
        SCOPED_TRACE(loops);
        f.messages.boxes.clear();
        EXPECT_TRUE(flow.DoMenuOpen(Write("dropped.QLX", loops + custom), false));
        EXPECT_FALSE(document.Dirty);
        const std::string text = "This file has devices that are not in the catalogues on this computer; they have "
                                 "been left out:\n\n" + listed + "\n\nSaving the file will remove them from it.";
        EXPECT_EQ(f.messages.Texts(), listed.empty() ? std::vector<std::string>{} : std::vector<std::string>{text});
    }
}

// A file that cannot be read leaves a new, empty document; one that is
// refused leaves the document as it was. Neither reaches the recent files.
TEST_F(OpenFlowTest, FilesThatCannotBeOpenedOrAreRefused)
{
    namespace fs = std::filesystem;
    const std::string because = "' for the following reason:\n\n";
    fs::create_directory(f.folder.Path("folder.QLX"));
    ASSERT_EQ(::mkfifo(f.folder.Path("fifo.QLX").c_str(), 0600), 0);
    const std::string large = f.folder.Write("large.QLX", "");
    fs::resize_file(large, 16 * 1024 * 1024 + 1);  // sparse: costs no disk
    const struct {
        std::string path;
        OpenOutcome outcome;
        std::string message;  // after "Unable to open file '<path>" for a failure
    } cases[] = {
        {f.folder.Path("missing.QLX"), OpenOutcome::Failed, because + "(53)  File not found"},
        {f.folder.Path("nowhere/site.QLX"), OpenOutcome::Failed, because + "(76)  Path not found"},
        {f.folder.Path("folder.QLX"), OpenOutcome::Failed, because + "(75)  Path/File access error"},
        {f.folder.Path("fifo.QLX"), OpenOutcome::Failed, because + "(75)  Path/File access error"},
        {Write("overflow.QLX", "[Loop1]\nDevice1=1\nSounder=256\n"), OpenOutcome::Failed, because + "(6)  Overflow"},
        {Write(".hidden.QLX", ""), OpenOutcome::NotFound, "Unable to find file '" + f.folder.Path(".hidden.QLX") + "'."},
        {large, OpenOutcome::Refused,
         "File is too large for a Loop Calculation (over 16 MB), unable to open '" + large + "'."},
        {f.folder.Write("newer.QLX", "[Dralon]\r\nDataFormat=2\r\n"), OpenOutcome::Refused, ""},  // said by the reader
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.path);
        OpenSomethingFirst();
        const bool failed = c.outcome == OpenOutcome::Failed;
        EXPECT_EQ(flow.DoMenuOpen(c.path, false), !failed);  // a FIFO that hangs it is stopped by the run's timeout
        EXPECT_EQ(flow.Outcome(), c.outcome);
        ASSERT_EQ(f.messages.boxes.size(), 1u);
        if (!c.message.empty()) {
            EXPECT_EQ(f.messages.boxes[0].Text, failed ? "Unable to open file '" + c.path + c.message : c.message);
        }
        EXPECT_EQ(f.messages.boxes[0].Style, MsgStyle::OKOnly + MsgStyle::Exclamation);
        EXPECT_TRUE(recent.empty());
        EXPECT_EQ(progress.closed, progress.shown);
        if (failed) {
            ExpectNewEmptyDocument();
        } else {
            EXPECT_EQ(document.Path, f.folder.Path("earlier.QLX"));
        }
    }
}

TEST_F(OpenFlowTest, AFileCutShortOpensWithItsFinishedLinesAndSaysSo)
{
    const struct {
        const char* what;
        std::string sections;
        bool cutShort;
        int32_t devices;     // on loop 1
        int32_t cableTotal;  // loop 1, dm
    } cases[] = {
        // The cut total run is not used: the run in metres written before it is.
        {"last line without its line end", "[Loop1]\r\nCableMaxRun=100\r\nDevice1=1,0,0,1,1,0\r\nCableTotalLength=10",
         true, 1, 1000},
        {"the header and no loop section", "", true, 0, 0},
        {"every line ended", "[Loop1]\r\nDevice1=1,0,0,1,1,0\r\nCableTotalLength=10\r\n", false, 1, 10},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        f.messages.boxes.clear();
        const std::string path = Write("site.QLX", c.sections);
        EXPECT_TRUE(flow.DoMenuOpen(path, false));
        EXPECT_EQ(flow.OpenedCutShort(), c.cutShort);
        EXPECT_EQ(document.Loop(1).QtyDevices(), c.devices);
        EXPECT_EQ(document.Loop(1).CableTotal(), c.cableTotal);
        const std::string warning = "The file '" + path + "' appears to be incomplete (it may have been cut short). "
                                    "Check the design before you rely on it.";
        EXPECT_EQ(f.messages.Texts(), c.cutShort ? std::vector<std::string>{warning} : std::vector<std::string>{});
    }
}

// Each shipped sample site opens on the bundled catalogues without a single
// message, and the writer writes it back byte for byte.
TEST(ExampleSites, OpenSilentlyAndAreWrittenAsShipped)
{
    BundledCatalogue bundled;
    ASSERT_TRUE(bundled.Loaded);
    int sites = 0;
    for (const auto& entry : std::filesystem::directory_iterator(FERROLUX_EXAMPLES_DIR)) {
        if (entry.path().extension() != ".QLX")
            continue;
        SCOPED_TRACE(entry.path().string());
        ++sites;
        Document opened(bundled.catalogue);
        bundled.messages.boxes.clear();
        EXPECT_EQ(bundled.Open(opened, entry.path().string()), OpenOutcome::Opened);
        EXPECT_EQ(bundled.messages.Texts(), std::vector<std::string>{});
        std::ifstream shipped(entry.path(), std::ios::binary);
        std::ostringstream text;
        text << shipped.rdbuf();
        EXPECT_EQ(DocumentText(opened, "0809"), text.str());
    }
    EXPECT_EQ(sites, 3);
}
