#pragma once

#include "allocation/SlotTable.h"

#include <array>

struct RoundTeams;

// Duties per round team number in the current round; index 0 is unused.
using RefereeCounts = std::array<int, AllocationLimits::MaxRoundTeams + 1>;

// Gives every game of slots 1..S a referee from the round's own teams. Candidates are visited in
// rotation from the first team after the game's group; the first pass that finds anybody decides,
// and within a pass the candidate with the fewest duties so far wins (the earlier one on a tie):
// 1. an idle team of another group, 2. an idle team of the same group. Idle: neither playing nor
// refereeing in that slot. Nobody found: 0, an external referee.
void AssignReferees(SlotTable& table, const RoundTeams& teams, int fieldCount, RefereeCounts& refereeCount);
