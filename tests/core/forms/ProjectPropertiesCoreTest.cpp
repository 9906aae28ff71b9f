#include "forms/ProjectPropertiesCore.h"

#include "document/Document.h"
#include "platform/MessageHost.h"
#include "support/TestCatalogue.h"

#include <gtest/gtest.h>

// Each box refused on its own, with its message and the box to correct; the
// limits themselves pass, counted in characters, not bytes.
TEST(ProjectPropertiesCore, EachBoxIsRefusedPastItsLimit)
{
    using F = ProjectPropertiesCore::Field;
    std::string euros;
    for (int n = 0; n < 200; ++n)
        euros += "\u20AC";
    const struct {
        std::string ProjectProperties::*field;
        std::string text;
        int32_t spare;
        std::optional<ProjectPropertiesCore::Refusal> refusal;
    } rows[] = {
        {&ProjectProperties::Number, std::string(201, 'x'), 0, {{F::Number, "The project number must be one line of at most 200 characters!"}}},
        {&ProjectProperties::RevisionDate, "12\nMarch", 0, {{F::RevisionDate, "The revision date must be one line of at most 200 characters!"}}},
        {&ProjectProperties::CheckedBy, euros, 90, std::nullopt},
        {&ProjectProperties::Notes, std::string(998, 'n') + "\n", 0, std::nullopt},
        {&ProjectProperties::Notes, std::string(999, 'n') + "\\\n", 0,
         {{F::Notes, "The notes are too long to be saved: shorten them by 3 characters!"}}},
        {&ProjectProperties::Client, "", 91, {{F::Spare, "A spare capacity between 0 and 90 % must be chosen!"}}},
        {&ProjectProperties::Client, "", -1, {{F::Spare, "A spare capacity between 0 and 90 % must be chosen!"}}},
    };
    for (const auto& row : rows) {
        ProjectProperties typed;
        typed.*row.field = row.text;
        typed.SpareRequired = row.spare;
        EXPECT_EQ(ProjectPropertiesCore::Check(typed), row.refusal) << (row.refusal ? row.refusal->Message : "accepted");
    }
}

// OK stores the boxes as one step; a refusal is shown and stores nothing; a
// read-only document takes nothing.
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

    document.ReadOnly = true;
    typed.Number = "P-8";
    EXPECT_EQ(core.OK(host, typed), std::nullopt);
    EXPECT_EQ(document.Project.Number, "P-7");
    EXPECT_TRUE(core.MayDiscard(host, typed));
}
