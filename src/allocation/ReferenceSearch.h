#pragma once

class SlotTable;

// The search exactly as written down, without any shortcut: PlaysInSlot scans the fields of the
// slot, and the penalty is recomputed in full after every exchange. The fast search must take
// the same decisions; the tests and the benchmarks compare the two.
namespace ReferenceSearch {
bool PlaysInSlot(const SlotTable& table, int fieldCount, int team, int slot);
int BackToBackPenalty(const SlotTable& table, int slotCount, int fieldCount, int teamCount);
void RepairBackToBack(SlotTable& table, int slotCount, int fieldCount);
// Returns the best penalty found.
int RandomSearch(SlotTable& table, int slotCount, int fieldCount, int teamCount, long long depth);
} // namespace ReferenceSearch
