#include "results/ResultsTestSupport.h"

#include "results/ResultEntry.h"
#include "results/ResultTable.h"
#include "results/RowTags.h"
#include "support/ScriptedPrompter.h"
#include "support/TaggedCell.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace results_test {

int GameBetween(const TournamentState& state, int group, int a, int b, bool returnLeg)
{
    const int teams = state.TeamsInGroup[group];
    const int firstLeg = PairingTable::FirstLegGameCount(teams);
    const int from = returnLeg ? firstLeg + 1 : 1;
    for (int game = from; game < from + firstLeg; ++game) {
        const PairingEntry pairing = state.Pairings.PairingOf(teams, game);
        if (std::minmax(int(pairing.first), int(pairing.second)) == std::minmax(a, b))
            return game;
    }
    ADD_FAILURE() << "no game between " << a << " and " << b << " in group " << group;
    return 0;
}

GameResult ResultFor(const TournamentState& state, int group, int a, int b, int goalsA, int goalsB,
                     bool returnLeg, int setsA, int setsB)
{
    const int game = GameBetween(state, group, a, b, returnLeg);
    const bool aFirst = state.Pairings.PairingOf(state.TeamsInGroup[group], game).first == a;
    GameResult result{group, game, QString(), setsA, setsB, goalsA, goalsB};
    if (!aFirst) {
        std::swap(result.SetsFirst, result.SetsSecond);
        std::swap(result.GoalsFirst, result.GoalsSecond);
    }
    return result;
}

void Enter(TournamentState& state, int group, int a, int b, int goalsA, int goalsB, bool returnLeg, int setsA,
           int setsB)
{
    ASSERT_NE(StoreResult(state, ResultFor(state, group, a, b, goalsA, goalsB, returnLeg, setsA, setsB)),
              StoreOutcome::TableFull);
}

namespace {
void growGrid(TextGrid& grid, int col, int row)
{
    grid.resize(std::max(grid.columnCount(), col + 1), std::max(grid.rowCount(), row + 1));
}
} // namespace

void TagTableRows(TournamentState& state, int group, int firstRow)
{
    const int round = RoundOfGroup(state, group);
    const int col = 5 * (group - FirstGroupOfRound(state, round)) + 1;
    const int teams = state.TeamsInGroup[group];
    growGrid(state.ScheduleGrid, col + 4, firstRow + teams);
    for (int place = 1; place <= teams; ++place) {
        const int row = firstRow + place - 1;
        state.ScheduleGrid.setTag(col, row, QStringLiteral("%1 tabellemannschaft %2").arg(group).arg(place));
        state.ScheduleGrid.setCell(col, row, QStringLiteral("%1) ").arg(place));
        for (int offset = 1; offset <= 4; ++offset)
            state.ScheduleGrid.setTag(col + offset, row,
                                      QStringLiteral("%1 tabelle %2").arg(group).arg(place));
    }
}

void TagGameCells(TournamentState& state, int group, int game, int setsCol, int row)
{
    growGrid(state.ScheduleGrid, setsCol + 1, row);
    state.ScheduleGrid.setTag(setsCol, row, QStringLiteral("%1 satz %2").arg(group).arg(game));
    state.ScheduleGrid.setTag(setsCol + 1, row, QStringLiteral("%1 tore %2").arg(group).arg(game));
}

void EnterThroughDialog(TournamentState& state, int group, int game, const QString& goals)
{
    const TaggedCell cell = FindTaggedCell(state.ScheduleGrid, group, TagKind::Tore, game);
    if (cell.col < 0)
        return;
    ParseRowTag(state, state.ScheduleGrid, cell.col, cell.row);
    state.SelectedCol = cell.col;
    state.SelectedRow = cell.row;
    ScriptedPrompter prompter;
    ResultEntry entry;
    entry.activate(state);
    const ResultEntryOutcome first = entry.press(state, {QString(), goals}, prompter);
    EXPECT_TRUE(entry.press(state, first.Fields, prompter).CloseDialog);
}

} // namespace results_test
