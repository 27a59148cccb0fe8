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
// control characters become "_", ".." becomes "__", an empty name becomes "ohne Namen", and a
// long name keeps its first 40 characters.
QString SafeFileNamePart(const QString& name);
// "<nn> <team> <tournament> Rd<r> Spielliste.rtf": the team's number in the round (two digits at
// least) keeps apart teams whose names are alike, and both names are made safe. The e-mail finds
// the attachment of a team by the same name.
QString TeamGameListFileName(int team, const QString& teamName, const QString& tournamentName, int round);
// "<tournament> Rd<r> Spiellisten.rtf".
QString AllGameListsFileName(const QString& tournamentName, int round);

// Writes the pages of round r (one file, or one file per team) into workDir/Spiellisten, creating
// the folder; each file is written whole or not at all. An existing file is only replaced after
// "Warnung" is answered with Yes. A file that cannot be written shows "Speichern oder
// Druckausgabe nicht möglich" with the file and the cause, and the other teams still follow.
// Ends with "Spiellisten im Ordner SPIELLISTEN gespeichert" (the folder as named by
// folderInMessage) when every file was written (those
// declined aside), "Spiellisten nicht gespeichert" when none was, and says how many failed
// otherwise. Returns true when files were written and none failed.
bool WriteGameListFiles(const TournamentState& state, const GameListTable& lists, int round, bool filePerTeam,
                        const QString& workDir, Prompter& prompter,
                        const QString& folderInMessage = QStringLiteral("SPIELLISTEN"));

// The pages of GameListPages cut into one list of lines per team, in team order.
QList<QStringList> GameListPagesPerTeam(const QStringList& pages, const GameListTable& lists);
