#include "CliCommands.h"
#include "CliSupport.h"
#include "ConsolePrompter.h"

#include "model/TournamentState.h"
#include "results/ResultEntry.h"
#include "results/ResultTable.h"
#include "results/RowTags.h"
#include "results/ScheduleGrid.h"
#include "results/ScoreSyntax.h"

#include <QCommandLineParser>
#include <QTextStream>

#include <memory>
#include <optional>

namespace {
struct ResultRequest {
    QString file;
    QString output;
    int group = 0;
    int game = 0;
    ResultEntryFields fields;
    bool setsGiven = false;
    bool clearLater = false;
};

std::optional<int> positiveNumber(const QString& text)
{
    bool ok = false;
    const int value = text.toInt(&ok);
    return ok && value > 0 ? std::optional<int>(value) : std::nullopt;
}

// The arguments, or the exit status of a usage error (0 after --help).
std::optional<ResultRequest> parseArguments(const QStringList& arguments, int& status)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Trägt ein Ergebnis ein wie die Ergebniseingabe mit zweimal \"Übernehmen\": Tabelle der "
        "Gruppe, Abschlussprüfung, Übernahme in spätere Runden. \"0\" löscht das Ergebnis, "
        "\"x\" (bei --goals oder --sets) lässt das Spiel ausfallen."));
    parser.addHelpOption();
    parser.addPositionalArgument(QStringLiteral("FILE"), QStringLiteral("Turnierdatei (.auf)"));
    parser.addPositionalArgument(QStringLiteral("GROUP"), QStringLiteral("Gruppennummer (über alle Runden)"));
    parser.addPositionalArgument(QStringLiteral("GAME"), QStringLiteral("Spielnummer in der Gruppe"));
    const QCommandLineOption goals(QStringLiteral("goals"), QStringLiteral("Tore, zB 3:1"),
                                   QStringLiteral("TEXT"));
    const QCommandLineOption sets(QStringLiteral("sets"), QStringLiteral("Sätze, zB \"15:7 8:15 11:15\""),
                                  QStringLiteral("TEXT"));
    const QCommandLineOption clearLater(
        QStringLiteral("clear-later"),
        QStringLiteral(
            "bei abgeschlossener Gruppe die Ergebnisse der belieferten Gruppen löschen (JA statt NEIN)"));
    const QCommandLineOption output(QStringList{QStringLiteral("o"), QStringLiteral("output")},
                                    QStringLiteral("speichert nach OUT statt nach FILE"),
                                    QStringLiteral("OUT"));
    parser.addOptions({goals, sets, clearLater, output});
    status = 2;
    if (!parser.parse(arguments)) {
        cli::PrintError(parser.errorText());
        return std::nullopt;
    }
    if (parser.isSet(QStringLiteral("help"))) {
        cli::PrintHelp(parser, arguments);
        status = 0;
        return std::nullopt;
    }
    const QStringList positional = parser.positionalArguments();
    const QString usage = QStringLiteral(
        "usage: korvane-cli result FILE GROUP GAME (--goals TEXT | --sets TEXT) [--clear-later] [-o OUT]");
    if (positional.size() != 3 || parser.isSet(goals) == parser.isSet(sets)) {
        cli::PrintError(usage);
        return std::nullopt;
    }
    const std::optional<int> group = positiveNumber(positional.at(1));
    const std::optional<int> game = positiveNumber(positional.at(2));
    if (!group || !game) {
        cli::PrintError(QStringLiteral("GROUP und GAME sind Zahlen ab 1"));
        return std::nullopt;
    }
    ResultRequest request;
    request.file = positional.at(0);
    request.output = parser.isSet(output) ? parser.value(output) : request.file;
    request.group = *group;
    request.game = *game;
    request.clearLater = parser.isSet(clearLater);
    request.setsGiven = parser.isSet(sets);
    if (request.setsGiven && parser.value(sets) != CancelledGameText)
        request.fields.Sets = parser.value(sets);
    else // a cancelled game is marked in the goals field, also with sets
        request.fields.Goals = request.setsGiven ? CancelledGameText : parser.value(goals);
    return request;
}

std::optional<QString> requestError(const TournamentState& state, const ResultRequest& request)
{
    if (request.group > TotalGroups(state))
        return QStringLiteral("Gruppe %1 gibt es nicht (1..%2)").arg(request.group).arg(TotalGroups(state));
    const int teams = state.TeamsInGroup[request.group];
    const int games = PairingTable::FirstLegGameCount(teams) == 0 ? 0 : GroupGameCount(state, request.group);
    if (request.game > games)
        return QStringLiteral("Gruppe %1 hat kein Spiel %2 (Spiele: %3)")
            .arg(request.group)
            .arg(request.game)
            .arg(games);
    if (request.setsGiven && state.SetsWord != QStringLiteral("Sätze"))
        return QStringLiteral("das Turnier wird ohne Sätze gespielt: --goals verwenden");
    // As in the dialog: text without a digit would read as empty and delete the result.
    if (ParseScoreEntry(request.fields.Sets, request.fields.Goals).EntryAction == ScoreEntry::Action::Refuse)
        return QStringLiteral("Fehlerhafte Eingabe: \"%1\"")
            .arg(request.setsGiven ? request.fields.Sets : request.fields.Goals);
    return std::nullopt;
}

// Selects the game as a double-click on its goals cell does.
void selectGoalsCell(TournamentState& state, int group, int game)
{
    state.SelectedGroup = group;
    state.SelectedNumber = game;
    state.SelectedTagKind = TagKind::Tore;
    state.SelectedCol = 0;
    state.SelectedRow = 0;
    const QString tag = MakeRowTag(group, TagKind::Tore, game);
    const TextGrid& grid = state.ScheduleGrid;
    for (int row = 0; row < grid.rowCount(); ++row) {
        for (int col = 0; col < grid.columnCount(); ++col) {
            if (grid.tag(col, row) == tag) {
                state.SelectedCol = col;
                state.SelectedRow = row;
                return;
            }
        }
    }
}

QString resultLine(const TournamentState& state, const ResultRequest& request)
{
    const int index = FindResult(state, request.group, request.game);
    QString line = QStringLiteral("Gruppe %1, Spiel %2: ").arg(request.group).arg(request.game);
    if (index == 0)
        return line + QStringLiteral("kein Ergebnis");
    const GameResult& result = state.ResultTable[std::size_t(index)];
    if (!result.ScoreText.isEmpty() && result.ScoreText != CancelledGameText)
        line += result.ScoreText.trimmed() + QStringLiteral("  ");
    return line + GoalsCellText(result).trimmed();
}
} // namespace

namespace cli {
int RunResult(const QStringList& arguments)
{
    int status = 2;
    const std::optional<ResultRequest> request = parseArguments(arguments, status);
    if (!request)
        return status;

    auto state = LoadTournamentWithPairings(request->file);
    if (!state)
        return 1;
    if (const std::optional<QString> error = requestError(*state, *request)) {
        PrintError(*error);
        return 2;
    }
    // As the schedule window after a load: the plan with every table, then the double-click.
    state->JustLoaded = false;
    RenderScheduleGrid(*state);
    selectGoalsCell(*state, request->group, request->game);
    state->TablesToGrid = false;

    const bool stores =
        ParseScoreEntry(request->fields.Sets, request->fields.Goals).EntryAction == ScoreEntry::Action::Store;
    ConsolePrompter prompter(request->clearLater ? Prompter::Answer::Yes : Prompter::Answer::No);
    ResultEntry entry;
    entry.activate(*state);
    const ResultEntryOutcome first = entry.press(*state, request->fields, prompter);
    if (!first.CloseDialog)
        entry.press(*state, first.Fields, prompter);
    if (stores && FindResult(*state, request->group, request->game) == 0)
        return 1; // the table was full: nothing stored, the notice went to standard error

    if (!SaveTournamentFile(*state, request->output))
        return 1;
    QTextStream out(stdout);
    out << resultLine(*state, *request) << '\n';
    if (state->GroupCompleted[std::size_t(request->group)])
        out << QStringLiteral("Gruppe %1 ist abgeschlossen").arg(request->group) << '\n';
    out.flush();
    return 0;
}
} // namespace cli
