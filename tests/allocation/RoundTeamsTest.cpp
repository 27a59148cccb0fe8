#include "allocation/RoundTeams.h"

#include "AllocationTestSupport.h"

#include <gtest/gtest.h>

namespace {
// Round 2 holds groups 3, 4 and 5 of sizes 3, 0 and 4: round team numbers 1..3 and 4..7.
std::unique_ptr<TournamentState> RoundWithEmptyGroup()
{
    return MakeTournament({{{5, 5}, 2}, {{3, 0, 4}, 3}});
}
} // namespace

TEST(RoundTeams, NumbersRunAcrossTheGroupsOfTheRound)
{
    const auto state = RoundWithEmptyGroup();
    EXPECT_EQ(TeamsOfRound(*state, 1), 10);
    EXPECT_EQ(TeamsOfRound(*state, 2), 7);
    EXPECT_EQ(RoundTeamNumber(*state, 2, 1, 2), 2);
    EXPECT_EQ(RoundTeamNumber(*state, 2, 3, 1), 4);
    EXPECT_EQ(RoundTeamNumber(*state, 1, 2, 5), 10);
}

TEST(RoundTeams, GroupAndPositionSkipEmptyGroups)
{
    const auto state = RoundWithEmptyGroup();
    const RoundTeams teams = MakeRoundTeams(*state, 2);
    EXPECT_EQ(teams.FirstGroup, 3);
    // Team 4 is the first position of the third group; the empty second group is passed over.
    EXPECT_EQ(GroupOf(*state, 2, 4), 5);
    EXPECT_EQ(PositionOf(*state, 2, 4), 1);
    EXPECT_EQ(GroupOf(*state, 2, 3), 3);
    EXPECT_EQ(PositionOf(*state, 2, 3), 3);
    EXPECT_EQ(GroupInRound(*state, 2, 3), 1);
    EXPECT_EQ(GroupInRound(*state, 2, 4), 3);
    EXPECT_EQ(GroupInRound(*state, 2, 7), 3);
    EXPECT_EQ(teams.lastTeamOfGroup(3), 7);
}

TEST(RoundTeams, TeamZeroNamesTheFirstGroupAndNoPosition)
{
    const auto state = RoundWithEmptyGroup();
    EXPECT_EQ(GroupOf(*state, 2, 0), 3);
    EXPECT_EQ(PositionOf(*state, 2, 0), 0);
    EXPECT_EQ(GroupInRound(*state, 2, 0), 0);
}

TEST(RoundTeams, ARoundWithoutGroupsHasNoTeams)
{
    const auto state = MakeTournament({{{4}, 1}, {{}, 1}});
    const RoundTeams teams = MakeRoundTeams(*state, 2);
    EXPECT_EQ(teams.GroupCount, 0);
    EXPECT_EQ(teams.TeamCount, 0);
    EXPECT_EQ(GroupInRound(*state, 2, 1), 0);
}
