// The road of a result through the real schedule grid: the goals cell found by its tag, two
// presses of the result dialog, the group's table in the grid and the winner carried on.
#include "results/ResultEntry.h"
#include "results/ResultsTestSupport.h"
#include "results/RowTags.h"
#include "results/ScheduleGrid.h"
#include "support/GTestQt.h"
#include "support/ScriptedPrompter.h"

#include <gtest/gtest.h>

using namespace results_test;

namespace {
bool selectTaggedCell(TournamentState& state, const QString& tag)
{
    const TextGrid& grid = state.ScheduleGrid;
    for (int row = 0; row < grid.rowCount(); ++row) {
        for (int col = 0; col < grid.columnCount(); ++col) {
            if (grid.tag(col, row) != tag)
                continue;
            const RowTag parsed = SplitRowTag(tag);
            state.SelectedCol = col;
            state.SelectedRow = row;
            state.SelectedTagKind = parsed.Kind;
            state.SelectedGroup = parsed.Group;
            state.SelectedNumber = parsed.Number;
            return true;
        }
    }
    return false;
}

QString tableRowText(const TournamentState& state, int group, int place)
{
    const TextGrid& grid = state.ScheduleGrid;
    const QString tag = MakeRowTag(group, TagKind::TabelleMannschaft, place);
    for (int row = 0; row < grid.rowCount(); ++row)
        for (int col = 0; col < grid.columnCount(); ++col)
            if (grid.tag(col, row) == tag)
                return grid.cell(col, row) + u'|' + grid.cell(col + 4, row);
    return {};
}
} // namespace

TEST(ResultRoad, TheLastResultCompletesTheGroupAndCarriesTheWinnerOn)
{
    auto state = MakeTournament({{3}, {2}});
    state->ReferralTable[1][1] = {0, 0, 2, 1};
    state->ReferralTable[2][1] = {1, 1, 0, 0};
    state->NameTable[2][1] = QStringLiteral("1. Gruppe 1");
    state->Settings.PointsSystem = 3;
    RenderScheduleGrid(*state);
    ScriptedPrompter prompter;

    // position 3 wins everything, position 1 beats position 2
    const std::pair<int, int> winners[] = {{3, 1}, {3, 2}, {1, 2}};
    for (const auto& [winner, loser] : winners) {
        const int game = GameBetween(*state, 1, winner, loser);
        ASSERT_TRUE(selectTaggedCell(*state, MakeRowTag(1, TagKind::Tore, game)));
        const bool winnerFirst = state->Pairings.PairingOf(3, game).first == winner;
        ResultEntry entry;
        entry.activate(*state);
        state->TablesToGrid = false;
        const ResultEntryOutcome first = entry.press(
            *state, {QString(), winnerFirst ? QStringLiteral("2:0") : QStringLiteral("0:2")}, prompter);
        EXPECT_TRUE(entry.press(*state, first.Fields, prompter).CloseDialog);
    }

    EXPECT_TRUE(state->GroupCompleted[1]);
    EXPECT_EQ(state->NameTable[2][1], QStringLiteral("T1.3"));
    EXPECT_EQ(tableRowText(*state, 1, 1), QStringLiteral("1) T1.3|6"));
    EXPECT_EQ(tableRowText(*state, 1, 2), QStringLiteral("2) T1.1|3"));
    EXPECT_EQ(tableRowText(*state, 1, 3), QStringLiteral("3) T1.2|0"));
    const int lastGame = GameBetween(*state, 1, 1, 2);
    ASSERT_TRUE(selectTaggedCell(*state, MakeRowTag(1, TagKind::Tore, lastGame)));
    const bool oneFirst = state->Pairings.PairingOf(3, lastGame).first == 1;
    EXPECT_EQ(state->ScheduleGrid.cell(state->SelectedCol, state->SelectedRow),
              oneFirst ? QStringLiteral("  2 : 0") : QStringLiteral("  0 : 2"));
    EXPECT_TRUE(prompter.shown().empty());
}
