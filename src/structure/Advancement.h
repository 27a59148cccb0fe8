#pragma once

struct TournamentState;

// Marks group g completed when every game has a stored result and carries the names of its
// placed teams into the positions its referrals feed; re-renders the schedule unless suppressed.
void CheckGroupCompletion(TournamentState& state, int group);
// CheckGroupCompletion without the render.
void UpdateGroupCompletion(TournamentState& state, int group);
