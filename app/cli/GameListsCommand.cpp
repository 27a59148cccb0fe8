#include "CliCommands.h"
#include "CliSupport.h"
#include "ConsolePrompter.h"

#include "allocation/Allocation.h"
#include "allocation/AllocationOutput.h"
#include "model/TournamentState.h"
#include "output/GameListFiles.h"

#include <QCommandLineParser>

#include <QDir>
#include <QFileInfo>
#include <QTextStream>
#include <optional>

#include <memory>

namespace {
const QString Usage = QStringLiteral(
    "usage: korvane-cli gamelists FILE --round R --target one|per-team [--dir DIR] [--overwrite]");
} // namespace

namespace cli {
int RunGameLists(const QStringList& arguments)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Schreibt die Spiellisten einer Runde als RTF in den Ordner \"Spiellisten\"."));
    parser.addHelpOption();
    parser.addPositionalArgument(QStringLiteral("FILE"), QStringLiteral("Turnierdatei (.auf)"));
    const QCommandLineOption roundOption(QStringLiteral("round"), QStringLiteral("Runde"),
                                         QStringLiteral("R"));
    const QCommandLineOption targetOption(QStringLiteral("target"),
                                          QStringLiteral("one (alle in einer Datei) oder per-team"),
                                          QStringLiteral("TARGET"));
    const QCommandLineOption dirOption(
        QStringLiteral("dir"), QStringLiteral("Arbeitsverzeichnis (sonst der Ordner der Turnierdatei)"),
        QStringLiteral("DIR"));
    const QCommandLineOption overwriteOption(QStringLiteral("overwrite"),
                                             QStringLiteral("vorhandene Dateien ohne Rückfrage ersetzen"));
    parser.addOptions({roundOption, targetOption, dirOption, overwriteOption});
    if (const std::optional<int> done = ParseArguments(parser, arguments))
        return *done;
    const QString target = parser.value(targetOption);
    bool roundOk = false;
    const int round = parser.value(roundOption).toInt(&roundOk);
    if (parser.positionalArguments().size() != 1 || !roundOk || round < 1 ||
        (target != u"one" && target != u"per-team")) {
        PrintError(Usage);
        return 2;
    }
    const QString file = parser.positionalArguments().at(0);
    auto state = LoadTournamentWithPairings(file);
    if (!state)
        return 1;
    if (round > state->RoundCount) {
        PrintError(QStringLiteral("gamelists: the tournament has %1 rounds").arg(state->RoundCount));
        return 2;
    }
    auto output = std::make_unique<AllocationOutput>();
    RequestGameLists(*output, round);
    ConsolePrompter prompter(parser.isSet(overwriteOption) ? Prompter::Answer::Yes : Prompter::Answer::No);
    if (!RunAllocation(*state, *output, prompter, {}))
        return 1;
    const QString workDir =
        parser.isSet(dirOption) ? parser.value(dirOption) : QFileInfo(file).absolutePath();
    const QString folder = QDir::toNativeSeparators(QDir(workDir).filePath(QStringLiteral("Spiellisten")));
    return WriteGameListFiles(*state, output->GameLists, round, target == u"per-team", workDir, prompter,
                              folder)
               ? 0
               : 1;
}
} // namespace cli
