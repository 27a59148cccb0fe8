#pragma once

struct TournamentState;

// Operations on the whole result table, which stays sorted by (group, game) with one record per game.

// Index 1..ResultCount of the record of (group, game); 0 when the game has no stored result.
int FindResult(const TournamentState& state, int group, int game);
// Number of stored records of the group.
int CountGroupResults(const TournamentState& state, int group);
// Removes every record of the group, keeping the order of the others; clears both group flags.
void ClearGroupResults(TournamentState& state, int group);
