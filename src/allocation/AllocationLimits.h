#pragma once

#include "model/Limits.h"

// The capacities of one round's allocation.
namespace AllocationLimits {
inline constexpr int MaxSlots = Limits::MaxSlotsPerRound;
inline constexpr int MaxFields = 50;      // playing fields of one round
inline constexpr int MaxRoundTeams = 200; // round team numbers 1..200
} // namespace AllocationLimits
