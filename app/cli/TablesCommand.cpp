#include "CliCommands.h"
#include "CliSupport.h"

#include "model/TournamentState.h"
#include "output/GridExport.h"
#include "results/ScheduleGrid.h"

#include <QCommandLineParser>
#include <QFile>
#include <QSaveFile>
#include <QTextStream>

#include <memory>
#include <optional>

namespace {
enum class TablesFormat { Csv, Xls, Txt };

std::optional<TablesFormat> formatNamed(const QString& name)
{
    if (name == u"csv")
        return TablesFormat::Csv;
    if (name == u"xls")
        return TablesFormat::Xls;
    if (name == u"txt")
        return TablesFormat::Txt;
    return std::nullopt;
}

// Without --format: the output file's extension decides; the terminal gets plain text.
TablesFormat formatForOutput(const QString& outputPath)
{
    if (outputPath.isEmpty() || outputPath.endsWith(QStringLiteral(".txt"), Qt::CaseInsensitive))
        return TablesFormat::Txt;
    return GridTextFormatForFile(outputPath) == GridTextFormat::Xls ? TablesFormat::Xls : TablesFormat::Csv;
}

QByteArray gridBytes(const TextGrid& grid, TablesFormat format)
{
    switch (format) {
    case TablesFormat::Csv:
        return ExportGridText(grid, GridTextFormat::Csv);
    case TablesFormat::Xls:
        return ExportGridText(grid, GridTextFormat::Xls);
    case TablesFormat::Txt:
        return GridPlainText(grid).toUtf8();
    }
    return {};
}

bool writeOutput(const QByteArray& bytes, const QString& outputPath)
{
    if (outputPath.isEmpty()) {
        QFile out;
        if (out.open(stdout, QIODevice::WriteOnly) && out.write(bytes) == bytes.size() && out.flush())
            return true;
        cli::PrintError(QStringLiteral("tables: standard output could not be written"));
        return false;
    }
    QSaveFile file(outputPath);
    if (file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.commit())
        return true;
    cli::PrintError(QStringLiteral("Speichern der Datei ") + outputPath + QStringLiteral(" nicht möglich: ") +
                    file.errorString());
    return false;
}
} // namespace

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
    if (!parser.parse(arguments)) {
        PrintError(parser.errorText());
        return 2;
    }
    if (parser.isSet(QStringLiteral("help"))) {
        QTextStream(stdout) << parser.helpText();
        return 0;
    }
    if (parser.positionalArguments().size() != 1) {
        PrintError(QStringLiteral("usage: korvane-cli tables FILE [-o OUT] [--format csv|xls|txt]"));
        return 2;
    }
    const QString outputPath = parser.value(outputOption);
    std::optional<TablesFormat> format = formatForOutput(outputPath);
    if (parser.isSet(formatOption)) {
        format = formatNamed(parser.value(formatOption));
        if (!format) {
            PrintError(QStringLiteral("tables: unknown format ") + parser.value(formatOption) +
                       QStringLiteral(" (csv, xls or txt)"));
            return 2;
        }
    }

    auto state = std::make_unique<TournamentState>();
    if (!LoadPairingData(*state) || !LoadTournamentFile(*state, parser.positionalArguments().at(0)))
        return 1;
    // The load set JustLoaded: the render also runs the completion check of every group.
    RenderScheduleGrid(*state);
    return writeOutput(gridBytes(state->ScheduleGrid, *format), outputPath) ? 0 : 1;
}
} // namespace cli
