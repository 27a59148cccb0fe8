#pragma once

class PairingTable;
class SlotTable;
struct RoundTeams;

// Fills the cleared slot table with the round's games; each sets the table's slot count S.

// One field per group: group k plays its games on field k, one per slot, in pairing order.
void FillByGroup(SlotTable& table, const RoundTeams& teams, const PairingTable& pairings);

// The groups take turns one matchday (n/2 games of a group of n) at a time; the games fill the
// fields of a slot from field 1 on, and a game whose team already plays in the slot opens the
// next slot. Returns false, with the table partly filled, when the games need more than
// AllocationLimits::MaxSlots slots.
bool FillByMatchdayRotation(SlotTable& table, const RoundTeams& teams, const PairingTable& pairings,
                            int fieldCount);

// Moves the games of every slot onto its lowest fields: each empty field takes the game of the
// last field after it that holds one.
void PackSlots(SlotTable& table, int fieldCount);
