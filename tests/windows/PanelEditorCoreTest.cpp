#include "windows/PanelEditorCore.h"

#include "calculation/CalculationSupport.h"
#include "windows/PanelSite.h"

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
        PanelEditorCore core(site.Services());
        EXPECT_FALSE(core.Open(panelNum));
        ASSERT_EQ(site.host.boxes.size(), 1u);
        EXPECT_EQ(site.host.boxes[0].Text, "Internal error: invalid control panel");
        EXPECT_EQ(site.host.boxes[0].Style, Warning);
        EXPECT_EQ(site.host.boxes[0].Caption, "Harvex Ferrolux");
    }
}

TEST(PanelEditorCore, KeysTheBoxesTakeAndWhereEnterGoes)
{
    struct Case {
        Field box;
        char32_t key;
        KeyAction action;
    };
    for (const Case& c : {
             Case{Field::Name, U'x', KeyAction::Accept},     Case{Field::Name, U',', KeyAction::Accept},
             Case{Field::Name, U'\r', KeyAction::NextBox},   Case{Field::Loops, U'7', KeyAction::Accept},
             Case{Field::Loops, U'\b', KeyAction::Accept},   Case{Field::Loops, U'\r', KeyAction::NextBox},
             Case{Field::Loops, U'.', KeyAction::Refuse},    Case{Field::Loops, U'x', KeyAction::Refuse},
             Case{Field::LED, U'-', KeyAction::Refuse},      Case{Field::LED, U' ', KeyAction::Refuse},
             Case{Field::LED, U'\u00B2', KeyAction::Refuse}, Case{Field::Impedance, U'.', KeyAction::Accept},
             Case{Field::Voltage, U'.', KeyAction::Accept},  Case{Field::Voltage, U',', KeyAction::Refuse},
             Case{Field::TotalCurrent, U'.', KeyAction::Refuse},
         }) {
        EXPECT_EQ(PanelEditorCore::KeyPressed(c.box, c.key), c.action)
            << static_cast<int>(c.box) << " " << static_cast<uint32_t>(c.key);
    }

    std::vector<Field> order{Field::Name};
    while (order.back() != Field::OKButton)
        order.push_back(PanelEditorCore::NextField(order.back()));
    EXPECT_EQ(order, (std::vector<Field>{Field::Name, Field::Loops, Field::Impedance, Field::LED, Field::RemoteLED,
                                         Field::Output, Field::LoopCurrent, Field::TotalCurrent, Field::Voltage,
                                         Field::OKButton}));
}

TEST(PanelEditorCore, EachWrongBoxIsToldAndNothingIsStored)
{
    struct Case {
        Field box;
        std::string text;
        std::string message;
    };
    const std::string unnamed = "A panel name has not been chosen!";
    const std::string taken = "Each control panel must have unique name.\n\nThere is already a control panel with this name!";
    const std::string loops = "A Number of Loops between 1 and 8 must be chosen!";
    const std::string impedance = "A Loop Driver Impedance between 0 and 320 ohms must be chosen!";
    const std::string leds = "A maximum Number of LED's in alarm between 1 and 126 (normally not more than 20) must be chosen!";
    const std::string loopCurrent = "A maximum Loop Current between 1 and 10000 mA must be chosen!";
    const std::string voltage = "A minimum Loop Driver Voltage between 14 and 36 V must be chosen!";
    for (const Case& c : {
             Case{Field::Name, "Choose a unique name", unnamed},
             Case{Field::Name, "  Choose a unique name ", unnamed},
             Case{Field::Name, "   ", unnamed},
             Case{Field::Name, "acme 2", taken},
             Case{Field::Name, " UNKNOWN PANEL", taken},
             Case{Field::Name, "site panel", taken},
             Case{Field::Loops, "", loops},
             Case{Field::Loops, "0", loops},
             Case{Field::Loops, "9", loops},
             Case{Field::Loops, "x", loops},
             Case{Field::Impedance, "", impedance},
             Case{Field::Impedance, "320.01", impedance},
             Case{Field::LED, "0", leds},
             Case{Field::LED, "127", leds},
             Case{Field::RemoteLED, "127", "A maximum Number of Remote LED's in alarm between 1 and 126 must be chosen!"},
             Case{Field::Output, "0", "A maximum Number of Outputs in alarm between 1 and 126 must be chosen!"},
             Case{Field::Output, "", "A maximum Number of Outputs in alarm between 1 and 126 must be chosen!"},
             Case{Field::LoopCurrent, "0", loopCurrent},
             Case{Field::LoopCurrent, "10001", loopCurrent},
             Case{Field::TotalCurrent, "32001", "A total maximum Loop Current between 1 and 32000 mA must be chosen!"},
             Case{Field::Voltage, "13.99", voltage},
             Case{Field::Voltage, "36.01", voltage},
             Case{Field::Voltage, "", voltage},
         }) {
        SCOPED_TRACE(c.text);
        Editor editor;
        const std::string fileBefore = editor.UserFile();
        editor.Set(c.box, c.text);
        // A later wrong box is not reached.
        if (c.box != Field::Voltage)
            editor.Set(Field::Voltage, "99");
        EXPECT_EQ(editor.OK(), StayAt(c.box));
        EXPECT_EQ(editor.host.Texts(), Texts{c.message});
        EXPECT_EQ(editor.host.boxes[0].Style, Warning);
        EXPECT_EQ(editor.host.boxes[0].Caption, "Harvex Ferrolux");
        EXPECT_EQ(editor.catalogue.Panels.size(), 4u);
        EXPECT_EQ(editor.catalogue.UserDefinedPanelCount, 2);
        EXPECT_EQ(editor.UserFile(), fileBefore);
        EXPECT_EQ(editor.pointer.shown, 0);
    }
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

TEST(PanelEditorCore, LowImpedanceAndManyLEDsAreQuestioned)
{
    struct Case {
        Field box;
        std::string text;
        bool asks;
    };
    for (const Case& c : {Case{Field::Impedance, "0", true}, Case{Field::Impedance, "0.009", true},
                          Case{Field::Impedance, "0.01", false}, Case{Field::LED, "21", true},
                          Case{Field::LED, "20", false}}) {
        for (const int answer : {MsgResult::Cancel, MsgResult::Yes}) {
            SCOPED_TRACE(c.text + " answered " + std::to_string(answer));
            Editor editor;
            editor.Set(c.box, c.text);
            editor.host.Answer(answer);
            const bool stored = !c.asks || answer == MsgResult::Yes;
            EXPECT_EQ(editor.OK(), stored ? Closed : StayAt(c.box));
            EXPECT_EQ(editor.host.boxes.size(), c.asks ? 1u : 0u);
            if (c.asks) {
                EXPECT_EQ(editor.host.boxes[0].Text, c.box == Field::Impedance
                                                         ? "Is the Loop Driver Impedance really this low?"
                                                         : "Can this panel really turn on more than 20 LED's?");
                EXPECT_EQ(editor.host.boxes[0].Style, Question);
            }
            const int position = editor.Position("My Panel");
            EXPECT_EQ(position >= 0, stored);
            if (stored && c.text == "0") {
                EXPECT_EQ(editor.catalogue.Panels[static_cast<size_t>(position)].DriverImpedance, 0);
            }
        }
    }
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

TEST(PanelEditorCore, TheCurrentPanelAsksBeforeLoopsAreLostThenRecalculates)
{
    Editor editor(PanelSite::SitePanel);
    editor.SelectCurrent("Site Panel");
    for (const int loop : {1, 3, 4}) {
        editor.Fill(loop, 10);  // 10 detectors: 50 mA in alarm
        editor.document.Loop(loop).SetMaxOutput(32);
    }
    CalculationSupport::RecalculateAll(editor.document);
    ASSERT_TRUE(editor.document.Loop(1).DesignIsSatisfactory());
    Recorder recorder;
    editor.document.AddObserver(&recorder);

    editor.Set(Field::Name, "Site Panel Mk2");
    editor.Set(Field::Loops, "2");
    editor.Set(Field::Output, "5");
    editor.Set(Field::LoopCurrent, "40");
    const std::string question = "Changing to this panel will lose data for loops 3 to 4.";

    // Cancel: the panel and the loops stay; only the outputs stay clamped.
    editor.host.Answer(MsgResult::Cancel);
    EXPECT_EQ(editor.OK(), StayAt(Field::Loops));
    EXPECT_EQ(editor.host.Texts(), Texts{question});
    EXPECT_EQ(editor.host.boxes[0].Style, MsgStyle::OKCancel + MsgStyle::Information);
    EXPECT_EQ(editor.host.boxes[0].Caption, "Control Panel change");
    EXPECT_EQ(editor.catalogue.CurrentPanelRecord()->Name, "Site Panel");
    EXPECT_EQ(editor.catalogue.CurrentPanelRecord()->Loops, 4);
    EXPECT_EQ(editor.document.Loop(4).DeviceType(1), editor.detector);
    EXPECT_EQ(editor.document.Loop(1).MaxOutput(), 5);
    EXPECT_FALSE(editor.document.Dirty);
    EXPECT_TRUE(recorder.loops.empty());
    EXPECT_EQ(editor.pointer.shown, 0);

    // OK: loops 3 and 4 are emptied, the panel is stored and every loop is
    // calculated against it.
    editor.host.Answer(MsgResult::OK);
    EXPECT_EQ(editor.OK(), Closed);
    EXPECT_EQ(editor.host.Texts(), (Texts{question, question}));
    const PanelRecord* current = editor.catalogue.CurrentPanelRecord();
    ASSERT_NE(current, nullptr);
    EXPECT_EQ(current->Name, "Site Panel Mk2");
    EXPECT_EQ(current->Loops, 2);
    EXPECT_EQ(editor.document.Loop(3).DeviceType(1), 0);
    EXPECT_EQ(editor.document.Loop(4).DeviceType(1), 0);
    EXPECT_EQ(editor.document.Loop(1).DeviceType(1), editor.detector);
    EXPECT_TRUE(editor.document.Dirty);
    EXPECT_EQ(recorder.loops, (std::vector<int>{1, 2, 3, 4, 5, 6, 7, 8}));
    EXPECT_FALSE(editor.document.Loop(1).DesignIsSatisfactory());  // 50 mA against 40 mA
    EXPECT_EQ(editor.options.GetSettingString("LastPanel"), "Site Panel Mk2");
    EXPECT_EQ(editor.pointer.shown, 1);
    EXPECT_EQ(editor.pointer.depth, 0);
    editor.document.RemoveObserver(&recorder);
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
