#include "results/ScheduleGrid.h"

#include "model/TournamentState.h"
#include "results/ResultTable.h"
#include "results/RowTags.h"
#include "results/Standings.h"
#include "structure/Advancement.h"

#include <algorithm>
#include <array>
#include <vector>

namespace {
const QString MissingName = QStringLiteral("_______________");
const QString RoundSeparator = QStringLiteral("____________________");
constexpr int FirstRoundRow = 5;
constexpr int RoundColumnWidth = 30;
constexpr int GroupColumnWidths[5] = {110, 110, 60, 60, 110};

int roundsInUse(const TournamentState& state)
{
    return std::clamp(state.RoundCount, 0, Limits::MaxRounds);
}

int teamCountOf(const TournamentState& state, int group)
{
    return IsGroupIndex(group) ? std::max(0, state.TeamsInGroup[group]) : 0;
}

QString nameInSlot(const TournamentState& state, int group, int slot)
{
    if (!IsGroupIndex(group) || slot < 0 || slot >= Limits::NameSlots)
        return {};
    return state.NameTable[group][std::size_t(slot)];
}

// Position 0 is no team (slot 0 holds the group's name): an unread pairing entry shows no name.
QString teamName(const TournamentState& state, int group, int position)
{
    return position >= 1 ? nameInSlot(state, group, position) : QString();
}

// A name of fewer than two characters counts as not yet known.
bool isMissing(const QString& name)
{
    return name.size() <= 1;
}

QString numbered(int position)
{
    return QString::number(position) + QStringLiteral(") ");
}

QString teamEntryText(const TournamentState& state, int group, int position)
{
    const QString name = teamName(state, group, position);
    return numbered(position) + (isMissing(name) ? MissingName : name);
}

// The left team cell: "p) name"; the return leg puts ": " in front.
QString leftTeamText(const TournamentState& state, int group, int position, bool returnLeg)
{
    const QString text = teamEntryText(state, group, position);
    return returnLeg ? QStringLiteral(": ") + text : text;
}

// The right team cell: ": p) name" in the first leg, "p) name" in the return leg; a missing
// name follows the number directly.
QString rightTeamText(const TournamentState& state, int group, int position, bool returnLeg)
{
    const QString name = teamName(state, group, position);
    const QString text =
        isMissing(name) ? QString::number(position) + MissingName : numbered(position) + name;
    return returnLeg ? text : QStringLiteral(": ") + text;
}

// The texts of a group's team cells, built once for each position and leg: every game line
// shares them instead of building its own copy.
class TeamTexts {
public:
    TeamTexts(const TournamentState& state, int group) : m_state(state), m_group(group) {}

    QString left(int position, bool returnLeg) { return cached(m_left, position, returnLeg, leftTeamText); }
    QString right(int position, bool returnLeg)
    {
        return cached(m_right, position, returnLeg, rightTeamText);
    }

private:
    using Texts = std::array<std::array<QString, Limits::NameSlots>, 2>;
    using Build = QString (*)(const TournamentState&, int, int, bool);

    QString cached(Texts& texts, int position, bool returnLeg, Build build)
    {
        if (position < 0 || position >= Limits::NameSlots)
            return build(m_state, m_group, position, returnLeg);
        QString& text = texts[returnLeg ? 1 : 0][std::size_t(position)];
        if (text.isNull()) // every built text holds at least the position's number
            text = build(m_state, m_group, position, returnLeg);
        return text;
    }

    const TournamentState& m_state;
    const int m_group;
    Texts m_left;
    Texts m_right;
};

QString goalsText(const GameResult& result)
{
    if (result.ScoreText == u"x")
        return result.ScoreText;
    return QStringLiteral("  ") + QString::number(result.GoalsFirst) + QStringLiteral(" : ") +
           QString::number(result.GoalsSecond);
}

// recordOfGame[k]: the first of the group's records (RecordsOfGroup) for game k.
std::vector<int> firstRecordOfEveryGame(const TournamentState& state, const std::vector<int>& records,
                                        int gameCount)
{
    std::vector<int> recordOfGame(std::size_t(gameCount) + 1, 0);
    for (const int index : records) {
        const int game = state.ResultTable[std::size_t(index)].Game;
        if (game >= 1 && game <= gameCount && recordOfGame[std::size_t(game)] == 0)
            recordOfGame[std::size_t(game)] = index;
    }
    return recordOfGame;
}

void writeTagged(TextGrid& grid, int col, int row, const QString& text, const QString& tag)
{
    grid.setCell(col, row, text);
    grid.setTag(col, row, tag);
}

void writeHeadAndTeams(TournamentState& state, const GroupBlock& block)
{
    TextGrid& grid = state.ScheduleGrid;
    const int g = block.Group;
    const int c = block.Column;
    writeTagged(grid, c, block.TopRow, nameInSlot(state, g, 0), MakeRowTag(g, TagKind::KopfName, 0));
    writeTagged(grid, c, block.TopRow + 1, QStringLiteral("Gruppe ") + QString::number(g),
                MakeRowTag(g, TagKind::KopfGruppe, 0));
    for (int p = 1; p <= block.TeamCount; ++p)
        writeTagged(grid, c, block.teamRow(p), teamEntryText(state, g, p),
                    MakeRowTag(g, TagKind::KopfMannschaft, p));
    grid.setCell(c + 2, block.headerRow(), state.SetsWord);
    grid.setCell(c + 3, block.headerRow(), QStringLiteral("Tore"));
}

void writeGames(TournamentState& state, const GroupBlock& block, const std::vector<int>& records)
{
    TextGrid& grid = state.ScheduleGrid;
    const int g = block.Group;
    const int c = block.Column;
    const int h = block.FirstLegGames;
    const int gameCount = block.HasReturnLeg ? 2 * h : h;
    const std::vector<int> recordOfGame = firstRecordOfEveryGame(state, records, gameCount);
    TeamTexts teamTexts(state, g);
    for (int k = 1; k <= gameCount; ++k) {
        const bool returnLeg = k > h;
        const PairingEntry pair = state.Pairings.PairingOf(block.TeamCount, k);
        const int row = block.gameRow(k);
        const QString gameTag = MakeRowTag(g, TagKind::Spiel, k);
        writeTagged(grid, c, row, teamTexts.left(pair.first, returnLeg), gameTag);
        writeTagged(grid, c + 1, row, teamTexts.right(pair.second, returnLeg), gameTag);
        grid.setTag(c + 2, row, MakeRowTag(g, TagKind::Satz, k));
        grid.setTag(c + 3, row, MakeRowTag(g, TagKind::Tore, k));
        if (const int record = recordOfGame[std::size_t(k)]; record != 0) {
            const GameResult& result = state.ResultTable[std::size_t(record)];
            if (state.Settings.WithSets)
                grid.setCell(c + 2, row, result.ScoreText);
            grid.setCell(c + 3, row, goalsText(result));
        }
    }
}

void writeEmptyTable(TournamentState& state, const GroupBlock& block)
{
    TextGrid& grid = state.ScheduleGrid;
    const int g = block.Group;
    const int c = block.Column;
    const int head = block.tableHeadRow();
    const QString headTag = MakeRowTag(g, TagKind::TabellenKopf, 0);
    writeTagged(grid, c, head, nameInSlot(state, g, 0) + QStringLiteral(" (") + QString::number(g) + u')',
                headTag);
    writeTagged(grid, c + 1, head, QStringLiteral("Spl ge ue ve"), headTag);
    writeTagged(grid, c + 2, head, state.SetsWord, headTag);
    writeTagged(grid, c + 3, head, QStringLiteral("Tore"), headTag);
    writeTagged(grid, c + 4, head, QStringLiteral("Punkte"), headTag);
    for (int p = 1; p <= block.TeamCount; ++p) {
        const int row = block.tableRow(p);
        writeTagged(grid, c, row, numbered(p), MakeRowTag(g, TagKind::TabelleMannschaft, p));
        const QString valueTag = MakeRowTag(g, TagKind::Tabelle, p);
        for (int col = c + 1; col <= c + 4; ++col)
            grid.setTag(col, row, valueTag);
    }
}

void writeRoundColumn(TournamentState& state, int round)
{
    TextGrid& grid = state.ScheduleGrid;
    const int top = RoundFirstRow(state, round);
    const int height = RoundBlockHeight(state, round);
    if (height <= 0)
        return;
    for (int row = top; row < top + height; ++row)
        grid.setCell(0, row, QString::number(round));
    for (int col = 0; col < grid.columnCount(); ++col)
        grid.setCell(col, top + height - 1, RoundSeparator);
}

GroupBlock blockAt(const TournamentState& state, int group, int column, int topRow)
{
    GroupBlock block;
    block.Group = group;
    block.Column = column;
    block.TopRow = topRow;
    block.TeamCount = teamCountOf(state, group);
    block.FirstLegGames = PairingTable::FirstLegGameCount(block.TeamCount);
    block.HasReturnLeg = state.ReturnLeg[group];
    return block;
}

// Groups past the table's capacity (a damaged file) get no block.
int lastUsableGroupOfRound(const TournamentState& state, int round)
{
    return std::min(LastGroupOfRound(state, round), Limits::MaxGroups);
}

int plannedRowCount(const TournamentState& state)
{
    int rowCount = 4;
    for (int round = 1; round <= roundsInUse(state); ++round)
        rowCount += RoundBlockHeight(state, round);
    return rowCount;
}

// The group and every group that one of its places feeds or whose positions it fills.
std::vector<int> groupAndFedGroups(const TournamentState& state, int group)
{
    std::vector<int> groups{group};
    const int lastGroup = std::min(TotalGroups(state), Limits::MaxGroups);
    for (int other = 1; other <= lastGroup; ++other) {
        bool fed = false;
        for (int slot = 1; slot <= Limits::MaxPositions; ++slot) {
            fed = fed || state.ReferralTable[std::size_t(other)][std::size_t(slot)].FromGroup == group ||
                  state.ReferralTable[std::size_t(group)][std::size_t(slot)].ToGroup == other;
        }
        if (fed && other != group)
            groups.push_back(other);
    }
    return groups;
}

// The grid holds the blocks of the current layout: the right size and the group's name and table
// head where the layout puts them.
bool blockInPlace(const TournamentState& state, const GroupBlock& block)
{
    const TextGrid& grid = state.ScheduleGrid;
    return block.Group != 0 &&
           grid.tag(block.Column, block.TopRow) == MakeRowTag(block.Group, TagKind::KopfName, 0) &&
           grid.tag(block.Column, block.tableHeadRow()) == MakeRowTag(block.Group, TagKind::TabellenKopf, 0);
}

// Empties the block's five columns from its top row to the row above the round's separator.
void clearBlock(TournamentState& state, const GroupBlock& block)
{
    TextGrid& grid = state.ScheduleGrid;
    const int round = RoundOfGroup(state, block.Group);
    const int lastRow = RoundFirstRow(state, round) + RoundBlockHeight(state, round) - 2;
    for (int row = block.TopRow; row <= lastRow; ++row) {
        for (int col = block.Column; col < block.Column + 5; ++col) {
            grid.setCell(col, row, QString());
            grid.setTag(col, row, QString());
        }
    }
}
} // namespace

int MaxGroupsInRound(const TournamentState& state)
{
    int widest = 0;
    for (int round = 1; round <= roundsInUse(state); ++round)
        widest = std::max(widest, state.GroupsInRound[round]);
    return widest;
}

int RoundBlockHeight(const TournamentState& state, int round)
{
    if (!IsRoundIndex(round))
        return 0;
    int height = 0;
    for (int g = std::max(1, FirstGroupOfRound(state, round)); g <= lastUsableGroupOfRound(state, round);
         ++g) {
        const int teams = teamCountOf(state, g);
        height = std::max(height, 2 * teams + GroupGameCount(state, g) + 9);
    }
    return height;
}

int RoundFirstRow(const TournamentState& state, int round)
{
    int row = FirstRoundRow;
    for (int r = 1; r < round && r <= Limits::MaxRounds; ++r)
        row += RoundBlockHeight(state, r);
    return row;
}

GroupBlock LocateGroupBlock(const TournamentState& state, int group)
{
    const int round = RoundOfGroup(state, group);
    if (!IsGroupIndex(group) || round < 1 || round > roundsInUse(state))
        return {};
    const int indexInRound = group - FirstGroupOfRound(state, round);
    return blockAt(state, group, 5 * indexInRound + 1, RoundFirstRow(state, round));
}

void SetupScheduleGrid(TournamentState& state)
{
    TextGrid& grid = state.ScheduleGrid;
    grid.resize(5 * MaxGroupsInRound(state) + 1, plannedRowCount(state));
    grid.setColumnWidth(0, RoundColumnWidth);
    for (int col = 1; col < grid.columnCount(); ++col)
        grid.setColumnWidth(col, GroupColumnWidths[(col - 1) % 5]);
    // Row 0 and column 0 keep their texts; every highlight goes with the old layout.
    for (int row = 1; row < grid.rowCount(); ++row) {
        for (int col = 1; col < grid.columnCount(); ++col) {
            if (!grid.cell(col, row).isNull())
                grid.setCell(col, row, QString());
            if (!grid.tag(col, row).isNull())
                grid.setTag(col, row, QString());
        }
    }
    grid.clearColours();
}

namespace {
// After a load the completion check of every group, which carries placed teams on; the flag
// keeps each check from rendering and is cleared afterwards.
void completeEveryGroupAfterLoad(TournamentState& state)
{
    if (!state.JustLoaded)
        return;
    for (int g = 1; g <= TotalGroups(state); ++g)
        CheckGroupCompletion(state, g);
    state.JustLoaded = false;
}
} // namespace

void LayOutScheduleGrid(TournamentState& state)
{
    SetupScheduleGrid(state);
    state.ScheduleGrid.setCell(1, 1, state.TournamentName);
    const std::vector<std::vector<int>> records = RecordsOfEveryGroup(state, Limits::MaxGroups);
    for (int round = 1; round <= roundsInUse(state); ++round) {
        const int top = RoundFirstRow(state, round);
        const int first = FirstGroupOfRound(state, round);
        for (int g = std::max(1, first); g <= lastUsableGroupOfRound(state, round); ++g) {
            const GroupBlock block = blockAt(state, g, 5 * (g - first) + 1, top);
            writeHeadAndTeams(state, block);
            writeGames(state, block, records[std::size_t(g)]);
            writeEmptyTable(state, block);
        }
        writeRoundColumn(state, round);
    }
}

void RenderScheduleGrid(TournamentState& state)
{
    state.TimePlanCurrent = false;
    LayOutScheduleGrid(state);
    state.TablesToGrid = true;
    ComputeAllStandings(state);
    completeEveryGroupAfterLoad(state);
    state.TimePlanCurrent = false;
}

void RenderLoadedScheduleGrid(TournamentState& state)
{
    if (state.JustLoaded) {
        // The completion checks need the standings only; the grid is drawn once, after them.
        state.TablesToGrid = false;
        ComputeAllStandings(state);
        completeEveryGroupAfterLoad(state);
    }
    RenderScheduleGrid(state);
}

void RenderAfterResult(TournamentState& state, int group)
{
    // Every group's name and table head where the current layout puts them: no group changed its
    // size since the last render. Without "keep the plan updated" other parts may wait for a full render.
    bool patchable = state.Settings.KeepPlanUpdated && !state.JustLoaded &&
                     state.ScheduleGrid.columnCount() == 5 * MaxGroupsInRound(state) + 1 &&
                     state.ScheduleGrid.rowCount() == plannedRowCount(state);
    const int lastGroup = std::min(TotalGroups(state), Limits::MaxGroups);
    for (int g = 1; patchable && g <= lastGroup; ++g) {
        const GroupBlock block = LocateGroupBlock(state, g);
        patchable = block.Group == 0 ? g != group : blockInPlace(state, block);
    }
    if (!patchable) {
        RenderScheduleGrid(state);
        return;
    }
    state.TimePlanCurrent = false;
    const std::vector<int> redrawn = groupAndFedGroups(state, group);
    for (const int g : redrawn) {
        const GroupBlock block = LocateGroupBlock(state, g);
        if (block.Group == 0)
            continue;
        clearBlock(state, block);
        writeHeadAndTeams(state, block);
        writeGames(state, block, RecordsOfGroup(state, block.Group));
        writeEmptyTable(state, block);
    }
    state.ScheduleGrid.clearColours();
    state.TablesToGrid = true;
    // The other groups' results and teams are as they were: their tables stand.
    for (const int g : redrawn)
        ComputeStandings(state, g);
}
