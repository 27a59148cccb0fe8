#pragma once

// The fixed capacities of one tournament. Every table is allocated once at these sizes;
// data entering from a file, a dialog or an import is checked against them.
namespace Limits {
inline constexpr int MaxRounds = 20;
inline constexpr int MaxGroups = 100;        // groups in the whole tournament
inline constexpr int MaxPositions = 22;      // positions of one group
inline constexpr int NameSlots = 23;         // slot 0 holds the group name
inline constexpr int MaxGroupFlags = 200;    // GroupCompleted and GroupHasResults reach this far
inline constexpr int MaxReferralIndex = 200; // both indices of the referral table run 0..200
inline constexpr int MaxResults = 30000;
inline constexpr int MaxPoolEntries = 200;
inline constexpr int PoolTextLength = 40; // pool name, e-mail address and marker
inline constexpr int TimeTextLength = 30; // stored start and end time texts
inline constexpr int MinFields = 1;
inline constexpr int MaxFields = 50;
inline constexpr int MinPairedGroupSize = 2;  // smallest group with games in the pairing table
inline constexpr int MaxPairedGroupSize = 20; // largest group with games in the pairing table
} // namespace Limits
