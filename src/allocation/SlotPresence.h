#pragma once

#include "allocation/SlotTable.h"

#include <cstdint>
#include <vector>

// How often each round team number stands in each slot (as TeamA or TeamB, fields 1..F), kept
// up to date while entries are exchanged, so that PlaysInSlot needs no scan of the fields.
// Number 0 counts the sides of empty cells: PlaysInSlot(0, s) is true exactly when slot s has an
// empty field, and slot 0 and slot S+1 always have empty fields.
class SlotPresence {
public:
    SlotPresence() : m_counts(std::size_t(SlotTable::SlotRows) * (AllocationLimits::MaxRoundTeams + 1)) {}

    // Counts slots 0..S+1 of the table with F fields.
    void build(const SlotTable& table, int slotCount, int fieldCount);

    bool PlaysInSlot(int team, int slot) const { return m_counts[index(slot, team)] != 0; }

    // Updates the counts for an entry that leaves or enters a slot.
    void leave(const SlotEntry& entry, int slot)
    {
        --m_counts[index(slot, entry.TeamA)];
        --m_counts[index(slot, entry.TeamB)];
    }
    void enter(const SlotEntry& entry, int slot)
    {
        ++m_counts[index(slot, entry.TeamA)];
        ++m_counts[index(slot, entry.TeamB)];
    }
    // Exchanges two cells of the table and keeps the counts in step.
    void exchange(SlotTable& table, int slot1, int field1, int slot2, int field2);

private:
    // Team by team, so that the runs of one team lie side by side.
    static std::size_t index(int slot, int team) { return std::size_t(team) * SlotTable::SlotRows + slot; }

    std::vector<std::uint8_t> m_counts; // at most 2 x 50 sides per slot
};
