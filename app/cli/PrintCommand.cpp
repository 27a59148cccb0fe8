#ifdef KORVANE_CLI_PDF
#include "CliCommands.h"
#include "CliGridOutput.h"
#include "CliSupport.h"
#include "ConsolePrompter.h"

#include "allocation/Allocation.h"
#include "allocation/AllocationOutput.h"
#include "model/TournamentState.h"
#include "results/ScheduleGrid.h"
#include "ui/GridPdf.h"

#include <QCommandLineParser>
#include <QDateTime>

#include <QTextStream>
#include <optional>

#include <memory>

namespace cli {
int RunPrint(const QStringList& arguments)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Druckt den Spielplan oder den Zeitplan einer Turnierdatei wie auf Papier in eine PDF-Datei."));
    parser.addHelpOption();
    parser.addPositionalArgument(QStringLiteral("FILE"), QStringLiteral("Turnierdatei (.auf)"));
    const QCommandLineOption gridOption(QStringLiteral("grid"), QStringLiteral("schedule oder timeplan"),
                                        QStringLiteral("GRID"));
    const QCommandLineOption outputOption({QStringLiteral("o"), QStringLiteral("output")},
                                          QStringLiteral("PDF-Datei, die geschrieben wird"),
                                          QStringLiteral("OUT"));
    parser.addOptions({gridOption, outputOption});
    if (const std::optional<int> done = ParseArguments(parser, arguments))
        return *done;
    const QString grid = parser.value(gridOption);
    if (parser.positionalArguments().size() != 1 || !parser.isSet(outputOption) ||
        (grid != u"schedule" && grid != u"timeplan")) {
        PrintError(QStringLiteral("usage: korvane-cli print FILE --grid schedule|timeplan -o OUT.pdf"));
        return 2;
    }
    ConsolePrompter prompter;
    const LoadedGrid loaded = LoadNamedGrid(parser.positionalArguments().at(0), grid, prompter);
    if (!loaded.grid)
        return 1;
    const QString path = parser.value(outputOption);
    const bool timePlan = grid == u"timeplan";
    const PrintHeading heading{loaded.state->TournamentName,
                               timePlan ? QStringLiteral("Zeitplan / Platzverteilung")
                                        : QStringLiteral("Spielplan / Tabellen"),
                               QDateTime::currentDateTime()};
    const GridPrintStructure structure =
        timePlan ? TimePlanPrintStructure(*loaded.grid) : SchedulePrintStructure(*loaded.grid);
    const GridPrintLayout layout = PrintGridToPdf(*loaded.grid, structure, heading, GridAppearance{}, path);
    if (!layout.sheets.empty()) {
        QTextStream(stdout) << QStringLiteral("%1 Seiten, Schrift %2 pt, %3 Zellen abgeschnitten, %4 % der "
                                              "Seitenbreite genutzt")
                                   .arg(layout.sheets.size())
                                   .arg(layout.fontSize, 0, 'f', 1)
                                   .arg(layout.clippedCells)
                                   .arg(qRound(layout.widthShare * 100))
                            << Qt::endl;
        return 0;
    }
    PrintError(QStringLiteral("Speichern der Datei ") + path + QStringLiteral(" nicht möglich"));
    return 1;
}
} // namespace cli
#endif
