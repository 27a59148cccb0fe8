#pragma once

struct TournamentState;

// Rebuilds the schedule grid and its row tags from the tournament, then the standings of
// every group; after a load it also runs the completion check of every group.
// Showing the schedule window and marking the used pool names afterwards is the window's part.
void RenderScheduleGrid(TournamentState& state);
// After a load: the completion checks first, then the grid drawn once with the teams they
// carried on; the same grid as RenderScheduleGrid twice. Otherwise RenderScheduleGrid.
void RenderLoadedScheduleGrid(TournamentState& state);

// After a confirmed result of group g and its completion check: the grid RenderScheduleGrid
// gives, but only the blocks and tables of g and of the groups its places feed are written anew.
// Renders the whole grid when the grid may not show the current plan (another layout, or
// the plan is not kept updated).
void RenderAfterResult(TournamentState& state, int group);

// The grid without the standings: sizing, then every round's groups with their names, team
// lists, games, results and empty tables, the round numbers in column 0 and the round separators.
void LayOutScheduleGrid(TournamentState& state);

// Sizes the schedule grid for the tournament and empties every cell, tag and colour outside
// row 0 and column 0.
void SetupScheduleGrid(TournamentState& state);

// Rows of round r's block: 2n + G + 9 for its tallest group of n teams and G games; 0 when
// the round has no groups.
int RoundBlockHeight(const TournamentState& state, int round);
// The row on which round r's block starts: 5 for round 1, each later round below the one before.
int RoundFirstRow(const TournamentState& state, int round);
// The largest number of groups in one round; it sets the grid's width.
int MaxGroupsInRound(const TournamentState& state);

// Where the rows of one group lie in the schedule grid.
struct GroupBlock {
    int Group = 0;
    int Column = 0;        // first of the group's five columns
    int TopRow = 0;        // the group name's row
    int TeamCount = 0;     // n
    int FirstLegGames = 0; // h: game lines of each leg
    bool HasReturnLeg = false;

    int teamRow(int position) const { return TopRow + 2 + position; }
    int headerRow() const { return TopRow + 3 + TeamCount; }
    // Game k of the first leg, or of the return leg after its blank row.
    int gameRow(int game) const
    {
        return game <= FirstLegGames ? headerRow() + game : headerRow() + 1 + game;
    }
    int lastGameRow() const
    {
        return HasReturnLeg ? headerRow() + 1 + 2 * FirstLegGames : headerRow() + FirstLegGames;
    }
    int tableHeadRow() const { return lastGameRow() + 2; }
    int tableRow(int place) const { return tableHeadRow() + 1 + place; }
};

// The block of global group g; Group 0 when g belongs to no round.
GroupBlock LocateGroupBlock(const TournamentState& state, int group);
