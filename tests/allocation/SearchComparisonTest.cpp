// The fast search must take every decision of the plain one: same tables, same penalties.
#include "allocation/IncrementalPenalty.h"
#include "allocation/Penalty.h"
#include "allocation/ReferenceSearch.h"
#include "allocation/RoundFill.h"
#include "allocation/RoundTeams.h"
#include "allocation/Search.h"
#include "allocation/SlotPresence.h"
#include "allocation/SlotTable.h"

#include "AllocationTestSupport.h"

#include <gtest/gtest.h>

#include <random>

namespace {
// Round shapes of every kind the search meets, always with more fields than groups.
RoundShape RandomSearchedShape(std::mt19937& generator)
{
    std::uniform_int_distribution<int> groupCount(1, 4);
    std::uniform_int_distribution<int> groupSize(0, 9);
    std::uniform_int_distribution<int> extraFields(1, 4);
    RoundShape shape;
    const int groups = groupCount(generator);
    for (int k = 0; k < groups; ++k) {
        const int size = groupSize(generator);
        shape.GroupSizes.push_back(size <= 1 ? size
                                             : std::min(size, 7)); // now and then a group without games
    }
    shape.Fields = groups + extraFields(generator);
    shape.ReturnLeg = generator() % 3 == 0;
    return shape;
}

void ExpectSamePresence(const SlotPresence& presence, const SlotTable& table, int slotCount, int fieldCount,
                        int teamCount)
{
    for (int slot = 0; slot <= slotCount + 1; ++slot) {
        for (int team = 0; team <= teamCount; ++team) {
            ASSERT_EQ(presence.PlaysInSlot(team, slot),
                      ReferenceSearch::PlaysInSlot(table, fieldCount, team, slot))
                << "team " << team << " slot " << slot;
        }
    }
}

// The tables of the comparison, allocated once for all samples.
struct Workspace {
    SlotTable fast;
    SlotTable plain;
    SlotPresence presence;
};

bool SameCells(const SlotTable& first, const SlotTable& second, int slotCount, int fieldCount)
{
    if (first.slotCount() != second.slotCount())
        return false;
    for (int slot = 0; slot <= slotCount + 1; ++slot) {
        for (int field = 0; field <= fieldCount; ++field) {
            if (!(first.at(slot, field) == second.at(slot, field)))
                return false;
        }
    }
    return true;
}

// Fills round 1 of the tournament and improves it both ways.
void ExpectSameDecisions(const TournamentState& state, long long depth, Workspace& work)
{
    const RoundTeams teams = MakeRoundTeams(state, 1);
    const int fields = state.FieldsInRound[1];
    SlotTable& fast = work.fast;
    SlotTable& plain = work.plain;
    fast.clear();
    plain.clear();
    ASSERT_TRUE(FillByMatchdayRotation(fast, teams, state.Pairings, fields));
    ASSERT_TRUE(FillByMatchdayRotation(plain, teams, state.Pairings, fields));
    const int slotCount = fast.slotCount();

    SlotPresence& presence = work.presence;
    presence.build(fast, slotCount, fields);
    EXPECT_EQ(BackToBackPenalty(presence, slotCount, teams.TeamCount),
              ReferenceSearch::BackToBackPenalty(plain, slotCount, fields, teams.TeamCount));

    RepairBackToBack(fast, presence, slotCount, fields);
    ReferenceSearch::RepairBackToBack(plain, slotCount, fields);
    ASSERT_TRUE(SameCells(fast, plain, slotCount, fields)) << "after the repair pass";

    const int fastBest = RandomSearch(fast, presence, slotCount, fields, teams.TeamCount, depth);
    const int plainBest = ReferenceSearch::RandomSearch(plain, slotCount, fields, teams.TeamCount, depth);
    ASSERT_TRUE(SameCells(fast, plain, slotCount, fields)) << "after the random search";
    EXPECT_EQ(fastBest, plainBest);
    EXPECT_EQ(fastBest, ReferenceSearch::BackToBackPenalty(fast, slotCount, fields, teams.TeamCount));
    ExpectSamePresence(presence, fast, slotCount, fields, teams.TeamCount);
}
} // namespace

TEST(SearchComparison, FastAndPlainSearchAgreeOnGeneratedRounds)
{
    std::mt19937 generator(20240611);
    const auto state = MakeTournament({});
    auto work = std::make_unique<Workspace>();
    for (int sample = 0; sample < 300; ++sample) {
        const RoundShape shape = RandomSearchedShape(generator);
        SCOPED_TRACE(testing::Message() << "sample " << sample << ": " << shape.GroupSizes.size()
                                        << " groups on " << shape.Fields << " fields");
        SetRounds(*state, {shape});
        ExpectSameDecisions(*state, 1, *work);
        if (HasFatalFailure())
            return;
    }
}

TEST(SearchComparison, FastAndPlainSearchAgreeWhenRunsOverflow)
{
    auto work = std::make_unique<Workspace>();
    // Every team of a group of 8 with return leg plays all 14 slots: 5^14 overflows.
    ExpectSameDecisions(*MakeTournament({{{8, 2}, 5, true}}), 2, *work);
    // Runs of 13 fit alone, but their sum does not.
    ExpectSameDecisions(*MakeTournament({{{14, 2}, 8, false}}), 2, *work);
}

TEST(SearchComparison, TheOverflowGuardStillLetsTheSearchImproveTheOtherTeams)
{
    const auto state = MakeTournament({{{8, 2}, 5, true}});
    const RoundTeams teams = MakeRoundTeams(*state, 1);
    SlotTable table;
    ASSERT_TRUE(FillByMatchdayRotation(table, teams, state->Pairings, 5));
    ASSERT_EQ(table.slotCount(), 14);
    // The two games of the small group stand in slots 1 and 2: 2e9 for the big group, 25 for each
    // of the two small-group teams.
    EXPECT_EQ(ReferenceSearch::BackToBackPenalty(table, 14, 5, teams.TeamCount),
              BackToBack::OverflowPenalty + 50);

    SlotPresence presence;
    presence.build(table, 14, 5);
    RepairBackToBack(table, presence, 14, 5);
    EXPECT_EQ(RandomSearch(table, presence, 14, 5, teams.TeamCount, 1), BackToBack::OverflowPenalty);
    EXPECT_EQ(ReferenceSearch::BackToBackPenalty(table, 14, 5, teams.TeamCount), BackToBack::OverflowPenalty);
}
