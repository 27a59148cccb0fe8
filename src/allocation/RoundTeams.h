#pragma once

#include "allocation/AllocationLimits.h"
#include "model/Limits.h"

#include <array>

struct TournamentState;

// Inside a round every position has a round team number: the positions of the round's first
// group come first, then those of the second group, and so on. k is the group's place in the
// round (1..GroupsInRound), p the position in its group.

int TeamsOfRound(const TournamentState& state, int round);
int RoundTeamNumber(const TournamentState& state, int round, int groupInRound, int position);
// The place in the round of the group that holds team t; 0 for t < 1 or a round without groups.
int GroupInRound(const TournamentState& state, int round, int team);
// The global group number and the position of team t. Team 0 (an external referee) gives the
// round's first group and position 0.
int GroupOf(const TournamentState& state, int round, int team);
int PositionOf(const TournamentState& state, int round, int team);

// The same conversions for one round, worked out once. Valid only for rounds whose group
// numbers lie in the group tables (see RoundCheck).
struct RoundTeams {
    int Round = 0;
    int FirstGroup = 1;                                 // global number of the round's first group
    int GroupCount = 0;                                 // groups of the round
    int TeamCount = 0;                                  // T
    std::array<int, Limits::MaxGroups + 2> Size{};      // Size[k]: teams of the k-th group
    std::array<int, Limits::MaxGroups + 2> Offset{};    // Offset[k]: teams of groups 1..k-1
    std::array<int, Limits::MaxGroups + 2> GameCount{}; // GameCount[k]: games of the k-th group

    int roundTeamNumber(int k, int position) const { return Offset[std::size_t(k)] + position; }
    int groupInRound(int team) const
    {
        return team >= 0 && team <= CachedTeams ? GroupInRoundOf[std::size_t(team)] : findGroupInRound(team);
    }
    int groupOf(int team) const { return FirstGroup + placeInRound(team) - 1; }
    int positionOf(int team) const { return team - Offset[std::size_t(placeInRound(team))]; }
    // The last round team number of the k-th group.
    int lastTeamOfGroup(int k) const { return Offset[std::size_t(k)] + Size[std::size_t(k)]; }

    // groupInRound of teams 0..CachedTeams, worked out once.
    int CachedTeams = -1;
    std::array<int, AllocationLimits::MaxRoundTeams + 1> GroupInRoundOf{};

    int findGroupInRound(int team) const;

private:
    // The group found by walking the sizes from the first group while the remainder stays above
    // the group's size; differs from groupInRound only for teams of or after empty groups.
    int placeInRound(int team) const;
};

// The round's groups as far as the group tables reach.
RoundTeams MakeRoundTeams(const TournamentState& state, int round);
