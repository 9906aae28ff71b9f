#include "forms/PanelEditorCore.h"

#include "support/PanelSite.h"

#include <gtest/gtest.h>

namespace {

using Field = PanelEditorCore::Field;
using Outcome = PanelEditorCore::Outcome;
using KeyAction = PanelEditorCore::KeyAction;
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

TEST(PanelEditorCore, OpensANewPanelOrOneOfTheCatalogueOnlyAndNumberBoxesTakeDigits)
{
    for (const int panelNum : {-2, -1, PanelSite::SitePanel, PanelSite::UnknownPanel, 4}) {
        SCOPED_TRACE(panelNum);
        PanelSite site;
        PanelEditorCore core(site.Services());
        const bool inCatalogue = panelNum >= -1 && panelNum <= PanelSite::UnknownPanel;
        ASSERT_EQ(core.Open(panelNum), inCatalogue);
        EXPECT_EQ(site.host.boxes.size(), inCatalogue ? 0u : 1u);
        EXPECT_EQ(core.IsReadOnly(), panelNum == PanelSite::UnknownPanel);
    }
    Editor editor(PanelSite::SitePanel);
    EXPECT_EQ(Texts(editor.entries.begin(), editor.entries.end()),
              (Texts{"Site Panel", "User-Defined Panels", "4", "2.00", "10", "10", "32", "400", "3200", "24.00"}));
    EXPECT_EQ(editor.core.NotesText(), "This is a 'user-defined' panel.  Its parameters may be edited.");

    EXPECT_EQ(PanelEditorCore::NextField(Field::OKButton), Field::OKButton);  // Enter stays on OK
    for (const auto& [key, action] : {std::pair{U'/', KeyAction::Refuse}, {U'0', KeyAction::Accept},
                                      {U'9', KeyAction::Accept}, {U':', KeyAction::Refuse}})
        EXPECT_EQ(PanelEditorCore::KeyPressed(Field::LED, key), action) << static_cast<uint32_t>(key);
}

// The number boxes' limits and questions, and a new panel that survives a
// restart, are walked by the main window's test.
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
