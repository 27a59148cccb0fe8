#include "results/ScheduleGrid.h"
#include "results/ResultTable.h"
#include "results/ScheduleFixture.h"
#include "results/Standings.h"
#include "structure/Advancement.h"
#include "support/GTestQt.h"

#include <gtest/gtest.h>

// The pairing table gives, for 3 teams: 2-3, 3-1, 1-2, then the return leg 3-2, 1-3, 2-1;
// for 2 teams: 1-2.
namespace {
const QString Missing = QStringLiteral("_______________");
const QString Separator = QStringLiteral("____________________");

struct Cell {
    int col;
    int row;
    const char* text;
    const char* tag;
};

void expectCells(const TextGrid& grid, std::initializer_list<Cell> cells)
{
    for (const Cell& cell : cells) {
        EXPECT_EQ(grid.cell(cell.col, cell.row), QString::fromUtf8(cell.text))
            << "cell " << cell.col << "," << cell.row;
        EXPECT_EQ(grid.tag(cell.col, cell.row), QString::fromUtf8(cell.tag))
            << "tag " << cell.col << "," << cell.row;
    }
}

class ScheduleLayout : public ::testing::Test {
protected:
    void SetUp() override { LayOutScheduleGrid(*state); }
    const TextGrid& grid() const { return state->ScheduleGrid; }
    std::unique_ptr<TournamentState> state = TwoRoundTournament();
};
} // namespace

TEST_F(ScheduleLayout, WritesHeadsTeamsAndBothLegsWithTheirOwnNumberFormats)
{
    expectCells(grid(), {
                            {1, 5, "Gruppe A", "1 kopfname 0"},
                            {1, 6, "Gruppe 1", "1 kopfgruppe 0"},
                            {1, 8, "1) Adler", "1 kopfmannschaft 1"},
                            // a one-character name shows as missing
                            {1, 9, "2) _______________", "1 kopfmannschaft 2"},
                            // first leg: "p) name" and ": p) name"; a missing second name follows its number
                            {1, 12, "2) _______________", "1 spiel 1"},
                            {2, 12, ": 3) Cobras", "1 spiel 1"},
                            {3, 12, "", "1 satz 1"},
                            {4, 12, "  3 : 1", "1 tore 1"},
                            {2, 14, ": 2_______________", "1 spiel 3"},
                            {1, 15, "", ""}, // the blank row between the legs
                            // return leg: ": p) name" and "p) name"
                            {1, 16, ": 3) Cobras", "1 spiel 4"},
                            {2, 16, "2_______________", "1 spiel 4"},
                            {2, 18, "1) Adler", "1 spiel 6"},
                        });
    EXPECT_EQ(grid().cell(4, 16), QStringLiteral("x")); // cancelled
    EXPECT_EQ(grid().cell(3, 16), QString());           // sets are off: no score text
    EXPECT_EQ(grid().cell(4, 17), QString());           // game 5 stands after group 2's record
}

TEST_F(ScheduleLayout, LeavesAnEmptyTableForTheStandings)
{
    expectCells(grid(), {
                            {1, 20, "Gruppe A (1)", "1 tabellenkopf 0"},
                            {1, 22, "1) ", "1 tabellemannschaft 1"},
                            {2, 22, "", "1 tabelle 1"},
                            {6, 13, "Gruppe B (2)", "2 tabellenkopf 0"},
                            {1, 34, "Finale (3)", "3 tabellenkopf 0"},
                        });
    // The shorter group leaves empty rows above the separator.
    for (int row = 17; row <= 24; ++row)
        for (int col = 6; col <= 10; ++col)
            EXPECT_TRUE(grid().cell(col, row).isEmpty() && grid().tag(col, row).isEmpty())
                << col << "," << row;
}

TEST_F(ScheduleLayout, SizesRoundsByTheirTallestGroupsNumbersThemAndClosesThemWithASeparator)
{
    // Round 1: max(2*3+6+9, 2*2+1+9) = 21 rows; round 2: 14 rows.
    EXPECT_EQ(RoundBlockHeight(*state, 1), 21);
    EXPECT_EQ(RoundBlockHeight(*state, 2), 14);
    EXPECT_EQ(grid().columnCount(), 11);
    EXPECT_EQ(grid().cell(1, 1), QStringLiteral("Hallencup"));
    for (int row = 5; row <= 24; ++row)
        EXPECT_EQ(grid().cell(0, row), QStringLiteral("1")) << row;
    for (int col = 0; col < grid().columnCount(); ++col)
        EXPECT_EQ(grid().cell(col, 25), Separator) << col;
    for (int row = 26; row <= 38; ++row)
        EXPECT_EQ(grid().cell(0, row), QStringLiteral("2")) << row;
    // The last round's separator row lies one past the grid's rows and is not written.
    EXPECT_EQ(grid().rowCount(), 4 + 21 + 14);
}

TEST_F(ScheduleLayout, ALayoutForFewerRowsLeavesNothingOfTheOldOne)
{
    state->ScheduleGrid.setColour(2, 2, 0xC0C0C0); // a highlight goes with the layout
    // Round 2 loses its group: the grid shrinks and nothing of the old final remains.
    state->RoundCount = 1;
    LayOutScheduleGrid(*state);
    EXPECT_EQ(grid().rowCount(), 25);
    EXPECT_EQ(grid().colour(2, 2), TextGrid::NoColour);

    state->TeamsInGroup[1] = 2; // the tallest group shrinks: the old game rows must be empty
    state->ReturnLeg[1] = false;
    LayOutScheduleGrid(*state);
    EXPECT_EQ(RoundBlockHeight(*state, 1), 14);
    for (int row = 1; row < grid().rowCount() - 1; ++row)
        for (int col = 1; col < grid().columnCount(); ++col)
            EXPECT_FALSE(grid().tag(col, row).contains(QStringLiteral("spiel 2"))) << col << "," << row;
}

TEST(RoundBlockHeight, CountsGamesOfEveryGroupSizeEvenWithoutGameLines)
{
    auto state = std::make_unique<TournamentState>();
    state->Pairings = BuildPairingTable();
    state->RoundCount = 3;
    state->GroupsInRound = {0, 3, 0, 1};
    state->TeamsInGroup[1] = 0;  // 2*0 + 0 + 9
    state->TeamsInGroup[2] = 1;  // 2*1 + 0 + 9
    state->TeamsInGroup[3] = 21; // 2*21 + 210 + 9, but no game lines
    state->TeamsInGroup[4] = 5;
    state->ReturnLeg[4] = true; // 2*5 + 20 + 9
    EXPECT_EQ(RoundBlockHeight(*state, 1), 261);
    EXPECT_EQ(RoundBlockHeight(*state, 2), 0);
    EXPECT_EQ(RoundBlockHeight(*state, 3), 39);

    LayOutScheduleGrid(*state);
    EXPECT_EQ(state->ScheduleGrid.rowCount(), 4 + 261 + 0 + 39);
    // The group of 21: team list, header row, then straight to its table.
    const GroupBlock big = LocateGroupBlock(*state, 3);
    EXPECT_EQ(big.Column, 11);
    EXPECT_EQ(state->ScheduleGrid.cell(11, big.teamRow(21)), QStringLiteral("21) ") + Missing);
    EXPECT_EQ(big.tableHeadRow(), big.headerRow() + 2);
    EXPECT_EQ(state->ScheduleGrid.tag(11, big.tableRow(21)), QStringLiteral("3 tabellemannschaft 21"));
    // Round 3 follows round 1 directly: round 2 has no rows.
    EXPECT_EQ(LocateGroupBlock(*state, 4).TopRow, 5 + 261);
    EXPECT_EQ(state->ScheduleGrid.cell(0, 5 + 261), QStringLiteral("3"));
    EXPECT_EQ(state->ScheduleGrid.cell(0, 5 + 260), Separator);
}

// After a load the window draws once what two renders gave: the second showed the teams the
// completion checks of the first carried on.
TEST(RenderLoadedScheduleGrid, GivesTheGridOfTwoRenders)
{
    auto state = TwoRoundTournament();
    state->ReferralTable[3][1] = {1, 1, 0, 0};
    state->ReferralTable[1][1] = {0, 0, 3, 1};
    for (const int game : {2, 3, 5, 6})
        StoreResult(*state, GameResult{1, game, QString(), 0, 0, game, 1});
    state->JustLoaded = true;
    auto twice = std::make_unique<TournamentState>(*state);
    RenderScheduleGrid(*twice);
    const TextGrid firstRender = twice->ScheduleGrid;
    RenderScheduleGrid(*twice);
    ASSERT_FALSE(firstRender == twice->ScheduleGrid); // the final's first team came on

    RenderLoadedScheduleGrid(*state);
    EXPECT_TRUE(state->ScheduleGrid == twice->ScheduleGrid);
    EXPECT_EQ(state->NameTable[3][1], twice->NameTable[3][1]);
}

TEST(LayOutScheduleGrid, SurvivesTablesFilledBeyondTheirCapacity)
{
    auto state = std::make_unique<TournamentState>();
    state->RoundCount = 25;
    state->GroupsInRound[1] = 60;
    state->GroupsInRound[2] = 60; // 120 groups: the last 20 have no tables
    for (int g = 1; g <= Limits::MaxGroups; ++g)
        state->TeamsInGroup[g] = 2;
    state->TeamsInGroup[7] = 30; // more positions than name slots
    state->ResultCount = 3;
    state->ResultTable[1] = {7, 400, QString(), 0, 0, 1, 1}; // a game the group does not have
    LayOutScheduleGrid(*state);
    const GroupBlock block = LocateGroupBlock(*state, 7);
    EXPECT_EQ(state->ScheduleGrid.cell(block.Column, block.teamRow(30)), QStringLiteral("30) ") + Missing);
    EXPECT_EQ(LocateGroupBlock(*state, 101).Group, 0);
    // Without a pairing table every game reads as position 0 against 0, which is no team.
    const GroupBlock first = LocateGroupBlock(*state, 1);
    EXPECT_EQ(state->ScheduleGrid.cell(first.Column, first.gameRow(1)), QStringLiteral("0) ") + Missing);
}

// A confirmed result redraws the group and the groups it feeds; the grid is the one a full render
// of the same state gives, also where it has to fall back to the full render.
TEST(RenderAfterResult, GivesTheGridOfAFullRender)
{
    struct Case {
        const char* name;
        bool keepPlanUpdated;
        bool widenGroupTwo; // the layout changed since the last render
    };
    for (const Case& c : {Case{"patched", true, false}, Case{"plan not kept updated", false, false},
                          Case{"other layout", true, true}}) {
        SCOPED_TRACE(c.name);
        auto state = TwoRoundTournament();
        state->Settings.KeepPlanUpdated = c.keepPlanUpdated;
        state->ReferralTable[3][1] = {1, 1, 0, 0}; // the winner of group 1 plays the final
        state->ReferralTable[1][1] = {0, 0, 3, 1};
        state->NameTable[1][2] = QStringLiteral("Bären");
        RenderScheduleGrid(*state);
        state->ScheduleGrid.setColour(2, 10, 0x123456); // a highlight goes with every render
        if (c.widenGroupTwo)
            state->TeamsInGroup[2] = 3;
        // Group 1 gets its last games: completed, its winner goes on into the final.
        for (const int game : {2, 3, 5, 6})
            StoreResult(*state, GameResult{1, game, QString(), 0, 0, game, 1});
        ComputeStandings(*state, 1);
        UpdateGroupCompletion(*state, 1);
        ASSERT_TRUE(state->GroupCompleted[1]);
        state->TimePlanCurrent = true;
        auto expected = std::make_unique<TournamentState>(*state);
        RenderScheduleGrid(*expected);
        RenderAfterResult(*state, 1);

        EXPECT_FALSE(state->TimePlanCurrent);
        EXPECT_TRUE(state->ScheduleGrid == expected->ScheduleGrid);
        EXPECT_EQ(state->ScheduleGrid.cell(1, LocateGroupBlock(*state, 3).teamRow(1)),
                  QStringLiteral("1) ") + state->NameTable[1][state->RankedPosition[1][1]]);
    }
}
