#include "live/WebPages.h"

#include "live/DisplayPages.h"
#include "live/LiveData.h"
#include "model/TournamentState.h"

#include <QHash>

#include <algorithm>

namespace {
// Of a field's games the page shows the last few results and the next ones; the round's page
// has all of them.
constexpr int FinishedGamesOnFieldPage = 3;
constexpr int UpcomingGamesOnFieldPage = 20;

const QString NoTimePlan = QStringLiteral("Für diese Runde gibt es noch keinen Zeitplan.");

QString UnnamedTeam()
{
    return QStringLiteral("N. N.");
}

WebCell Text(const QString& text, const QString& cssClass = {})
{
    return {text, {}, {}, cssClass};
}

WebCell Number(const QString& text)
{
    return Text(text, QStringLiteral("num"));
}

WebCell TeamCell(const QString& team)
{
    return {team, team == UnnamedTeam() ? QString() : LiveTeamPath(team), {}, {}};
}

std::vector<WebCell> Heads(std::initializer_list<std::pair<const char*, bool>> heads)
{
    std::vector<WebCell> cells;
    for (const auto& [text, numeric] : heads)
        cells.push_back(Text(QString::fromUtf8(text), numeric ? QStringLiteral("num") : QString()));
    return cells;
}

WebPage PageFrame(const TournamentState& state, const QString& title, const QString& path, int currentRound)
{
    WebPage page;
    page.Title =
        title.isEmpty() ? state.TournamentName : title + QStringLiteral(" – ") + state.TournamentName;
    page.Tournament = state.TournamentName;
    page.DataPath = LiveDataPath(path);
    page.Navigation.push_back({QStringLiteral("Übersicht"), LiveIndexPath(), path == LiveIndexPath()});
    for (int round = 1; round <= state.RoundCount && IsRoundIndex(round); ++round)
        page.Navigation.push_back(
            {QStringLiteral("Runde %1").arg(round), LiveRoundPath(round), round == currentRound});
    return page;
}

QString ResultText(const LiveGame& game)
{
    if (!game.finished())
        return QStringLiteral("–");
    if (game.Result == QStringLiteral("x"))
        return QStringLiteral("fällt aus");
    return game.Sets.isEmpty() ? game.Result : game.Result + QStringLiteral(" (") + game.Sets + u')';
}

WebCell ResultCell(const LiveGame& game)
{
    return Text(ResultText(game), game.finished() ? QStringLiteral("result") : QStringLiteral("result open"));
}

WebCell PairingCell(const LiveGame& game)
{
    WebCell cell = Text(game.TeamA + QStringLiteral(" – ") + game.TeamB);
    if (!game.Referee.isEmpty())
        cell.Note = QStringLiteral("Schiedsrichter: ") + game.Referee;
    return cell;
}

WebBlock TableBlock(const LiveTable& table, bool withSets, const QString& ownTeam = {})
{
    WebBlock block;
    block.Title = table.Title;
    block.Heads =
        withSets
            ? Heads({{"Pl.", true},
                     {"Mannschaft", false},
                     {"Sp.", true},
                     {"Sätze", true},
                     {"Tore", true},
                     {"Pkt.", true}})
            : Heads({{"Pl.", true}, {"Mannschaft", false}, {"Sp.", true}, {"Tore", true}, {"Pkt.", true}});
    for (const LiveTableRow& line : table.Rows) {
        WebRow row;
        row.Cells = {Number(line.Place), TeamCell(line.Team), Number(line.Games)};
        if (withSets)
            row.Cells.push_back(Number(line.Sets));
        row.Cells.push_back(Number(line.Goals));
        row.Cells.push_back(Number(line.Points));
        if (!ownTeam.isEmpty() && line.Team == ownTeam)
            row.Class = QStringLiteral("own");
        block.Rows.push_back(std::move(row));
    }
    return block;
}

bool DecidedHeadToHead(const std::vector<LiveTable>& tables)
{
    for (const LiveTable& table : tables)
        for (const LiveTableRow& row : table.Rows)
            if (row.Place.endsWith(u'!'))
                return true;
    return false;
}

// A field's games with clock, pairing and referee, and result; its next game marked.
WebBlock FieldBlock(const LiveField& field, const QString& title, const QString& link)
{
    WebBlock block{title, link, Heads({{"Zeit", false}, {"Begegnung", false}, {"Ergebnis", true}}), {}, {}};
    const int next = NextGameIndex(field);
    for (std::size_t index = 0; index < field.Games.size(); ++index) {
        const LiveGame& game = field.Games[index];
        WebRow row{{Text(game.Clock, QStringLiteral("time")), PairingCell(game), ResultCell(game)}, {}};
        if (int(index) == next)
            row.Class = QStringLiteral("next");
        block.Rows.push_back(std::move(row));
    }
    return block;
}

WebSection TimePlanSection(const TournamentState& state, const TextGrid& timePlan, int round)
{
    WebSection section{QStringLiteral("Zeitplan"), {}, {}};
    for (const LiveField& field : RoundFields(state, timePlan, round))
        if (!field.Games.empty())
            section.Blocks.push_back(FieldBlock(field, field.Title, LiveFieldPath(field.Field)));
    if (section.Blocks.empty())
        section.Note = NoTimePlan;
    return section;
}

// Where and when a game is played, from the time plan.
struct PlannedGame {
    QString Clock;
    int Field = 0;
    QString Referee;
};

std::vector<WebCell> TeamGameHeads()
{
    return Heads({{"Zeit", false}, {"Platz", false}, {"Begegnung", false}, {"Ergebnis", true}});
}

bool PlaysInRound(const TournamentState& state, int round, const QString& team)
{
    for (int group = FirstGroupOfRound(state, round); group <= LastGroupOfRound(state, round); ++group)
        for (int position = 1;
             IsGroupIndex(group) && position <= state.TeamsInGroup[group] && position < Limits::NameSlots;
             ++position)
            if (state.NameTable[group][position].trimmed() == team)
                return true;
    return false;
}

WebSection RoundsSection(const TournamentState& state, int inPlay)
{
    WebBlock block{QStringLiteral("Runden"), {}, Heads({{"Runde", false}, {"Stand", false}}), {}, {}};
    std::vector<int> order{inPlay};
    for (int round = 1; round <= state.RoundCount && IsRoundIndex(round); ++round)
        if (round != inPlay)
            order.push_back(round);
    for (int round : order) {
        WebRow row{{{QStringLiteral("Runde %1").arg(round), LiveRoundPath(round), {}, {}},
                    Text(RoundStatusText(state, round))},
                   {}};
        if (round == inPlay)
            row.Class = QStringLiteral("next");
        block.Rows.push_back(std::move(row));
    }
    return {QStringLiteral("Runden"), {block}, {}};
}

WebSection NextGamesSection(const TournamentState& state, const TextGrid& timePlan, int round)
{
    WebSection section{QStringLiteral("Als Nächstes – Runde %1").arg(round), {}, {}};
    WebBlock block{QStringLiteral("Nächstes Spiel je Platz"),
                   {},
                   Heads({{"Platz", false}, {"Zeit", false}, {"Begegnung", false}}),
                   {},
                   {}};
    bool planned = false;
    for (const LiveField& field : RoundFields(state, timePlan, round)) {
        planned = planned || !field.Games.empty();
        const int next = NextGameIndex(field);
        if (next < 0)
            continue;
        const LiveGame& game = field.Games[std::size_t(next)];
        block.Rows.push_back({{{field.Title, LiveFieldPath(field.Field), {}, {}},
                               Text(game.Clock, QStringLiteral("time")),
                               PairingCell(game)},
                              {}});
    }
    if (!planned)
        section.Note = NoTimePlan;
    else if (block.Rows.empty())
        section.Note = QStringLiteral("Alle Spiele dieser Runde sind gespielt.");
    else
        section.Blocks.push_back(std::move(block));
    return section;
}
} // namespace

int LiveFieldCount(const TournamentState& state)
{
    int fields = 0;
    for (int round = 1; round <= state.RoundCount && IsRoundIndex(round); ++round)
        fields = std::max(fields, state.FieldsInRound[round]);
    return fields;
}

WebPage LiveIndexPage(const TournamentState& state, const TextGrid& timePlan)
{
    WebPage page = PageFrame(state, {}, LiveIndexPath(), 0);
    const int inPlay = RoundInPlay(state);
    const bool allPlayed = inPlay == state.RoundCount &&
                           RoundStatusText(state, inPlay).startsWith(QStringLiteral("abgeschlossen"));
    page.Status = allPlayed ? QStringLiteral("Alle Ergebnisse sind eingetragen.")
                            : QStringLiteral("Runde %1 läuft.").arg(inPlay);
    page.Sections.push_back(RoundsSection(state, inPlay));
    for (int round = 1; round <= state.RoundCount && IsRoundIndex(round); ++round)
        page.SourceRounds.push_back(round);
    page.ReadsEveryRound = true;
    if (!allPlayed)
        page.Sections.push_back(NextGamesSection(state, timePlan, inPlay));

    WebBlock teams{QStringLiteral("Mannschaften"), {}, {}, {}, {}};
    for (const QString& team : TeamNames(state))
        teams.Rows.push_back({{TeamCell(team)}, {}});
    WebSection teamSection{QStringLiteral("Mannschaften"), {}, {}};
    if (teams.Rows.empty())
        teamSection.Note = QStringLiteral("Noch keine Mannschaften eingetragen.");
    else
        teamSection.Blocks.push_back(std::move(teams));
    page.Sections.push_back(std::move(teamSection));
    return page;
}

std::optional<WebPage> LiveRoundPage(const TournamentState& state, const TextGrid& timePlan, int round)
{
    if (!IsRoundIndex(round) || round > state.RoundCount)
        return std::nullopt;
    const QString title = QStringLiteral("Runde %1").arg(round);
    WebPage page = PageFrame(state, title, LiveRoundPath(round), round);
    page.Status = title + QStringLiteral(": ") + RoundStatusText(state, round);
    page.SourceRounds = {round};

    const std::vector<LiveTable> tables = RoundTables(state, round);
    WebSection tableSection{QStringLiteral("Tabellen"), {}, {}};
    for (const LiveTable& table : tables)
        tableSection.Blocks.push_back(TableBlock(table, state.Settings.WithSets));
    if (DecidedHeadToHead(tables))
        tableSection.Note = QStringLiteral("! = Platz durch direkten Vergleich entschieden");
    page.Sections.push_back(std::move(tableSection));

    page.Sections.push_back(TimePlanSection(state, timePlan, round));

    WebSection games{QStringLiteral("Spiele und Ergebnisse"), {}, {}};
    for (const LiveTable& table : tables) {
        WebBlock block{table.Title, {}, Heads({{"Begegnung", false}, {"Ergebnis", true}}), {}, {}};
        for (const LiveGame& game : GroupGames(state, table.Group))
            block.Rows.push_back(
                {{Text(game.TeamA + QStringLiteral(" – ") + game.TeamB), ResultCell(game)}, {}});
        games.Blocks.push_back(std::move(block));
    }
    page.Sections.push_back(std::move(games));
    return page;
}

std::optional<WebPage> LiveFieldPage(const TournamentState& state, const TextGrid& timePlan, int field)
{
    if (field < 1 || field > LiveFieldCount(state))
        return std::nullopt;
    const QString title = QStringLiteral("Platz %1").arg(field);
    WebPage page = PageFrame(state, title, LiveFieldPath(field), 0);
    page.Status = title + QStringLiteral(": keine offenen Spiele");
    bool nextFound = false;
    for (int round = RoundInPlay(state); round <= state.RoundCount && IsRoundIndex(round); ++round) {
        page.SourceRounds.push_back(round);
        if (state.FieldsInRound[round] < field)
            continue;
        LiveField games = RoundFields(state, timePlan, round)[std::size_t(field - 1)];
        if (games.Games.empty())
            continue;
        const std::size_t planned = games.Games.size();
        TrimFieldGames(games, FinishedGamesOnFieldPage, UpcomingGamesOnFieldPage);
        if (const int next = NextGameIndex(games); next >= 0 && !nextFound) {
            const LiveGame& game = games.Games[std::size_t(next)];
            page.Status = title + QStringLiteral(": als Nächstes ") + game.Clock + u' ' + game.TeamA +
                          QStringLiteral(" – ") + game.TeamB;
            nextFound = true;
        }
        WebBlock block = FieldBlock(games, QStringLiteral("Runde %1").arg(round), LiveRoundPath(round));
        if (games.Games.size() < planned)
            block.Note =
                QStringLiteral("Alle Spiele dieser Runde stehen auf der Seite der Runde %1.").arg(round);
        page.Sections.push_back({QStringLiteral("Runde %1").arg(round), {std::move(block)}, {}});
    }
    if (page.Sections.empty())
        page.Sections.push_back({title, {}, QStringLiteral("Auf diesem Platz stehen keine Spiele mehr an.")});
    return page;
}

std::optional<WebPage> LiveTeamPage(const TournamentState& state, const TextGrid& timePlan,
                                    const QString& team)
{
    if (team.trimmed() != team || !TeamNames(state).contains(team))
        return std::nullopt;
    WebPage page = PageFrame(state, team, LiveTeamPath(team), 0);
    page.ReadsEveryRound = true;
    WebBlock refereeing{QStringLiteral("Als Schiedsrichter"), {}, TeamGameHeads(), {}, {}};
    bool nextMarked = false;
    for (int round = 1; round <= state.RoundCount && IsRoundIndex(round); ++round) {
        const std::vector<LiveField> fields = RoundFields(state, timePlan, round);
        QHash<QPair<int, int>, PlannedGame> planned;
        const std::size_t refereedBefore = refereeing.Rows.size();
        for (const LiveField& field : fields)
            for (const LiveGame& game : field.Games) {
                planned.insert({game.Group, game.Game}, {game.Clock, field.Field, game.Referee});
                if (game.Referee == team)
                    refereeing.Rows.push_back(
                        {{Text(game.Clock, QStringLiteral("time")), Text(field.Title),
                          Text(game.TeamA + QStringLiteral(" – ") + game.TeamB), ResultCell(game)},
                         {}});
            }
        const bool plays = PlaysInRound(state, round, team);
        if (plays || refereeing.Rows.size() > refereedBefore)
            page.SourceRounds.push_back(round);
        if (!plays)
            continue;
        for (const LiveTable& table : RoundTables(state, round)) {
            const bool plays = std::any_of(table.Rows.begin(), table.Rows.end(),
                                           [&team](const LiveTableRow& row) { return row.Team == team; });
            if (!plays)
                continue;
            WebBlock games{QStringLiteral("Spiele"), {}, TeamGameHeads(), {}, {}};
            for (const LiveGame& game : GroupGames(state, table.Group)) {
                if (game.TeamA != team && game.TeamB != team)
                    continue;
                const PlannedGame where = planned.value({game.Group, game.Game});
                LiveGame withReferee = game;
                withReferee.Referee = where.Referee;
                WebRow row{{Text(where.Clock, QStringLiteral("time")),
                            Text(where.Field > 0 ? QStringLiteral("Platz %1").arg(where.Field) : QString()),
                            PairingCell(withReferee), ResultCell(game)},
                           {}};
                if (!game.finished() && !nextMarked) {
                    row.Class = QStringLiteral("next");
                    nextMarked = true;
                    if (!where.Clock.isEmpty())
                        page.Status = QStringLiteral("Nächstes Spiel: ") + where.Clock +
                                      QStringLiteral(", Platz %1").arg(where.Field);
                }
                games.Rows.push_back(std::move(row));
            }
            page.Sections.push_back({QStringLiteral("Runde %1 – ").arg(round) + table.Title,
                                     {std::move(games), TableBlock(table, state.Settings.WithSets, team)},
                                     {}});
        }
    }
    if (!refereeing.Rows.empty())
        page.Sections.push_back({QStringLiteral("Schiedsrichter"), {std::move(refereeing)}, {}});
    if (page.Status.isEmpty())
        page.Status = nextMarked ? QStringLiteral("Das nächste Spiel ist noch nicht eingeplant.")
                                 : QStringLiteral("Alle Spiele sind gespielt.");
    return page;
}
