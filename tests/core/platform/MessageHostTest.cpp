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
    ASSERT_EQ(host.boxes.size(), 2u);
    EXPECT_EQ(host.boxes[0].Caption + "|" + host.boxes[1].Caption, "Harvex Ferrolux|Control Panel change");

    // Unanswered boxes take their default button.
    const struct {
        int style;
        int answer;
    } cases[] = {
        {MsgStyle::OKOnly, MsgResult::OK}, {MsgStyle::AbortRetryIgnore, MsgResult::Abort}, {MsgStyle::YesNoCancel, MsgResult::Yes},
        {MsgStyle::YesNo + MsgStyle::DefaultButton2 + MsgStyle::Question, MsgResult::No},
    };
    for (const auto& c : cases)
        EXPECT_EQ(MsgBox(host, "?", c.style), c.answer) << c.style;
}
