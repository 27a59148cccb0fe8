#pragma once

struct TournamentState;

// Ranks group g from its stored results: fills RankedPosition[g], refreshes the group's
// completion flags and, while TablesToGrid is set, writes the table rows into the schedule grid.
void ComputeStandings(TournamentState& state, int group);
// ComputeStandings for groups 1..TotalGroups in order.
void ComputeAllStandings(TournamentState& state);
