#include "document/RecentFiles.h"

#include "platform/MessageHost.h"

#include <gtest/gtest.h>

// Paths fitted into a menu's 40 characters: the folders give way first, the
// name only when even it does not fit; a character is a whole UTF-8 sequence.
TEST(RecentFiles, LongPathsGiveWayInTheMiddleOfTheirFolders)
{
    const struct {
        const char* path;
        const char* shown;
    } rows[] = {
        {"/home/ann/Sites/Riverside-Warehouse.QLX", "/home/ann/Sites/Riverside-Warehouse.QLX"},
        {"/home/ann/Documents/Fire Designs/2024/North/Harbour-Hotel.QLX", "/home/ann/...024/North/Harbour-Hotel.QLX"},
        {"/srv/An Exceptionally Long Site Name For A Hotel.QLX", "/srv/An Exceptional...me For A Hotel.QLX"},
        {"/home/åsa/Projekt/Ångström/Göteborg/Kvarter 7/Hamn.QLX", "/home/åsa/Proj...borg/Kvarter 7/Hamn.QLX"},
    };
    for (const auto& row : rows)
        EXPECT_EQ(ShortenPathMiddle(row.path, 40), row.shown) << row.path;
}

TEST(RecentFiles, AFileToChooseAgainIsAskedAboutByItsName)
{
    ScriptedMessageHost host;
    host.Answer(MsgResult::Cancel);
    EXPECT_FALSE(AskToChooseAgain(host, "/documents/Harbour-Hotel.QLX"));
    host.Answer(MsgResult::OK);
    EXPECT_TRUE(AskToChooseAgain(host, "Harbour-Hotel.QLX"));
    ASSERT_EQ(host.boxes.size(), 2u);
    EXPECT_EQ(host.boxes[0].Text, "'Harbour-Hotel.QLX' cannot be opened again without choosing it: the browser keeps "
                                  "no access to it, or the file has moved.\n\nDo you want to choose the file?");
    EXPECT_EQ(host.boxes[0].Style, MsgStyle::OKCancel + MsgStyle::Question);
    EXPECT_EQ(host.boxes[1].Text, host.boxes[0].Text);
}
