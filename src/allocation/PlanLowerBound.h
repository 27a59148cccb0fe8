#pragma once

#include <algorithm>
#include <cstdint>

class SlotTable;

// A bound below which no plan of the round's games on the same slots and fields can go; it
// measures how close an optimised plan comes to the best possible one.
// - Per team: a team with d games in S slots rests at most S - d times, so it plays in at most
//   S - d + 1 runs, and its runs cost least when they are as even as possible.
// - Per pair of neighbouring slots: with g games in one slot and h in the next, at least
//   2(g + h) - T teams play in both, and every such pair costs at least 25 (a run of L >= 2
//   slots costs 5^L for its L - 1 pairs). The bound takes the kindest spread of the games
//   over the slots (at most F and T/2 in a slot); it is left out for rounds too large to work out.
// - Both together: the teams need at least that many pairs, and a team with more pairs than its
//   rests force pays for each further pair what one run more of its games costs; the cheapest
//   further pairs are taken.
struct PlanLowerBound {
    std::int64_t TeamRests = 0;
    std::int64_t NeighbourSlots = 0;
    std::int64_t Combined = 0;

    std::int64_t value() const { return std::max({TeamRests, NeighbourSlots, Combined}); }
};

PlanLowerBound LowerBoundOfRound(const SlotTable& table, int slotCount, int fieldCount, int teamCount);

// The per-team part alone, from the number of games of one team.
std::int64_t TeamRestBound(int games, int slotCount);
