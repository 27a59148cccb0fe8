#pragma once

#include <QString>

class Prompter;
struct TournamentState;

// The controls of the main window's box "Diese Runde" as core operations. The window runs
// RefreshMainWindow (MainWindowView.h) after each of them.

// "<" next to the round: one round back; the list of teams is emptied.
void ShowPreviousRound(TournamentState& state);

// ">" next to the round: one round on, up to round 20. Past the last round it prepares a new
// one and returns true: the window then opens the new-group dialog, whose "&hinzufügen" creates
// the round and whose "&abbrechen" steps back.
bool ShowNextRound(TournamentState& state);

// Sets up round CurrentRound as a new empty round: one field, the game length of the round before.
void PrepareNewRound(TournamentState& state);

// "<" and ">" next to the fields: one field less (not below 1) or more (not above 50).
void RemoveField(TournamentState& state, Prompter& prompter);
void AddField(TournamentState& state);

// Leaving "Spiellänge": stores the game length of the current round and returns the canonical
// text for the field; a text that is no plain number gives the message and 10, a length beyond a
// day its message and 1440.
QString SetGameLength(TournamentState& state, const QString& text, Prompter& prompter);

// "ein Platz pro Gruppe" clicked; returns whether the box stays ticked.
bool SetOneFieldPerGroup(TournamentState& state, bool ticked, Prompter& prompter);

// Switches "ein Platz pro Gruppe" of round r off, with a message, when the round has fewer
// fields than groups. Returns true when it did.
bool CheckOneFieldPerGroup(TournamentState& state, int round, Prompter& prompter);

// The hint of ">" next to the round: it names the new round it creates past the last one.
QString NextRoundHint(const TournamentState& state);
// The line the new-group dialog shows: which round the groups go into, and whether that round
// is created by them.
QString NewGroupRoundNotice(const TournamentState& state);
