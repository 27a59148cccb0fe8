#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <memory>

class Prompter;
struct TournamentFileReadResult;
struct TournamentState;

// The load and save commands of the main window without their file dialogs: the window asks for
// the path and passes it here; every notice and question goes through the prompter.

// Reads the bytes of a tournament file into a fresh copy of `state`, so that everything no file
// carries stays as it was, and returns the copy only when the whole file was read; then it shows
// as saved, SetsWord follows WithSets and JustLoaded is set. Loading, restoring a recovery copy and
// undo all take a tournament over this way: a faulty file never leaves half a tournament.
std::unique_ptr<TournamentState> ReadTournamentCopy(const TournamentState& state, const QByteArray& bytes,
                                                    TournamentFileReadResult* result = nullptr);

// Loads the tournament file at `path`. First guards the protected remembered names (see
// GuardProtectedFileName). The file is read into a fresh copy of the state, which replaces the
// tournament only when the whole file was read; a file that cannot be opened or read to its end
// leaves the tournament, its saved state and the remembered name exactly as they were. Failures
// show "Einladen klappt nich !" (caption "Korvane") with a second line naming the cause (for a
// faulty file, its line and what was wrong). After a complete read: the remembered name is
// `path`, IsSaved := true, SetsWord follows WithSets, JustLoaded := true, and the values the reader
// adapted to the limits of the tables are listed (caption "Benutzer-Info"). AutoLoadPending :=
// false in every case. Returns true when the whole file was read.
bool LoadTournament(TournamentState& state, const QString& path, Prompter& prompter);

// Saves to `path`. When the path is not the remembered file and a file exists there, asks
// (caption "Info", Yes/No) whether to overwrite it; No ends the save without writing. The file
// is written through QSaveFile: a failed write leaves any previous file untouched, shows the
// system's error message (caption "Fehler") and keeps IsSaved. On success the path becomes the
// remembered file name and IsSaved := true. Returns true when the file was written.
// A file replaced by different bytes is kept first as the previous version (PreviousVersionPath),
// also through QSaveFile; only one previous version is kept.
bool SaveTournament(TournamentState& state, const QString& path, Prompter& prompter);

// Where a save keeps the version of `path` it replaces: "NAME.auf" -> "NAME.auf.bak".
QString PreviousVersionPath(const QString& path);

// The names the program uses for its own temporary files: when the remembered file name is one
// of them, says so (caption "Obacht !") and remembers its first seven characters + ".auf".
void GuardProtectedFileName(TournamentState& state, Prompter& prompter);

// The save dialog's proposal: the remembered file name, else the tournament name + ".auf".
QString ProposedSaveName(const TournamentState& state);

// The start file: the first command-line argument (after the program), else "normal.auf".
QString StartFilePath(const QStringList& commandLine);

// The main window's caption for a loaded or saved file: "Datei: " + the file name without its
// directory + eleven blanks + "Korvane 5.08".
QString ShowFileCaption(const QString& path);
