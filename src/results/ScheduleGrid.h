#pragma once

struct TournamentState;

// Rebuilds the schedule grid and its row tags from the tournament, then the standings of
// every group; after a load it also runs the completion check of every group.
void RenderScheduleGrid(TournamentState& state);
