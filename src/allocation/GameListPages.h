#pragma once

#include <QStringList>

class GameListTable;
struct TournamentState;

// The page of every team of the round from the collected game lists, one page after the other:
// three lines of one blank, "Korvane: " + tournament name, "Runde: " + r, "Mannschaft: " + name,
// one blank line, then per entry the clock, "  Platz:" + field and "  Gegner: " + opponent or
// "  Schiedsrichter".
QStringList GameListPages(const TournamentState& state, const GameListTable& lists, int round);
// The names of the round's teams 1..T, in round team order.
QStringList RoundTeamNames(const TournamentState& state, int round);
