#pragma once

class SearchSteps;
class SlotPresence;
class SlotTable;

// The improvement of a round's plan: a deterministic repair pass, then the seeded random search.
// Both answer PlaysInSlot from the presence data, and the search scores each exchange from the
// runs it touches; the decisions are those of ReferenceSearch, step for step. The presence data
// must have been built from the table, and both keep it up to date.

// Moves games away from slots next to another game of one of their teams, where the membership
// rules allow.
void RepairBackToBack(SlotTable& table, SlotPresence& presence, int slotCount, int fieldCount);

// depth x 1000 trials of exchanging two random cells; an exchange stays only when it lowers the
// penalty. The generator starts from seed 1. Returns the best penalty. Every thousand trials are
// one of `steps`; the search ends early when they tell it to stop.
int RandomSearch(SlotTable& table, SlotPresence& presence, int slotCount, int fieldCount, int teamCount,
                 long long depth, SearchSteps* steps = nullptr);
