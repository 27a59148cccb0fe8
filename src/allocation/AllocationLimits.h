#pragma once

// The capacities of one round's allocation.
namespace AllocationLimits {
inline constexpr int MaxSlots = 900;      // time slots of one round
inline constexpr int MaxFields = 50;      // playing fields of one round
inline constexpr int MaxRoundTeams = 200; // round team numbers 1..200
} // namespace AllocationLimits
