#pragma once

#include <vector>

struct GameResult;
struct TournamentState;

// Operations on the whole result table, which stays sorted by (group, game) with one record per game.

// Index 1..ResultCount of the record of (group, game); 0 when the game has no stored result.
int FindResult(const TournamentState& state, int group, int game);
// Number of stored records of the group.
int CountGroupResults(const TournamentState& state, int group);
// Removes every record of the group, keeping the order of the others; clears both group flags.
void ClearGroupResults(TournamentState& state, int group);

enum class StoreOutcome { Inserted, Replaced, TableFull };
// Puts the record at its place in (group, game) order, replacing the record of the same game.
// A new record does not fit once the table holds Limits::MaxResults; then nothing changes.
StoreOutcome StoreResult(TournamentState& state, const GameResult& result);
// Removes the record of (group, game); false when there is none. Leaves the group flags alone.
bool DeleteResult(TournamentState& state, int group, int game);

// ResultCount kept inside the table, for loops over the used records.
int UsedResultCount(const TournamentState& state);

// For every group 1..groups, the indices of the records a scan of that group reads: its own
// records up to the first record of a later group (where the scan ends, should the table be out
// of order). One pass over the table, for work on every group at once.
std::vector<std::vector<int>> RecordsOfEveryGroup(const TournamentState& state, int groups);
// The same for one group.
std::vector<int> RecordsOfGroup(const TournamentState& state, int group);
