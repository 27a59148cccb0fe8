#pragma once

#include <QStringList>

struct TournamentState;

// The hidden command "&Namen[]": a line p + ".Gruppe " + g + ": \"\"" for every position of every
// group, then the first pool names, then "abgeschl[g]=true/false" for groups 1..20. The window
// shows the lines in the schedule window's first list.
QStringList NamesDiagnosticLines(const TournamentState& state);

// The main window's hidden list of stored results, rebuilt on every activation:
// Group + "/" + Game + two blanks + ScoreText + " ## " + GoalsFirst + ":" + GoalsSecond.
QStringList StoredResultLines(const TournamentState& state);
