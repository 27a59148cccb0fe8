#include "allocation/RoundTeams.h"

#include "AllocationTestSupport.h"

#include <gtest/gtest.h>

TEST(RoundTeams, NumbersRunAcrossTheGroupsOfTheRoundAndSkipEmptyGroupsOrRounds)
{
    // Round 2 holds groups 3, 4 and 5 of sizes 3, 0 and 4: round team numbers 1..3 and 4..7.
    const auto state = MakeTournament({{{5, 5}, 2}, {{3, 0, 4}, 3}, {{}, 1}});
    EXPECT_EQ(TeamsOfRound(*state, 1), 10);
    EXPECT_EQ(TeamsOfRound(*state, 2), 7);
    EXPECT_EQ(RoundTeamNumber(*state, 2, 1, 2), 2);
    EXPECT_EQ(RoundTeamNumber(*state, 2, 3, 1), 4);
    EXPECT_EQ(RoundTeamNumber(*state, 1, 2, 5), 10);
    const RoundTeams teams = MakeRoundTeams(*state, 2);
    EXPECT_EQ(teams.FirstGroup, 3);
    EXPECT_EQ(teams.lastTeamOfGroup(3), 7);
    // Team 4 is the first position of the third group; the empty second group is passed over.
    // Team 0 names the first group and no position.
    const struct {
        int team, group, position, groupInRound;
    } cases[] = {{0, 3, 0, 0}, {3, 3, 3, 1}, {4, 5, 1, 3}, {7, 5, 4, 3}};
    for (const auto& c : cases) {
        EXPECT_EQ(GroupOf(*state, 2, c.team), c.group) << c.team;
        EXPECT_EQ(PositionOf(*state, 2, c.team), c.position) << c.team;
        EXPECT_EQ(GroupInRound(*state, 2, c.team), c.groupInRound) << c.team;
    }
    EXPECT_EQ(MakeRoundTeams(*state, 3).GroupCount, 0);
    EXPECT_EQ(MakeRoundTeams(*state, 3).TeamCount, 0);
    EXPECT_EQ(GroupInRound(*state, 3, 1), 0);
}
