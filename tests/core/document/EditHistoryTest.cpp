#include "document/EditHistory.h"
#include "forms/UndoTexts.h"

#include <gtest/gtest.h>

using History = EditHistory<int>;

// The bound, merging and the saved step: the rest is walked at random
// through the window cores.
TEST(EditHistory, KeepsTheNewestStepsMergesTypingAndKnowsTheSavedStep)
{
    History history(3);
    for (int state = 0; state < 4; ++state)
        history.Record({"Step " + std::to_string(state + 1), state, state + 1, {}});
    EXPECT_EQ(history.Size(), 3u);  // the first step is gone
    EXPECT_FALSE(history.AtSaved());  // and with it the saved state
    EXPECT_EQ(history.UndoName(), "Step 4");
    EXPECT_EQ(*history.Undo(), 3);
    EXPECT_EQ(history.RedoName(), "Step 4");
    history.MarkSaved();

    // Typing on merges into one step, but never into the saved state.
    history.Record({"Name", 3, 10, "name"});
    history.Record({"Name", 10, 11, "name"});
    EXPECT_FALSE(history.CanRedo());
    EXPECT_EQ(*history.Undo(), 3);
    EXPECT_TRUE(history.AtSaved());
    EXPECT_EQ(*history.Redo(), 11);
    history.MarkSaved();
    history.Record({"Name", 11, 12, "name"});
    EXPECT_EQ(*history.Undo(), 11);
    EXPECT_EQ(*history.Undo(), 3);

    // A new step after an undo past the saved one: no step is the saved one.
    history.Record({"Other", 3, 20, {}});
    EXPECT_FALSE(history.AtSaved());
    history.Clear();
    EXPECT_TRUE(history.AtSaved() && !history.CanUndo() && !history.Undo());
}

TEST(UndoTexts, NameTheStepAndShowItsAmpersands)
{
    EXPECT_EQ(UndoTexts::UndoItem(""), "&Undo");
    EXPECT_EQ(UndoTexts::RedoItem("Loop Name Plant & Boilers"), "&Redo Loop Name Plant && Boilers");
}
