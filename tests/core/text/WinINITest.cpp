#include "text/WinINI.h"

#include "support/LinearProfileReader.h"
#include "support/ScratchFolder.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <tuple>

TEST(WinINI, ReadsValuesAsTheProfileFunctionsDo)
{
    ScratchFolder folder;
    std::string accented(1000, 'x');
    for (int i = 0; i < 30; ++i)
        accented += "\xC3\xA9";  // two bytes, one character
    const std::string file = folder.Write("QuellarCables.dat",
                                          "; cable catalogue\r\nOrphan=before any section\r\n[Cables]\r\n"
                                          "  Cable1 =  1.5mm, 1210  \r\nName=\"  Loop one  \"\r\n"
                                          "Half=\"only a leading quote\r\nEmpty=\"\"\r\n;Cable2=commented out\r\n"
                                          "Formula=a=b\r\nno equals sign\r\nLong=" + std::string(1500, 'a') +
                                          "\r\nAccented=" + accented + "\r\n[ Other ]\nKey=lf line end\n"
                                          "[cables]\r\nCable1=repeated section is not read\r\nMore=x\r\n");
    const std::tuple<const char*, const char*, std::string> cases[] = {  // section, key, value
        {"CABLES", "cable1", "1.5mm, 1210"},
        {"Cables", "Name", "  Loop one  "},
        {"Cables", "Half", "\"only a leading quote"},
        {"Cables", "no equals sign", ""},
        {"Cables", "Long", std::string(1023, 'a')},
        {"Cables", "Accented", accented.substr(0, 1000 + 23 * 2)},
        {"Other", "Key", "lf line end"},
    };
    // The cache, and a reader that scans the file for every key the way the
    // desktop's profile functions do, answer alike.
    WinINI::ProfileCache cache;
    RereadingProfileReader rereading;
    for (WinINI::ProfileReader* reader : std::initializer_list<WinINI::ProfileReader*>{&cache, &rereading})
        for (const auto& [section, key, value] : cases)
            EXPECT_EQ(reader->ReadKey(file, section, key), value) << section << "/" << key;
}

// A write replaces the key's line or appends to its section (or a new one at
// the end); every line is rewritten with CR LF. What is absent is not written.
TEST(WinINI, WritesReplaceOrAppendAndDeletesRemove)
{
    ScratchFolder folder;
    const std::string file = folder.Write("site.QLX", "; Loop Calculation\n[Dralon]\nDataFormat=1\n\n"
                                                      "[Loop1]\nCableTotal = 100\n");
    const auto before = FileSystem::Stamp(file);
    EXPECT_TRUE(WinINI::DeleteProfileKey(file, "Loop9", "CableTotal"));
    EXPECT_TRUE(WinINI::WriteOrDeleteProfileKey(file, "Loop1", "DeviceBetween3", ""));
    EXPECT_TRUE(WinINI::WriteProfileKey(file, "DRALON", "dataformat", "1"));  // the same line again
    EXPECT_EQ(FileSystem::Stamp(file), before);

    ASSERT_TRUE(WinINI::WriteProfileKey(file, "dralon", "SiteName", "\"  Depot  \""));
    ASSERT_TRUE(WinINI::WriteProfileKey(file, "Loop2", "Calculation", "1"));
    ASSERT_TRUE(WinINI::WriteProfileKey(file, "LOOP1", "cabletotal", "250"));
    ASSERT_TRUE(WinINI::WriteProfileKey(file, "Loop1", "CableFirst", "12"));
    EXPECT_EQ(folder.Read("site.QLX"), "; Loop Calculation\r\n[Dralon]\r\nDataFormat=1\r\nSiteName=\"  Depot  \"\r\n"
                                       "\r\n[Loop1]\r\nCableTotal=250\r\nCableFirst=12\r\n[Loop2]\r\nCalculation=1\r\n");

    ASSERT_TRUE(WinINI::DeleteProfileKey(file, "LOOP1", "CABLETOTAL"));
    ASSERT_TRUE(WinINI::DeleteProfileSection(file, "dralon"));
    ASSERT_TRUE(WinINI::WriteOrDeleteProfileKey(file, "Loop2", "Calculation", "\"\""));
    EXPECT_EQ(folder.Read("site.QLX"), "; Loop Calculation\r\n[Loop1]\r\nCableFirst=12\r\n[Loop2]\r\n");
    EXPECT_TRUE(WinINI::DeleteProfileSection(folder.Path("none.QLX"), "Loop1"));  // nothing to delete: no file made
    EXPECT_EQ(folder.Listing(), "site.QLX;");
}

// During a pass a file is checked against the disk once; outside it, a
// change made outside is seen, and a write builds on the file as it is now.
TEST(WinINI, TheCacheChecksTheDiskOncePerPassAndSurvivesAFailedWrite)
{
    ScratchFolder folder;
    const std::string file = folder.Write("site.QLX", "[Dralon]\nSiteName=Harbour\n");
    const std::string missing = folder.Path("missing.QLX");
    WinINI::ProfileCache cache;
    {
        const WinINI::ProfileCache::Pass pass(cache);
        EXPECT_EQ(cache.ReadKey(file, "Dralon", "SiteName"), "Harbour");
        folder.Write("site.QLX", "[Dralon]\nSiteName=Changed outside\n");
        EXPECT_EQ(cache.ReadKey(file, "dralon", "sitename"), "Harbour");
        ASSERT_TRUE(cache.WriteKey(missing, "Dralon", "DataFormat", "1"));
        EXPECT_EQ(cache.ReadKey(missing, "Dralon", "DataFormat"), "1");
    }
    EXPECT_EQ(cache.ReadKey(file, "Dralon", "SiteName"), "Changed outside");
    folder.Write("site.QLX", "[Dralon]\nSiteName=Charlie\n");
    ASSERT_TRUE(cache.WriteKey(file, "Dralon", "Units", "3"));
    EXPECT_EQ(folder.Read("site.QLX"), "[Dralon]\r\nSiteName=Charlie\r\nUnits=3\r\n");

    // A failed write leaves the file and the cache as they were.
    const std::string original = "[Panel1]\r\nName=\"Old panel\"\r\nLoops=2\r\n";
    const std::string panels = folder.Write("CUSTPAN.DAT", original);
    WinINI::ProfileCache failing([](FileSystem::WriteStep step) { return step == FileSystem::WriteStep::WriteBytes; });
    EXPECT_EQ(failing.ReadKey(panels, "Panel1", "Loops"), "2");
    EXPECT_FALSE(failing.WriteKey(panels, "Panel1", "Loops", "4"));
    EXPECT_FALSE(failing.WriteKey(panels, "Panel2", "Name", "\"New\""));
    EXPECT_FALSE(failing.DeleteSection(panels, "Panel1"));
    EXPECT_EQ(folder.Read("CUSTPAN.DAT"), original);
    EXPECT_EQ(failing.ReadKey(panels, "Panel1", "Loops"), "2");
    EXPECT_EQ(failing.ReadKey(panels, "Panel2", "Name"), "");
}
