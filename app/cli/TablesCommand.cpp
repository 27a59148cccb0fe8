#include "CliCommands.h"
#include "CliGridOutput.h"
#include "CliSupport.h"

#include "model/TournamentState.h"
#include "output/GridExport.h"
#include "results/ScheduleGrid.h"

#include <QCommandLineParser>
#include <QTextStream>

#include <memory>
#include <optional>

namespace cli {
int RunTables(const QStringList& arguments)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Gibt den Spielplan mit allen Tabellen einer Turnierdatei aus (ohne OUT auf die Konsole)."));
    parser.addHelpOption();
    parser.addPositionalArgument(QStringLiteral("FILE"), QStringLiteral("Turnierdatei (.auf)"));
    const QCommandLineOption outputOption({QStringLiteral("o"), QStringLiteral("output")},
                                          QStringLiteral("Datei, die geschrieben wird"),
                                          QStringLiteral("OUT"));
    const QCommandLineOption formatOption(
        QStringLiteral("format"), QStringLiteral("csv, xls (Tabulator) oder txt (ausgerichteter Text)"),
        QStringLiteral("FORMAT"));
    parser.addOption(outputOption);
    parser.addOption(formatOption);
    if (const std::optional<int> done = ParseArguments(parser, arguments))
        return *done;
    if (parser.positionalArguments().size() != 1) {
        PrintError(QStringLiteral("usage: korvane-cli tables FILE [-o OUT] [--format csv|xls|txt]"));
        return 2;
    }
    const QString outputPath = parser.value(outputOption);
    std::optional<cli::GridOutputFormat> format = cli::GridOutputFormatFor(outputPath);
    if (parser.isSet(formatOption)) {
        format = cli::GridOutputFormatNamed(parser.value(formatOption));
        if (!format) {
            PrintError(QStringLiteral("tables: unknown format ") + parser.value(formatOption) +
                       QStringLiteral(" (csv, xls or txt)"));
            return 2;
        }
    }

    auto state = LoadTournamentWithPairings(parser.positionalArguments().at(0));
    if (!state)
        return 1;
    // The load set JustLoaded: the render also runs the completion check of every group.
    RenderScheduleGrid(*state);
    return cli::WriteCliOutput(cli::GridOutputBytes(state->ScheduleGrid, *format), outputPath,
                               QStringLiteral("tables"))
               ? 0
               : 1;
}
} // namespace cli
