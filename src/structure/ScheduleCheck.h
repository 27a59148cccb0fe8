#pragma once

#include <QLocale>
#include <QString>
#include <QStringList>
#include <QTime>

struct TournamentState;

// "Prü&fung Spielplan": checks the referral structure and returns the lines for the list
// "Fehlermeldungen". With deleteFaults ("&Fehler löschen") referrals that skip a round or point
// to a position that does not exist are deleted as they are found. `timeText` is the clock time
// that the closing "keine Fehler gefunden" line starts with (see LongTimeText).
QStringList CheckSchedule(TournamentState& state, bool deleteFaults, const QString& timeText);

// True when the lines end with the "keine Fehler gefunden" line.
bool ScheduleCheckPassed(const QStringList& lines);

// A clock time in the locale's long time format without its time zone, as the desktop shows
// the time of day: "14:03:07" for German.
QString LongTimeText(const QTime& time, const QLocale& locale = QLocale::system());
