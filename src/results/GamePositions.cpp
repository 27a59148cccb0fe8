#include "results/GamePositions.h"

#include "model/TournamentState.h"
#include "results/ScoreSyntax.h"

#include <algorithm>

bool PositionsOfGame(const TournamentState& state, int group, int game, GamePositions& positions)
{
    if (!IsGroupIndex(group))
        return false;
    const int teams = state.TeamsInGroup[std::size_t(group)];
    const int games = std::min(GroupGameCount(state, group), 2 * PairingTable::FirstLegGameCount(teams));
    if (game < 1 || game > games)
        return false;
    const PairingEntry pairing = state.Pairings.PairingOf(teams, game);
    positions = {pairing.first, pairing.second};
    return positions.first >= 1 && positions.first <= teams && positions.second >= 1 &&
           positions.second <= teams && positions.first != positions.second;
}

bool IsCancelledResult(const GameResult& result)
{
    return result.ScoreText == CancelledGameText;
}
