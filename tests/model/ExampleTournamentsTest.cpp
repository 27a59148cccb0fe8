// The tournaments installed beside the program load and hold what they promise.
#include "support/GTestQt.h"
#include "support/LoadedTournament.h"

#include <gtest/gtest.h>

#include <memory>

TEST(ExampleTournaments, StartFileIsTheOneGroupDefault)
{
    const auto state = LoadedTournament(DataFile(QStringLiteral("normal.auf")));
    auto fresh = std::make_unique<TournamentState>();
    SetUpDefaultTournament(*fresh);
    EXPECT_EQ(state->TeamsInGroup[1], 4);
    EXPECT_EQ(state->TeamsInGroup, fresh->TeamsInGroup);
    EXPECT_EQ(state->NameTable, fresh->NameTable);
    EXPECT_EQ(state->GameLengthInRound, fresh->GameLengthInRound);
    EXPECT_EQ(state->Settings, TournamentSettings{});
}

TEST(ExampleTournaments, ExampleIsAConsistentClubTournament)
{
    const auto state = LoadedTournament();
    ASSERT_EQ(state->RoundCount, 2);
    EXPECT_EQ(state->GroupsInRound[1], 4);
    EXPECT_EQ(state->FieldsInRound[1], 3);
    EXPECT_EQ(state->PauseList.size(), 1);
    EXPECT_EQ(state->NamePoolCount, 18);
    for (int i = 1; i <= state->NamePoolCount; ++i)
        EXPECT_TRUE(state->NamePool[i].Email.contains(u'@')) << i;

    // Every preliminary group has 4 or 5 named teams and feeds the final round.
    for (int group = FirstGroupOfRound(*state, 1); group <= LastGroupOfRound(*state, 1); ++group) {
        EXPECT_GE(state->TeamsInGroup[group], 4);
        EXPECT_LE(state->TeamsInGroup[group], 5);
        for (int slot = 1; slot <= state->TeamsInGroup[group]; ++slot)
            EXPECT_TRUE(state->NameList.contains(state->NameTable[group][slot])) << group << "/" << slot;
        EXPECT_GE(RoundOfGroup(*state, state->ReferralTable[group][1].ToGroup), 2) << group;
    }
    // Referrals mirror each other, and fed positions hold their placeholders.
    for (int group = 1; group <= TotalGroups(*state); ++group) {
        for (int slot = 1; slot <= state->TeamsInGroup[group]; ++slot) {
            const Referral& entry = state->ReferralTable[group][slot];
            if (entry.ToGroup != 0) {
                const Referral& target = state->ReferralTable[entry.ToGroup][entry.ToSlot];
                EXPECT_EQ(target.FromGroup, group);
                EXPECT_EQ(target.FromPlace, slot);
            }
            if (entry.FromGroup != 0) {
                EXPECT_EQ(
                    state->NameTable[group][slot],
                    QStringLiteral("%1. %2").arg(entry.FromPlace).arg(state->NameTable[entry.FromGroup][0]));
            }
        }
    }
    // Results are sorted, name real games and carry goals only.
    ASSERT_GT(state->ResultCount, 0);
    for (int k = 1; k <= state->ResultCount; ++k) {
        const GameResult& result = state->ResultTable[k];
        const int teams = state->TeamsInGroup[result.Group];
        EXPECT_LE(result.Game, GroupGameCount(*state, result.Group));
        EXPECT_NE(state->Pairings.PairingOf(teams, result.Game).first, 0);
        EXPECT_TRUE(result.ScoreText.isEmpty());
        EXPECT_TRUE(state->GroupHasResults[result.Group]);
        if (k > 1) {
            const GameResult& before = state->ResultTable[k - 1];
            EXPECT_LT(std::pair(before.Group, before.Game), std::pair(result.Group, result.Game));
        }
    }
}

TEST(ExampleTournaments, SavingTheLoadedFilesGivesTheSameBytes)
{
    for (const QString& name : {QStringLiteral("normal.auf"), QStringLiteral("beispiel.auf")}) {
        const auto state = LoadedTournament(DataFile(name));
        EXPECT_EQ(WriteTournamentFile(*state), FileContents(DataFile(name))) << name.toStdString();
    }
}
