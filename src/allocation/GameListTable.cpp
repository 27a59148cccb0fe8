#include "allocation/GameListTable.h"

#include <algorithm>

void GameListTable::clear()
{
    std::fill(m_entries.begin(), m_entries.end(), GameListEntry{});
}

bool GameListTable::append(int team, const GameListEntry& entry)
{
    if (!isTeam(team))
        return false;
    const int used = count(team);
    if (used >= EntriesPerTeam)
        return false;
    m_entries[indexOf(team, used + 1)] = entry;
    return true;
}

int GameListTable::count(int team) const
{
    if (!isTeam(team))
        return 0;
    int used = 0;
    while (used < EntriesPerTeam && m_entries[indexOf(team, used + 1)].Field != 0)
        ++used;
    return used;
}

const GameListEntry& GameListTable::entry(int team, int index) const
{
    static const GameListEntry none;
    if (!isTeam(team) || index < 1 || index > EntriesPerTeam)
        return none;
    return m_entries[indexOf(team, index)];
}
