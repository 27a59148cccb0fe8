#include "CliCommands.h"
#include "CliSupport.h"

#include "model/TournamentState.h"
#include "structure/ScheduleCheck.h"

#include <QCommandLineParser>

#include <QTextStream>
#include <QTime>
#include <optional>

#include <memory>

namespace {
constexpr int ErrorsFound = 3;
}

namespace cli {
int RunCheck(const QStringList& arguments)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Prüft die Verweise einer Turnierdatei wie \"Prü&fung Spielplan\".\n"
                       "Exit-Status: 0 keine Fehler, 1 Datei nicht lesbar oder schreibbar, 2 Aufruf falsch, "
                       "3 Fehler gefunden."));
    parser.addHelpOption();
    parser.addPositionalArgument(QStringLiteral("FILE"), QStringLiteral("Turnierdatei (.auf)"));
    const QCommandLineOption fixOption(QStringLiteral("fix"),
                                       QStringLiteral("fehlerhafte Verweise löschen (\"&Fehler löschen\")"));
    const QCommandLineOption outOption(
        QStringList{QStringLiteral("o"), QStringLiteral("output")},
        QStringLiteral("Datei, in die das berichtigte Turnier geschrieben wird"), QStringLiteral("OUT"));
    parser.addOption(fixOption);
    parser.addOption(outOption);
    if (const std::optional<int> done = ParseArguments(parser, arguments))
        return *done;
    const bool fix = parser.isSet(fixOption);
    // The input is never overwritten by accident: the corrected tournament needs its own name.
    if (parser.positionalArguments().size() != 1 || fix != parser.isSet(outOption)) {
        PrintError(QStringLiteral("usage: korvane-cli check FILE [--fix -o OUT]"));
        return 2;
    }

    auto state = LoadTournamentWithPairings(parser.positionalArguments().at(0));
    if (!state)
        return 1;
    const QStringList lines = CheckSchedule(*state, fix, LongTimeText(QTime::currentTime()));
    QTextStream out(stdout);
    for (const QString& line : lines)
        out << line << '\n';
    out.flush();
    if (fix && !SaveTournamentFile(*state, parser.value(outOption)))
        return 1;
    return ScheduleCheckPassed(lines) ? 0 : ErrorsFound;
}
} // namespace cli
