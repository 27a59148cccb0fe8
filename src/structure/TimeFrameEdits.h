#pragma once

#include <QString>

class Prompter;
struct TournamentState;

// The main window's start time and break list as core operations. The window shows the texts
// they return and runs RefreshMainWindow afterwards.

// Leaving "Beginn" of the box "Alles": the start time becomes the anchor of the day, stored and
// shown in normal form; a faulty text is reported once and gives 0:00.
QString SetStartTime(TournamentState& state, const QString& text, Prompter& prompter);

// Leaving "Beginn" or "Dauer" of the box "Pausen": the input in normal form.
QString NormalizeBreakInput(TournamentState& state, const QString& text, Prompter& prompter);

// "hinzufüg.": adds the break line built from the two inputs, at its sorted place while the list
// is sorted.
void AddBreak(TournamentState& state, const QString& beginText, const QString& durationText,
              Prompter& prompter);

// "löschen": removes line `index` (0-based); an index outside the list removes nothing.
void DeleteBreak(TournamentState& state, int index);

// A line dragged onto line `to` takes its place; `to` outside the list moves it to the end.
// The list is no longer sorted. Returns the line's new index.
int MoveBreak(TournamentState& state, int from, int to);

// "sortiert": while on, the lines stand in text order, which is their order by time of day.
void SetBreaksSorted(TournamentState& state, bool sorted);
