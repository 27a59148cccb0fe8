// "Platzverteilung optimieren": the optimised plan of a round against the plan the allocation
// makes without it.
#include "allocation/PlanOptimiser.h"
#include "allocation/IncrementalPenalty.h"
#include "allocation/Penalty.h"
#include "allocation/PlanLowerBound.h"
#include "allocation/RoundFill.h"
#include "allocation/RoundReport.h"
#include "allocation/RoundTeams.h"
#include "allocation/Search.h"
#include "allocation/SlotPresence.h"
#include "allocation/SlotTable.h"

#include "AllocationTestSupport.h"

#include <gtest/gtest.h>

#include <map>
#include <random>
#include <set>
#include <tuple>

namespace {
// A round as the allocation leaves it before the referees: filled, and searched where it would be.
struct PlannedRound {
    SlotTable table;
    int fields = 0;
    int teamCount = 0;
    int penalty = 0;
};

void PlanWithoutOptimising(const TournamentState& state, long long depth, PlannedRound& round)
{
    const RoundTeams teams = MakeRoundTeams(state, 1);
    round.fields = state.FieldsInRound[1];
    round.teamCount = teams.TeamCount;
    round.table.clear();
    if (state.OneFieldPerGroup[1])
        FillByGroup(round.table, teams, state.Pairings);
    else
        ASSERT_TRUE(FillByMatchdayRotation(round.table, teams, state.Pairings, round.fields));
    SlotPresence presence;
    presence.build(round.table, round.table.slotCount(), round.fields);
    if (!state.OneFieldPerGroup[1] && round.fields > teams.GroupCount) {
        RepairBackToBack(round.table, presence, round.table.slotCount(), round.fields);
        round.penalty = RandomSearch(round.table, presence, round.table.slotCount(), round.fields,
                                     teams.TeamCount, depth);
    } else {
        round.penalty = BackToBackPenalty(presence, round.table.slotCount(), teams.TeamCount);
    }
}

using Cell = std::tuple<int, int, int>; // team A, team B, game
// Where each game stands: slot and field.
std::map<Cell, std::pair<int, int>> GamesOf(const SlotTable& table, int fields)
{
    std::map<Cell, std::pair<int, int>> games;
    for (int slot = 1; slot <= table.slotCount(); ++slot) {
        for (int field = 1; field <= fields; ++field) {
            const SlotEntry& entry = table.at(slot, field);
            if (!entry.isEmpty()) {
                EXPECT_TRUE(games.insert({{entry.TeamA, entry.TeamB, entry.Game}, {slot, field}}).second);
            }
        }
    }
    return games;
}

// The optimised table holds the same games in no more slots, no team twice in a slot, every game
// on its field when the groups keep their fields, and the penalty it reports.
void ExpectValidOptimisedPlan(const PlannedRound& before, const SlotTable& after, bool keepFields,
                              int penalty)
{
    ASSERT_LE(after.slotCount(), before.table.slotCount());
    const auto original = GamesOf(before.table, before.fields);
    const auto optimised = GamesOf(after, before.fields);
    ASSERT_EQ(optimised.size(), original.size());
    for (const auto& [game, place] : original) {
        ASSERT_TRUE(optimised.count(game));
        if (keepFields) {
            EXPECT_EQ(optimised.at(game).second, place.second);
        }
    }
    for (int slot = 1; slot <= after.slotCount() + 1; ++slot) {
        std::set<int> playing;
        for (int field = 1; field <= before.fields; ++field) {
            const SlotEntry& entry = after.at(slot, field);
            if (slot > after.slotCount()) {
                EXPECT_TRUE(entry.isEmpty());
            } else if (!entry.isEmpty()) {
                EXPECT_TRUE(playing.insert(entry.TeamA).second && playing.insert(entry.TeamB).second)
                    << "slot " << slot;
            }
        }
    }
    SlotPresence presence;
    presence.build(after, after.slotCount(), before.fields);
    EXPECT_EQ(BackToBackPenalty(presence, after.slotCount(), before.teamCount), penalty);
    EXPECT_LE(penalty, before.penalty);
}

RoundShape RandomRound(std::mt19937& generator)
{
    RoundShape shape;
    const int groups = 1 + int(generator() % 4);
    for (int k = 0; k < groups; ++k)
        shape.GroupSizes.push_back(int(generator() % 9)); // now and then a group without games
    shape.ReturnLeg = generator() % 4 == 0;
    const unsigned kind = generator() % 4;
    shape.OneFieldPerGroup = kind == 0;
    shape.Fields = kind == 1 ? std::max(1, groups - int(generator() % 2)) : groups + int(generator() % 4);
    return shape;
}
} // namespace

TEST(PlanOptimiser, NeverWorseAlwaysValidAndTheSameEveryTime)
{
    std::mt19937 generator(4711);
    const auto state = MakeTournament({});
    auto planned = std::make_unique<PlannedRound>();
    auto optimised = std::make_unique<SlotTable>();
    auto again = std::make_unique<SlotTable>();
    PlanOptimiser optimiser;
    int improved = 0;
    for (int sample = 0; sample < 300; ++sample) {
        const RoundShape shape = RandomRound(generator);
        SetRounds(*state, {shape});
        SCOPED_TRACE(testing::Message() << "sample " << sample << ": " << shape.GroupSizes.size()
                                        << " groups on " << shape.Fields << " fields");
        PlanWithoutOptimising(*state, 1, *planned);
        const OptimisedRound round{planned->table.slotCount(), planned->fields, planned->teamCount,
                                   shape.OneFieldPerGroup, 1};
        *optimised = planned->table;
        const int penalty = optimiser.improve(*optimised, round, planned->penalty);
        ExpectValidOptimisedPlan(*planned, *optimised, shape.OneFieldPerGroup, penalty);
        // The bound of a round whose runs overflow counts them beyond the penalty's cap.
        const std::int64_t bound =
            LowerBoundOfRound(planned->table, round.SlotCount, round.FieldCount, round.TeamCount).value();
        EXPECT_GE(penalty, std::min<std::int64_t>(bound, BackToBack::OverflowPenalty));
        *again = planned->table;
        EXPECT_EQ(optimiser.improve(*again, round, planned->penalty), penalty);
        EXPECT_TRUE(*again == *optimised);
        improved += penalty < planned->penalty ? 1 : 0;
        if (HasFailure())
            return;
    }
    EXPECT_GT(improved, 50);
}

TEST(PlanOptimiser, ADepthOfZeroLeavesThePlan)
{
    const auto state = MakeTournament({{{7}, 2}});
    PlannedRound planned;
    PlanWithoutOptimising(*state, 1, planned);
    SlotTable table = planned.table;
    PlanOptimiser optimiser;
    EXPECT_EQ(optimiser.improve(table, {table.slotCount(), 2, 7, false, 0}, planned.penalty),
              planned.penalty);
    EXPECT_TRUE(table == planned.table);
}

TEST(PlanOptimiser, TheLowerBoundCountsRestsAndNeighbourSlots)
{
    // One group of 6 with return leg on 2 fields in 15 slots: every team plays 10 times and rests 5
    // times, so 4 runs of two at least (100 each); two games a slot leave 2 teams in both of two
    // neighbouring slots, 14 times.
    SlotTable table;
    table.setSlotCount(15);
    const int pattern[3][4] = {{1, 2, 3, 4}, {5, 6, 1, 3}, {2, 4, 5, 6}}; // two games each a slot
    for (int slot = 1; slot <= 15; ++slot) {
        const int* teams = pattern[(slot - 1) % 3];
        table.at(slot, 1) = {teams[0], teams[1], 0, 2 * slot - 1};
        table.at(slot, 2) = {teams[2], teams[3], 0, 2 * slot};
    }
    const PlanLowerBound bound = LowerBoundOfRound(table, 15, 2, 6);
    EXPECT_EQ(bound.TeamRests, 600);
    EXPECT_EQ(bound.NeighbourSlots, 14 * 2 * 25);
    EXPECT_EQ(bound.Combined, 700);
    EXPECT_EQ(bound.value(), 700);
    EXPECT_EQ(TeamRestBound(4, 10), 0);
    EXPECT_EQ(TeamRestBound(3, 3), 125);
}

namespace {
struct IssueRound {
    const char* name;
    RoundShape shape;
};

class OptimisedRounds : public testing::TestWithParam<IssueRound> {};

int BackToBackPairs(const AllocationOutput& output)
{
    const QString prefix = QStringLiteral("Runde 1 Doppelspiele: ");
    for (const QString& line : output.Messages.lines()) {
        if (line.startsWith(prefix))
            return line.mid(prefix.size()).toInt();
    }
    return -1;
}
} // namespace

// The whole run with the box ticked: a better plan, and the round report and the time plan show it.
TEST_P(OptimisedRounds, TheBoxGivesABetterPlanInTheReportAndTheTimePlan)
{
    auto state = MakeTournament({GetParam().shape});
    const auto specified = Allocate(*state);
    state->Settings.OptimiseAllocation = true;
    const auto optimised = Allocate(*state);
    EXPECT_LT(optimised->RoundPenalty[1], specified->RoundPenalty[1]);
    EXPECT_LE(BackToBackPairs(*optimised), BackToBackPairs(*specified)); // runs of three become pairs
    EXPECT_FALSE(optimised->TimePlan == specified->TimePlan);
    AllocationOptions off;
    off.Optimise = false;
    EXPECT_TRUE(Allocate(*state, off)->TimePlan == specified->TimePlan);
}

INSTANTIATE_TEST_SUITE_P(PlanOptimiser, OptimisedRounds,
                         testing::Values(IssueRound{"SevenOnTwoFields", {{7}, 2}},
                                         IssueRound{"TwoFivesOnThreeFields", {{5, 5}, 3}}),
                         [](const testing::TestParamInfo<IssueRound>& info) {
                             return std::string(info.param.name);
                         });
