#include "allocation/RoundFill.h"
#include "allocation/IncrementalPenalty.h"
#include "allocation/RoundReport.h"
#include "allocation/RoundTeams.h"
#include "allocation/Search.h"
#include "allocation/SlotPresence.h"
#include "allocation/SlotTable.h"

#include "AllocationTestSupport.h"

#include <gtest/gtest.h>

#include <set>
#include <utility>

namespace {
SlotTable FilledTable(const TournamentState& state, int round)
{
    SlotTable table;
    const RoundTeams teams = MakeRoundTeams(state, round);
    if (state.OneFieldPerGroup[std::size_t(round)])
        FillByGroup(table, teams, state.Pairings);
    else
        EXPECT_TRUE(
            FillByMatchdayRotation(table, teams, state.Pairings, state.FieldsInRound[std::size_t(round)]));
    return table;
}

// The cell must hold game `game` of the k-th group of the round, as the pairing table names it.
void ExpectGame(const TournamentState& state, const SlotTable& table, int slot, int field, int k, int game)
{
    const RoundTeams teams = MakeRoundTeams(state, 1);
    const PairingEntry pairing = state.Pairings.PairingOf(teams.Size[std::size_t(k)], game);
    const SlotEntry expected{teams.roundTeamNumber(k, pairing.first),
                             teams.roundTeamNumber(k, pairing.second), 0, game};
    EXPECT_EQ(table.at(slot, field), expected) << "slot " << slot << " field " << field;
}

bool SlotIsEmpty(const SlotTable& table, int slot, int fields)
{
    for (int field = 1; field <= fields; ++field) {
        if (!table.at(slot, field).isEmpty())
            return false;
    }
    return true;
}
} // namespace

TEST(RoundFill, OneGroupOfFourOnTwoFieldsFillsThreeFullSlotsThatNoExchangeChanges)
{
    const auto state = MakeTournament({{{4}, 2}});
    SlotTable table = FilledTable(*state, 1);
    ASSERT_EQ(table.slotCount(), 3);
    for (int slot = 1; slot <= 3; ++slot) {
        std::set<int> playing;
        for (int field = 1; field <= 2; ++field) {
            ExpectGame(*state, table, slot, field, 1, 2 * (slot - 1) + field);
            playing.insert({table.at(slot, field).TeamA, table.at(slot, field).TeamB});
        }
        EXPECT_EQ(playing.size(), 4u) << "every team plays in slot " << slot;
    }
    EXPECT_EQ(CountBackToBackPairs(table, 2), 8);

    const SlotTable filled = table;
    SlotPresence presence;
    presence.build(table, 3, 2);
    RepairBackToBack(table, presence, 3, 2);
    RandomSearch(table, presence, 3, 2, 4, 50);
    EXPECT_TRUE(table == filled);
}

TEST(RoundFill, TwoGroupsOfFourOnThreeFieldsTakeTurnsByMatchday)
{
    const auto state = MakeTournament({{{4, 4}, 3}});
    const SlotTable table = FilledTable(*state, 1);
    // Chunks of two games: group 1 games 1-2, group 2 games 1-2, group 1 games 3-4, ...
    const std::vector<std::pair<int, int>> order{{1, 1}, {1, 2}, {2, 1}, {2, 2}, {1, 3}, {1, 4},
                                                 {2, 3}, {2, 4}, {1, 5}, {1, 6}, {2, 5}, {2, 6}};
    ASSERT_EQ(table.slotCount(), 4);
    for (std::size_t i = 0; i < order.size(); ++i)
        ExpectGame(*state, table, int(i) / 3 + 1, int(i) % 3 + 1, order[i].first, order[i].second);
}

TEST(RoundFill, AGameWhoseTeamAlreadyPlaysOpensTheNextSlotAtFieldOne)
{
    // One group of four on three fields: the third game belongs to the next matchday.
    const auto state = MakeTournament({{{4}, 3}});
    const SlotTable table = FilledTable(*state, 1);
    ASSERT_EQ(table.slotCount(), 3);
    for (int slot = 1; slot <= 3; ++slot) {
        ExpectGame(*state, table, slot, 1, 1, 2 * slot - 1);
        ExpectGame(*state, table, slot, 2, 1, 2 * slot);
        EXPECT_TRUE(table.at(slot, 3).isEmpty());
    }
}

TEST(RoundFill, OneFieldPerGroupPutsEachGroupOnItsOwnFieldAndLeavesTheGapsInPlace)
{
    const auto state = MakeTournament({{{4, 3}, 3, false, true}});
    const SlotTable table = FilledTable(*state, 1);
    ASSERT_EQ(table.slotCount(), 6);
    for (int game = 1; game <= 6; ++game)
        ExpectGame(*state, table, game, 1, 1, game);
    for (int game = 1; game <= 3; ++game)
        ExpectGame(*state, table, game, 2, 2, game);
    for (int slot = 4; slot <= 6; ++slot)
        EXPECT_TRUE(table.at(slot, 2).isEmpty());

    // The time plan keeps the gaps: field 2 (columns 5..7) is empty from slot 4 on.
    auto tournament = MakeTournament({{{4, 3}, 3, false, true}});
    const TextGrid plan = Allocate(*tournament)->TimePlan;
    EXPECT_TRUE(plan.cell(5, 8).contains(QStringLiteral(") 2."))) << plan.cell(5, 8).toStdString();
    for (int slot = 4; slot <= 6; ++slot)
        EXPECT_TRUE(plan.cell(5, 6 + 2 * slot).isEmpty() && plan.tag(5, 6 + 2 * slot).isEmpty()) << slot;
}

TEST(RoundFill, GroupsBelowTwoTeamsGiveOneEmptySlot)
{
    auto state = MakeTournament({{{1, 0, 1}, 4}});
    const SlotTable table = FilledTable(*state, 1);
    EXPECT_EQ(table.slotCount(), 1);
    EXPECT_TRUE(SlotIsEmpty(table, 1, 4));

    const auto output = Allocate(*state);
    EXPECT_EQ(output->TimePlan.cell(1, 8), QStringLiteral("9:00"));
    EXPECT_TRUE(output->TimePlan.cell(2, 8).isEmpty());
    EXPECT_EQ(output->Messages.lines().first(), QStringLiteral("Runde 1 Doppelspiele: 0"));
}

TEST(RoundFill, PackingMovesTheLastGameOfASlotIntoTheFirstGap)
{
    SlotTable table;
    table.setSlotCount(1);
    table.at(1, 2) = {1, 2, 0, 1};
    table.at(1, 4) = {3, 4, 0, 2};
    table.at(1, 5) = {5, 6, 0, 3};
    PackSlots(table, 5);
    EXPECT_EQ(table.at(1, 1).Game, 3);
    EXPECT_EQ(table.at(1, 2).Game, 1);
    EXPECT_EQ(table.at(1, 3).Game, 2);
    EXPECT_TRUE(table.at(1, 4).isEmpty());
    EXPECT_TRUE(table.at(1, 5).isEmpty());
}

TEST(RoundFill, DepthZeroGivesThePlanAfterTheRepairPass)
{
    auto state = MakeTournament({{{5, 5, 4}, 5}});
    state->Settings.SearchDepth = QStringLiteral("0");
    SlotTable table = FilledTable(*state, 1);
    SlotPresence presence;
    presence.build(table, table.slotCount(), 5);
    RepairBackToBack(table, presence, table.slotCount(), 5);
    const int repaired = BackToBackPenalty(presence, table.slotCount(), 14);
    EXPECT_EQ(RandomSearch(table, presence, table.slotCount(), 5, 14, 0), repaired);
    EXPECT_EQ(Allocate(*state)->RoundPenalty[1], repaired);
}
