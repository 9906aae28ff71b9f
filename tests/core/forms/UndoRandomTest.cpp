// A few hundred random edits of a real site through the window cores (site
// name, control panel, power settings, loop editor sessions with their own
// undo and redo, cable layout OKs, saves), then every step undone and redone:
// at each step the document is the file a save would write then, and it is
// clean exactly at the step it was saved at.

#include "document/Document.h"
#include "document/DocumentEdits.h"
#include "document/DocumentWriter.h"
#include "forms/CableLayoutCore.h"
#include "forms/LoopEditorCore.h"
#include "forms/LoopParameters.h"
#include "forms/MainWindowCore.h"
#include "forms/PowerCore.h"
#include "support/BundledCatalogue.h"

#include <gtest/gtest.h>

#include <optional>
#include <random>

namespace {

struct UndoSite {
    BundledCatalogue bundle;
    Document document{bundle.catalogue, [] { return DateTime{2026, 12, 8, 9, 0, 0}; }};
    ScriptedMessageHost host;
    std::mt19937 random{11};
    // The file a save would write after each number of steps done.
    std::vector<std::string> texts;
    std::optional<size_t> savedAt;
    size_t lastDone = 0;

    int Draw(int n) { return static_cast<int>(random() % static_cast<unsigned>(n)); }
    std::string Text() const { return DocumentText(document, "en-GB"); }
    size_t Done() const { return document.History.Done(); }

    // After an action: a change is a new step (or, for a name typed on,
    // `merges` into the last one); anything else left the document as it was
    // at the step it is at.
    void Took(const std::string& what, bool merges = false)
    {
        SCOPED_TRACE(what);
        if (Done() != lastDone) {  // a new step: what could be redone is gone
            texts.resize(Done() + 1);
            if (savedAt && *savedAt > lastDone)
                savedAt.reset();
        } else if (!merges) {
            EXPECT_EQ(Text(), texts[Done()]) << "a change that is no step";
        }
        texts[Done()] = Text();
        lastDone = Done();
    }

    void ExpectAtStep(const std::string& what)
    {
        SCOPED_TRACE(what + " to step " + std::to_string(Done()));
        ASSERT_LT(Done(), texts.size());
        EXPECT_EQ(Text(), texts[Done()]);
        EXPECT_EQ(document.Dirty, savedAt != Done());
        lastDone = Done();
    }

    void EditLoop(int loop)
    {
        const std::string before = Text();
        LoopEditorCore editor(document, bundle.options, host, loop);
        editor.Activate();
        LoopParameters parameters(editor, bundle.options.Units());
        // The file after each of the editor's own steps.
        std::vector<std::string> steps{Text()};
        for (int edit = 0; edit < 8; ++edit) {
            const size_t rows = editor.DeviceRows().size();
            const size_t done = editor.History().Done();
            switch (Draw(9)) {
            case 0: case 1:
                if (rows > 0)
                    editor.CommitDeviceQuantity(static_cast<size_t>(Draw(static_cast<int>(rows))), Draw(12), true);
                break;
            case 2: editor.CommitOtherQuantity(static_cast<size_t>(Draw(static_cast<int>(editor.OtherRows().size()))), Draw(3), true); break;
            case 3: parameters.CommitTotalLength(std::to_string(Draw(900)), true); break;
            case 4: parameters.SetCalcType(static_cast<CalculationType>(Draw(3))); break;
            case 5: parameters.MoveSlider(static_cast<int16_t>(Draw(101))); break;
            case 6: editor.SetLoopName("Zone " + std::to_string(Draw(5))); break;
            case 7: {
                ScriptedMessageHost replacing;
                replacing.Answer(MsgResult::OK);
                CableLayoutCore layout(document, bundle.options.Units(), replacing, loop);
                layout.SpaceEvenly();
                LoopEditorCore::EditorState opened = editor.Snapshot();
                layout.Apply();
                editor.RecordStep(std::move(opened), LoopEditorCore::CableLayoutStep);
                break;
            }
            default:
                if (Draw(2) == 0) {
                    editor.Undo();
                } else {
                    editor.Redo();
                }
                EXPECT_EQ(Text(), steps[editor.History().Done()]) << "the editor's undo or redo";
                continue;
            }
            // A new step drops what could be redone; a merged one replaces the
            // last; a refusal leaves the document as it was.
            if (editor.History().Done() != done || editor.History().Size() == done)
                steps.resize(editor.History().Done() + 1);
            steps[editor.History().Done()] = Text();
        }
        if (Draw(4) == 0) {
            editor.Cancel();
            EXPECT_EQ(Text(), before) << "Cancel";
        } else {
            editor.Accept();
        }
        Took("loop editor on loop " + std::to_string(loop));
    }

    void RandomEdit(const std::string& savePath)
    {
        const int loops = bundle.catalogue.CurrentPanelRecord()->Loops;
        switch (Draw(10)) {
        case 0: MainWindowCore::SetSiteName(document, "Site " + std::to_string(Draw(4))); return Took("site name", true);
        case 1: {
            ScriptedMessageHost asked;  // whether loops or devices may go
            asked.Answer(Draw(2) == 0 ? MsgResult::Yes : MsgResult::Cancel);
            asked.Answer(Draw(2) == 0 ? MsgResult::Yes : MsgResult::Cancel);
            MainWindowCore::ChangePanel(document, bundle.catalogue, bundle.options, asked,
                                        Draw(static_cast<int>(bundle.catalogue.Panels.size())), false);
            return Took("control panel");
        }
        case 2: {
            PowerSettings settings = document.Power;
            settings.StandbyMinutes = 60 * (1 + Draw(72));
            ApplyPowerSettings(document, settings);
            return Took("power settings");
        }
        case 3:
            if (WriteDocument(document, savePath, "en-GB", host))
                savedAt = Done();
            return Took("save");
        case 4:
            if (UndoEdit(document, bundle.catalogue, bundle.options))
                ExpectAtStep("undo");
            return;
        case 5:
            if (RedoEdit(document, bundle.catalogue, bundle.options))
                ExpectAtStep("redo");
            return;
        default: return EditLoop(1 + Draw(loops));
        }
    }
};

}  // namespace

TEST(UndoRandom, EveryStepUndoneAndRedoneGivesBackTheFileOfThatStep)
{
    UndoSite site;
    ASSERT_EQ(site.bundle.Open(site.document, std::string(FERROLUX_EXAMPLES_DIR) + "/Harbour-Hotel.QLX"), OpenOutcome::Opened);
    site.savedAt = 0;
    site.texts = {site.Text()};
    const std::string savePath = site.bundle.folder.Path("saved.QLX");
    for (int edit = 0; edit < 120; ++edit)
        site.RandomEdit(savePath);
    ASSERT_GT(site.Done(), 40u);

    while (UndoEdit(site.document, site.bundle.catalogue, site.bundle.options))
        site.ExpectAtStep("undo all");
    EXPECT_EQ(site.Done(), 0u);
    while (RedoEdit(site.document, site.bundle.catalogue, site.bundle.options))
        site.ExpectAtStep("redo all");
    EXPECT_EQ(site.Done() + 1, site.texts.size());

    // Opening clears the history.
    ASSERT_EQ(site.bundle.Open(site.document, savePath), OpenOutcome::Opened);
    EXPECT_FALSE(site.document.History.CanUndo() || site.document.History.CanRedo());
}
