#include "allocation/SlotPresence.h"

#include <algorithm>

void SlotPresence::build(const SlotTable& table, int slotCount, int fieldCount)
{
    std::fill(m_counts.begin(), m_counts.end(), 0);
    for (int slot = 0; slot <= slotCount + 1; ++slot) {
        for (int field = 1; field <= fieldCount; ++field)
            enter(table.at(slot, field), slot);
    }
}

void SlotPresence::exchange(SlotTable& table, int slot1, int field1, int slot2, int field2)
{
    SlotEntry& first = table.at(slot1, field1);
    SlotEntry& second = table.at(slot2, field2);
    leave(first, slot1);
    leave(second, slot2);
    ExchangeEntries(first, second);
    enter(first, slot1);
    enter(second, slot2);
}
