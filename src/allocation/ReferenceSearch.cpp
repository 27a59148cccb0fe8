#include "allocation/ReferenceSearch.h"

#include "allocation/Penalty.h"
#include "allocation/PlanRandom.h"
#include "allocation/SlotTable.h"

namespace ReferenceSearch {
bool PlaysInSlot(const SlotTable& table, int fieldCount, int team, int slot)
{
    for (int field = 1; field <= fieldCount; ++field) {
        const SlotEntry& entry = table.at(slot, field);
        if (entry.TeamA == team || entry.TeamB == team)
            return true;
    }
    return false;
}

int BackToBackPenalty(const SlotTable& table, int slotCount, int fieldCount, int teamCount)
{
    BackToBack::TeamAccumulator accumulator;
    for (int team = 1; team <= teamCount; ++team) {
        int run = 0;
        for (int slot = 1; slot <= slotCount + 1; ++slot) {
            if (PlaysInSlot(table, fieldCount, team, slot)) {
                ++run;
            } else {
                accumulator.addRun(run);
                run = 0;
            }
        }
        accumulator.endTeam();
    }
    return accumulator.penalty();
}

namespace {
bool EntryPlaysInSlot(const SlotTable& table, int fieldCount, const SlotEntry& entry, int slot)
{
    return PlaysInSlot(table, fieldCount, entry.TeamA, slot) ||
           PlaysInSlot(table, fieldCount, entry.TeamB, slot);
}

int TeamOf(const SlotEntry& entry, int side)
{
    return side == 0 ? entry.TeamA : entry.TeamB;
}
} // namespace

void RepairBackToBack(SlotTable& table, int slotCount, int fieldCount)
{
    for (int slot1 = 1; slot1 <= slotCount - 1; ++slot1) {
        for (int field = 1; field <= fieldCount; ++field) {
            SlotEntry& game = table.at(slot1, field);
            for (int side = 0; side < 2; ++side) {
                for (int nextField = 1; nextField <= fieldCount; ++nextField) {
                    for (int nextSide = 0; nextSide < 2; ++nextSide) {
                        const int team = TeamOf(game, side);
                        if (team < 1 || team != TeamOf(table.at(slot1 + 1, nextField), nextSide))
                            continue;
                        for (int slot = 1; slot <= slotCount; ++slot) {
                            if (EntryPlaysInSlot(table, fieldCount, game, slot))
                                continue;
                            for (int other = 1; other <= fieldCount; ++other) {
                                SlotEntry& candidate = table.at(slot, other);
                                if (!EntryPlaysInSlot(table, fieldCount, candidate, slot1) &&
                                    !EntryPlaysInSlot(table, fieldCount, game, slot - 1) &&
                                    !EntryPlaysInSlot(table, fieldCount, game, slot + 1) &&
                                    !EntryPlaysInSlot(table, fieldCount, candidate, slot1 - 1) &&
                                    !EntryPlaysInSlot(table, fieldCount, candidate, slot1 + 1))
                                    ExchangeEntries(game, candidate);
                            }
                        }
                    }
                }
            }
        }
    }
}

int RandomSearch(SlotTable& table, int slotCount, int fieldCount, int teamCount, long long depth)
{
    PlanRandom random(1);
    int best = BackToBackPenalty(table, slotCount, fieldCount, teamCount);
    for (long long i = 1; i <= depth; ++i) {
        for (int trial = 0; trial < 1000; ++trial) {
            const int slot1 = random.Random(slotCount) + 1;
            const int field1 = random.Random(fieldCount) + 1;
            const int slot2 = random.Random(slotCount) + 1;
            const int field2 = random.Random(fieldCount) + 1;
            SlotEntry& first = table.at(slot1, field1);
            SlotEntry& second = table.at(slot2, field2);
            if (EntryPlaysInSlot(table, fieldCount, first, slot2) ||
                EntryPlaysInSlot(table, fieldCount, second, slot1))
                continue;
            ExchangeEntries(first, second);
            const int penalty = BackToBackPenalty(table, slotCount, fieldCount, teamCount);
            if (penalty < best)
                best = penalty;
            else
                ExchangeEntries(first, second);
        }
    }
    return best;
}
} // namespace ReferenceSearch
