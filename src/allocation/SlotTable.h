#pragma once

#include "allocation/AllocationLimits.h"

#include <cstddef>
#include <vector>

// One cell of the slot table: a game with its two teams and its referee, all as round team numbers.
struct SlotEntry {
    int TeamA = 0;   // first-named team; 0 = the cell is empty
    int TeamB = 0;   // second-named team
    int Referee = 0; // 0 = external referee
    int Game = 0;    // number of the game within its group

    bool isEmpty() const { return TeamA == 0; }
    bool operator==(const SlotEntry&) const = default;
};

// The working table of one round: slots 0..MaxSlots+1 by fields 0..MaxFields. Slot 0 and field 0
// are never filled; slot S+1 exists even for S = MaxSlots, so every run of games is closed by an
// empty slot. Allocated once and cleared before every round.
class SlotTable {
public:
    static constexpr int SlotRows = AllocationLimits::MaxSlots + 2;
    static constexpr int FieldColumns = AllocationLimits::MaxFields + 1;

    SlotTable() : m_entries(std::size_t(SlotRows) * FieldColumns) {}

    SlotEntry& at(int slot, int field) { return m_entries[index(slot, field)]; }
    const SlotEntry& at(int slot, int field) const { return m_entries[index(slot, field)]; }

    // The number of slots the round uses (S).
    int slotCount() const { return m_slotCount; }
    void setSlotCount(int count) { m_slotCount = count; }

    void clear();

    bool operator==(const SlotTable&) const = default;

private:
    static std::size_t index(int slot, int field) { return std::size_t(slot) * FieldColumns + field; }

    std::vector<SlotEntry> m_entries;
    int m_slotCount = 0;
};

// Exchanges the whole entries of two cells (teams, referee and game).
inline void ExchangeEntries(SlotEntry& first, SlotEntry& second)
{
    const SlotEntry kept = first;
    first = second;
    second = kept;
}
