#include "platform/RecentlyUsed.h"

#include "support/ScratchFolder.h"

#include <gtest/gtest.h>

TEST(RecentlyUsed, AFileIsListedOnceAndMarkedUsedAgain)
{
    ScratchFolder folder;
    const std::string list = folder.Path("recently-used.xbel");
    const auto add = [&](const std::string& file, const std::string& when) {
        RecentlyUsed::AddFile(list, file, "Harvex Ferrolux", "ferrolux %f", when);
    };
    add("/home/me/Harbour Stores.QLX", "2026-01-02T03:04:05.000000Z");
    add("/home/me/Harbour Stores.QLX", "2026-02-02T00:00:00.000000Z");

    const std::string text = folder.Read("recently-used.xbel");
    const std::string harbour = "<bookmark href=\"file:///home/me/Harbour%20Stores.QLX\"";
    EXPECT_NE(text.find(harbour), std::string::npos);
    EXPECT_EQ(text.find(harbour, text.find(harbour) + 1), std::string::npos);
    EXPECT_NE(text.find("added=\"2026-01-02T03:04:05.000000Z\" modified=\"2026-02-02T00:00:00.000000Z\" "
                        "visited=\"2026-02-02T00:00:00.000000Z\""),
              std::string::npos);
    EXPECT_NE(text.find("name=\"Harvex Ferrolux\" exec=\"&apos;ferrolux %f&apos;\""), std::string::npos);

    // A list it cannot read is left alone.
    folder.Write("recently-used.xbel", "not a bookmark list");
    add("/home/me/a.QLX", "2026-01-02T03:04:05.000000Z");
    EXPECT_EQ(folder.Read("recently-used.xbel"), "not a bookmark list");

    EXPECT_EQ(RecentlyUsed::FileAddress("/home/me/Site #109 & caf\xC3\xA9.QLX"),
              "file:///home/me/Site%20%23109%20%26%20caf%C3%A9.QLX");
}
