#include "results/Standings.h"

#include "model/TournamentState.h"

// Placeholder until the standings are built: places in position order.
void ComputeStandings(TournamentState& state, int group)
{
    if (!IsGroupIndex(group))
        return;
    for (int place = 1; place <= state.TeamsInGroup[group]; ++place)
        state.RankedPosition[group][place] = place;
}

void ComputeAllStandings(TournamentState& state)
{
    for (int group = 1; group <= TotalGroups(state); ++group)
        ComputeStandings(state, group);
}
