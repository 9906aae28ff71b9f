#include "forms/PanelEditorCore.h"

#include "forms/MainWindowCore.h"
#include "support/PanelSite.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

using Field = PanelEditorCore::Field;
using Outcome = PanelEditorCore::Outcome;
using Texts = std::vector<std::string>;

constexpr Outcome Closed{true, Field::Name, true};

struct Recorder : DocumentObserver {
    std::vector<int> loops;
    void LoopRecalculated(int loop) override { loops.push_back(loop); }
};

// A site with the editor opened on a panel, and entries that pass every
// check: a new panel "My Panel" with the default panel's values.
struct Editor : PanelSite {
    PanelEditorCore core{Services()};
    PanelEditorCore::Entries entries{};

    explicit Editor(int panelNum = -1)
    {
        EXPECT_TRUE(loaded && core.Open(panelNum));
        entries = core.Boxes();
        if (panelNum == -1)
            Set(Field::Name, "My Panel");
    }
    void Set(Field box, const std::string& text) { entries[static_cast<size_t>(box)] = text; }
    Outcome OK() { return core.OK(entries); }
};

}  // namespace

// Opening, the keys, the number boxes' limits and questions, and a new panel
// that survives a restart are walked by the windows' tests.
TEST(PanelEditorCore, AnotherUserPanelIsUpdatedInItsSlotWithoutARecalculation)
{
    for (const std::string name : {"Spare Panel", "SPARE PANEL", "Reserve"}) {
        SCOPED_TRACE(name);
        Editor spare(PanelSite::SparePanel);
        spare.SelectCurrent("Site Panel");
        Recorder recorder;
        spare.document.AddObserver(&recorder);
        spare.Set(Field::Name, name);
        spare.Set(Field::Loops, "1");
        EXPECT_EQ(spare.OK(), Closed);
        EXPECT_EQ(std::pair(spare.pointer.shown, spare.pointer.depth), std::pair(1, 0));  // shown once while saving
        EXPECT_NE(spare.UserFile().find("[Custom3]\r\nName=\"" + name + "\"\r\nLoops=1\r\n"), std::string::npos);
        EXPECT_EQ(spare.catalogue.Panels[static_cast<size_t>(spare.Position(name))].Loops, 1);
        EXPECT_FALSE(spare.document.Dirty);
        EXPECT_TRUE(recorder.loops.empty());
        spare.document.RemoveObserver(&recorder);
    }
}

// The power supply boxes: each refuses a figure beyond its limits with its
// message and keeps the focus; an empty box stores no figure. What passes
// survives a restart, the figures of the copied panel left alone kept.
TEST(PanelEditorCore, PowerSupplyFiguresAreCheckedOrLeftOut)
{
    struct Row {
        Field box;
        std::optional<int32_t> PanelRecord::*figure;
        std::string refused, accepted;
        std::optional<int32_t> stored;
        std::string message;
    };
    const Row rows[] = {
        {Field::StandbyCurrent, &PanelRecord::StandbyCurrent, "10001", "", std::nullopt,  // was 120
         "A panel Standby Current between 0 and 10000 mA must be chosen, or the box left empty!"},
        {Field::AlarmCurrent, &PanelRecord::AlarmCurrent, "10001", "0", 0,
         "A panel Alarm Current between 0 and 10000 mA must be chosen, or the box left empty!"},
        {Field::MaxBattery, &PanelRecord::MaxBattery, "0.004", "1000", 100000,
         "A maximum Battery Capacity between 0.01 and 1000 Ah must be chosen, or the box left empty!"},
        {Field::ChargerCurrent, &PanelRecord::ChargerCurrent, "32001", "1", 1,
         "A Charger Current between 1 and 32000 mA must be chosen, or the box left empty!"},
    };
    for (const Row& row : rows) {
        Editor editor;
        editor.Set(row.box, row.refused);
        EXPECT_EQ(editor.OK(), (Outcome{false, row.box, false}));
        EXPECT_EQ(editor.host.Texts(), Texts{row.message});
        editor.Set(row.box, row.accepted);
        EXPECT_EQ(editor.OK(), Closed);
        const std::vector<PanelRecord> restart = editor.PanelsAfterRestart();
        const auto mine = std::find_if(restart.begin(), restart.end(), [](auto& p) { return p.Name == "My Panel"; });
        ASSERT_NE(mine, restart.end());
        EXPECT_EQ((*mine).*row.figure, row.stored) << row.message;
        EXPECT_EQ(mine->MaxBattery, row.box == Field::MaxBattery ? row.stored : 720);
    }
}

TEST(PanelEditorCore, AFailedWriteIsToldAndTheDialogStays)
{
    Editor editor;
    // The user's data folder is taken by a file, so the panel file cannot be made.
    editor.folder.Write("blocked", "");
    editor.files.CustomPanelsFile = editor.folder.Path("blocked/CUSTPAN.DAT");
    EXPECT_EQ(editor.OK(), (Outcome{false, Field::Name, false}));
    EXPECT_EQ(editor.host.Texts(), Texts{"Unable to save the control panel to the configuration settings in '" +
                                         editor.files.CustomPanelsFile + "'."});
    EXPECT_EQ(editor.host.boxes[0].Style, MsgStyle::OKOnly + MsgStyle::Exclamation);
    EXPECT_EQ(editor.catalogue.UserDefinedPanelCount, 2);
    EXPECT_EQ(editor.pointer.depth, 0);
}

// The steps so far were worked out against the current panel as it was.
TEST(PanelEditorCore, AnEditOfTheCurrentPanelEndsTheDocumentsHistory)
{
    Editor site(PanelSite::SitePanel);
    site.SelectCurrent("Site Panel");
    MainWindowCore::SetSiteName(site.document, "Depot");
    ASSERT_TRUE(site.document.History.CanUndo());
    site.Set(Field::Name, "Site Panel 2");
    EXPECT_EQ(site.OK(), Closed);
    EXPECT_FALSE(site.document.History.CanUndo());
    EXPECT_TRUE(site.document.Dirty);
}
