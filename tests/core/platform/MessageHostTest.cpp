#include "platform/MessageHost.h"

#include <gtest/gtest.h>

TEST(MessageHost, TheIconSoundsThenTheBoxShowsAndAnswersItsDefaultWhenUnanswered)
{
    ScriptedMessageHost host;
    host.Answer(MsgResult::No);
    EXPECT_EQ(MsgBox(host, "Save now?", MsgStyle::YesNoCancel + MsgStyle::Exclamation + MsgStyle::DefaultButton2),
              MsgResult::No);
    EXPECT_EQ(host.beeps, std::vector<int>{MsgStyle::Exclamation});
    MsgBox(host, "Loop data may be lost", MsgStyle::OKCancel, "Control Panel change");
    EXPECT_EQ(host.boxes.at(0).Caption + "|" + host.boxes.at(1).Caption, "Harvex Ferrolux|Control Panel change");

    // Unanswered boxes take their default button.
    EXPECT_EQ(MsgBox(host, "?", MsgStyle::AbortRetryIgnore), MsgResult::Abort);
    EXPECT_EQ(MsgBox(host, "?", MsgStyle::YesNo + MsgStyle::DefaultButton2 + MsgStyle::Question), MsgResult::No);
}
