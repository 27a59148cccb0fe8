#include "CliCommands.h"
#include "CliSupport.h"
#include "ConsolePrompter.h"

#include "allocation/Allocation.h"
#include "allocation/AllocationOutput.h"
#include "live/PublishedPlan.h"
#include "model/TournamentState.h"
#include "results/ScheduleGrid.h"

#include <QCommandLineParser>
#include <QDir>
#include <QTextStream>

#include <memory>
#include <optional>

namespace cli {
int RunPublish(const QStringList& arguments)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Veröffentlicht Spielplan, Tabellen, Zeitplan und Ergebnisse einer Turnierdatei als "
                       "Webseiten (index.html, eine Seite je Runde, ein Stylesheet) im Ordner DIR.\n"
                       "Ein weiterer Lauf nach neuen Ergebnissen ersetzt die Seiten."));
    parser.addHelpOption();
    parser.addPositionalArgument(QStringLiteral("FILE"), QStringLiteral("Turnierdatei (.auf)"));
    const QCommandLineOption dirOption(QStringLiteral("dir"), QStringLiteral("Ordner der Webseiten"),
                                       QStringLiteral("DIR"));
    parser.addOption(dirOption);
    if (const std::optional<int> done = ParseArguments(parser, arguments))
        return *done;
    if (parser.positionalArguments().size() != 1 || parser.value(dirOption).isEmpty()) {
        PrintError(QStringLiteral("usage: korvane-cli publish FILE --dir DIR"));
        return 2;
    }

    auto state = LoadTournamentWithPairings(parser.positionalArguments().at(0));
    if (!state)
        return 1;
    // With the teams the completion checks carry on, as the schedule window shows them.
    RenderLoadedScheduleGrid(*state);
    auto output = std::make_unique<AllocationOutput>();
    ConsolePrompter prompter;
    if (!RunAllocation(*state, *output, prompter))
        return 1;
    const QString folder = parser.value(dirOption);
    if (!PublishPlan(*state, output->TimePlan, folder, prompter))
        return 1;
    QTextStream(stdout) << QDir(folder).filePath(PublishedIndexName()) << Qt::endl;
    return 0;
}
} // namespace cli
