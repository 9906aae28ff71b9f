#include "platform/RecentlyUsed.h"

#include "support/ScratchFolder.h"

#include <gtest/gtest.h>

namespace {

size_t Count(const std::string& text, const std::string& piece)
{
    size_t count = 0;
    for (size_t at = text.find(piece); at != std::string::npos; at = text.find(piece, at + 1))
        ++count;
    return count;
}

}  // namespace

TEST(RecentlyUsed, AFileIsListedOnceAndMarkedUsedAgain)
{
    ScratchFolder folder;
    const std::string list = folder.Path("recently-used.xbel");
    RecentlyUsed::AddFile(list, "/home/me/Harbour Stores.QLX", "Harvex Ferrolux", "ferrolux %f",
                          "2026-01-02T03:04:05.000000Z");
    RecentlyUsed::AddFile(list, "/home/me/Depot.QLX", "Harvex Ferrolux", "ferrolux %f",
                          "2026-01-02T03:04:06.000000Z");
    RecentlyUsed::AddFile(list, "/home/me/Harbour Stores.QLX", "Harvex Ferrolux", "ferrolux %f",
                          "2026-02-02T00:00:00.000000Z");

    const std::string text = folder.Read("recently-used.xbel");
    EXPECT_EQ(text.rfind("<?xml", 0), 0u);
    EXPECT_EQ(Count(text, "<bookmark href=\"file:///home/me/Harbour%20Stores.QLX\""), 1u);
    EXPECT_EQ(Count(text, "<bookmark href=\"file:///home/me/Depot.QLX\""), 1u);
    EXPECT_NE(text.find("added=\"2026-01-02T03:04:05.000000Z\" modified=\"2026-02-02T00:00:00.000000Z\" "
                        "visited=\"2026-02-02T00:00:00.000000Z\""),
              std::string::npos);
    EXPECT_NE(text.find("name=\"Harvex Ferrolux\" exec=\"&apos;ferrolux %f&apos;\""), std::string::npos);
    EXPECT_EQ(text.substr(text.size() - 8), "</xbel>\n");
}

TEST(RecentlyUsed, AListItCannotReadIsLeftAlone)
{
    ScratchFolder folder;
    folder.Write("recently-used.xbel", "not a bookmark list");
    RecentlyUsed::AddFile(folder.Path("recently-used.xbel"), "/home/me/a.QLX", "Harvex Ferrolux", "ferrolux %f",
                          "2026-01-02T03:04:05.000000Z");
    EXPECT_EQ(folder.Read("recently-used.xbel"), "not a bookmark list");
    // Without a list there is nothing to tell.
    RecentlyUsed::AddFile("", "/home/me/a.QLX", "Harvex Ferrolux", "ferrolux %f", "2026-01-02T03:04:05.000000Z");
}

TEST(RecentlyUsed, AddressesEscapeWhatAnAddressMayNotHold)
{
    EXPECT_EQ(RecentlyUsed::FileAddress("/home/me/Site #1 & 2.QLX"), "file:///home/me/Site%20%231%20%26%202.QLX");
    EXPECT_EQ(RecentlyUsed::FileAddress("/home/me/caf\xC3\xA9.QLX"), "file:///home/me/caf%C3%A9.QLX");
}
