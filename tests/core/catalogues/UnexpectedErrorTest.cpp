#include "catalogues/UnexpectedError.h"

#include <gtest/gtest.h>

TEST(UnexpectedError, TheReportNamesAreaSectionAndDescriptionLeavingOutEmptyParts)
{
    const std::string advice =
        "Please report the full contents of this message, and the circumstances under which it happened, to your "
        "supplier.\n\nChoosing 'Abort' will close down Harvex Ferrolux, choosing 'Retry' will attempt the operation "
        "again, choosing 'Ignore' will skip the operation.";
    ScriptedMessageHost host;
    host.Answer(MsgResult::Retry);
    EXPECT_EQ(ReportUnexpectedError(host, 9, "  Subscript out of range ", "Device Types", "Address Ranges"),
              MsgResult::Retry);
    EXPECT_EQ(host.Texts(), std::vector<std::string>{"An unexpected error (code 9) has occurred in the 'Address "
                                                     "Ranges' area of the 'Device Types' section of Harvex Ferrolux."
                                                     "\n\n\"Subscript out of range\"\n\n" + advice});
    EXPECT_EQ(host.boxes[0].Style, MsgStyle::AbortRetryIgnore + MsgStyle::Exclamation);
    EXPECT_EQ(host.beeps, std::vector<int>{MsgStyle::Exclamation});
    EXPECT_EQ(UnexpectedErrorText(13, "   ", "", "Buttons"),
              "An unexpected error (code 13) has occurred in Harvex Ferrolux.\n\n" + advice);
}
