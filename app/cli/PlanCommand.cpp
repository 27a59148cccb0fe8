#include "CliCommands.h"
#include "CliGridOutput.h"
#include "CliSupport.h"
#include "ConsolePrompter.h"

#include "allocation/Allocation.h"
#include "allocation/AllocationOutput.h"
#include "allocation/GameListPages.h"
#include "model/TextUtil.h"
#include "model/TournamentState.h"
#include "output/GridExport.h"

#include <QCommandLineParser>
#include <QElapsedTimer>
#include <QFile>
#include <QSaveFile>
#include <QTextStream>

#include <memory>
#include <optional>

namespace {
const QString Usage =
    QStringLiteral("usage: korvane-cli plan FILE [--depth N] [--optimise] [-o OUT] [--format "
                   "csv|xls|txt] [--round R --gamelists] [--timing]");

struct PlanArguments {
    QString file;
    QString outputPath;
    cli::GridOutputFormat format = cli::GridOutputFormat::Txt;
    std::optional<QString> depth;
    int gameListRound = 0;
    bool timing = false;
    bool optimise = false;
};

// Reads the arguments; an exit status when the command ends here (help or a usage error).
std::optional<int> parseArguments(const QStringList& arguments, PlanArguments& plan)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Berechnet die Platzverteilung einer Turnierdatei und gibt den Zeitplan aus (ohne OUT "
                       "auf die Konsole).\n"
                       "Die Meldungen der Runden (\"Fehlermeldungen\") stehen auf der Fehlerausgabe."));
    parser.addHelpOption();
    parser.addPositionalArgument(QStringLiteral("FILE"), QStringLiteral("Turnierdatei (.auf)"));
    const QCommandLineOption depthOption(
        QStringLiteral("depth"), QStringLiteral("Rechentiefe für diesen Lauf (statt der Einstellung)"),
        QStringLiteral("N"));
    const QCommandLineOption optimiseOption(
        QStringLiteral("optimise"),
        QStringLiteral("wie \"Platzverteilung optimieren\" (statt der Einstellung)"));
    const QCommandLineOption outputOption({QStringLiteral("o"), QStringLiteral("output")},
                                          QStringLiteral("Datei, die geschrieben wird"),
                                          QStringLiteral("OUT"));
    const QCommandLineOption formatOption(
        QStringLiteral("format"), QStringLiteral("csv, xls (Tabulator) oder txt (ausgerichteter Text)"),
        QStringLiteral("FORMAT"));
    const QCommandLineOption roundOption(QStringLiteral("round"), QStringLiteral("Runde der Spiellisten"),
                                         QStringLiteral("R"));
    const QCommandLineOption gameListsOption(
        QStringLiteral("gamelists"), QStringLiteral("statt des Zeitplans die Spiellisten der Runde R"));
    const QCommandLineOption timingOption(QStringLiteral("timing"),
                                          QStringLiteral("die Rechenzeit der Platzverteilung ausgeben"));
    parser.addOptions({depthOption, optimiseOption, outputOption, formatOption, roundOption, gameListsOption,
                       timingOption});
    if (const std::optional<int> done = cli::ParseArguments(parser, arguments))
        return *done;
    if (parser.positionalArguments().size() != 1 ||
        parser.isSet(roundOption) != parser.isSet(gameListsOption)) {
        cli::PrintError(Usage);
        return 2;
    }
    plan.file = parser.positionalArguments().at(0);
    plan.outputPath = parser.value(outputOption);
    plan.format = cli::GridOutputFormatFor(plan.outputPath);
    plan.timing = parser.isSet(timingOption);
    plan.optimise = parser.isSet(optimiseOption);
    if (parser.isSet(formatOption)) {
        const std::optional<cli::GridOutputFormat> format =
            cli::GridOutputFormatNamed(parser.value(formatOption));
        if (!format) {
            cli::PrintError(QStringLiteral("plan: unknown format ") + parser.value(formatOption) +
                            QStringLiteral(" (csv, xls or txt)"));
            return 2;
        }
        plan.format = *format;
    }
    if (parser.isSet(depthOption)) {
        plan.depth = parser.value(depthOption);
        const std::optional<int> depth = ParseSearchDepth(*plan.depth);
        if (!depth || *depth < Limits::MinSearchDepth || *depth > Limits::MaxSearchDepth) {
            cli::PrintError(QStringLiteral("plan: --depth needs a whole number from %1 to %2, not ")
                                .arg(Limits::MinSearchDepth)
                                .arg(Limits::MaxSearchDepth) +
                            VisibleText(*plan.depth));
            return 2;
        }
    }
    if (parser.isSet(roundOption)) {
        bool ok = false;
        plan.gameListRound = parser.value(roundOption).toInt(&ok);
        if (!ok || plan.gameListRound < 1) {
            cli::PrintError(QStringLiteral("plan: --round needs a round number, not ") +
                            parser.value(roundOption));
            return 2;
        }
    }
    return std::nullopt;
}
} // namespace

namespace cli {
int RunPlan(const QStringList& arguments)
{
    PlanArguments plan;
    if (const std::optional<int> status = parseArguments(arguments, plan))
        return *status;

    auto state = LoadTournamentWithPairings(plan.file);
    if (!state)
        return 1;
    if (plan.gameListRound > state->RoundCount) {
        PrintError(QStringLiteral("plan: the tournament has %1 rounds").arg(state->RoundCount));
        return 2;
    }

    auto output = std::make_unique<AllocationOutput>();
    if (plan.gameListRound >= 1)
        RequestGameLists(*output, plan.gameListRound);
    ConsolePrompter prompter;
    QElapsedTimer timer;
    timer.start();
    AllocationOptions options{plan.depth, SearchMethod::Incremental, {}};
    if (plan.optimise)
        options.Optimise = true; // otherwise the tournament's own setting
    const bool planned = RunAllocation(*state, *output, prompter, options);
    const qint64 elapsed = timer.elapsed();
    if (!planned)
        return 1;

    QTextStream err(stderr);
    for (const QString& line : output->Messages.lines())
        err << line << '\n';
    if (plan.timing)
        err << "Platzverteilung berechnet in " << elapsed << " ms\n";
    err.flush();

    QByteArray bytes;
    if (plan.gameListRound >= 1)
        bytes = (GameListPages(*state, output->GameLists, plan.gameListRound).join(u'\n') + u'\n').toUtf8();
    else
        bytes = cli::GridOutputBytes(output->TimePlan, plan.format);
    return cli::WriteCliOutput(bytes, plan.outputPath, QStringLiteral("plan")) ? 0 : 1;
}
} // namespace cli
