#include "allocation/SlotTable.h"

#include <algorithm>

void SlotTable::clear()
{
    std::fill(m_entries.begin(), m_entries.end(), SlotEntry{});
    m_slotCount = 0;
}
