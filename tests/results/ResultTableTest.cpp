#include "results/ResultTable.h"
#include "results/ResultsTestSupport.h"
#include "support/GTestQt.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>

using namespace results_test;

namespace {
GameResult goalsResult(int group, int game, int first, int second)
{
    return GameResult{group, game, QString(), 0, 0, first, second};
}

void expectSortedAndUnique(const TournamentState& state)
{
    for (int index = 2; index <= state.ResultCount; ++index) {
        const GameResult& before = state.ResultTable[index - 1];
        const GameResult& after = state.ResultTable[index];
        EXPECT_LT(std::pair(before.Group, before.Game), std::pair(after.Group, after.Game)) << index;
    }
}
} // namespace

TEST(ResultTable, StaysSortedWhateverTheOrderOfEntry)
{
    auto state = MakeTournament({{6, 5}, {4}});
    std::vector<std::pair<int, int>> keys;
    for (int group = 1; group <= 3; ++group)
        for (int game = 1; game <= GroupGameCount(*state, group); ++game)
            keys.emplace_back(group, game);
    std::mt19937 random(20240611);
    std::shuffle(keys.begin(), keys.end(), random);
    for (const auto& [group, game] : keys)
        EXPECT_EQ(StoreResult(*state, goalsResult(group, game, game, group)), StoreOutcome::Inserted);

    ASSERT_EQ(state->ResultCount, int(keys.size()));
    expectSortedAndUnique(*state);
    for (const auto& [group, game] : keys) {
        const int index = FindResult(*state, group, game);
        ASSERT_NE(index, 0);
        EXPECT_EQ(state->ResultTable[index].GoalsFirst, game);
    }
    EXPECT_EQ(CountGroupResults(*state, 2), 10);
}

TEST(ResultTable, AGameAlreadyStoredIsReplacedInPlaceAndADeletedOneClosesTheGap)
{
    auto state = MakeTournament({{4, 4}});
    StoreResult(*state, goalsResult(1, 2, 1, 0));
    StoreResult(*state, goalsResult(2, 1, 1, 0));
    StoreResult(*state, goalsResult(1, 5, 1, 0));
    EXPECT_EQ(StoreResult(*state, goalsResult(1, 2, 4, 4)), StoreOutcome::Replaced);
    EXPECT_EQ(state->ResultCount, 3);
    EXPECT_EQ(state->ResultTable[1], goalsResult(1, 2, 4, 4));
    EXPECT_EQ(state->ResultTable[2].Game, 5);
    EXPECT_EQ(state->ResultTable[3].Group, 2);

    EXPECT_TRUE(DeleteResult(*state, 1, 2));
    EXPECT_FALSE(DeleteResult(*state, 1, 2));
    ASSERT_EQ(state->ResultCount, 2);
    EXPECT_EQ(state->ResultTable[1].Game, 5);
    EXPECT_EQ(state->ResultTable[2].Group, 2);
    EXPECT_EQ(state->ResultTable[3], GameResult{});
}

TEST(ResultTable, AFullTableTakesNoNewGameButStillReplaces)
{
    auto state = MakeTournament({{4}});
    for (int index = 1; index <= Limits::MaxResults; ++index)
        state->ResultTable[index] = goalsResult(1 + index / 100, index % 100, 1, 1);
    state->ResultCount = Limits::MaxResults;
    const GameResult last = state->ResultTable[Limits::MaxResults];

    EXPECT_EQ(StoreResult(*state, goalsResult(400, 1, 2, 2)), StoreOutcome::TableFull);
    EXPECT_EQ(StoreResult(*state, goalsResult(1, 150, 2, 2)), StoreOutcome::TableFull);
    EXPECT_EQ(state->ResultCount, Limits::MaxResults);
    EXPECT_EQ(state->ResultTable[Limits::MaxResults], last);

    EXPECT_EQ(StoreResult(*state, goalsResult(1, 5, 9, 9)), StoreOutcome::Replaced);
    EXPECT_EQ(state->ResultTable[5].GoalsFirst, 9);
}

TEST(ResultTable, ClearingAGroupInTheMiddleKeepsTheOthersInOrder)
{
    auto state = MakeTournament({{3, 3, 3}});
    for (int group = 1; group <= 3; ++group)
        for (int game = 1; game <= 3; ++game)
            StoreResult(*state, goalsResult(group, game, group, game));
    state->GroupCompleted[2] = true;
    state->GroupHasResults[2] = true;

    ClearGroupResults(*state, 2);
    ASSERT_EQ(state->ResultCount, 6);
    expectSortedAndUnique(*state);
    EXPECT_EQ(state->ResultTable[4], goalsResult(3, 1, 3, 1));
    EXPECT_EQ(state->ResultTable[7], GameResult{});
    EXPECT_FALSE(state->GroupCompleted[2]);
    EXPECT_FALSE(state->GroupHasResults[2]);

    state->GroupHasResults[3] = true; // a group without records also loses its flags
    ClearGroupResults(*state, 5);
    EXPECT_EQ(state->ResultCount, 6);
    EXPECT_FALSE(state->GroupHasResults[5]);
}
