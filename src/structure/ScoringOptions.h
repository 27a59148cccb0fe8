#pragma once

#include <QString>

struct TournamentState;

// The main window's box with the points system, sets and set priority, and the tournament name.

// "&2-Punkte-System" / "&3-Punkte-System": 2 or 3 points for a win.
void SetPointsSystem(TournamentState& state, int pointsForWin);

// "&mit Sätzen": results count sets; SetsWord follows. "Satz&priorität" can be chosen exactly
// while sets count.
void SetWithSets(TournamentState& state, bool withSets);

// "Satz&priorität": sets rank before points, as in volleyball.
void SetSetPriority(TournamentState& state, bool on);

// "Korvane:": the tournament's name, which is also the program's title.
void SetTournamentName(TournamentState& state, const QString& name);
