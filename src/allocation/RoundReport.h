#pragma once

#include "allocation/Referees.h"

class MessageList;
class SlotTable;

// How many times a team plays in two consecutive slots of the round.
int CountBackToBackPairs(const SlotTable& table, int fieldCount);

// Appends "Runde r Doppelspiele: n" and, when referees are shown, the duties of every team in
// lines of about 100 characters.
void ReportRound(MessageList& messages, int round, const SlotTable& table, int fieldCount, int teamCount,
                 const RefereeCounts& refereeCount, bool refereesEnabled);
