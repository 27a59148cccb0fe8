#include "structure/TimeFrameEdits.h"
#include "model/TournamentState.h"
#include "support/GTestQt.h"
#include "support/ScriptedPrompter.h"

#include <gtest/gtest.h>

#include <memory>

namespace {
class TimeFrameEditsTest : public ::testing::Test {
protected:
    std::unique_ptr<TournamentState> state = std::make_unique<TournamentState>();
    ScriptedPrompter prompter;
};
} // namespace

TEST_F(TimeFrameEditsTest, StartTimeIsStoredInNormalFormAndAnchorsTheDay)
{
    state->TimeAnchorIsStart = false;
    EXPECT_EQ(SetStartTime(*state, QStringLiteral("9.5"), prompter), QStringLiteral("9:05"));
    EXPECT_EQ(state->StartTime, QStringLiteral("9:05"));
    EXPECT_TRUE(state->TimeAnchorIsStart);
    EXPECT_FALSE(state->IsSaved);

    EXPECT_EQ(SetStartTime(*state, QStringLiteral(":30"), prompter), QStringLiteral("0:00"));
    EXPECT_EQ(prompter.texts(), QStringList{QStringLiteral("Fehlerhafte Eingabe")});
}

TEST_F(TimeFrameEditsTest, BreaksAreAddedDeletedAndKeptSortedWhileSorted)
{
    state->Settings.PlanChanged = false;
    AddBreak(*state, QStringLiteral("12:00"), QStringLiteral("30"), prompter);
    AddBreak(*state, QStringLiteral("9:30"), QStringLiteral("90"), prompter);
    EXPECT_EQ(state->PauseList,
              (QStringList{QStringLiteral("12:00   00:30"), QStringLiteral("09:30   1:30")}));
    EXPECT_TRUE(state->Settings.PlanChanged);

    SetBreaksSorted(*state, true);
    EXPECT_EQ(state->PauseList.first(), QStringLiteral("09:30   1:30"));
    AddBreak(*state, QStringLiteral("10"), QStringLiteral("5"), prompter);
    EXPECT_EQ(state->PauseList[0], QStringLiteral("00:10   0:05"));

    DeleteBreak(*state, 5);
    EXPECT_EQ(state->PauseList.size(), 3);
    DeleteBreak(*state, 0);
    EXPECT_EQ(state->PauseList.size(), 2);
    EXPECT_TRUE(prompter.shown().empty());
}

TEST_F(TimeFrameEditsTest, MovingABreakEndsTheSortedOrder)
{
    state->PauseList = {QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c")};
    state->Settings.PausesSorted = true;
    EXPECT_EQ(MoveBreak(*state, 2, 0), 0);
    EXPECT_EQ(state->PauseList, (QStringList{QStringLiteral("c"), QStringLiteral("a"), QStringLiteral("b")}));
    EXPECT_FALSE(state->Settings.PausesSorted);
    EXPECT_FALSE(state->IsSaved);

    // Dropped below the last line: to the end.
    EXPECT_EQ(MoveBreak(*state, 0, -1), 2);
    EXPECT_EQ(state->PauseList, (QStringList{QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c")}));
    EXPECT_EQ(MoveBreak(*state, 7, 0), -1);
}
