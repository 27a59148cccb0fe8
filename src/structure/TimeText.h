#pragma once

#include <QString>
#include <QStringList>

#include <optional>

class Prompter;

// Clock times and durations are whole minutes; these are their text forms.

// 5 -> "0:05", 45 -> "00:45", 605 -> "10:05"; wraps into 0..1440 (1440 stays "24:00").
QString FormatTimeText(int minutes);

// "9:30", "9.30", "7h30" -> hours and minutes; "930" -> minutes. Empty for a faulty text.
std::optional<int> TryParseTimeText(const QString& text);

// As TryParseTimeText; a faulty text is reported as "Fehlerhafte Eingabe" and gives 0.
int ParseTimeText(const QString& text, Prompter& prompter);

// The list line of a break: its start as HH:MM padded to 8 characters, then its duration.
QString BuildPauseLine(const QString& beginText, const QString& durationText, Prompter& prompter);

// Adds a break line at the end, or at its place in text order while the list is sorted.
void AddPauseLine(QStringList& pauseList, const QString& line, bool sorted);
