#include "allocation/TimePlan.h"

#include "allocation/AllocationLimits.h"
#include "allocation/AllocationOutput.h"
#include "allocation/RoundTeams.h"
#include "allocation/SlotTable.h"
#include "model/TournamentState.h"
#include "results/ResultTable.h"
#include "structure/TimeText.h"

#include <algorithm>

namespace {
constexpr int RoundColumnWidth = 30;
constexpr int ColumnWidth = 110;
constexpr int PauseLineCut = 13;
constexpr int ShortPauseLineLength = 12;

int FieldColumn(int field)
{
    return 3 * (field - 1);
}

QString Tag(int group, const char* kind, int number)
{
    return QStringLiteral("%1 %2 %3").arg(group).arg(QLatin1String(kind)).arg(number);
}
} // namespace

int TimePlanColumnCount(const TournamentState& state)
{
    int mostFields = 0;
    for (int round = 1; round <= std::min(state.RoundCount, Limits::MaxRounds); ++round)
        mostFields = std::max(mostFields, state.FieldsInRound[std::size_t(round)]);
    return 3 * std::min(mostFields, AllocationLimits::MaxFields) + 2;
}

TimePlanWriter::TimePlanWriter(const TournamentState& state, AllocationOutput& output, Prompter& prompter)
    : m_state(state), m_output(output), m_prompter(prompter)
{
}

void TimePlanWriter::BeginTimePlan()
{
    TextGrid& grid = m_output.TimePlan;
    grid.clear();
    grid.resize(TimePlanColumnCount(m_state), InitialRowCount);
    for (int col = 0; col < grid.columnCount(); ++col)
        grid.setColumnWidth(col, col == 0 ? RoundColumnWidth : ColumnWidth);
    grid.setCell(1, 1, m_state.TournamentName);
    m_rowCount = InitialRowCount;
    m_row = FirstOutputRow;
    m_clock = m_state.StartTime;
    m_breakIndex = 1;
}

void TimePlanWriter::AddOutputRows(int count)
{
    m_row += count;
    m_rowCount = std::max(m_rowCount, m_row);
    // The row just reached is written before the next call makes it part of the plan, so the
    // grid keeps one spare row, and grows in steps to stay cheap on long plans.
    TextGrid& grid = m_output.TimePlan;
    if (grid.rowCount() <= m_row)
        grid.setRowCount(std::max(m_row + 1, 2 * grid.rowCount()));
}

void TimePlanWriter::finish()
{
    m_output.TimePlan.setRowCount(m_rowCount);
}

// A break is a fixed stretch of the day. One that has ended by the time the clock reaches it has
// passed (it lay before the start, or an earlier break or a game covered it) and is skipped; a
// due break moves the clock to its end, so the clock never goes back.
void TimePlanWriter::AdvanceClock(int round)
{
    const int gameLength =
        std::clamp(m_state.GameLengthInRound[std::size_t(round)], 0, Limits::MinutesPerDay);
    m_clock = FormatTimeText(ParseTimeText(m_clock, m_prompter) + gameLength);
    const int now = ParseTimeText(m_clock, m_prompter);
    for (; m_breakIndex <= m_state.PauseList.size(); ++m_breakIndex) {
        const QString line = m_state.PauseList.at(m_breakIndex - 1).left(PauseLineCut);
        const int start = ParseTimeText(line.mid(0, 5), m_prompter);
        const int duration =
            std::min(ParseTimeText(line.mid(8, line.size() == ShortPauseLineLength ? 4 : 5), m_prompter),
                     Limits::MinutesPerDay);
        if (start + duration <= now)
            continue;
        if (start > now)
            return;
        AddOutputRows(2);
        m_output.TimePlan.setCell(1, m_row, QStringLiteral("Pause"));
        AddOutputRows(2);
        m_clock = FormatTimeText(start + duration);
        ++m_breakIndex;
        return;
    }
}

void TimePlanWriter::WriteRoundTimePlan(int round, const SlotTable& table, const RoundTeams& teams)
{
    TextGrid& grid = m_output.TimePlan;
    const int fieldCount = m_state.FieldsInRound[std::size_t(round)];
    grid.setCell(1, m_row, QStringLiteral("Runde %1").arg(round));
    for (int field = 1; field <= fieldCount; ++field)
        grid.setCell(FieldColumn(field) + 2, m_row, QStringLiteral("Platz %1").arg(field));
    AddOutputRows(3);
    const QString roundText = QString::number(round);
    for (int slot = 1; slot <= table.slotCount(); ++slot) {
        if (slot > 1)
            AdvanceClock(round);
        AddOutputRows(2);
        grid.setCell(0, m_row - 1, roundText);
        grid.setCell(0, m_row, roundText);
        grid.setCell(1, m_row - 1, m_clock);
        for (int field = 1; field <= fieldCount; ++field) {
            const SlotEntry& game = table.at(slot, field);
            if (game.TeamA >= 1)
                writeGame(round, field, m_row, game, teams);
        }
    }
    AddOutputRows(4);
    AdvanceClock(round);
}

void TimePlanWriter::writeGame(int round, int field, int slotRow, const SlotEntry& game,
                               const RoundTeams& teams)
{
    TextGrid& grid = m_output.TimePlan;
    const int c = FieldColumn(field);
    const int gameRow = slotRow - 1;
    const int a = game.TeamA;
    const int b = game.TeamB;
    const int referee = game.Referee;
    const bool refereesShown = m_state.Settings.RefereesEnabled;

    grid.setCell(c + 2, gameRow,
                 QString::number(teams.positionOf(a)) + QStringLiteral(") ") + teamName(teams, a));
    grid.setCell(c + 3, gameRow,
                 QStringLiteral(": ") + QString::number(teams.positionOf(b)) + QStringLiteral(") ") +
                     teamName(teams, b));

    if (round == m_output.GameListRound) {
        m_output.GameLists.append(a, {m_clock, field, b});
        m_output.GameLists.append(b, {m_clock, field, a});
        if (refereesShown && referee >= 1)
            m_output.GameLists.append(referee, {m_clock, field, 0});
    }

    grid.setTag(c + 2, gameRow, Tag(teams.groupOf(a), "manscha", teams.positionOf(a)));
    grid.setTag(c + 3, gameRow, Tag(teams.groupOf(b), "manschb", teams.positionOf(b)));
    grid.setTag(c + 4, gameRow, Tag(teams.groupOf(b), "manschc", game.Game));
    grid.setTag(c + 3, slotRow, Tag(teams.groupOf(referee), "schiri", teams.positionOf(referee)));

    grid.setCell(c + 4, gameRow, resultText(teams.groupOf(b), game.Game));

    if (refereesShown) {
        grid.setCell(c + 2, slotRow, QStringLiteral("     Schiedsrichter: "));
        grid.setCell(c + 3, slotRow, referee >= 1 ? teamName(teams, referee) : QStringLiteral("EXTERN"));
    }
}

QString TimePlanWriter::resultText(int group, int game) const
{
    const int index = FindResult(m_state, group, game);
    if (index == 0)
        return {};
    const GameResult& result = m_state.ResultTable[std::size_t(index)];
    if (result.ScoreText == QLatin1String("x"))
        return result.ScoreText;
    if (m_state.Settings.WithSets)
        return result.ScoreText;
    return QStringLiteral("%1:%2").arg(result.GoalsFirst).arg(result.GoalsSecond);
}

QString TimePlanWriter::teamName(const RoundTeams& teams, int team) const
{
    return m_state.NameTable[std::size_t(teams.groupOf(team))][std::size_t(teams.positionOf(team))];
}
