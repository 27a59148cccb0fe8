#pragma once

#include <QByteArray>
#include <QString>

#include <memory>
#include <optional>

class Prompter;
class TextGrid;
struct AllocationOutput;
struct TournamentState;

// How the subcommands that print a grid write it: csv and xls as the export writes files,
// txt as aligned plain text for a terminal.
namespace cli {
enum class GridOutputFormat { Csv, Xls, Txt };

std::optional<GridOutputFormat> GridOutputFormatNamed(const QString& name);
// Without --format the output file's extension decides; the terminal gets plain text.
GridOutputFormat GridOutputFormatFor(const QString& outputPath);
QByteArray GridOutputBytes(const TextGrid& grid, GridOutputFormat format);
// Writes to outputPath, or to standard output when it is empty; false after a message.
bool WriteCliOutput(const QByteArray& bytes, const QString& outputPath, const QString& command);
// The grid a --grid option names: "schedule" renders the schedule grid, "timeplan" runs the
// allocation into `output`. Null when the allocation could not run.
const TextGrid* ProduceNamedGrid(TournamentState& state, AllocationOutput& output, const QString& grid,
                                 Prompter& prompter);

// A tournament file loaded with the grid a --grid option names; `grid` is null after a message.
struct LoadedGrid {
    std::unique_ptr<TournamentState> state;
    std::unique_ptr<AllocationOutput> output;
    const TextGrid* grid = nullptr;
};
LoadedGrid LoadNamedGrid(const QString& tournamentFile, const QString& grid, Prompter& prompter);
} // namespace cli
