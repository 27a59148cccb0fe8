#pragma once

#include <QString>
#include <QStringList>

#include <memory>
#include <optional>

class QCommandLineParser;

struct TournamentState;

// Helpers shared by the subcommands of korvane-cli. Failures are reported on standard error.
namespace cli {
// Loads "Daten1.dat" from the data folders of the executable into state.Pairings.
bool LoadPairingData(TournamentState& state);
// Loads the tournament file; false (after a message) when it could not be read completely.
bool LoadTournamentFile(TournamentState& state, const QString& path);
// The pairing data and the tournament file in a fresh state; null (after a message) when either
// could not be read.
std::unique_ptr<TournamentState> LoadTournamentWithPairings(const QString& path);
// Writes the tournament file, replacing an existing file at `path` without asking (the
// command line names it explicitly); false (after a message) when it could not be written.
bool SaveTournamentFile(TournamentState& state, const QString& path);
// Parses the arguments of a subcommand. Returns the exit status when the command is done
// already: 2 after printing a parse error, 0 after printing the help text.
std::optional<int> ParseArguments(QCommandLineParser& parser, const QStringList& arguments);
// Writes the help text of a subcommand; its usage line names arguments.first() (set by main to
// "korvane-cli COMMAND") instead of the path of the executable.
void PrintHelp(const QCommandLineParser& parser, const QStringList& arguments);
// Writes one line to standard error.
void PrintError(const QString& text);
} // namespace cli
