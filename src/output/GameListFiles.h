#pragma once

#include "output/RtfDocument.h"

#include <QStringList>

class GameListTable;
class Prompter;
struct TournamentState;

// The game lists of a round as RTF files in the folder "Spiellisten" of the working directory.

// One paragraph per line in MS Sans Serif 8 pt on A4; every page (one team's list) begins a new
// sheet and is kept together.
RtfDocument GameListDocument(const QList<QStringList>& pages);

// The name as a piece of a file name: folder separators, characters file systems refuse and
// control characters become "_", ".." becomes "__", and an empty name becomes "ohne Namen".
QString SafeFileNamePart(const QString& name);
// "<team> <tournament> Rd<r> Spielliste.rtf", with both names made safe: the e-mail attachments
// use the same names.
QString TeamGameListFileName(const QString& teamName, const QString& tournamentName, int round);
// "<tournament> Rd<r> Spiellisten.rtf".
QString AllGameListsFileName(const QString& tournamentName, int round);

// Writes the pages of round r (one file, or one file per team) into workDir/Spiellisten, creating
// the folder. An existing file is only replaced after "Warnung" is answered with Yes. A file that
// cannot be written shows "Speichern oder Druckausgabe nicht möglich" and the other teams still
// follow. Ends with "Spiellisten im Ordner SPIELLISTEN gespeichert" (the folder as named by
// folderInMessage) when a file was written, otherwise "Spiellisten nicht gespeichert". Returns
// whether a file was written.
bool WriteGameListFiles(const TournamentState& state, const GameListTable& lists, int round, bool filePerTeam,
                        const QString& workDir, Prompter& prompter,
                        const QString& folderInMessage = QStringLiteral("SPIELLISTEN"));

// The pages of GameListPages cut into one list of lines per team, in team order.
QList<QStringList> GameListPagesPerTeam(const QStringList& pages, const GameListTable& lists);
