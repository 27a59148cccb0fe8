#pragma once

#include "allocation/GameListTable.h"
#include "allocation/MessageList.h"
#include "model/Limits.h"
#include "model/TextGrid.h"

#include <QString>

#include <array>

// What an allocation run produces besides the tournament's persisted field plan.
struct AllocationOutput {
    // The time plan: cells are the visible grid (StringGrid3), tags its row tags (StringGrid4).
    TextGrid TimePlan;
    // The list "Fehlermeldungen": round reports, and a line for every round left out of the plan.
    MessageList Messages;
    // The games and duties of round GameListRound, collected while that round is written.
    GameListTable GameLists;
    // The round whose game lists are wanted; 0 = none. The run resets it to 0.
    int GameListRound = 0;
    // The back-to-back penalty of each round's final plan; -1 for a round left out.
    std::array<int, Limits::MaxRounds + 1> RoundPenalty{};
    // The clock after the last game of the plan: when the tournament ends.
    QString EndClock;
};

// Asks the next run for the game lists of a round: empties the table and marks the round.
inline void RequestGameLists(AllocationOutput& output, int round)
{
    output.GameLists.clear();
    output.GameListRound = round;
}
