#include "allocation/RoundTeams.h"

#include "model/TournamentState.h"

#include <algorithm>

RoundTeams MakeRoundTeams(const TournamentState& state, int round)
{
    RoundTeams teams;
    teams.Round = round;
    if (!IsRoundIndex(round))
        return teams;
    teams.FirstGroup = FirstGroupOfRound(state, round);
    const int lastGroup = std::min(LastGroupOfRound(state, round), Limits::MaxGroups);
    teams.GroupCount = std::max(0, lastGroup - teams.FirstGroup + 1);
    int offset = 0;
    for (int k = 1; k <= teams.GroupCount; ++k) {
        const int size = state.TeamsInGroup[std::size_t(teams.FirstGroup + k - 1)];
        teams.Size[std::size_t(k)] = size;
        teams.Offset[std::size_t(k)] = offset;
        teams.GameCount[std::size_t(k)] = GroupGameCount(state, teams.FirstGroup + k - 1);
        offset += size;
    }
    teams.Offset[std::size_t(teams.GroupCount + 1)] = offset;
    teams.TeamCount = offset;
    teams.CachedTeams = std::clamp(offset, 0, AllocationLimits::MaxRoundTeams);
    for (int team = 0; team <= teams.CachedTeams; ++team)
        teams.GroupInRoundOf[std::size_t(team)] = teams.findGroupInRound(team);
    return teams;
}

int RoundTeams::findGroupInRound(int team) const
{
    int found = 0;
    for (int k = 1; k <= GroupCount; ++k) {
        if (Offset[std::size_t(k)] < team)
            found = k;
    }
    return found;
}

int RoundTeams::placeInRound(int team) const
{
    int k = 1;
    int remainder = team;
    while (k <= GroupCount && remainder - Size[std::size_t(k)] >= 1) {
        remainder -= Size[std::size_t(k)];
        ++k;
    }
    return k;
}

int TeamsOfRound(const TournamentState& state, int round)
{
    return MakeRoundTeams(state, round).TeamCount;
}

int RoundTeamNumber(const TournamentState& state, int round, int groupInRound, int position)
{
    const RoundTeams teams = MakeRoundTeams(state, round);
    const int k = std::clamp(groupInRound, 1, teams.GroupCount + 1);
    return teams.roundTeamNumber(k, position);
}

int GroupInRound(const TournamentState& state, int round, int team)
{
    return MakeRoundTeams(state, round).groupInRound(team);
}

int GroupOf(const TournamentState& state, int round, int team)
{
    return MakeRoundTeams(state, round).groupOf(team);
}

int PositionOf(const TournamentState& state, int round, int team)
{
    return MakeRoundTeams(state, round).positionOf(team);
}
