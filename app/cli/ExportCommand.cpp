#include "CliCommands.h"
#include "CliGridOutput.h"
#include "CliSupport.h"
#include "ConsolePrompter.h"

#include "allocation/Allocation.h"
#include "allocation/AllocationOutput.h"
#include "model/TournamentState.h"
#include "output/GridExport.h"
#include "output/HtmlTable.h"
#include "results/ScheduleGrid.h"

#include <QCommandLineParser>

#include <QTextStream>
#include <optional>

#include <memory>

namespace {
const QString Usage = QStringLiteral(
    "usage: korvane-cli export FILE --grid schedule|timeplan --format html|csv|xls [--border N] -o OUT");
} // namespace

namespace cli {
int RunExport(const QStringList& arguments)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Exportiert den Spielplan oder den Zeitplan einer Turnierdatei als HTML, CSV oder XLS."));
    parser.addHelpOption();
    parser.addPositionalArgument(QStringLiteral("FILE"), QStringLiteral("Turnierdatei (.auf)"));
    const QCommandLineOption gridOption(QStringLiteral("grid"), QStringLiteral("schedule oder timeplan"),
                                        QStringLiteral("GRID"));
    const QCommandLineOption formatOption(QStringLiteral("format"), QStringLiteral("html, csv oder xls"),
                                          QStringLiteral("FORMAT"));
    const QCommandLineOption borderOption(QStringLiteral("border"), QStringLiteral("Rahmendicke (HTML)"),
                                          QStringLiteral("N"), QStringLiteral("1"));
    const QCommandLineOption outputOption({QStringLiteral("o"), QStringLiteral("output")},
                                          QStringLiteral("Datei, die geschrieben wird"),
                                          QStringLiteral("OUT"));
    parser.addOptions({gridOption, formatOption, borderOption, outputOption});
    if (const std::optional<int> done = ParseArguments(parser, arguments))
        return *done;
    const QString grid = parser.value(gridOption);
    const QString format = parser.value(formatOption);
    bool borderOk = false;
    const int border = parser.value(borderOption).toInt(&borderOk);
    if (parser.positionalArguments().size() != 1 || !parser.isSet(outputOption) || !borderOk || border < 0 ||
        (grid != u"schedule" && grid != u"timeplan") ||
        (format != u"html" && format != u"csv" && format != u"xls")) {
        PrintError(Usage);
        return 2;
    }
    ConsolePrompter prompter;
    const LoadedGrid loaded = LoadNamedGrid(parser.positionalArguments().at(0), grid, prompter);
    if (!loaded.grid)
        return 1;
    const QString outputPath = parser.value(outputOption);
    if (format == u"html") {
        const bool saved = SaveHtmlTable(
            BuildHtmlTable(*loaded.grid, GridAppearance{}, border, loaded.state->TournamentName), outputPath,
            prompter);
        return saved ? 0 : 1;
    }
    const QByteArray bytes =
        ExportGridText(*loaded.grid, format == u"xls" ? GridTextFormat::Xls : GridTextFormat::Csv);
    return WriteCliOutput(bytes, outputPath, QStringLiteral("export")) ? 0 : 1;
}
} // namespace cli
