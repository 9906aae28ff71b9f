#include "forms/PanelEditorCore.h"

#include "support/PanelSite.h"

#include <gtest/gtest.h>

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
