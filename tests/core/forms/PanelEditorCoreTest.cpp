#include "forms/PanelEditorCore.h"

#include "document/CalculationSupport.h"
#include "support/PanelSite.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace {

using Field = PanelEditorCore::Field;
using Outcome = PanelEditorCore::Outcome;
using KeyAction = PanelEditorCore::KeyAction;
using Texts = std::vector<std::string>;

constexpr int Warning = MsgStyle::OKOnly + MsgStyle::Exclamation;
constexpr int Question = MsgStyle::YesNoCancel + MsgStyle::Question;

constexpr Outcome Closed{true, Field::Name, true};
Outcome StayAt(Field focus)
{
    return {false, focus, false};
}

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
        EXPECT_TRUE(loaded);
        EXPECT_TRUE(core.Open(panelNum));
        entries = core.Boxes();
        if (panelNum == -1)
            Set(Field::Name, "My Panel");
    }
    void Set(Field box, const std::string& text) { entries[static_cast<size_t>(box)] = text; }
    Outcome OK() { return core.OK(entries); }
};

}  // namespace

TEST(PanelEditorCore, OpeningShowsTheBoxesAndWhetherThePanelMayBeEdited)
{
    const std::string userDefined = "This is a 'user-defined' panel.  Its parameters may be edited.";
    struct Case {
        int panelNum;
        Texts boxes;
        bool readOnly;
        std::string notes;
        std::string close;
    };
    for (const Case& c : {
             Case{-1,
                  {"Choose a unique name", "User-Defined Panels", "8", "2.00", "10", "10", "32", "400", "3200", "24.00"},
                  false, userDefined, "Cancel"},
             Case{PanelSite::Acme2,
                  {"Acme 2", "Acme Fire", "2", "2.00", "10", "10", "32", "400", "3200", "24.00"},
                  true, "This is a 'standard' panel.  Its parameters cannot be edited.", "Close"},
             Case{PanelSite::SitePanel,
                  {"Site Panel", "User-Defined Panels", "4", "2.00", "10", "10", "32", "400", "3200", "24.00"},
                  false, userDefined, "Cancel"},
         }) {
        SCOPED_TRACE(c.panelNum);
        PanelSite site;
        PanelEditorCore core(site.Services());
        ASSERT_TRUE(core.Open(c.panelNum));
        const PanelEditorCore::Entries boxes = core.Boxes();
        EXPECT_EQ(Texts(boxes.begin(), boxes.end()), c.boxes);
        EXPECT_EQ(core.IsReadOnly(), c.readOnly);
        EXPECT_EQ(core.NotesText(), c.notes);
        EXPECT_EQ(core.CloseCaption(), c.close);
        EXPECT_TRUE(site.host.boxes.empty());
    }
}

TEST(PanelEditorCore, APositionOutsideTheCatalogueIsAnInternalError)
{
    for (const int panelNum : {-2, 4}) {
        PanelSite site;
        EXPECT_FALSE(PanelEditorCore(site.Services()).Open(panelNum));
        ASSERT_EQ(site.host.boxes.size(), 1u);
        EXPECT_EQ(site.host.boxes[0].Text, "Internal error: invalid control panel");
        EXPECT_EQ(site.host.boxes[0].Style, Warning);
        EXPECT_EQ(site.host.boxes[0].Caption, "Harvex Ferrolux");
    }
}

TEST(PanelEditorCore, KeysTheBoxesTakeAndWhereEnterGoes)
{
    const struct {
        Field box;
        char32_t key;
        KeyAction action;
    } cases[] = {
        {Field::Name, U'x', KeyAction::Accept},        {Field::Name, U'\r', KeyAction::NextBox},
        {Field::Loops, U'0', KeyAction::Accept},       {Field::Loops, U'9', KeyAction::Accept},
        {Field::Loops, U'\b', KeyAction::Accept},      {Field::Loops, U'\r', KeyAction::NextBox},
        {Field::Loops, U'.', KeyAction::Refuse},       {Field::LED, U'/', KeyAction::Refuse},
        {Field::LED, U':', KeyAction::Refuse},         {Field::Impedance, U'.', KeyAction::Accept},
        {Field::Voltage, U'.', KeyAction::Accept},     {Field::TotalCurrent, U'.', KeyAction::Refuse},
    };
    for (const auto& c : cases)
        EXPECT_EQ(PanelEditorCore::KeyPressed(c.box, c.key), c.action)
            << static_cast<int>(c.box) << " " << static_cast<uint32_t>(c.key);

    std::vector<Field> order{Field::Name};
    while (order.back() != Field::OKButton)
        order.push_back(PanelEditorCore::NextField(order.back()));
    EXPECT_EQ(order, (std::vector<Field>{Field::Name, Field::Loops, Field::Impedance, Field::LED, Field::RemoteLED,
                                         Field::Output, Field::LoopCurrent, Field::TotalCurrent, Field::Voltage,
                                         Field::OKButton}));
    EXPECT_EQ(PanelEditorCore::NextField(Field::OKButton), Field::OKButton);
}

TEST(PanelEditorCore, TheLEDLimitFollowsTheDeviceCataloguesAddresses)
{
    Editor editor;
    editor.catalogue.AnyHighAddress = true;
    editor.Set(Field::LED, "253");
    EXPECT_EQ(editor.OK(), StayAt(Field::LED));
    editor.Set(Field::RemoteLED, "253");
    editor.Set(Field::LED, "252");
    editor.host.Answer(MsgResult::Yes);
    EXPECT_EQ(editor.OK(), StayAt(Field::RemoteLED));
    EXPECT_EQ(editor.host.Texts(),
              (Texts{"A maximum Number of LED's in alarm between 1 and 252 (normally not more than 20) must be chosen!",
                     "Can this panel really turn on more than 20 LED's?",
                     "A maximum Number of Remote LED's in alarm between 1 and 252 must be chosen!"}));
}

TEST(PanelEditorCore, ANewPanelTakesTheFirstFreeSlotAndSurvivesARestart)
{
    Editor editor;
    editor.Set(Field::Name, "  My Panel ");
    editor.Set(Field::Loops, "3");
    editor.Set(Field::Impedance, "0.125");  // 12.5 hundredths: halves go to even
    editor.Set(Field::LED, "12");
    editor.Set(Field::RemoteLED, "6");
    editor.Set(Field::Output, "40");
    editor.Set(Field::LoopCurrent, "450");
    editor.Set(Field::TotalCurrent, "900");
    editor.Set(Field::Voltage, "24.5");
    EXPECT_EQ(editor.OK(), Closed);
    EXPECT_TRUE(editor.host.boxes.empty());
    EXPECT_EQ(editor.pointer.shown, 1);
    EXPECT_EQ(editor.pointer.depth, 0);

    const int position = editor.Position("My Panel");
    ASSERT_EQ(position, 1);  // sorted in: Acme 2, My Panel, Site Panel...
    const PanelRecord& panel = editor.catalogue.Panels[static_cast<size_t>(position)];
    EXPECT_FALSE(panel.IsStandard);
    EXPECT_EQ(panel.Section, "Custom2");
    EXPECT_EQ(panel.Loops, 3);
    EXPECT_EQ(panel.DriverImpedance, 12);
    EXPECT_EQ(panel.MinLoopVoltage, 2450);
    EXPECT_EQ(editor.catalogue.UserDefinedPanelCount, 3);
    EXPECT_FALSE(editor.document.Dirty);

    const std::string file = editor.UserFile();
    EXPECT_NE(file.find("MaxCustom=3\r\n"), std::string::npos);
    EXPECT_NE(file.find("[Custom2]\r\nName=\"My Panel\"\r\nLoops=3\r\nDriverImpedance=12\r\nAlarmLEDs=12\r\n"
                        "RemoteLEDs=6\r\nOutputs=40\r\nMaxLoopCurrent=450\r\nMaxTotalCurrent=900\r\n"
                        "MinLoopVoltage=2450\r\n"),
              std::string::npos)
        << file;
    EXPECT_EQ(editor.NamesAfterRestart(), (Texts{"Acme 2", "My Panel", "Site Panel", "Spare Panel", "Unknown Panel"}));
}

TEST(PanelEditorCore, AnotherUserPanelIsUpdatedWithoutTouchingTheLoopCalculation)
{
    for (const std::string name : {"Spare Panel", "SPARE PANEL", "Reserve"}) {
        SCOPED_TRACE(name);
        Editor editor(PanelSite::SparePanel);
        editor.SelectCurrent("Site Panel");
        Recorder recorder;
        editor.document.AddObserver(&recorder);
        editor.Set(Field::Name, name);
        editor.Set(Field::Loops, "1");
        EXPECT_EQ(editor.OK(), Closed);
        EXPECT_TRUE(editor.host.boxes.empty());
        EXPECT_EQ(editor.catalogue.Panels[static_cast<size_t>(editor.Position(name))].Loops, 1);
        EXPECT_EQ(editor.catalogue.CurrentPanelRecord()->Name, "Site Panel");
        EXPECT_FALSE(editor.document.Dirty);
        EXPECT_TRUE(recorder.loops.empty());
        const Texts restart = editor.NamesAfterRestart();
        EXPECT_NE(std::find(restart.begin(), restart.end(), name), restart.end());
        editor.document.RemoveObserver(&recorder);
    }
}

TEST(PanelEditorCore, AFailedWriteIsToldAndTheDialogStays)
{
    Editor editor;
    // The user's data folder is taken by a file, so the panel file cannot be made.
    editor.folder.Write("blocked", "");
    editor.files.CustomPanelsFile = editor.folder.Path("blocked/CUSTPAN.DAT");
    EXPECT_EQ(editor.OK(), StayAt(Field::Name));
    EXPECT_EQ(editor.host.Texts(), Texts{"Unable to save the control panel to the configuration settings in '" +
                                         editor.files.CustomPanelsFile + "'."});
    EXPECT_EQ(editor.host.boxes[0].Style, Warning);
    EXPECT_EQ(editor.catalogue.Panels.size(), 4u);
    EXPECT_EQ(editor.catalogue.UserDefinedPanelCount, 2);
    EXPECT_EQ(editor.pointer.depth, 0);
}
