#include "cli/CalcFiles.h"

#include "support/ScratchFolder.h"

#include <gtest/gtest.h>

// A folder gives its ".QLX" files and those of its subfolders, the extension
// in any case, in name order; a file is kept as given, found or not.
TEST(CalcFiles, FoldersGiveTheirQlxFilesInNameOrder)
{
    ScratchFolder folder;
    for (const char* name : {"sites/b.qlx", "sites/A.QLX", "sites/sub/c.Qlx", "sites/notes.txt", "sites/QLX", "empty/x.bak"})
        folder.Write(name, "");
    const std::string sites = folder.Path("sites"), empty = folder.Path("empty");

    const CalcFileList list = ListCalcFiles({"missing.QLX", sites, empty});
    EXPECT_EQ(list.Files, (std::vector<CalcFile>{{"missing.QLX", ""}, {sites + "/A.QLX", ""}, {sites + "/b.qlx", ""},
                                                 {sites + "/sub/c.Qlx", ""}}));
    EXPECT_EQ(list.Problems, std::vector<std::string>{"no .QLX file in the folder '" + empty + "'"});
    EXPECT_TRUE(ManyFiles({sites}));
    EXPECT_FALSE(ManyFiles({sites + "/A.QLX"}));
}
