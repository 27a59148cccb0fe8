#pragma once

#include <QByteArray>
#include <QString>

class Prompter;
struct TournamentState;

// The file name the save dialog of "Speichern &Feld" proposes.
inline const QString ReferralDumpFileName = QStringLiteral("Prüfung.txt");

// The diagnostic dump of the referral table: one line per used entry with both indices in
// 1..200 holding its four numbers, each followed by a blank, ended by CR LF; then the sum of
// every number written, ended by CR alone.
QByteArray ReferralDumpText(const TournamentState& state);

// Writes ReferralDumpText to `path` as a whole or not at all. A failure is shown through
// `prompter` and gives false.
bool WriteReferralDump(const TournamentState& state, const QString& path, Prompter& prompter);
