#include "forms/ProjectPropertiesCore.h"

#include "catalogues/Options.h"
#include "document/Document.h"
#include "document/DocumentEdits.h"
#include "platform/MessageHost.h"
#include "platform/SettingsStore.h"
#include "support/ScratchFolder.h"
#include "support/TestCatalogue.h"

#include <gtest/gtest.h>

// Each box refused on its own, with its message and the box to correct; the
// limits themselves pass.
TEST(ProjectPropertiesCore, EachBoxIsRefusedPastItsLimit)
{
    using F = ProjectPropertiesCore::Field;
    const struct {
        void (*spoil)(ProjectProperties&);
        std::optional<ProjectPropertiesCore::Refusal> refusal;
    } rows[] = {
        {[](ProjectProperties& p) { p.Number = std::string(201, 'x'); },
         {{F::Number, "The project number must be one line of at most 200 characters!"}}},
        {[](ProjectProperties& p) { p.RevisionDate = "12\nMarch"; },
         {{F::RevisionDate, "The revision date must be one line of at most 200 characters!"}}},
        {[](ProjectProperties& p) { p.CheckedBy = std::string(200, 'x'); }, std::nullopt},
        {[](ProjectProperties& p) {  // characters, not bytes
             for (int n = 0; n < 200; ++n)
                 p.Client += "\u20AC";
         },
         std::nullopt},
        {[](ProjectProperties& p) { p.Notes = std::string(998, 'n') + "\n"; }, std::nullopt},
        {[](ProjectProperties& p) { p.Notes = std::string(999, 'n') + "\\\n"; },
         {{F::Notes, "The notes are too long to be saved: shorten them by 3 characters!"}}},
        {[](ProjectProperties& p) { p.SpareRequired = 91; }, {{F::Spare, "A spare capacity between 0 and 90 % must be chosen!"}}},
        {[](ProjectProperties& p) { p.SpareRequired = -1; }, {{F::Spare, "A spare capacity between 0 and 90 % must be chosen!"}}},
        {[](ProjectProperties& p) { p.SpareRequired = 90; }, std::nullopt},
    };
    for (const auto& row : rows) {
        ProjectProperties typed;
        row.spoil(typed);
        EXPECT_EQ(ProjectPropertiesCore::Check(typed), row.refusal) << (row.refusal ? row.refusal->Message : "accepted");
    }
}

// OK stores the boxes as one step that Undo takes back; a refusal is shown
// and stores nothing; a read-only document takes nothing.
TEST(ProjectPropertiesCore, OKCommitsOneStepAndAReadOnlySiteNone)
{
    TestCatalogue catalogue;
    catalogue.AddCurrentPanel(PanelRecord{});
    Document document{catalogue};
    ScriptedMessageHost host;
    ProjectPropertiesCore core(document);
    ProjectProperties typed = core.Boxes();
    typed.Number = "P-7";
    typed.SpareRequired = 91;
    EXPECT_TRUE(core.OK(host, typed).has_value());
    EXPECT_EQ(host.boxes.size(), 1U);
    EXPECT_EQ(host.boxes.front().Style, MsgStyle::Exclamation);
    EXPECT_FALSE(core.MayDiscard(host, typed)) << "Keep Editing is the default";
    EXPECT_TRUE(document.Project.Empty());

    typed.SpareRequired = 20;
    EXPECT_EQ(core.OK(host, typed), std::nullopt);
    EXPECT_EQ(document.Project, typed);
    EXPECT_TRUE(document.Dirty);
    EXPECT_EQ(document.History.UndoName(), "Project Properties");
    EXPECT_EQ(core.OK(host, typed), std::nullopt);
    EXPECT_EQ(document.History.Size(), 1U) << "an OK that changes nothing is no step";
    ScratchFolder folder;
    SettingsStore store{folder.Path("settings.conf")};
    Options options{store};
    ASSERT_TRUE(UndoEdit(document, catalogue, options));
    EXPECT_TRUE(document.Project.Empty());

    document.ReadOnly = true;
    EXPECT_FALSE(core.Editable());
    EXPECT_EQ(core.OK(host, typed), std::nullopt);
    EXPECT_TRUE(document.Project.Empty());
    EXPECT_TRUE(core.MayDiscard(host, typed));
}
