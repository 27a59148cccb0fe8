#include "CliGridOutput.h"

#include "CliSupport.h"

#include "allocation/Allocation.h"
#include "allocation/AllocationOutput.h"
#include "model/TextGrid.h"
#include "model/TournamentState.h"
#include "output/GridExport.h"
#include "results/ScheduleGrid.h"

#include <QFile>
#include <QSaveFile>

namespace cli {
std::optional<GridOutputFormat> GridOutputFormatNamed(const QString& name)
{
    if (name == u"csv")
        return GridOutputFormat::Csv;
    if (name == u"xls")
        return GridOutputFormat::Xls;
    if (name == u"txt")
        return GridOutputFormat::Txt;
    return std::nullopt;
}

GridOutputFormat GridOutputFormatFor(const QString& outputPath)
{
    if (outputPath.isEmpty() || outputPath.endsWith(QStringLiteral(".txt"), Qt::CaseInsensitive))
        return GridOutputFormat::Txt;
    return GridTextFormatForFile(outputPath) == GridTextFormat::Xls ? GridOutputFormat::Xls
                                                                    : GridOutputFormat::Csv;
}

QByteArray GridOutputBytes(const TextGrid& grid, GridOutputFormat format)
{
    switch (format) {
    case GridOutputFormat::Csv:
        return ExportGridText(grid, GridTextFormat::Csv);
    case GridOutputFormat::Xls:
        return ExportGridText(grid, GridTextFormat::Xls);
    case GridOutputFormat::Txt:
        return GridPlainText(grid).toUtf8();
    }
    return {};
}

bool WriteCliOutput(const QByteArray& bytes, const QString& outputPath, const QString& command)
{
    if (outputPath.isEmpty()) {
        QFile out;
        if (out.open(stdout, QIODevice::WriteOnly) && out.write(bytes) == bytes.size() && out.flush())
            return true;
        PrintError(command + QStringLiteral(": standard output could not be written"));
        return false;
    }
    QSaveFile file(outputPath);
    if (file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.commit())
        return true;
    PrintError(QStringLiteral("Speichern der Datei ") + outputPath + QStringLiteral(" nicht möglich: ") +
               file.errorString());
    return false;
}

const TextGrid* ProduceNamedGrid(TournamentState& state, AllocationOutput& output, const QString& grid,
                                 Prompter& prompter)
{
    if (grid == u"schedule") {
        RenderScheduleGrid(state);
        return &state.ScheduleGrid;
    }
    return RunAllocation(state, output, prompter, {}) ? &output.TimePlan : nullptr;
}

LoadedGrid LoadNamedGrid(const QString& tournamentFile, const QString& grid, Prompter& prompter)
{
    LoadedGrid loaded{std::make_unique<TournamentState>(), std::make_unique<AllocationOutput>(), nullptr};
    if (LoadPairingData(*loaded.state) && LoadTournamentFile(*loaded.state, tournamentFile))
        loaded.grid = ProduceNamedGrid(*loaded.state, *loaded.output, grid, prompter);
    return loaded;
}
} // namespace cli
