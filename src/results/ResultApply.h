#pragma once

#include "results/ResultEntry.h"

#include <vector>

class Prompter;
struct GameResult;
struct ScoreEntry;
struct TournamentState;

// What storing one game's result changed.
struct StoredGameResult {
    bool Stored = false;                // false: the result table is full (the notice was shown)
    std::vector<GridCell> PatchedCells; // the game's sets and goals cells in the schedule grid
};

// Stores the result of one game and carries it through: the game's cells in the schedule grid
// (wherever the result was entered from), the group's table, the schedule rendered anew and the
// completion check that carries the placed teams on. The result dialog's confirming press and
// the results sent in from the fields store through here, so both take the same road.
StoredGameResult StoreGameResult(TournamentState& state, const GameResult& result, Prompter& prompter);

// After a result of the group was stored or deleted: the group's table, the schedule rendered
// anew (unless the time plan or a load is in progress), and the completion check.
void RecomputeAfterResult(TournamentState& state, int group);

// The record that a read score entry stores for game `game` of group `group`.
GameResult ResultOfEntry(int group, int game, const ScoreEntry& entry);
