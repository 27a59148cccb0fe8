#pragma once

#include "model/TournamentState.h"

#include <QString>

#include <vector>

// A result belongs to a pair of positions, not to a game number: when a group changes its number
// of teams or its return leg, the game numbers of the pairs change with the pairing table.

struct GroupResultMove {
    // The results that stay, at the game number of their pair (and leg) in the new shape, with
    // sides and scores exchanged where the new game names the pair the other way round.
    std::vector<GameResult> Kept;
    // The results of positions that no longer exist, or of a return leg that is switched off.
    std::vector<GameResult> Removed;
};

// Where every stored result of `group` goes when the group gets `teams` positions and `returnLeg`.
GroupResultMove PlanGroupResultMove(const TournamentState& state, int group, int teams, bool returnLeg);

// For the question before the change: how many results will be removed and whose games they
// are, e.g. "Dabei werden 4 Ergebnisse gelöscht: die Spiele von 5) TSV Au und 6) FC Nord."; empty
// when nothing is removed.
QString RemovedResultsNotice(const TournamentState& state, int group, int teams, const GroupResultMove& move);

// Replaces the results of `group` by the kept ones of the move.
void ApplyGroupResultMove(TournamentState& state, int group, const GroupResultMove& move);
