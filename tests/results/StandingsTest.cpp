#include "results/Standings.h"
#include "results/ResultTable.h"
#include "results/ResultsTestSupport.h"
#include "support/GTestQt.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <vector>

using namespace results_test;

namespace {
std::vector<int> places(const TournamentState& state, int group)
{
    std::vector<int> ranked;
    for (int place = 1; place <= state.TeamsInGroup[group]; ++place)
        ranked.push_back(state.RankedPosition[group][place]);
    return ranked;
}

// The five cells of table row `place` as written into the tagged grid (column 1, rows from 10).
QStringList row(const TournamentState& state, int place)
{
    QStringList cells;
    for (int col = 1; col <= 5; ++col)
        cells << state.ScheduleGrid.cell(col, 9 + place);
    return cells;
}

struct Game {
    int a, b, goalsA, goalsB;
    bool returnLeg = false;
};

void enterGames(TournamentState& state, int group, std::initializer_list<Game> games)
{
    for (const Game& game : games)
        Enter(state, group, game.a, game.b, game.goalsA, game.goalsB, game.returnLeg);
}

// A tournament whose group `group` writes its table into the grid rows tagged from row 10.
std::unique_ptr<TournamentState> withTable(const std::vector<std::vector<int>>& groupsPerRound, int group = 1)
{
    auto state = MakeTournament(groupsPerRound);
    state->TablesToGrid = true;
    TagTableRows(*state, group, 10);
    return state;
}
} // namespace

TEST(GameOutcome, SetsCountAThousandGoalsAndSetPriorityMakesEqualSetsADraw)
{
    TournamentSettings settings;
    EXPECT_EQ(GameOutcome(settings, 0, 0, 3, 1), Outcome::FirstBetter);
    EXPECT_EQ(GameOutcome(settings, 2, 0, 1, 3), Outcome::SecondBetter) << "without sets only goals count";
    EXPECT_EQ(GameOutcome(settings, 0, 0, 2, 2), Outcome::Level);

    settings.WithSets = true;
    EXPECT_EQ(GameOutcome(settings, 1, 1, 28, 20), Outcome::Level);
    EXPECT_EQ(GameOutcome(settings, 2, 1, 40, 43), Outcome::FirstBetter);
    settings.SetPriority = false;
    EXPECT_EQ(GameOutcome(settings, 1, 1, 28, 20), Outcome::FirstBetter);
    EXPECT_EQ(GameOutcome(settings, 1, 1, 20, 20), Outcome::Level);
    EXPECT_EQ(GameOutcome(settings, 1, 2, 2001, 1000), Outcome::FirstBetter);
    EXPECT_EQ(GameOutcome(settings, 1, 2, 1999, 1000), Outcome::SecondBetter);
}

TEST(DirectCompareApplies, SwitchedOffRequirementsCountAsMet)
{
    TournamentSettings settings;
    const RankValues a{2, 0, 3, 5, 0, 7};
    RankValues b = a;
    EXPECT_TRUE(DirectCompareApplies(a, b, settings));
    b.GoalsFor = 8;
    EXPECT_FALSE(DirectCompareApplies(a, b, settings));
    settings.DirectCompareNeedsPlusGoals = false;
    EXPECT_TRUE(DirectCompareApplies(a, b, settings));
    b.GoalDifference = 4;
    EXPECT_FALSE(DirectCompareApplies(a, b, settings));
    settings.DirectCompareNeedsGoalDiff = false;
    EXPECT_TRUE(DirectCompareApplies(a, b, settings));
    b.Points = 4; // points and set difference are always required
    EXPECT_FALSE(DirectCompareApplies(a, b, settings));
}

TEST(ComputeStandings, ThreePointsForAWinOneForADraw)
{
    auto state = withTable({{4}});
    state->Settings.PointsSystem = 3;
    enterGames(*state, 1,
               {{1, 2, 1, 1}, {1, 3, 1, 1}, {1, 4, 1, 0}, {2, 3, 1, 0}, {2, 4, 1, 3}, {3, 4, 1, 0}});
    ComputeStandings(*state, 1);

    // 5, 4, 4 and 3 points: the goal difference puts 3 above 2, the draw point keeps 2 above the
    // better goal difference of 4
    EXPECT_EQ(places(*state, 1), (std::vector{1, 3, 2, 4}));
    EXPECT_EQ(row(*state, 1), (QStringList{"1) T1.1", " 3     1   2   0", "", "3 : 2", "5"}));
    EXPECT_TRUE(state->GroupCompleted[1]);
}

TEST(ComputeStandings, TwoPointSystemRanksByTheDifferenceOfPlusAndMinusPoints)
{
    auto state = withTable({{5}});
    enterGames(*state, 1, {{1, 2, 3, 1}, {1, 3, 2, 0}, {4, 1, 1, 0}, {5, 1, 2, 1}});
    ComputeStandings(*state, 1);
    // teams 4 and 5 won their only game: 2 : 0 beats the 4 : 4 of team 1 with two wins
    EXPECT_EQ(places(*state, 1), (std::vector{5, 4, 1, 2, 3}));
    EXPECT_EQ(row(*state, 3)[4], QStringLiteral("4 : 4"));
    EXPECT_FALSE(state->GroupCompleted[1]);
}

TEST(ComputeStandings, SetsWithAndWithoutSetPriority)
{
    auto state = withTable({{3}});
    state->Settings.WithSets = true;
    state->Settings.PointsSystem = 3;
    Enter(*state, 1, 1, 2, 28, 20, false, 1, 1); // one set each, team 1 more points
    Enter(*state, 1, 3, 1, 40, 43, false, 2, 1); // team 3 wins on sets with fewer points

    ComputeStandings(*state, 1);
    EXPECT_EQ(places(*state, 1), (std::vector{3, 2, 1})) << "3: win, 2: draw +8 points, 1: draw and loss";
    EXPECT_EQ(row(*state, 1), (QStringList{"1) T1.3", " 1     1   0   0", "2 : 1", "40 : 43", "3"}));
    EXPECT_EQ(row(*state, 3), (QStringList{"3) T1.1", " 2     0   1   1", "2 : 3", "71 : 60", "1"}));

    state->Settings.SetPriority = false;
    ComputeStandings(*state, 1);
    // 1 now beats 2 on points; 1 and 3 have a win each and 3 the better set difference
    EXPECT_EQ(places(*state, 1), (std::vector{3, 1, 2}));
    EXPECT_EQ(row(*state, 2)[1], QStringLiteral(" 2     1   0   1"));
}

TEST(ComputeStandings, CancelledGamesCountOnlyTowardsCompletion)
{
    auto state = MakeTournament({{3}});
    Enter(*state, 1, 1, 2, 2, 0);
    GameResult cancelled = ResultFor(*state, 1, 1, 3, 0, 0);
    cancelled.ScoreText = QStringLiteral("x");
    StoreResult(*state, cancelled);
    ComputeStandings(*state, 1);
    EXPECT_FALSE(state->GroupCompleted[1]);
    Enter(*state, 1, 2, 3, 1, 1);
    state->TablesToGrid = true;
    TagTableRows(*state, 1, 10);
    ComputeStandings(*state, 1);
    EXPECT_TRUE(state->GroupCompleted[1]);
    EXPECT_TRUE(state->GroupHasResults[1]);
    EXPECT_EQ(places(*state, 1), (std::vector{1, 3, 2}));
    EXPECT_EQ(row(*state, 1)[1], QStringLiteral(" 1     1   0   0"));
    EXPECT_EQ(row(*state, 2), (QStringList{"2) T1.3", " 1     0   1   0", "", "1 : 1", "1 : 1"}));
}

TEST(ComputeStandings, LevelTeamsKeepTheirPlacesButAThirdTeamCanReorderThem)
{
    auto state = withTable({{3}});
    enterGames(*state, 1, {{1, 2, 1, 1}, {3, 1, 2, 0}, {3, 2, 2, 0}});
    ComputeStandings(*state, 1);
    EXPECT_EQ(places(*state, 1), (std::vector{3, 2, 1}));
    // 2 and 1 drew their game: the head-to-head decides nothing and they share the place
    EXPECT_EQ(row(*state, 2)[0], QStringLiteral("2) T1.2"));
    EXPECT_EQ(row(*state, 3)[0], QStringLiteral("    T1.1"));
}

TEST(ComputeStandings, HeadToHeadAddsBothLegsOfAReturnRound)
{
    auto state = withTable({{3}});
    state->ReturnLeg[1] = true;
    // 3 : 1 for team 2 over both legs of its game against team 1
    enterGames(*state, 1,
               {{2, 1, 3, 0},
                {2, 1, 0, 1, true},
                {1, 3, 3, 0},
                {1, 3, 3, 0, true},
                {2, 3, 2, 1},
                {2, 3, 2, 1, true}});
    ComputeStandings(*state, 1);
    // teams 1 and 2 are level on all six values: 3 wins, 1 loss, 7 : 3 goals
    EXPECT_EQ(places(*state, 1), (std::vector{2, 1, 3}));
    EXPECT_EQ(row(*state, 1), (QStringList{"1)! T1.2", " 4     3   0   1", "", "7 : 3", "6 : 2"}));
    EXPECT_EQ(row(*state, 2)[0], QStringLiteral("2)! T1.1"));
    EXPECT_EQ(row(*state, 3)[0], QStringLiteral("3) T1.3"));
}

TEST(ComputeStandings, HeadToHeadIsOnePassOverNeighbours)
{
    auto state = MakeTournament({{3}});
    enterGames(*state, 1, {{2, 1, 1, 0}, {1, 3, 1, 0}, {3, 2, 1, 0}});
    ComputeStandings(*state, 1);
    // all three are level; 2 beat 1 (exchanged), then 1 beat 3 (kept)
    EXPECT_EQ(places(*state, 1), (std::vector{2, 1, 3}));
}

namespace {
// Round 1: group 1 (A, B); round 2: group 2 (B, A, C) where A and B end level and drew;
// round 3: group 3 (A, B) where B won. The meetings of other rounds decide within the scope.
std::unique_ptr<TournamentState> teamsMeetingInThreeRounds()
{
    auto state = withTable({{2}, {3}, {2}}, 2);
    const QString a = QStringLiteral("Adler");
    const QString b = QStringLiteral("Bären");
    state->NameTable[1][1] = a;
    state->NameTable[1][2] = b;
    state->NameTable[2][1] = b;
    state->NameTable[2][2] = a;
    state->NameTable[3][1] = a;
    state->NameTable[3][2] = b;
    Enter(*state, 1, 1, 2, 2, 1); // A beats B in round 1
    enterGames(*state, 2, {{1, 2, 1, 1}, {1, 3, 2, 0}, {2, 3, 2, 0}});
    Enter(*state, 3, 2, 1, 4, 0); // B beats A in round 3: later than group 2, never counts for it
    return state;
}
} // namespace

TEST(ComputeStandings, CompareScopeDecidesWhichEarlierMeetingsCount)
{
    auto state = teamsMeetingInThreeRounds();
    ComputeStandings(*state, 2);
    EXPECT_EQ(places(*state, 2), (std::vector{2, 1, 3}));
    EXPECT_EQ(row(*state, 1)[0], QStringLiteral("1)! Adler"));
    EXPECT_EQ(row(*state, 2)[0], QStringLiteral("2)! Bären"));

    state->Settings.DirectCompareScope = CompareScope::SameRound;
    ComputeStandings(*state, 2);
    EXPECT_EQ(places(*state, 2), (std::vector{1, 2, 3}));
    EXPECT_EQ(row(*state, 1)[0], QStringLiteral("1) Bären"));
    EXPECT_EQ(row(*state, 2)[0], QStringLiteral("    Adler"));
}

TEST(ComputeStandings, LastRoundScopeLeavesOutOlderRounds)
{
    auto state = MakeTournament({{2}, {2}, {2}});
    for (int group = 1; group <= 3; ++group) {
        state->NameTable[group][1] = QStringLiteral("Bären");
        state->NameTable[group][2] = QStringLiteral("Adler");
    }
    Enter(*state, 1, 2, 1, 3, 0); // Adler won in round 1
    Enter(*state, 2, 1, 2, 0, 0);
    Enter(*state, 3, 1, 2, 1, 1);
    state->Settings.DirectCompareScope = CompareScope::SameAndLastRound;
    ComputeStandings(*state, 3);
    EXPECT_EQ(places(*state, 3), (std::vector{1, 2}));
    state->Settings.DirectCompareScope = CompareScope::WholeTournament;
    ComputeStandings(*state, 3);
    EXPECT_EQ(places(*state, 3), (std::vector{2, 1}));
}

TEST(ComputeStandings, TableRowsAreWrittenOnlyIntoTaggedCellsAndOnlyWhenAsked)
{
    auto state = MakeTournament({{2, 2}});
    Enter(*state, 2, 1, 2, 0, 1);
    TagTableRows(*state, 2, 10); // second group of the round: columns 6..10
    state->ScheduleGrid.setTag(9, 11, QStringLiteral("2 tabelle 1")); // a tag of another row
    ComputeStandings(*state, 2);
    EXPECT_EQ(state->ScheduleGrid.cell(6, 10), QStringLiteral("1) ")) << "TablesToGrid is off";
    EXPECT_EQ(places(*state, 2), (std::vector{2, 1}));

    state->TablesToGrid = true;
    ComputeStandings(*state, 2);
    EXPECT_EQ(state->ScheduleGrid.cell(6, 10), QStringLiteral("1) T2.2"));
    EXPECT_EQ(state->ScheduleGrid.cell(10, 10), QStringLiteral("2 : 0"));
    EXPECT_EQ(state->ScheduleGrid.cell(6, 11), QStringLiteral("2) T2.1"));
    EXPECT_EQ(state->ScheduleGrid.cell(9, 11), QString()) << "tagged for another row";
    EXPECT_EQ(state->ScheduleGrid.cell(10, 11), QStringLiteral("0 : 2"));
}

TEST(ComputeStandings, RecordsOutsideTheGroupsGamesAddNothing)
{
    auto state = MakeTournament({{3}});
    Enter(*state, 1, 1, 2, 2, 0);
    for (int returnLegGame = 4; returnLegGame <= 6; ++returnLegGame) // the group has no return leg
        StoreResult(*state, GameResult{1, returnLegGame, QString(), 0, 0, 9, 0});
    ComputeStandings(*state, 1);
    EXPECT_EQ(places(*state, 1), (std::vector{1, 3, 2}));
    EXPECT_FALSE(state->GroupCompleted[1]) << "three records, but only one of the three games";
    EXPECT_TRUE(state->GroupHasResults[1]);
}

TEST(ComputeStandings, UnnamedTeamsMatchEveryGameBetweenUnnamedTeams)
{
    auto state = withTable({{2}, {3}}, 2);
    for (int position = 1; position <= 2; ++position) {
        state->NameTable[1][position].clear();
        state->NameTable[2][position].clear();
    }
    Enter(*state, 1, 1, 2, 2, 0);
    enterGames(*state, 2, {{1, 2, 1, 1}, {1, 3, 1, 0}, {2, 3, 1, 0}});
    ComputeStandings(*state, 2);
    EXPECT_TRUE(row(*state, 1)[0].startsWith(QStringLiteral("1)! "))) << "decided by the game of round 1";
    EXPECT_TRUE(row(*state, 2)[0].startsWith(QStringLiteral("2)! ")));

    state->NameTable[2][2] = QStringLiteral("Adler"); // now they never met before
    ComputeStandings(*state, 2);
    EXPECT_EQ(row(*state, 1)[0], QStringLiteral("1) "));
    EXPECT_EQ(row(*state, 2)[0], QStringLiteral("    Adler"));
}
