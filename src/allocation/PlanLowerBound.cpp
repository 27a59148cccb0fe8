#include "allocation/PlanLowerBound.h"

#include "allocation/Penalty.h"
#include "allocation/SlotTable.h"

#include <algorithm>
#include <limits>
#include <vector>

namespace {
constexpr std::int64_t PairCost = 25;
constexpr long long LargestNeighbourWork = 20000000; // steps of the slot spread; larger rounds skip it

// The fewest teams playing in two neighbouring slots over every spread of `games` games on
// `slotCount` slots with at most `perSlot` games each; a dynamic programme over the slots.
std::int64_t FewestNeighbourPairs(int slotCount, int perSlot, int games, int teamCount)
{
    if (slotCount < 2 || games > slotCount * perSlot)
        return 0;
    const std::int64_t none = std::numeric_limits<std::int64_t>::max() / 4;
    const auto at = [games](int inSlot, int placed) { return std::size_t(inSlot) * (games + 1) + placed; };
    std::vector<std::int64_t> cost(std::size_t(perSlot + 1) * (games + 1), none);
    std::vector<std::int64_t> next(cost.size(), none);
    for (int g = 0; g <= std::min(perSlot, games); ++g)
        cost[at(g, g)] = 0;
    for (int slot = 2; slot <= slotCount; ++slot) {
        std::fill(next.begin(), next.end(), none);
        for (int g = 0; g <= perSlot; ++g) {
            for (int placed = g; placed <= games; ++placed) {
                const std::int64_t sofar = cost[at(g, placed)];
                if (sofar == none)
                    continue;
                for (int h = 0; h <= perSlot && placed + h <= games; ++h) {
                    const std::int64_t both = std::max(0, 2 * (g + h) - teamCount);
                    std::int64_t& target = next[at(h, placed + h)];
                    target = std::min(target, sofar + both);
                }
            }
        }
        cost.swap(next);
    }
    std::int64_t best = none;
    for (int g = 0; g <= perSlot; ++g)
        best = std::min(best, cost[at(g, games)]);
    return best == none ? 0 : best;
}

std::int64_t RunCost(int length)
{
    // Beyond 13 slots the score no longer fits the penalty; the bound stays at 5^13 per run.
    return BackToBack::RunScore(std::min(length, BackToBack::LongestScoredRun));
}
// `games` games in `runs` runs of as even a length as possible.
std::int64_t EvenRunsCost(int games, int runs)
{
    const int shortRun = games / runs;
    const int longRuns = games % runs;
    return longRuns * RunCost(shortRun + 1) + (runs - longRuns) * RunCost(shortRun);
}

int MostRuns(int games, int slotCount)
{
    return std::max(1, std::min(games, slotCount - games + 1));
}

// The rest bound of every team, raised by the cheapest pairs beyond those the rests force until
// the teams have `pairsNeeded` pairs together. Each further pair means one run less for a team.
std::int64_t CombinedBound(const std::vector<int>& gamesOfTeam, int slotCount, std::int64_t pairsNeeded)
{
    std::int64_t cost = 0;
    std::vector<std::int64_t> furtherPairs;
    for (std::size_t team = 1; team < gamesOfTeam.size(); ++team) {
        const int games = gamesOfTeam[team];
        if (games < 1)
            continue;
        const int runs = MostRuns(games, slotCount);
        cost += EvenRunsCost(games, runs);
        pairsNeeded -= games - runs;
        for (int fewer = runs - 1; fewer >= 1; --fewer)
            furtherPairs.push_back(EvenRunsCost(games, fewer) - EvenRunsCost(games, fewer + 1));
    }
    if (pairsNeeded <= 0)
        return cost;
    const auto taken = std::min<std::size_t>(std::size_t(pairsNeeded), furtherPairs.size());
    std::partial_sort(furtherPairs.begin(), furtherPairs.begin() + std::ptrdiff_t(taken), furtherPairs.end());
    for (std::size_t i = 0; i < taken; ++i)
        cost += furtherPairs[i];
    return cost;
}
} // namespace

std::int64_t TeamRestBound(int games, int slotCount)
{
    return games < 2 ? 0 : EvenRunsCost(games, MostRuns(games, slotCount));
}

PlanLowerBound LowerBoundOfRound(const SlotTable& table, int slotCount, int fieldCount, int teamCount)
{
    std::vector<int> gamesOfTeam(std::size_t(teamCount) + 1, 0);
    int games = 0;
    for (int slot = 1; slot <= slotCount; ++slot) {
        for (int field = 1; field <= fieldCount; ++field) {
            const SlotEntry& entry = table.at(slot, field);
            if (entry.isEmpty())
                continue;
            ++games;
            ++gamesOfTeam[std::size_t(entry.TeamA)];
            ++gamesOfTeam[std::size_t(entry.TeamB)];
        }
    }
    PlanLowerBound bound;
    for (int team = 1; team <= teamCount; ++team)
        bound.TeamRests += TeamRestBound(gamesOfTeam[std::size_t(team)], slotCount);
    const int perSlot = std::min(fieldCount, teamCount / 2);
    if (static_cast<long long>(slotCount) * (perSlot + 1) * (perSlot + 1) * (games + 1) >
        LargestNeighbourWork) {
        bound.Combined = bound.TeamRests;
        return bound;
    }
    const std::int64_t pairs = FewestNeighbourPairs(slotCount, perSlot, games, teamCount);
    bound.NeighbourSlots = PairCost * pairs;
    bound.Combined = CombinedBound(gamesOfTeam, slotCount, pairs);
    return bound;
}
