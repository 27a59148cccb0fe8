#include "CliCommands.h"
#include "CliSupport.h"
#include "ConsolePrompter.h"

#include "assistant/TournamentAssistant.h"
#include "model/TournamentState.h"

#include <QCommandLineParser>
#include <QFile>
#include <QRandomGenerator>
#include <QTextStream>

#include <memory>
#include <optional>

namespace {
const QString Usage =
    QStringLiteral("usage: korvane-cli assistent --teams N --fields F --length MIN [--break MIN] [--start "
                   "HH:MM] [--end HH:MM] "
                   "[--structure K [--names FILE] [--order inorder|seeded|random [--seed S]] -o OUT]");

struct AssistantArguments {
    AssistantInput input;
    int structure = 0; // 0: list the proposals
    QString namesPath;
    NameOrder order = NameOrder::InOrder;
    std::optional<quint32> seed;
    QString outputPath;
};

std::optional<int> WholeNumber(const QCommandLineParser& parser, const QCommandLineOption& option)
{
    bool ok = false;
    const int value = parser.value(option).toInt(&ok);
    if (!ok) {
        cli::PrintError(
            QStringLiteral("assistent: --%1 needs a whole number, not ").arg(option.names().constFirst()) +
            parser.value(option));
        return std::nullopt;
    }
    return value;
}

std::optional<int> parseArguments(const QStringList& arguments, AssistantArguments& parsed)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Der Turnier-Assistent: schlägt Turnierformen für die Zahl der Mannschaften und Plätze vor (eine je "
        "Zeile, mit Spielen, Runden und Ende) und schreibt mit --structure die gewählte als Turnierdatei."));
    parser.addHelpOption();
    const QCommandLineOption teams(QStringLiteral("teams"), QStringLiteral("Zahl der Mannschaften (2–200)"),
                                   QStringLiteral("N"));
    const QCommandLineOption fields(QStringLiteral("fields"), QStringLiteral("Zahl der Spielplätze"),
                                    QStringLiteral("F"));
    const QCommandLineOption length(QStringLiteral("length"), QStringLiteral("Spielzeit in Minuten"),
                                    QStringLiteral("MIN"));
    const QCommandLineOption pause(QStringLiteral("break"),
                                   QStringLiteral("Pause zwischen zwei Spielen in Minuten (Standard 0)"),
                                   QStringLiteral("MIN"), QStringLiteral("0"));
    const QCommandLineOption start(QStringLiteral("start"), QStringLiteral("Beginn (Standard 9:00)"),
                                   QStringLiteral("HH:MM"), QStringLiteral("9:00"));
    const QCommandLineOption end(QStringLiteral("end"), QStringLiteral("spätestes Ende"),
                                 QStringLiteral("HH:MM"));
    const QCommandLineOption structure(QStringLiteral("structure"),
                                       QStringLiteral("Nummer des Vorschlags, der geschrieben wird"),
                                       QStringLiteral("K"));
    const QCommandLineOption names(
        QStringLiteral("names"),
        QStringLiteral("Mannschaften, eine je Zeile, wahlweise \"; E-Mail\" (UTF-8 "
                       "oder Windows-1252)"),
        QStringLiteral("FILE"));
    const QCommandLineOption order(
        QStringLiteral("order"),
        QStringLiteral("Verteilung auf die Gruppen: inorder (der Reihe nach), seeded "
                       "(Töpfe) oder random (ausgelost)"),
        QStringLiteral("ORDER"), QStringLiteral("inorder"));
    const QCommandLineOption seed(QStringLiteral("seed"), QStringLiteral("Losnummer der Auslosung"),
                                  QStringLiteral("S"));
    const QCommandLineOption output({QStringLiteral("o"), QStringLiteral("output")},
                                    QStringLiteral("Turnierdatei, die geschrieben wird"),
                                    QStringLiteral("OUT"));
    parser.addOptions({teams, fields, length, pause, start, end, structure, names, order, seed, output});
    if (const std::optional<int> done = cli::ParseArguments(parser, arguments))
        return *done;
    const bool writes = parser.isSet(structure);
    if (!parser.positionalArguments().isEmpty() || !parser.isSet(teams) || !parser.isSet(fields) ||
        !parser.isSet(length) || writes != parser.isSet(output) ||
        (!writes && (parser.isSet(names) || parser.isSet(seed)))) {
        cli::PrintError(Usage);
        return 2;
    }
    for (const auto& [option, target] :
         {std::pair{&teams, &parsed.input.Teams}, std::pair{&fields, &parsed.input.Fields},
          std::pair{&length, &parsed.input.GameLength}, std::pair{&pause, &parsed.input.BreakLength}}) {
        const std::optional<int> value = WholeNumber(parser, *option);
        if (!value)
            return 2;
        *target = *value;
    }
    parsed.input.StartTime = parser.value(start);
    parsed.input.LatestEnd = parser.value(end);
    if (const QString fault = AssistantInputFault(parsed.input); !fault.isEmpty()) {
        cli::PrintError(QStringLiteral("assistent: ") + fault);
        return 2;
    }
    if (writes) {
        const std::optional<int> chosen = WholeNumber(parser, structure);
        if (!chosen)
            return 2;
        parsed.structure = *chosen;
        parsed.namesPath = parser.value(names);
        parsed.outputPath = parser.value(output);
    }
    const QString orderName = parser.value(order);
    if (orderName == QLatin1String("seeded"))
        parsed.order = NameOrder::Seeded;
    else if (orderName == QLatin1String("random"))
        parsed.order = NameOrder::Random;
    else if (orderName != QLatin1String("inorder")) {
        cli::PrintError(QStringLiteral("assistent: unknown order ") + orderName +
                        QStringLiteral(" (inorder, seeded or random)"));
        return 2;
    }
    if (parser.isSet(seed)) {
        bool ok = false;
        parsed.seed = parser.value(seed).toUInt(&ok);
        if (!ok) {
            cli::PrintError(QStringLiteral("assistent: --seed needs a whole number, not ") +
                            parser.value(seed));
            return 2;
        }
    }
    return std::nullopt;
}

std::optional<QList<TeamEntry>> ReadTeams(const QString& path)
{
    if (path.isEmpty())
        return QList<TeamEntry>{};
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        cli::PrintError(QStringLiteral("assistent: cannot read ") + path + QStringLiteral(": ") +
                        file.errorString());
        return std::nullopt;
    }
    return TeamEntriesFromBytes(file.readAll());
}
} // namespace

namespace cli {
int RunAssistant(const QStringList& arguments)
{
    AssistantArguments parsed;
    if (const std::optional<int> status = parseArguments(arguments, parsed))
        return *status;
    auto state = std::make_unique<TournamentState>();
    if (!LoadPairingData(*state))
        return 1;
    const std::vector<StructureProposal> proposals = ProposeStructures(parsed.input, *state);
    if (parsed.structure == 0) {
        QTextStream out(stdout);
        for (std::size_t index = 0; index < proposals.size(); ++index)
            out << index + 1 << ": " << proposals[index].Blueprint.Title << "; "
                << ProposalFigures(proposals[index]) << '\n';
        if (proposals.empty())
            PrintError(QStringLiteral("assistent: no structure fits these numbers"));
        return proposals.empty() ? 1 : 0;
    }
    if (parsed.structure < 1 || std::size_t(parsed.structure) > proposals.size()) {
        PrintError(
            QStringLiteral("assistent: --structure needs a number from 1 to %1").arg(proposals.size()));
        return 2;
    }
    const std::optional<QList<TeamEntry>> teams = ReadTeams(parsed.namesPath);
    if (!teams)
        return 1;
    const quint32 seed = parsed.seed.value_or(QRandomGenerator::global()->bounded(1000000U));
    if (parsed.order == NameOrder::Random)
        QTextStream(stderr) << "Losnummer " << seed << '\n';
    ConsolePrompter prompter;
    ApplyBlueprint(*state, proposals[std::size_t(parsed.structure - 1)].Blueprint, parsed.input, *teams,
                   parsed.order, seed, prompter);
    return SaveTournamentFile(*state, parsed.outputPath) ? 0 : 1;
}
} // namespace cli
