#pragma once

#include "allocation/AllocationLimits.h"

#include <QString>

#include <vector>

// One line of a team's game list: a game (Opponent >= 1) or a referee duty (Opponent 0).
struct GameListEntry {
    QString Time;     // clock text of the slot
    int Field = 0;    // 1-based; 0 = the entry is free and ends the list
    int Opponent = 0; // round team number of the opponent; 0 = the team referees

    bool operator==(const GameListEntry&) const = default;
};

// The games and duties of every team of the round chosen for game lists, in the order the time
// plan writes them: 600 entries for each round team number 1..200, allocated once.
class GameListTable {
public:
    static constexpr int EntriesPerTeam = 600;

    GameListTable() : m_entries(std::size_t(AllocationLimits::MaxRoundTeams) * EntriesPerTeam) {}

    // Makes every entry free.
    void clear();
    // Stores the entry in the first free entry of the team; a full list or a team outside
    // 1..200 takes nothing. Returns whether it was stored.
    bool append(int team, const GameListEntry& entry);
    // Entries 1..count(team) of the team.
    int count(int team) const;
    const GameListEntry& entry(int team, int index) const;

    bool operator==(const GameListTable&) const = default;

private:
    static bool isTeam(int team) { return team >= 1 && team <= AllocationLimits::MaxRoundTeams; }
    std::size_t indexOf(int team, int index) const
    {
        return std::size_t(team - 1) * EntriesPerTeam + (index - 1);
    }

    std::vector<GameListEntry> m_entries;
};
