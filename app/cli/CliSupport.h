#pragma once

#include <QString>

struct TournamentState;

// Helpers shared by the subcommands of korvane-cli. Failures are reported on standard error.
namespace cli {
// Loads "Daten1.dat" from the folder of the executable into state.Pairings.
bool LoadPairingData(TournamentState& state);
// Loads the tournament file; false (after a message) when it could not be read completely.
bool LoadTournamentFile(TournamentState& state, const QString& path);
// Writes the tournament file, replacing an existing file at `path` without asking (the
// command line names it explicitly); false (after a message) when it could not be written.
bool SaveTournamentFile(TournamentState& state, const QString& path);
// Writes one line to standard error.
void PrintError(const QString& text);
} // namespace cli
