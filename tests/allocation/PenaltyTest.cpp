#include "allocation/Penalty.h"
#include "allocation/PlanRandom.h"

#include <gtest/gtest.h>

#include <random>

using namespace BackToBack;

TEST(PlanRandom, FollowsTheGeneratorFromSeedOne)
{
    PlanRandom random;
    EXPECT_EQ(random.Random(10), 0);
    EXPECT_EQ(random.seed(), 134775814u);
    EXPECT_EQ(random.Random(10), 8);
    EXPECT_EQ(random.seed(), 3698175007u);
    EXPECT_EQ(random.Random(7), 1);
    EXPECT_EQ(random.Random(1000), 272);
    EXPECT_EQ(random.Random(3), 2);
    EXPECT_EQ(random.Random(50), 15);
    EXPECT_EQ(random.seed(), 1368768587u);
}

TEST(Penalty, RunsOfTwoOrMoreCostFiveToTheirLength)
{
    const std::pair<int, std::int64_t> scores[] = {{0, 0}, {1, 0}, {2, 25}, {3, 125}, {13, 1220703125}};
    for (const auto& [length, score] : scores)
        EXPECT_EQ(RunScore(length), score) << length;
    TeamAccumulator accumulator;
    accumulator.addRun(3);
    accumulator.addRun(1);
    accumulator.addRun(2);
    accumulator.endTeam();
    EXPECT_EQ(accumulator.penalty(), 150);
}

TEST(Penalty, AnOverflowingTeamSetsTheGuardValueAndTheNextTeamsAddToIt)
{
    TeamAccumulator longRun;
    longRun.addRun(2);
    longRun.addRun(14);
    longRun.addRun(3); // not added: the team's evaluation ended at the long run
    longRun.endTeam();
    EXPECT_EQ(longRun.penalty(), OverflowPenalty);
    longRun.addRun(2);
    longRun.endTeam();
    EXPECT_EQ(longRun.penalty(), OverflowPenalty + 25);

    // Two runs of 13 fit one by one but not together.
    TeamAccumulator sum;
    sum.addRun(13);
    sum.endTeam();
    EXPECT_EQ(sum.penalty(), 1220703125);
    sum.addRun(13);
    sum.endTeam();
    EXPECT_EQ(sum.penalty(), OverflowPenalty);
    sum.addRun(13);
    sum.endTeam();
    EXPECT_EQ(sum.penalty(), OverflowPenalty);
}

TEST(Penalty, AddingWholeTeamsGivesTheSameAsAddingTheirRuns)
{
    std::mt19937 generator(7);
    std::uniform_int_distribution<int> runLength(0, 15);
    std::uniform_int_distribution<int> runCount(0, 4);
    for (int sample = 0; sample < 2000; ++sample) {
        TeamAccumulator runByRun;
        int teamByTeam = 0;
        for (int team = 0; team < 6; ++team) {
            std::int64_t score = 0;
            bool longRun = false;
            for (int run = runCount(generator); run > 0; --run) {
                const int length = runLength(generator) % (sample % 3 == 0 ? 16 : 12);
                runByRun.addRun(length);
                score += RunScore(length);
                longRun = longRun || length > LongestScoredRun;
            }
            runByRun.endTeam();
            teamByTeam = AddTeam(teamByTeam, score, longRun);
            ASSERT_EQ(teamByTeam, runByRun.penalty()) << "sample " << sample << " team " << team;
        }
    }
}
