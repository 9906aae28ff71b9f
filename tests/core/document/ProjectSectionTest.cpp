#include "document/ProjectSection.h"

#include "document/DocumentWriter.h"
#include "support/DocumentFixture.h"

#include <gtest/gtest.h>

// Every field survives a save and a read, whatever it holds: commas, quotes
// at either end, blanks, backslashes and notes of several lines.
TEST(ProjectSection, EveryFieldSurvivesASaveWithAwkwardText)
{
    DocumentFixture f;
    Document document = f.NewEmptyDocument();
    document.Project = {"\"P-1\", phase 2", " Harbour Estates, Ltd. ", "A. O'Neil \"Al\"", "B\\C", "C", "12/03/2026",
                        "Line one, \"quoted\"\n\\n is not a break\r\nlast line \\", 25};
    const std::string text = DocumentText(document, "0809");
    EXPECT_EQ(text.substr(text.find("[Project]")),
              "[Project]\r\nNumber=\"\"P-1\", phase 2\"\r\nClient=\" Harbour Estates, Ltd. \"\r\n"
              "Designer=\"A. O'Neil \"Al\"\"\r\nCheckedBy=\"B\\C\"\r\nRevision=\"C\"\r\nRevisionDate=\"12/03/2026\"\r\n"
              "Notes=\"Line one, \"quoted\"\\n\\\\n is not a break\\r\\nlast line \\\\\"\r\nSpareCapacityRequired=25\r\n");
    f.folder.Write("site.QLX", text);
    Document read = f.NewEmptyDocument();
    ASSERT_EQ(f.Read(read, f.folder.Path("site.QLX")).Outcome, ReadOutcome::Opened);
    EXPECT_EQ(read.Project, document.Project);
    EXPECT_TRUE(f.messages.Texts().empty());

    // Only the fields given are written; a backslash before anything else is itself.
    document.Project = {"P-2", {}, {}, {}, {}, {}, "C:\\Sites\\x", 0};
    const std::string one = DocumentText(document, "0809");
    EXPECT_EQ(one.substr(one.find("[Project]")), "[Project]\r\nNumber=\"P-2\"\r\nNotes=\"C:\\\\Sites\\\\x\"\r\n");
    EXPECT_EQ(UnescapedNotes("C:\\Sites\\x"), "C:\\Sites\\x");
}

// A file without the section, as every older one, opens with no project and
// saves byte for byte as it was.
TEST(ProjectSection, AFileWithoutItReadsAndSavesAsBefore)
{
    DocumentFixture f;
    const std::string before = DocumentText(f.NewEmptyDocument(), "0809");
    ASSERT_EQ(before.find("[Project]"), std::string::npos);
    f.folder.Write("old.QLX", before);
    Document read = f.NewEmptyDocument();
    ASSERT_EQ(f.Read(read, f.folder.Path("old.QLX")).Outcome, ReadOutcome::Opened);
    EXPECT_TRUE(read.Project.Empty());
    EXPECT_EQ(DocumentText(read, "0809"), before);
}

// A refused value gets its message and is left empty; the rest is read.
// The longest of each is taken.
TEST(ProjectSection, RefusedValuesAreToldAndTheRestIsRead)
{
    const std::string longest(ProjectLimits::LongestField, 'x');
    const std::string notes(ProjectLimits::LongestNotes, 'n');
    DocumentFixture f;
    const std::string path = f.WriteVersion1File("project.QLX", "[Project]\r\nNumber=\"" + longest + "\"\r\nClient=\"" + longest +
                                                                    "x\"\r\nRevision=B\r\nNotes=" + notes +
                                                                    "n\r\nSpareCapacityRequired=91\r\n");
    Document document = f.NewEmptyDocument();
    ASSERT_EQ(f.Read(document, path).Outcome, ReadOutcome::Opened);
    ProjectProperties read;
    read.Number = longest;
    read.Revision = "B";
    EXPECT_EQ(document.Project, read);
    EXPECT_EQ(f.messages.Texts(), (std::vector<std::string>{
                                      "The client of the project is longer than 200 characters; it is left empty.",
                                      "The notes of the project are longer than 1000 characters; they are left empty.",
                                      "Invalid numeric value for spare capacity required"}));

    const std::string kept = f.WriteVersion1File("kept.QLX", "[Project]\r\nNotes=" + notes + "\r\nSpareCapacityRequired=90\r\n");
    ASSERT_EQ(f.Read(document, kept).Outcome, ReadOutcome::Opened);
    EXPECT_EQ(document.Project.Notes, notes);
    EXPECT_EQ(document.Project.SpareRequired, 90);
}
