#include "model/TournamentState.h"
#include "support/GTestQt.h"

#include <gtest/gtest.h>

#include <memory>

namespace {
std::unique_ptr<TournamentState> filledTournament()
{
    auto state = std::make_unique<TournamentState>();
    state->TournamentName = QStringLiteral("Hallencup");
    state->RoundCount = 3;
    state->CurrentRound = 2;
    state->GroupsInRound[1] = 2;
    state->GroupsInRound[2] = 1;
    state->FieldsInRound[1] = 3;
    state->GameLengthInRound[1] = 12;
    state->OneFieldPerGroup[1] = true;
    state->TeamsInGroup[1] = 5;
    state->ReturnLeg[1] = true;
    state->NameTable[1][0] = QStringLiteral("Gruppe A");
    state->NameTable[100][22] = QStringLiteral("Letzter");
    state->GroupCompleted[200] = true;
    state->GroupHasResults[0] = true;
    state->ReferralTable[200][200] = {1, 2, 3, 4};
    state->ResultCount = 1;
    state->ResultTable[30000] = {1, 2, QStringLiteral("3:1"), 0, 0, 3, 1};
    state->NamePoolCount = 1;
    state->NamePool[200] = {QStringLiteral("Adler"), QStringLiteral("a@b.de"), QString()};
    state->PauseList << QStringLiteral("12:00   00:30");
    state->StartTime = QStringLiteral("9:00");
    state->DefaultGameLength = 12;
    state->Settings.PointsSystem = 3;
    state->IsSaved = false;
    state->FieldPlan.resize(3, 3);
    state->FieldPlan.setCell(1, 1, QStringLiteral("x"));
    state->ScheduleGrid.resize(2, 2);
    state->ScheduleGrid.setTag(0, 0, QStringLiteral("1 manschc 1"));
    return state;
}
} // namespace

// Compared with a new tournament as a whole, so a table added later and forgotten in the reset
// shows here.
TEST(ResetTournament, EmptiesEveryTableButKeepsNameSettingsAndTimeFrame)
{
    auto state = filledTournament();
    ResetTournament(*state);

    auto expected = std::make_unique<TournamentState>();
    expected->TournamentName = QStringLiteral("Hallencup");
    expected->StartTime = QStringLiteral("9:00");
    expected->DefaultGameLength = 12;
    expected->Settings.PointsSystem = 3;
    expected->FieldPlan.resize(3, 3); // the grids keep their size, emptied
    expected->ScheduleGrid.resize(2, 2);
    EXPECT_TRUE(*state == *expected);
}

TEST(GroupNumbering, RoundBlocksIncludingAnEmptyRound)
{
    auto state = std::make_unique<TournamentState>();
    state->RoundCount = 3;
    state->GroupsInRound[1] = 2;
    state->GroupsInRound[2] = 0;
    state->GroupsInRound[3] = 3;

    EXPECT_EQ(TotalGroups(*state), 5);
    // The empty round 2 starts after its last group.
    EXPECT_EQ(FirstGroupOfRound(*state, 2), 3);
    EXPECT_EQ(LastGroupOfRound(*state, 2), 2);
    EXPECT_EQ(FirstGroupOfRound(*state, 3), 3);
    EXPECT_EQ(LastGroupOfRound(*state, 3), 5);
    EXPECT_EQ(LastGroupOfRound(*state, 0), 0);
    EXPECT_EQ(RoundOfGroup(*state, 0), 0);
    EXPECT_EQ(RoundOfGroup(*state, 2), 1);
    EXPECT_EQ(RoundOfGroup(*state, 3), 3);
    EXPECT_EQ(RoundOfGroup(*state, 6), 0);

    state->RoundCount = 0;
    EXPECT_EQ(TotalGroups(*state), 0);
}

// The counts of real groups show in every plan; a number outside the table must not be read.
TEST(GroupGameCount, GroupsOutsideTheTableHaveNoGames)
{
    auto state = std::make_unique<TournamentState>();
    EXPECT_EQ(GroupGameCount(*state, 0), 0);
    EXPECT_EQ(GroupGameCount(*state, 101), 0);
}

TEST(TextGrid, KeepsCellsOnResizeAndIgnoresAccessOutside)
{
    TextGrid grid(2, 2);
    grid.setCell(1, 1, QStringLiteral("a"));
    grid.setTag(1, 1, QStringLiteral("1 spiel 1"));
    EXPECT_FALSE(grid.setCell(2, 0, QStringLiteral("outside")));
    EXPECT_TRUE(grid.cell(-1, 0).isEmpty());
    grid.resize(3, 4);
    EXPECT_EQ(grid.cell(1, 1), QStringLiteral("a"));
    EXPECT_EQ(grid.tag(1, 1), QStringLiteral("1 spiel 1"));
    grid.resize(1, 1);
    grid.resize(2, 2);
    EXPECT_TRUE(grid.cell(1, 1).isEmpty());
}

// What a view repaints: the rows with changes in runs, as wide as their changes.
TEST(TextGrid, ChangedRangesCoverWhatChangedSinceACount)
{
    using Range = TextGrid::CellRange;
    TextGrid grid(6, 6);
    grid.setCell(1, 1, QStringLiteral("a"));
    grid.setColour(4, 4, 0x123456);
    const std::uint64_t shown = grid.changeCount();
    EXPECT_TRUE(grid.changedRanges(shown).empty());

    grid.setCell(1, 1, QStringLiteral("a")); // the same text again
    grid.setColour(5, 5, TextGrid::NoColour);
    EXPECT_TRUE(grid.changedRanges(shown).empty());

    grid.setCell(2, 1, QStringLiteral("b"));
    grid.setCell(0, 2, QStringLiteral("c"));
    grid.clearColours(); // only the coloured cell changes
    EXPECT_EQ(grid.changedRanges(shown), (std::vector<Range>{{0, 1, 2, 2}, {4, 4, 4, 4}}));

    // A grid taken over whole changes every cell, even with fewer changes counted of its own.
    grid = TextGrid(6, 6);
    EXPECT_EQ(grid.changedRanges(shown), (std::vector<Range>{{0, 0, 5, 5}}));
}
