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
inline constexpr int PoolTextLength = 40;  // pool name, e-mail address and marker
inline constexpr int TimeTextLength = 30;  // stored start and end time texts
inline constexpr int PauseLineLength = 20; // one line of the break list
// Names typed or imported into the plan (tournament, group, team) and typed score texts.
inline constexpr int InputTextLength = 100;
// Any text a tournament file brings into a table: room for what the program builds from names
// ("2. Gruppe A (Gruppe 3)", "12) Adler") and for normalised set scores.
inline constexpr int StoredTextLength = 200;
inline constexpr int PathLength = 1024;
// The settings dialog's number fields ("Rechentiefe", fields per line) hold five characters.
inline constexpr int SettingNumberLength = 5;
inline constexpr int MinSearchDepth = -9999;
inline constexpr int MaxSearchDepth = 99999;
inline constexpr int MinutesPerDay = 1440;   // the longest game or break
inline constexpr int MaxSlotsPerRound = 900; // time slots of one round's plan
inline constexpr int MinFields = 1;
inline constexpr int MaxFields = 50;
inline constexpr int MinPairedGroupSize = 2;  // smallest group with games in the pairing table
inline constexpr int MaxPairedGroupSize = 20; // largest group with games in the pairing table
} // namespace Limits
