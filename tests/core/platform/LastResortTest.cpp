#include "platform/LastResort.h"

#include <gtest/gtest.h>

#include <stdexcept>

// A body's own status passes; an exception that escapes it is told and ends
// with the status of its own, whatever was thrown.
TEST(LastResort, AnEscapingExceptionIsToldAndEndsWithStatus70)
{
    ScriptedMessageHost host;
    EXPECT_EQ(RunGuarded(host, "ferrolux-calc", [] { return 2; }), 2);
    EXPECT_TRUE(host.boxes.empty());

    EXPECT_EQ(RunGuarded(host, "ferrolux-calc", []() -> int { throw std::runtime_error("disk on fire"); }), 70);
    EXPECT_EQ(RunGuarded(host, "Harvex Ferrolux", []() -> int { throw 42; }), 70);
    ASSERT_EQ(host.boxes.size(), 2u);
    EXPECT_EQ(host.boxes[0].Text, "An unexpected error has occurred and ferrolux-calc has to close down.\n\n\"disk on fire\"");
    EXPECT_EQ(host.boxes[0].Caption, "ferrolux-calc");
    EXPECT_EQ(host.boxes[0].Style, MsgStyle::Critical);
    EXPECT_EQ(host.boxes[1].Text, "An unexpected error has occurred and Harvex Ferrolux has to close down.\n\n"
                                  "\"an exception of an unknown kind\"");
}
