#include "text/WinINI.h"

#include "support/LinearProfileReader.h"
#include "support/ScratchFolder.h"

#include <gtest/gtest.h>

#include <initializer_list>

TEST(WinINI, ReadsValuesAsTheProfileFunctionsDo)
{
    ScratchFolder folder;
    const std::string file = folder.Write("QuellarCables.dat",
                                          "; cable catalogue\r\n"
                                          "Orphan=before any section\r\n"
                                          "[Cables]\r\n"
                                          "  Cable1 =  1.5mm, 1210  \r\n"
                                          "Name=\"  Loop one  \"\r\n"
                                          "Half=\"only a leading quote\r\n"
                                          "Empty=\"\"\r\n"
                                          ";Cable2=commented out\r\n"
                                          "Formula=a=b\r\n"
                                          "no equals sign\r\n"
                                          "[ Other ]\n"
                                          "Key=lf line end\n"
                                          "[cables]\r\n"
                                          "Cable1=repeated section is not read\r\n");
    const struct {
        const char* section;
        const char* key;
        const char* value;
    } cases[] = {
        {"Cables", "Cable1", "1.5mm, 1210"},
        {"CABLES", "cable1", "1.5mm, 1210"},
        {"Cables", "Name", "  Loop one  "},
        {"Cables", "Half", "\"only a leading quote"},
        {"Cables", "Empty", ""},
        {"Cables", "Cable2", ""},
        {"Cables", ";Cable2", ""},
        {"Cables", "Formula", "a=b"},
        {"Cables", "no equals sign", ""},
        {"Other", "Key", "lf line end"},
        {"", "Orphan", ""},
        {"Missing", "Cable1", ""},
    };
    // The cache, and a reader that scans the file for every key the way the
    // desktop's profile functions do, answer alike.
    WinINI::ProfileCache cache;
    RereadingProfileReader rereading;
    for (WinINI::ProfileReader* reader : std::initializer_list<WinINI::ProfileReader*>{&cache, &rereading}) {
        for (const auto& c : cases)
            EXPECT_EQ(reader->ReadKey(file, c.section, c.key), c.value) << c.section << "/" << c.key;
        EXPECT_EQ(reader->ReadKey(folder.Path("missing.dat"), "Cables", "Cable1"), "");
    }
}

// During a pass a file is checked against the disk once, so that a pass
// reading many keys stats the file once; writes through the cache are seen,
// and once the pass ends an outside change is seen again.
TEST(WinINI, APassChecksEachFileOnce)
{
    ScratchFolder folder;
    const std::string file = folder.Write("site.QLX", "[Dralon]\nSiteName=Harbour\n");
    const std::string missing = folder.Path("missing.QLX");
    WinINI::ProfileCache cache;
    {
        const WinINI::ProfileCache::Pass pass(cache);
        EXPECT_EQ(cache.ReadKey(file, "Dralon", "SiteName"), "Harbour");
        EXPECT_EQ(cache.ReadKey(missing, "Dralon", "SiteName"), "");
        folder.Write("site.QLX", "[Dralon]\nSiteName=Changed outside\n");
        EXPECT_EQ(cache.ReadKey(file, "dralon", "sitename"), "Harbour");
        ASSERT_TRUE(cache.WriteKey(missing, "Dralon", "DataFormat", "1"));
        EXPECT_EQ(cache.ReadKey(missing, "Dralon", "DataFormat"), "1");
    }
    EXPECT_EQ(cache.ReadKey(file, "Dralon", "SiteName"), "Changed outside");
}

TEST(WinINI, LongValuesAreCutTo1023Characters)
{
    ScratchFolder folder;
    const std::string file = folder.Path("long.ini");
    ASSERT_TRUE(WinINI::WriteProfileKey(file, "S", "Ascii", std::string(1500, 'a')));
    std::string accented(1000, 'x');
    for (int i = 0; i < 30; ++i)
        accented += "\xC3\xA9";  // two bytes, one character
    ASSERT_TRUE(WinINI::WriteProfileKey(file, "S", "Accented", accented));
    EXPECT_EQ(WinINI::ReadProfileKey(file, "S", "Ascii"), std::string(1023, 'a'));
    EXPECT_EQ(WinINI::ReadProfileKey(file, "S", "Accented"), accented.substr(0, 1000 + 23 * 2));
}

TEST(WinINI, WritesLandWhereTheDocumentFormatExpects)
{
    ScratchFolder folder;
    const std::string file = folder.Write("site.QLX",
                                          "; Loop Calculation\n"
                                          "[Dralon]\n"
                                          "DataFormat=1\n"
                                          "\n"
                                          "[Loop1]\n"
                                          "CableTotal = 100\n");
    ASSERT_TRUE(WinINI::WriteProfileKey(file, "dralon", "SiteName", "\"  Depot  \""));
    ASSERT_TRUE(WinINI::WriteProfileKey(file, "Loop2", "Calculation", "1"));
    ASSERT_TRUE(WinINI::WriteProfileKey(file, "LOOP1", "cabletotal", "250"));
    ASSERT_TRUE(WinINI::WriteProfileKey(file, "Loop1", "CableFirst", "12"));
    EXPECT_EQ(folder.Read("site.QLX"),
              "; Loop Calculation\r\n"
              "[Dralon]\r\n"
              "DataFormat=1\r\n"
              "SiteName=\"  Depot  \"\r\n"
              "\r\n"
              "[Loop1]\r\n"
              "CableTotal=250\r\n"
              "CableFirst=12\r\n"
              "[Loop2]\r\n"
              "Calculation=1\r\n");
    EXPECT_EQ(WinINI::ReadProfileKey(file, "Dralon", "SiteName"), "  Depot  ");

    ASSERT_TRUE(WinINI::DeleteProfileKey(file, "LOOP1", "CABLETOTAL"));
    ASSERT_TRUE(WinINI::DeleteProfileSection(file, "dralon"));
    ASSERT_TRUE(WinINI::WriteOrDeleteProfileKey(file, "Loop2", "Calculation", "\"\""));
    EXPECT_EQ(folder.Read("site.QLX"),
              "; Loop Calculation\r\n"
              "[Loop1]\r\n"
              "CableFirst=12\r\n"
              "[Loop2]\r\n");
    EXPECT_EQ(WinINI::ReadProfileKey(file, "Dralon", "DataFormat"), "");
}

TEST(WinINI, DeletingWhatIsAbsentChangesNothing)
{
    ScratchFolder folder;
    const std::string file = folder.Write("site.QLX", "[Loop1]\nName=\"A\"\n");
    const auto before = FileSystem::Stamp(file);
    EXPECT_TRUE(WinINI::DeleteProfileKey(file, "Loop1", "Device4"));
    EXPECT_TRUE(WinINI::DeleteProfileKey(file, "Loop9", "Name"));
    EXPECT_TRUE(WinINI::DeleteProfileSection(file, "CustomDevice"));
    EXPECT_TRUE(WinINI::WriteOrDeleteProfileKey(file, "Loop1", "DeviceBetween3", ""));
    EXPECT_TRUE(WinINI::WriteProfileKey(file, "Loop1", "Name", "\"A\""));  // the same line again
    EXPECT_EQ(FileSystem::Stamp(file), before);
    EXPECT_EQ(folder.Read("site.QLX"), "[Loop1]\nName=\"A\"\n");

    EXPECT_TRUE(WinINI::DeleteProfileSection(folder.Path("none.QLX"), "Loop1"));
    EXPECT_EQ(folder.Listing(), "site.QLX;");
}

TEST(WinINI, AFailedWriteLeavesTheWholeOldFile)
{
    ScratchFolder folder;
    const std::string original = "[Panel1]\r\nName=\"Old panel\"\r\nLoops=2\r\n";
    const std::string file = folder.Write("CUSTPAN.DAT", original);
    WinINI::ProfileCache failing([](FileSystem::WriteStep step) { return step == FileSystem::WriteStep::WriteBytes; });

    EXPECT_EQ(failing.ReadKey(file, "Panel1", "Loops"), "2");
    EXPECT_FALSE(failing.WriteKey(file, "Panel1", "Loops", "4"));
    EXPECT_FALSE(failing.WriteKey(file, "Panel2", "Name", "\"New\""));
    EXPECT_FALSE(failing.DeleteKey(file, "Panel1", "Name"));
    EXPECT_FALSE(failing.DeleteSection(file, "Panel1"));
    EXPECT_EQ(folder.Read("CUSTPAN.DAT"), original);
    EXPECT_EQ(folder.Listing(), "CUSTPAN.DAT;");
    EXPECT_EQ(failing.ReadKey(file, "Panel1", "Loops"), "2");
    EXPECT_EQ(failing.ReadKey(file, "Panel2", "Name"), "");
}

TEST(WinINI, TheCacheSeesAChangeMadeOutside)
{
    ScratchFolder folder;
    const std::string file = folder.Write("QuellarStdPanels.dat", "[Manufacturer1]\nName=Alpha\n");
    WinINI::ProfileCache cache;
    EXPECT_EQ(cache.ReadKey(file, "Manufacturer1", "Name"), "Alpha");
    folder.Write("QuellarStdPanels.dat", "[Manufacturer1]\nName=Bravo Systems\n");
    EXPECT_EQ(cache.ReadKey(file, "Manufacturer1", "Name"), "Bravo Systems");
    std::filesystem::remove(file);
    EXPECT_EQ(cache.ReadKey(file, "Manufacturer1", "Name"), "");
    // A write after an outside change builds on the file as it is now.
    folder.Write("QuellarStdPanels.dat", "[Manufacturer1]\nName=Charlie\n");
    ASSERT_TRUE(cache.WriteKey(file, "Manufacturer1", "Panels", "3"));
    EXPECT_EQ(folder.Read("QuellarStdPanels.dat"), "[Manufacturer1]\r\nName=Charlie\r\nPanels=3\r\n");
}

TEST(WinINI, OldCodePageFilesAreReadAndRewrittenAsUtf8)
{
    ScratchFolder folder;
    const std::string file = folder.Write("QUELLAR.INI", "[Quellar]\r\nLastPanel=Caf\xE9 \x80\r\n");
    EXPECT_EQ(WinINI::ReadProfileKey(file, "Quellar", "LastPanel"), "Caf\xC3\xA9 \xE2\x82\xAC");
    ASSERT_TRUE(WinINI::WriteProfileKey(file, "Quellar", "Units", "1"));
    EXPECT_EQ(folder.Read("QUELLAR.INI"), "[Quellar]\r\nLastPanel=Caf\xC3\xA9 \xE2\x82\xAC\r\nUnits=1\r\n");
    EXPECT_EQ(WinINI::ReadWinIniKey("intl", "iMeasure"), "");
}
