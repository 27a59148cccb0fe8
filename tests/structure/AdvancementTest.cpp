#include "structure/Advancement.h"

#include "structure/GroupTestSupport.h"
#include "support/GTestQt.h"

#include <gtest/gtest.h>

using namespace grouptest;

namespace {
// Group 1 (4 teams) feeds places 1 and 2 into group 2 (round 2).
std::unique_ptr<TournamentState> FeedingGroup()
{
    auto state = MakeTournament({{4}, {4}});
    NameTeams(*state, 1);
    Link(*state, 1, 1, 2, 3);
    Link(*state, 1, 2, 2, 1);
    state->RankedPosition[1] = {0, 1, 2, 3, 4};
    return state;
}

void StoreGames(TournamentState& state, int group, int firstGame, int lastGame)
{
    for (int game = firstGame; game <= lastGame; ++game)
        StoreResult(state, group, game, 1, 0);
}
} // namespace

TEST(CheckGroupCompletion,
     CompletesAFourTeamGroupAtItsSixthResultCarriesThePlacedTeamsAndKeepsThemWhenAResultGoes)
{
    auto state = FeedingGroup();
    StoreGames(*state, 1, 1, 5);
    CheckGroupCompletion(*state, 1);
    EXPECT_FALSE(state->GroupCompleted[1]);
    EXPECT_EQ(state->NameTable[2][3], QStringLiteral("1. Gruppe 1"));

    StoreResult(*state, 1, 6, 0, 0);
    state->ResultTable[6].ScoreText = QStringLiteral("x"); // a cancelled game counts as well
    state->AutoLoadPending = true;                         // keeps the places set here
    state->RankedPosition[1] = {0, 3, 1, 4, 2};
    CheckGroupCompletion(*state, 1);
    EXPECT_TRUE(state->GroupCompleted[1]);
    EXPECT_EQ(state->NameTable[2][3], QStringLiteral("Gruppe 1 3"));
    EXPECT_EQ(state->NameTable[2][1], QStringLiteral("Gruppe 1 1"));

    // Removing a result clears the flag but keeps the carried names.
    --state->ResultCount;
    state->ResultTable[6] = GameResult{};
    CheckGroupCompletion(*state, 1);
    EXPECT_FALSE(state->GroupCompleted[1]);
    EXPECT_EQ(state->NameTable[2][3], QStringLiteral("Gruppe 1 3"));
}

TEST(CheckGroupCompletion, CountsOnlyGamesOfTheGroupUpToItsGameCount)
{
    auto state = FeedingGroup();
    StoreGames(*state, 1, 1, 5);
    StoreResult(*state, 1, 7, 1, 0); // a game the group no longer has
    StoreResult(*state, 2, 1, 1, 0);
    CheckGroupCompletion(*state, 1);
    EXPECT_FALSE(state->GroupCompleted[1]);

    // A result stored out of group order ends the scan.
    auto unordered = FeedingGroup();
    StoreResult(*unordered, 2, 1, 1, 0);
    StoreGames(*unordered, 1, 1, 6);
    CheckGroupCompletion(*unordered, 1);
    EXPECT_FALSE(unordered->GroupCompleted[1]);
}

TEST(CheckGroupCompletion, ReturnLegDoublesTheGamesNeededAndGroupsThatDoNotExistAreIgnored)
{
    auto state = FeedingGroup();
    state->ReturnLeg[1] = true;
    StoreGames(*state, 1, 1, 6);
    CheckGroupCompletion(*state, 1);
    EXPECT_FALSE(state->GroupCompleted[1]);
    StoreGames(*state, 1, 7, 12);
    CheckGroupCompletion(*state, 1);
    EXPECT_TRUE(state->GroupCompleted[1]);
    for (const int missing : {0, 3, 150}) {
        CheckGroupCompletion(*state, missing);
        EXPECT_FALSE(state->GroupCompleted[missing]) << missing;
    }
}

TEST(CheckGroupCompletion, AGroupOfFewerThanTwoTeamsIsCompleteAtTheFirstCheck)
{
    auto state = MakeTournament({{1}, {2}});
    state->NameTable[1][1] = QStringLiteral("Freilos");
    state->RankedPosition[1][1] = 1;
    Link(*state, 1, 1, 2, 2);
    CheckGroupCompletion(*state, 1);
    EXPECT_TRUE(state->GroupCompleted[1]);
    EXPECT_EQ(state->NameTable[2][2], QStringLiteral("Freilos"));
}

TEST(CheckGroupCompletion, ReferralsFromPlacesOrIntoSlotsTheGroupsDoNotHaveCarryNothing)
{
    auto state = FeedingGroup();
    state->ReferralTable[1][3] = {0, 0, 2, 0}; // into the slot of the group's name
    state->ReferralTable[2][0] = {1, 3, 0, 0};
    state->ReferralTable[1][5].ToGroup = 2; // place 5 of a group of 4, as a file may hold it
    state->ReferralTable[1][5].ToSlot = 4;
    state->ReferralTable[2][4] = {1, 5, 0, 0};
    state->NameTable[2][4] = QStringLiteral("5. Gruppe 1");
    StoreGames(*state, 1, 1, 6);
    CheckGroupCompletion(*state, 1);
    EXPECT_TRUE(state->GroupCompleted[1]);
    EXPECT_EQ(state->NameTable[2][4], QStringLiteral("5. Gruppe 1"));
    EXPECT_EQ(state->NameTable[2][0], QStringLiteral("Gruppe 2"));
    EXPECT_EQ(state->NameTable[2][1], QStringLiteral("Gruppe 1 2"));
}
