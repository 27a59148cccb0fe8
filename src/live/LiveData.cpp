#include "live/LiveData.h"

#include "model/TextGrid.h"
#include "model/TournamentState.h"
#include "results/GamePositions.h"
#include "results/ResultTable.h"
#include "results/RowTags.h"
#include "results/ScheduleGrid.h"

#include <QRegularExpression>
#include <QSet>

#include <algorithm>
#include <map>

namespace {
// A position without a team yet, on the display and the web pages.
QString UnnamedTeam()
{
    return QStringLiteral("N. N.");
}

bool HasTag(const TextGrid& grid, int col, int row, int group, const QString& kind, int number)
{
    return ReadRowTag(grid, col, row) == RowTag{kind, group, number};
}

// The team cell of a table row: "2) name", "2)! name" after a head-to-head decision, or four
// blanks and the name when the team is level with the one above.
void SplitTableTeamCell(const QString& text, LiveTableRow& row)
{
    static const QRegularExpression placed(QStringLiteral("^(\\d+)\\)(!?) (.*)$"),
                                           QRegularExpression::DotMatchesEverythingOption);
    const QRegularExpressionMatch match = placed.match(text);
    if (match.hasMatch()) {
        row.Place = match.captured(1) + match.captured(2);
        row.Team = match.captured(3);
    } else {
        row.Team = text.startsWith(QStringLiteral("    ")) ? text.mid(4) : text;
    }
    if (row.Team.trimmed().isEmpty())
        row.Team = UnnamedTeam();
}

QString FirstNumber(const QString& text)
{
    const QStringList parts = text.split(u' ', Qt::SkipEmptyParts);
    return parts.isEmpty() ? QString() : parts.first();
}

QString TeamName(const TournamentState& state, int group, int position)
{
    if (!IsGroupIndex(group) || position < 1 || position >= Limits::NameSlots)
        return {};
    const QString name = state.NameTable[group][position].trimmed();
    return name.isEmpty() ? UnnamedTeam() : name;
}

QString GroupTitle(const TournamentState& state, int group)
{
    const QString name = state.NameTable[group][0].trimmed();
    return name.isEmpty() ? QStringLiteral("Gruppe %1").arg(group) : name;
}

// The result of a game as the schedule grid's goals (and sets) cells show it now; `block` is
// the game's group block.
void ReadResult(const TournamentState& state, const GroupBlock& block, LiveGame& game)
{
    if (block.Group == 0 || block.Group != game.Group || game.Game < 1)
        return;
    const TextGrid& grid = state.ScheduleGrid;
    const int row = block.gameRow(game.Game);
    if (HasTag(grid, block.Column + 3, row, game.Group, TagKind::Tore, game.Game))
        game.Result = grid.cell(block.Column + 3, row).trimmed();
    if (state.Settings.WithSets && HasTag(grid, block.Column + 2, row, game.Group, TagKind::Satz, game.Game))
        game.Sets = grid.cell(block.Column + 2, row).trimmed();
}

// Where each group's rows lie, found once per group: a round's time plan has many games of each.
class GroupBlocks {
public:
    explicit GroupBlocks(const TournamentState& state) : m_state(state) {}
    const GroupBlock& of(int group)
    {
        auto found = m_blocks.find(group);
        if (found == m_blocks.end())
            found = m_blocks.emplace(group, LocateGroupBlock(m_state, group)).first;
        return found->second;
    }

private:
    const TournamentState& m_state;
    std::map<int, GroupBlock> m_blocks;
};

// The game that field f plays on a game line of the time plan; Game 0 when the field is free.
LiveGame TimePlanGame(const TournamentState& state, const TextGrid& plan, int row, int field,
                      GroupBlocks& blocks)
{
    const int col = 3 * (field - 1);
    LiveGame game;
    const RowTag first = ReadRowTag(plan, col + 2, row);
    const RowTag second = ReadRowTag(plan, col + 3, row);
    const RowTag result = ReadRowTag(plan, col + 4, row);
    if (first.Kind != TagKind::ManschA || second.Kind != TagKind::ManschB || result.Kind != TagKind::ManschC)
        return game;
    game.Group = result.Group;
    game.Game = result.Number;
    game.Clock = plan.cell(1, row).trimmed();
    game.TeamA = TeamName(state, first.Group, first.Number);
    game.TeamB = TeamName(state, second.Group, second.Number);
    const RowTag referee = ReadRowTag(plan, col + 3, row + 1);
    game.Referee = referee.Kind == TagKind::Schiri ? TeamName(state, referee.Group, referee.Number)
                                                   : plan.cell(col + 3, row + 1).trimmed();
    ReadResult(state, blocks.of(game.Group), game);
    return game;
}
} // namespace

std::vector<int> ResultsPerGroup(const TournamentState& state)
{
    std::vector<int> counts(std::size_t(Limits::MaxGroups) + 1, 0);
    const int stored = UsedResultCount(state);
    for (int index = 1; index <= stored; ++index)
        if (const int group = state.ResultTable[std::size_t(index)].Group; IsGroupIndex(group))
            ++counts[std::size_t(group)];
    return counts;
}

namespace {
int RoundInPlay(const TournamentState& state, const std::vector<int>& resultsPerGroup)
{
    const int rounds = std::min(state.RoundCount, int(Limits::MaxRounds));
    for (int round = 1; round <= rounds; ++round)
        for (int group = FirstGroupOfRound(state, round); group <= LastGroupOfRound(state, round); ++group)
            if (IsGroupIndex(group) && resultsPerGroup[std::size_t(group)] < GroupGameCount(state, group))
                return round;
    return std::max(rounds, 1);
}
} // namespace

int RoundInPlay(const TournamentState& state)
{
    return RoundInPlay(state, ResultsPerGroup(state));
}

std::vector<LiveTable> RoundTables(const TournamentState& state, int round)
{
    std::vector<LiveTable> tables;
    if (!IsRoundIndex(round) || round > state.RoundCount)
        return tables;
    const TextGrid& grid = state.ScheduleGrid;
    for (int group = FirstGroupOfRound(state, round); group <= LastGroupOfRound(state, round); ++group) {
        const GroupBlock block = LocateGroupBlock(state, group);
        if (block.Group == 0)
            continue;
        LiveTable table{group, GroupTitle(state, group), {}};
        for (int place = 1; place <= block.TeamCount; ++place) {
            const int row = block.tableRow(place);
            const int col = block.Column;
            if (!HasTag(grid, col, row, group, TagKind::TabelleMannschaft, place))
                continue;
            LiveTableRow line;
            SplitTableTeamCell(grid.cell(col, row), line);
            line.Games = FirstNumber(grid.cell(col + 1, row));
            line.Sets = grid.cell(col + 2, row).trimmed();
            line.Goals = grid.cell(col + 3, row).trimmed();
            line.Points = grid.cell(col + 4, row).trimmed();
            table.Rows.push_back(line);
        }
        tables.push_back(std::move(table));
    }
    return tables;
}

std::vector<LiveGame> GroupGames(const TournamentState& state, int group)
{
    std::vector<LiveGame> games;
    if (!IsGroupIndex(group))
        return games;
    const int count = GroupGameCount(state, group);
    const GroupBlock block = LocateGroupBlock(state, group);
    for (int number = 1; number <= count; ++number) {
        GamePositions positions;
        if (!PositionsOfGame(state, group, number, positions))
            continue;
        LiveGame game;
        game.Group = group;
        game.Game = number;
        game.TeamA = TeamName(state, group, positions.first);
        game.TeamB = TeamName(state, group, positions.second);
        ReadResult(state, block, game);
        games.push_back(game);
    }
    return games;
}

std::vector<LiveField> RoundFields(const TournamentState& state, const TextGrid& timePlan, int round)
{
    std::vector<LiveField> fields;
    if (!IsRoundIndex(round) || round > state.RoundCount)
        return fields;
    const int fieldCount = std::min(state.FieldsInRound[round], (timePlan.columnCount() - 2) / 3);
    for (int field = 1; field <= fieldCount; ++field)
        fields.push_back({field, QStringLiteral("Platz %1").arg(field), {}});
    const QString roundText = QString::number(round);
    GroupBlocks blocks(state);
    for (int row = 0; row < timePlan.rowCount(); ++row) {
        if (timePlan.cell(0, row) != roundText || timePlan.cell(1, row).isEmpty())
            continue;
        for (LiveField& field : fields) {
            LiveGame game = TimePlanGame(state, timePlan, row, field.Field, blocks);
            if (game.Game != 0)
                field.Games.push_back(std::move(game));
        }
    }
    return fields;
}

QString RoundStatusText(const TournamentState& state, int round)
{
    const std::vector<int> resultsPerGroup = ResultsPerGroup(state);
    int games = 0;
    int stored = 0;
    for (int group = FirstGroupOfRound(state, round); group <= LastGroupOfRound(state, round); ++group) {
        if (!IsGroupIndex(group))
            continue;
        const int count = GroupGameCount(state, group);
        games += count;
        stored += std::min(resultsPerGroup[std::size_t(group)], count);
    }
    const QString count = QStringLiteral(" (%1 von %2 Ergebnissen)").arg(stored).arg(games);
    if (games > 0 && stored == games)
        return QStringLiteral("abgeschlossen") + count;
    if (round == RoundInPlay(state, resultsPerGroup))
        return QStringLiteral("läuft") + count;
    return stored > 0 ? QStringLiteral("begonnen") + count : QStringLiteral("noch offen") + count;
}

QStringList TeamNames(const TournamentState& state)
{
    QStringList names;
    QSet<QString> seen;
    const int groups = std::min(TotalGroups(state), int(Limits::MaxGroups));
    for (int group = 1; group <= groups; ++group)
        for (int position = 1; position <= state.TeamsInGroup[group] && position < Limits::NameSlots;
             ++position) {
            const bool referred =
                position <= Limits::MaxReferralIndex && state.ReferralTable[group][position].FromGroup != 0;
            const QString name = state.NameTable[group][position].trimmed();
            if (!referred && name.size() > 1 && !seen.contains(name)) {
                seen.insert(name);
                names << name;
            }
        }
    std::sort(names.begin(), names.end(),
              [](const QString& a, const QString& b) { return a.localeAwareCompare(b) < 0; });
    return names;
}

bool HoldsTimePlan(const TextGrid& timePlan)
{
    for (int row = 0; row < timePlan.rowCount(); ++row)
        for (int col = 2; col < timePlan.columnCount(); col += 3)
            if (ReadRowTag(timePlan, col, row).Kind == TagKind::ManschA)
                return true;
    return false;
}
