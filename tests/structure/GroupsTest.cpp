#include "structure/Groups.h"

#include "structure/GroupTestSupport.h"
#include "support/GTestQt.h"

#include <gtest/gtest.h>

using namespace grouptest;

namespace {
// Round 1: groups 1 and 2; round 2: groups 3 and 4, fed from round 1; results in groups 1, 2 and 3.
std::unique_ptr<TournamentState> TwoRoundTournament()
{
    auto state = MakeTournament({{4, 4}, {4, 3}});
    state->ReturnLeg[2] = true;
    state->ReturnLeg[4] = true;
    NameTeams(*state, 1);
    NameTeams(*state, 2);
    Link(*state, 1, 1, 3, 1);
    Link(*state, 1, 2, 4, 1);
    Link(*state, 2, 1, 3, 2);
    Link(*state, 2, 2, 4, 2);
    StoreResult(*state, 1, 1, 3, 1);
    StoreResult(*state, 1, 6, 0, 2);
    StoreResult(*state, 2, 2, 1, 1);
    StoreResult(*state, 3, 1, 5, 4);
    state->GroupCompleted[3] = true;
    state->RankedPosition[3] = {0, 2, 1, 4, 3};
    state->NameTable[3][4] = QStringLiteral("Eigener Name");
    state->CurrentRound = 1;
    state->IsSaved = false;
    return state;
}
} // namespace

TEST(InsertGroup, RenumbersEveryLaterGroupWithEverythingStoredForIt)
{
    auto state = TwoRoundTournament();

    EXPECT_EQ(InsertGroup(*state, 1, 5, QStringLiteral("Neu"), true), 3);

    EXPECT_EQ(state->GroupsInRound[1], 3);
    EXPECT_EQ(state->TeamsInGroup[3], 5);
    EXPECT_TRUE(state->ReturnLeg[3]);
    EXPECT_EQ(state->NameTable[3][0], QStringLiteral("Neu"));
    EXPECT_TRUE(state->NameTable[3][4].isEmpty());
    EXPECT_FALSE(state->GroupCompleted[3]);
    EXPECT_EQ(ReferralOf(*state, 3, 1), Referral{});

    // The former groups 3 and 4 are now 4 and 5, with names, sizes, return legs and flags.
    EXPECT_EQ(state->NameTable[4][4], QStringLiteral("Eigener Name"));
    EXPECT_EQ(state->TeamsInGroup[5], 3);
    EXPECT_TRUE(state->ReturnLeg[5]);
    EXPECT_TRUE(state->GroupCompleted[4]);
    EXPECT_TRUE(state->GroupHasResults[4]);
    EXPECT_EQ(state->RankedPosition[4][1], 2);

    // Both halves of every link follow.
    EXPECT_EQ(ReferralOf(*state, 1, 1), (Referral{0, 0, 4, 1}));
    EXPECT_EQ(ReferralOf(*state, 4, 2), (Referral{2, 1, 0, 0}));

    // Results stay with their groups and in order.
    ASSERT_EQ(state->ResultCount, 4);
    EXPECT_EQ(state->ResultTable[4].Group, 4);
    EXPECT_EQ(state->ResultTable[4].ScoreText, QStringLiteral("5:4"));
}

TEST(InsertGroup, FollowedByDeletingItGivesBackTheIdenticalState)
{
    auto state = TwoRoundTournament();
    const auto before = std::make_unique<TournamentState>(*state);

    const int inserted = InsertGroup(*state, 1, 6, QStringLiteral("Zwischen"), false);
    ASSERT_EQ(inserted, 3);
    DeleteGroup(*state, inserted);

    // Counted and named as a change all the same.
    EXPECT_GT(state->Revision, before->Revision);
    state->Revision = before->Revision;
    state->ChangeLabel = before->ChangeLabel;
    EXPECT_TRUE(*state == *before);
}

TEST(InsertGroup, RefusesTheHundredFirstGroupAndRoundsOutOfRange)
{
    auto state = MakeTournament({{4}});
    state->GroupsInRound[1] = Limits::MaxGroups;
    EXPECT_EQ(InsertGroup(*state, 1, 4, QStringLiteral("X"), false), 0);
    EXPECT_EQ(state->GroupsInRound[1], Limits::MaxGroups);

    auto small = MakeTournament({{4}});
    EXPECT_EQ(InsertGroup(*small, 0, 4, QStringLiteral("X"), false), 0);
    EXPECT_EQ(InsertGroup(*small, Limits::MaxRounds + 1, 4, QStringLiteral("X"), false), 0);
    EXPECT_EQ(TotalGroups(*small), 1);
}

TEST(DeleteGroup, MovesLaterGroupsDownRemovesItsResultsAndClearsThePositionsItFed)
{
    auto state = TwoRoundTournament();
    InsertGroup(*state, 1, 4, QStringLiteral("Neu"), false); // groups: 1 2 3(new) | 4 5
    Link(*state, 3, 1, 4, 3);
    StoreResult(*state, 5, 1, 1, 0); // a result of the last group, stored after group 4's
    DeleteGroup(*state, 1);

    EXPECT_EQ(state->GroupsInRound[1], 2);
    EXPECT_EQ(state->NameTable[1][0], QStringLiteral("Gruppe 2"));
    EXPECT_EQ(state->NameTable[3][0], QStringLiteral("Gruppe 3"));
    EXPECT_TRUE(state->ReturnLeg[1]);
    EXPECT_TRUE(state->NameTable[5][0].isEmpty());

    // The positions fed from the deleted group lost their placeholders and incoming halves.
    EXPECT_TRUE(state->NameTable[3][1].isEmpty());
    EXPECT_EQ(ReferralOf(*state, 3, 1), Referral{});
    EXPECT_TRUE(state->NameTable[4][1].isEmpty());
    EXPECT_EQ(ReferralOf(*state, 4, 1), Referral{});
    // The other links follow the renumbering.
    EXPECT_EQ(ReferralOf(*state, 1, 1), (Referral{0, 0, 3, 2}));
    EXPECT_EQ(ReferralOf(*state, 3, 2), (Referral{1, 1, 0, 0}));
    EXPECT_EQ(state->NameTable[3][2], QStringLiteral("1. Gruppe 2"));

    // The two results of group 1 are gone; the others moved up and down with their groups.
    ASSERT_EQ(state->ResultCount, 3);
    EXPECT_EQ(state->ResultTable[1].Group, 1);
    EXPECT_EQ(state->ResultTable[1].ScoreText, QStringLiteral("1:1"));
    EXPECT_EQ(state->ResultTable[2].Group, 3);
    EXPECT_EQ(state->ResultTable[3].Group, 4);
    EXPECT_EQ(state->ResultTable[4], GameResult{});
    EXPECT_FALSE(state->IsSaved);
}

TEST(DeleteGroup, RemovesAnEmptiedRoundAndMovesTheLaterRoundsDown)
{
    auto state = MakeTournament({{4}, {4}, {3, 3}});
    state->FieldsInRound[3] = 2;
    state->GameLengthInRound[3] = 15;
    state->OneFieldPerGroup[3] = true;
    state->CurrentRound = 3;

    DeleteGroup(*state, 2);

    EXPECT_EQ(state->RoundCount, 2);
    EXPECT_EQ(state->CurrentRound, 2);
    EXPECT_EQ(state->GroupsInRound[2], 2);
    EXPECT_EQ(state->GameLengthInRound[2], 15);
    EXPECT_TRUE(state->OneFieldPerGroup[2]);
    // The freed round is empty, so that a round prepared there later starts clean.
    EXPECT_EQ(state->GroupsInRound[3], 0);
    EXPECT_EQ(state->FieldsInRound[3], 0);
    EXPECT_FALSE(state->OneFieldPerGroup[3]);
}

TEST(DeleteGroup, IgnoresGroupsThatDoNotExist)
{
    auto state = MakeTournament({{4}});
    const auto before = std::make_unique<TournamentState>(*state);
    for (int missing : {0, 2, 250})
        DeleteGroup(*state, missing);
    EXPECT_TRUE(*state == *before);
}
