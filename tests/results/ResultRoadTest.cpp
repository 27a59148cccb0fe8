// The road of a result through the real schedule grid: the goals cell found by its tag, two
// presses of the result dialog, the group's table in the grid and the winner carried on.
#include "results/ResultsTestSupport.h"
#include "results/RowTags.h"
#include "results/ScheduleGrid.h"
#include "support/GTestQt.h"
#include "support/TaggedCell.h"

#include <gtest/gtest.h>

using namespace results_test;

TEST(ResultRoad, TheLastResultCompletesTheGroupAndCarriesTheWinnerOn)
{
    auto state = MakeTournament({{3}, {2}});
    state->ReferralTable[1][1] = {0, 0, 2, 1};
    state->ReferralTable[2][1] = {1, 1, 0, 0};
    state->NameTable[2][1] = QStringLiteral("1. Gruppe 1");
    state->Settings.PointsSystem = 3;
    RenderScheduleGrid(*state);

    // position 3 wins everything, position 1 beats position 2
    const std::pair<int, int> winners[] = {{3, 1}, {3, 2}, {1, 2}};
    for (const auto& [winner, loser] : winners) {
        const int game = GameBetween(*state, 1, winner, loser);
        const bool winnerFirst = state->Pairings.PairingOf(3, game).first == winner;
        state->TablesToGrid = false; // as the double-click that opens the dialog
        EnterThroughDialog(*state, 1, game, winnerFirst ? QStringLiteral("2:0") : QStringLiteral("0:2"));
    }

    EXPECT_TRUE(state->GroupCompleted[1]);
    EXPECT_EQ(state->NameTable[2][1], QStringLiteral("T1.3"));
    const TextGrid& grid = state->ScheduleGrid;
    const auto tableRow = [&grid](int place) {
        const TaggedCell cell = FindTaggedCell(grid, 1, TagKind::TabelleMannschaft, place);
        return grid.cell(cell.col, cell.row) + u'|' + grid.cell(cell.col + 4, cell.row);
    };
    EXPECT_EQ(tableRow(1), QStringLiteral("1) T1.3|6"));
    EXPECT_EQ(tableRow(2), QStringLiteral("2) T1.1|3"));
    EXPECT_EQ(tableRow(3), QStringLiteral("3) T1.2|0"));
    const int lastGame = GameBetween(*state, 1, 1, 2);
    const TaggedCell goals = FindTaggedCell(grid, 1, TagKind::Tore, lastGame);
    const bool oneFirst = state->Pairings.PairingOf(3, lastGame).first == 1;
    EXPECT_EQ(grid.cell(goals.col, goals.row),
              oneFirst ? QStringLiteral("  2 : 0") : QStringLiteral("  0 : 2"));
}
