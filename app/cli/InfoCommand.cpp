#include "CliCommands.h"
#include "CliSupport.h"

#include "model/TextUtil.h"
#include "model/TournamentState.h"

#include <QCommandLineParser>

#include <QTextStream>
#include <optional>

#include <memory>

namespace {
QString PerRound(const TournamentState& state, int (*valueOfGroup)(const TournamentState&, int))
{
    QStringList values;
    for (int round = 1; round <= state.RoundCount; ++round) {
        int sum = 0;
        for (int group = FirstGroupOfRound(state, round); group <= LastGroupOfRound(state, round); ++group)
            sum += valueOfGroup(state, group);
        values.append(QString::number(sum));
    }
    return values.join(u' ');
}

int OneGroup(const TournamentState&, int)
{
    return 1;
}

int TeamsOfGroup(const TournamentState& state, int group)
{
    return state.TeamsInGroup[group];
}
} // namespace

namespace cli {
int RunInfo(const QStringList& arguments)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Zeigt die Eckdaten einer Turnierdatei."));
    parser.addHelpOption();
    parser.addPositionalArgument(QStringLiteral("FILE"), QStringLiteral("Turnierdatei (.auf)"));
    if (const std::optional<int> done = ParseArguments(parser, arguments))
        return *done;
    if (parser.positionalArguments().size() != 1) {
        PrintError(QStringLiteral("usage: korvane-cli info FILE"));
        return 2;
    }
    auto state = std::make_unique<TournamentState>();
    if (!LoadTournamentFile(*state, parser.positionalArguments().at(0)))
        return 1;

    QTextStream out(stdout);
    // The name comes from the file: its control characters are shown, not sent to the terminal.
    out << "Name: " << VisibleText(state->TournamentName) << '\n';
    out << "Runden: " << state->RoundCount << '\n';
    out << "Gruppen je Runde: " << PerRound(*state, OneGroup) << '\n';
    out << "Mannschaften je Runde: " << PerRound(*state, TeamsOfGroup) << '\n';
    out << "Spiele: " << TotalGameCount(*state) << '\n';
    out << "Ergebnisse: " << state->ResultCount << '\n';
    out << "Namenspool: " << state->NamePoolCount << Qt::endl;
    return 0;
}
} // namespace cli
